#include "visits/visitreport.h"

#include "visits/visitstore.h"

namespace VisitReport {

QString toHtml(const VisitStore &, int, bool)
{
    return QString();
}

QString footerText(const QString &)
{
    return QString();
}

QByteArray checksCsv(const VisitStore &, int)
{
    return QByteArray();
}

QString fileBaseName(const VisitStore &, int)
{
    return QString();
}

} // namespace VisitReport
