// Started by StartupBench: a bare Qt program with the widgets of the main
// window (a menu bar with three menus, two framed panels with bold
// headings, 30 labels and line edits with texts of the same lengths),
// linked with nothing of the program's, so that the start-up of the real
// window can be compared with what Qt alone costs.
#include "bench/ProbeSignal.h"
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include <unistd.h>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    for (const char *menu : {"&File", "&Advanced", "&Help"}) {
        QMenu *m = w.menuBar()->addMenu(menu);
        for (int i = 0; i < 4; ++i)
            m->addAction(QStringLiteral("Item %1").arg(i));
    }
    auto *central = new QWidget(&w);
    auto *row = new QHBoxLayout(central);
    for (int p = 0; p < 2; ++p) {
        auto *panel = new QFrame(central);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedSize(311, 380);
        auto *grid = new QGridLayout(panel);
        auto *heading = new QLabel(p == 0 ? "Input Data" : "Computed Data", panel);
        QFont bold = heading->font();
        bold.setBold(true);
        bold.setPixelSize(16);
        heading->setFont(bold);
        grid->addWidget(heading, 0, 0, 1, 2);
        for (int i = 1; i < 15; ++i) {
            grid->addWidget(new QLabel(QStringLiteral("Line Length (Eye to Eye) = %1.25 inches").arg(i), panel), i, 0);
            if (p == 0 || i > 12)
                grid->addWidget(new QLineEdit(QStringLiteral("%1.5").arg(i), panel), i, 1);
        }
        if (p == 1) {
            auto *whatIf = new QLabel("What If...", panel);
            bold.setPixelSize(13);
            whatIf->setFont(bold);
            grid->addWidget(whatIf, 15, 0);
        }
        row->addWidget(panel);
    }
    w.setCentralWidget(central);
    w.resize(696, 445);
    w.show();
    QCoreApplication::processEvents();
    TellWindowShown();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
