// The program entry: takes no notice of its command line.
#include "Main.h"
#include "Seams.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tethrix");
    QApplication::setOrganizationName("Brelm");
    QApplication::setApplicationVersion(TETHRIX_VERSION);
    try {
        TForm1 window;
        window.show();
        app.exec();
    } catch (const std::exception &e) {
        ShowError(nullptr, QString::fromUtf8(e.what()));
    }
    return 0;
}
