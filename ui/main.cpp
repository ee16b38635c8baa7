// The program entry: takes no notice of its command line.
#include "ui/MainWindow.h"
#include "storage/SafeFile.h"
#include "ui/Seams.h"
#include "storage/Settings.h"
#include "ui/WindowLanguage.h"

#include <QApplication>

int main(int, char **argv)
{
    IgnoreFileSizeSignal();
    // Qt sees no arguments either: the program takes no notice of them.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName("Tethrix");
    QApplication::setOrganizationName("Brelm");
    QApplication::setApplicationVersion(TETHRIX_VERSION);
    InstallLanguage(TethrixSettings::StoredLanguage());
    try {
        MainWindow window;
        window.show();
        app.exec();
    } catch (const std::exception &e) {
        ShowError(nullptr, QString::fromUtf8(e.what()));
    }
    return 0;
}
