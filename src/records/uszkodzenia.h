#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class Modul;
class QStandardItemModel;

// The unit's current fault list: one module per block of fault flags, its tree and its report.
class Uszkodzenia : public QObject
{
    Q_OBJECT
public:
    explicit Uszkodzenia(QObject *parent = nullptr);
    ~Uszkodzenia() override;

    // Appends the modules of the payload; never fails.
    bool parse(QByteArray data);
    // A new tree of the modules with active faults and their fault texts; the caller owns it.
    QStandardItemModel *model();
    QString toHtml();
    QList<Modul *> getModules() const { return modules; }

    QString name;
    QList<Modul *> modules;
};
