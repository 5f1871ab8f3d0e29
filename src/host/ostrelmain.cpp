#include "host/ostrelmain.h"

#include "host/hostlog.h"
#include "gui/mainwindow.h"
#include "gui/startup.h"

#include <QApplication>
#include <QDir>
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

    const QString folder = storeFolder(app.arguments());
    {
        // Until the store tells the language, a failure is told in the system's, if shipped.
        QTranslator systemTranslator;
        if (loadSystemTranslation(systemTranslator))
            app.installTranslator(&systemTranslator);
        if (!openLocalStoreOrExplain(folder))
            return 1;
    }
    // Relative paths keep meaning the store's folder, as when the program is started there.
    QDir::setCurrent(folder);

    if (loadTranslation(translator) && loadQtTranslation(qtTranslator, translator.language()))
        app.installTranslator(&qtTranslator);
    app.installTranslator(&translator);
    applyInterfaceLocale(translator);
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/logo.ico")));

    MainWindow window;
    window.show();
    return app.exec();
}
