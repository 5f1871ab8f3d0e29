#pragma once

#include "recordmanagement.h"

class Pamietnik;
namespace Ui {
class EventsManagement;
}

// The event-register tab: reads the register from the unit, stores it as "L_" and the time,
// and shows each stored register as a table, newest entry first.
class EventsManagement : public RecordManagement
{
    Q_OBJECT
public:
    explicit EventsManagement(QWidget *parent = nullptr);
    EventsManagement(USBManager *usb, QWidget *parent);
    ~EventsManagement() override;

    // A new register decoded from the bytes; the caller deletes it.
    Pamietnik *makeRegister(QByteArray data);

public slots:
    void slotClickListaConfig(QModelIndex index);
    void showLog(uint id, QString nazwa);
    void setCurrentLogId(int id);

protected:
    QWidget *createView(const QByteArray &data) override;
    QString buildReport(const QByteArray &data, const QString &name) override;
    QByteArray buildCsv(const QByteArray &data) override;
    bool filteredRows(int id, QVector<int> *rows, int *total) const override;
    QString buildRowsReport(const QByteArray &data, const QString &name,
                            const QVector<int> &rows) override;
    QByteArray buildRowsCsv(const QByteArray &data, const QVector<int> &rows) override;

private:
    void focusFilter();

    Ui::EventsManagement *form;
};
