#include "gui/mainwindow.h"
#include "gui/startup.h"

#include <QApplication>
#include <QDebug>
#include <QIcon>
#include <QTranslator>

int main(int argc, char *argv[])
{
    registerResources();
    QApplication app(argc, argv);
    QTranslator translator;

    if (!openLocalStore(QStringLiteral("./"))) {
        qDebug() << "Nie nawiązano połaczenia z bazą danych";
        return 1;
    }

    loadTranslation(translator);
    app.installTranslator(&translator);
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/logo.ico")));

    MainWindow window;
    window.show();
    return app.exec();
}
