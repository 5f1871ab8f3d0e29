#pragma once

#include <QByteArray>
#include <QFrame>
#include <QString>
#include <QTimer>

#include <memory>

class ConfigSortFilterProxyModel;
class NameDelegate;
class SettingDelegate;
class TreeModel;

namespace Ui {
class ConfigEditor;
}

// One stored configuration, shown as a filterable settings tree and edited in place. The
// window knows its record only through the dynamic properties "ID" and "NAME"; storing the
// saved image is the business of whoever listens to signalSaveConfig.
class ConfigEditor : public QFrame
{
    Q_OBJECT
public:
    explicit ConfigEditor(QWidget *parent = nullptr);
    ~ConfigEditor() override;

    bool setModel(TreeModel *model);
    TreeModel *model() const { return m_model; }
    ConfigSortFilterProxyModel *proxyModel() const { return m_proxy; }

    bool hasUnsavedChanges() const;
    // Marks the image as changed again, for instance when storing it failed.
    void setUnsavedChanges(bool changed);
    // Repaints the tree after the settings' conflict or modified marks were changed.
    void refreshMarks();
    // Drops the marks of a comparison that is over.
    void clearConflictMarks();
    // With unsaved edits, asks `question` with Yes, No and Cancel; Yes saves. False when the
    // action that asked must stop: Cancel, or a save that failed.
    bool askToSave(const QString &question);

    // Says that the stored configuration changed under the editor (a sync brought a newer
    // revision), offering to reload it or to compare with it; hideStale() takes it away.
    void showStale(const QString &text);
    void hideStale();

signals:
    void signalSaveConfig(uint id, QString name, QByteArray data);
    void signalReloadRequested();
    void signalCompareStoredRequested();

public slots:
    void on_save_clicked();
    void on_filtrujButton_clicked();
    void on_zadeklarowaneBox_clicked();
    void on_filterModule_textChanged(const QString &text);
    void on_expandView_stateChanged(int state);
    void slotDataChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void applyNameFilter();
    void fitNameColumn();

    std::unique_ptr<Ui::ConfigEditor> ui;
    TreeModel *m_model = nullptr;
    ConfigSortFilterProxyModel *m_proxy = nullptr;
    SettingDelegate *m_settingDelegate = nullptr;
    NameDelegate *m_nameDelegate = nullptr;
    // Fits the name column once the tree has finished laying out its rows.
    QTimer m_fitNameColumn;
};
