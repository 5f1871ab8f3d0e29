#include "records/uszkodzenia.h"

#include "records/recordslog.h"
#include "config/modul.h"
#include "config/modulefactory.h"

#include <QDebug>
#include <QStandardItemModel>

namespace {
constexpr int BlockHeaderSize = 3;
}

Uszkodzenia::Uszkodzenia(QObject *parent) : QObject(parent) {}

Uszkodzenia::~Uszkodzenia()
{
    qDeleteAll(modules);
}

bool Uszkodzenia::parse(QByteArray data)
{
    if (data.isEmpty())
        return true;
    const int blockCount = qint8(data.at(0));
    if (data.size() > 1)
        data.remove(0, 1);
    for (int step = 0; step < blockCount; ++step) {
        if (data.size() < BlockHeaderSize + 1)
            continue;
        const int type = quint8(data.at(0));
        const quint8 number = quint8(data.at(1));
        const int length = qint8(data.at(2));
        data.remove(0, BlockHeaderSize);
        Modul *module = createModule(type, number);
        if (length > data.size()) {
            // The block runs past the end: nothing after it can be trusted.
            qCDebug(lcRecords) << "Uszkodzenia: blok modułu" << type << "poza końcem danych";
            delete module;
            data.clear();
            continue;
        }
        const QByteArray flags = length > 0 ? data.left(length) : QByteArray();
        data.remove(0, flags.size());
        if (!module) {
            // An unknown type still occupies its flag bytes; skipping them keeps the blocks
            // after it in step.
            qCDebug(lcRecords) << "Uszkodzenia: nieznany typ modułu" << type;
            continue;
        }
        module->setFaultBytes(flags);
        modules.append(module);
    }
    return true;
}

QStandardItemModel *Uszkodzenia::model()
{
    auto *tree = new QStandardItemModel();
    for (Modul *module : qAsConst(modules)) {
        const QStringList faults = module->getFaults();
        if (faults.isEmpty())
            continue;
        auto *item = new QStandardItem(module->getName() + QLatin1Char(' ')
                                       + QString::number(module->getNumber()));
        item->setEditable(false);
        for (const QString &fault : faults) {
            auto *child = new QStandardItem(fault);
            child->setEditable(false);
            item->appendRow(child);
        }
        tree->appendRow(item);
    }
    return tree;
}

QString Uszkodzenia::toHtml()
{
    QString html = QLatin1String("<html><head><link rel='stylesheet' type='text/css' "
                                 "href='format.css'></head><body><H2>")
            + tr("Uszkodzenia Ostrel: %1").arg(name.toHtmlEscaped()) + QLatin1String("</H2>");
    for (Modul *module : qAsConst(modules))
        html += module->faultsToHtml();
    html += QLatin1String("</body></html>");
    return html;
}
