#pragma once

#include "recordmanagement.h"

namespace Ui {
class SoftwareManagement;
}

// The software-versions tab: reads the versions of the unit's modules, one list per request,
// stores the list as "S_" and the time, and shows each stored list as a table.
class SoftwareManagement : public RecordManagement
{
    Q_OBJECT
public:
    explicit SoftwareManagement(QWidget *parent = nullptr);
    SoftwareManagement(USBManager *usb, QWidget *parent);
    ~SoftwareManagement() override;

public slots:
    void slotClickListaConfig(QModelIndex index);
    void showSoftware(uint id, QString nazwa);

protected:
    QWidget *createView(const QByteArray &data) override;
    QString buildReport(const QByteArray &data, const QString &name) override;
    QByteArray buildCsv(const QByteArray &data) override;

private:
    Ui::SoftwareManagement *form;
};
