// A host application in miniature: it loads the configurator's shared library at run time,
// opens the tool on a store directory, and prints the record it receives when the user closes
// the tool.
//
//   host-example [directory [configuration [library]]]
//   host-example --rename directory old-name new-name [library]
//
// The directory defaults to the current one; the library to the tool's library next to this
// program (libostrel-konfigurator.so, on Windows libostrel-konfigurator.dll).

#include "host/ostrelinterfaces.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

#include <cstdio>

namespace {
using GetInterface = OstrelInterfaces *(*)(QString);
using ChangeName = bool (*)(QString, QString, QString);

const char *yesNo(bool value)
{
    return value ? "true" : "false";
}

void printRecord(OstrelInterfaces::OstrelConfig cfg)
{
    std::printf("psbDeclared     %s\n", yesNo(cfg.psbDeclared));
    std::printf("pslDeclared     %s\n", yesNo(cfg.pslDeclared));
    std::printf("lk1Mode         %d\n", cfg.lk1Mode);
    std::printf("lk2Mode         %d\n", cfg.lk2Mode);
    std::printf("puAlarmDriven   %s\n", yesNo(cfg.puAlarmDriven));
    std::printf("pkAlarmDriven   %s\n", yesNo(cfg.pkAlarmDriven));
    for (int line = 0; line < 4; ++line)
        std::printf("lsAlarmDriven[%d] %s\n", line, yesNo(cfg.lsAlarmDriven[line]));
    std::fflush(stdout);
}

template <class Function>
Function resolve(QLibrary &library, const char *name)
{
    QFunctionPointer symbol = library.resolve(name);
    if (!symbol)
        std::fprintf(stderr, "host-example: %s is not exported: %s\n", name,
                     qPrintable(library.errorString()));
    return reinterpret_cast<Function>(symbol);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    const bool rename = !args.isEmpty() && args.first() == QLatin1String("--rename");
    if (rename && args.size() < 4) {
        std::fprintf(stderr, "usage: host-example --rename directory old-name new-name\n");
        return 2;
    }

    const int libraryArgument = rename ? 4 : 2;
#ifdef Q_OS_WIN
    const QLatin1String defaultLibrary("/libostrel-konfigurator.dll");
#else
    const QLatin1String defaultLibrary("/libostrel-konfigurator.so");
#endif
    const QString libraryPath =
            args.value(libraryArgument, QCoreApplication::applicationDirPath() + defaultLibrary);
    // Never unloaded: the tool's statics outlive any single call.
    QLibrary library(libraryPath);
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library.load()) {
        std::fprintf(stderr, "host-example: %s\n", qPrintable(library.errorString()));
        return 2;
    }

    if (rename) {
        const auto changeName = resolve<ChangeName>(library, "changeDBName");
        if (!changeName)
            return 2;
        const bool opened = changeName(args.at(1), args.at(2), args.at(3));
        std::printf("changeDBName: %s\n", yesNo(opened));
        return opened ? 0 : 1;
    }

    const auto getInterface = resolve<GetInterface>(library, "getPSInterface");
    if (!getInterface)
        return 2;
    const QString dir = args.value(0, QDir::currentPath());
    const QString name = args.value(1);

    OstrelInterfaces *tool = getInterface(dir);
    if (!name.isEmpty())
        tool->configToSet(name);
    tool->callWhenDone(printRecord);
    tool->exec();
    delete tool;
    return 0;
}
