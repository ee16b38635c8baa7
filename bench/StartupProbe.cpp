// Started by StartupBench: starts a Qt application with the main window
// ("main"), an empty window ("empty") or a window holding one label
// ("label": the cost of the font database, which any window with text pays),
// shows it and quits at once.
#include "Main.h"
#include "Seams.h"

#include <QApplication>
#include <QLabel>
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
    UiSeams().message = [](QWidget *, const QString &, const QString &, QMessageBox::Icon) {};
    std::unique_ptr<QMainWindow> w;
    if (argc > 1 && std::strcmp(argv[1], "main") == 0)
        w = std::make_unique<TForm1>();
    else
        w = std::make_unique<QMainWindow>();
    if (argc > 1 && std::strcmp(argv[1], "label") == 0)
        w->setCentralWidget(new QLabel("Tethrix"));
    w->show();
    QCoreApplication::processEvents();
    // Tell the benchmark the window is up.
    if (const int fd = qEnvironmentVariableIntValue("TETHRIX_PROBE_FD"); fd > 0) {
        const char shown = 1;
        (void)!write(fd, &shown, 1);
    }
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
