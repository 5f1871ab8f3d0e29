#include "host/ostrelmain.h"

#include "host/hostlog.h"
#include "gui/mainwindow.h"
#include "gui/startup.h"

#include <QApplication>
#include <QDebug>
#include <QIcon>
#include <QTranslator>

int ostrelMain(int argc, char *argv[])
{
    registerResources();
    // QApplication keeps a reference to the count for its whole life.
    int count = argc;
    QApplication app(count, argv);
    QTranslator translator;
    QTranslator qtTranslator;

    if (!openLocalStore(QStringLiteral("./"))) {
        qCDebug(lcHost) << "Nie nawiązano połaczenia z bazą danych";
        return 1;
    }

    if (loadTranslation(translator) && loadQtTranslation(qtTranslator, translator.language()))
        app.installTranslator(&qtTranslator);
    app.installTranslator(&translator);
    applyInterfaceLocale(translator);
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/logo.ico")));

    MainWindow window;
    window.show();
    return app.exec();
}
