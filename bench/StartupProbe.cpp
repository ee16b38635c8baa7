// Started by StartupBench: starts the program's main window as the program
// does, in English ("main") or with the German catalogues installed ("de"),
// shows it and quits at once.
#include "bench/ProbeSignal.h"
#include "ui/MainWindow.h"
#include "ui/Seams.h"
#include "ui/WindowLanguage.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstring>
#include <unistd.h>
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Brelm");
    QApplication::setApplicationName("Tethrix");
    UiSeams().message = [](QWidget *, const QString &, const QString &, QMessageBox::Icon, const QString &) {};
    if (argc > 1 && std::strcmp(argv[1], "de") == 0)
        InstallLanguage(QStringLiteral("de"));
    auto w = std::make_unique<MainWindow>();
    w->show();
    QCoreApplication::processEvents();
    TellWindowShown();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
