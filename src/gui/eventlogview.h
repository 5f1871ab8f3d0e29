#pragma once

#include <QByteArray>
#include <QWidget>

class EventFilterProxy;
class EventLogModel;
class QTableView;
namespace Ui {
class EventLogView;
}

// One register's tab: a filter bar over its table. The table filters in place as the
// technician types, sorts by any column (newest first until a column is chosen) and counts
// what it shows.
class EventLogView : public QWidget
{
    Q_OBJECT
public:
    // The register's stored bytes.
    explicit EventLogView(const QByteArray &data, QWidget *parent = nullptr);
    ~EventLogView() override;

    QTableView *table() const;
    EventFilterProxy *proxy() const { return m_proxy; }
    // Puts the cursor in the search field with its text selected.
    void focusFilter();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillModules();
    void showSpan();
    void applyFilter();
    void enableRange(bool on);
    void resetFilter();
    void updateCount();
    // Widths that show whole texts at the current font.
    void fitColumns();

    Ui::EventLogView *form;
    EventLogModel *m_model;
    EventFilterProxy *m_proxy;
};
