#pragma once

#include "recordmanagement.h"

class Uszkodzenia;
namespace Ui {
class FaultsManagement;
}

// The fault-list tab: reads the unit's current faults, stores them as "S_" and the time, and
// shows each stored list as a tree of the modules with active faults, fully expanded.
class FaultsManagement : public RecordManagement
{
    Q_OBJECT
public:
    explicit FaultsManagement(QWidget *parent = nullptr);
    FaultsManagement(USBManager *usb, QWidget *parent);
    ~FaultsManagement() override;

    // A new fault list decoded from the bytes; the caller deletes it.
    Uszkodzenia *makeFaults(QByteArray data);

public slots:
    void slotClickListaFault(QModelIndex index);
    void showFaults(uint id, QString nazwa);

protected:
    QWidget *createView(const QByteArray &data) override;
    QString buildReport(const QByteArray &data, const QString &name) override;
    QByteArray buildCsv(const QByteArray &data) override;

private:
    Ui::FaultsManagement *form;
};
