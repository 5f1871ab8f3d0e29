#include "configeditor.h"
#include "ui_configeditor.h"

#include "configsortfilterproxymodel.h"
#include "dialogs.h"
#include "namedelegate.h"
#include "settingdelegate.h"
#include "treemodel.h"

#include "config/konfiguracja.h"

#include <QCloseEvent>
#include <QRegExp>

ConfigEditor::ConfigEditor(QWidget *parent) : QFrame(parent), ui(new Ui::ConfigEditor)
{
    ui->setupUi(this);
}

ConfigEditor::~ConfigEditor() = default;

bool ConfigEditor::setModel(TreeModel *model)
{
    if (!model)
        return false;
    m_model = model;
    m_proxy = new ConfigSortFilterProxyModel(this);
    m_proxy->setSourceModel(model);
    m_proxy->setFilterKeyColumn(0);
    ui->configView->setModel(m_proxy);
    m_settingDelegate = new SettingDelegate(this);
    m_nameDelegate = new NameDelegate(this);
    ui->configView->setItemDelegateForColumn(TreeModel::ValueColumn, m_settingDelegate);
    ui->configView->setItemDelegateForColumn(TreeModel::NameColumn, m_nameDelegate);
    ui->configView->hideColumn(TreeModel::DescriptionColumn);
    ui->configView->setColumnWidth(TreeModel::NameColumn, 400);
    connect(model, &TreeModel::dataChanged, this, &ConfigEditor::slotDataChanged);
    return true;
}

bool ConfigEditor::hasUnsavedChanges() const
{
    return ui->save->isEnabled();
}

void ConfigEditor::setUnsavedChanges(bool changed)
{
    ui->save->setEnabled(changed);
}

void ConfigEditor::on_save_clicked()
{
    if (!m_model || !m_model->konfiguracja())
        return;
    const uint id = property("ID").toUInt();
    const QByteArray bytes = m_model->konfiguracja()->toByteArray(Konfiguracja::FromDatabase);
    // Disabled before the signal: a receiver that fails to store turns it back on.
    ui->save->setEnabled(false);
    emit signalSaveConfig(id, QString(), bytes);
}

void ConfigEditor::applyNameFilter()
{
    if (!m_proxy)
        return;
    m_proxy->setFilterRegExp(
            QRegExp(ui->filterModule->text(), Qt::CaseInsensitive, QRegExp::FixedString));
    m_proxy->setFilterKeyColumn(0);
    // Matches sit inside the modules; show them without making the user open every module.
    if (!ui->filterModule->text().isEmpty())
        ui->configView->expandAll();
}

void ConfigEditor::on_filtrujButton_clicked()
{
    applyNameFilter();
}

void ConfigEditor::on_filterModule_textChanged(const QString &)
{
    applyNameFilter();
}

void ConfigEditor::on_zadeklarowaneBox_clicked()
{
    if (!m_proxy)
        return;
    m_proxy->setShowUndeclared(ui->zadeklarowaneBox->isChecked());
    // Keeps the name filter that the line edit shows in force.
    applyNameFilter();
    m_proxy->refilter();
}

void ConfigEditor::on_expandView_stateChanged(int state)
{
    if (state != 0)
        ui->configView->expandAll();
    else
        ui->configView->collapseAll();
}

void ConfigEditor::slotDataChanged()
{
    ui->save->setEnabled(true);
}

void ConfigEditor::closeEvent(QCloseEvent *event)
{
    if (ui->save->isEnabled()) {
        const auto answer = Dialogs::instance()->question(
                this, tr("Konfiguracja"),
                tr("Konfiguracja %1 została zmieniona. Czy zapisać zmiany?")
                        .arg(property("NAME").toString()),
                QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes)
            on_save_clicked();
        else
            ui->save->setEnabled(false);
    }
    event->accept();
}
