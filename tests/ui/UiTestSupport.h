// Shared set-up of the widget tests: a fresh settings folder per test and
// seams that record instead of waiting for a person.
#pragma once

#include "MainWindow.h"
#include "Seams.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

struct RecordedMessage {
    QString title, text;
    QMessageBox::Icon icon;
    QString informative;
};

class UiFixture {
public:
    QList<RecordedMessage> messages;
    QList<int> helpTopics;
    QStringList helpSections;  // the field F1 was pressed in, or empty
    QString nextOpen, nextSave;
    QString dialogFolder;  // where the last Open dialog started
    std::function<bool(QPrinter *)> print = [](QPrinter *) { return false; };
    std::unique_ptr<QTemporaryDir> settingsDir;

    void reset()
    {
        messages.clear();
        helpTopics.clear();
        helpSections.clear();
        nextOpen.clear();
        nextSave.clear();
        settingsDir = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir->path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settingsDir->path() + "/system");
        Seams &s = UiSeams();
        s.message = [this](QWidget *, const QString &title, const QString &text, QMessageBox::Icon icon,
                           const QString &informative) {
            messages.append({title, text, icon, informative});
        };
        s.help = [this](QWidget *, int topic, const QString &section) {
            helpTopics.append(topic);
            helpSections.append(section);
        };
        s.openFile = [this](QWidget *, const QString &dir, const QString &) {
            dialogFolder = dir;
            return nextOpen;
        };
        s.saveFile = [this](QWidget *, const QString &, const QString &, const QString &) { return nextSave; };
        s.printDialog = [this](QWidget *, QPrinter *p) { return print(p); };
    }

    QString settingsFile() const { return settingsDir->path() + "/Brelm/Tethrix.conf"; }

    // A fresh start in the C locale (reset), then the main window, shown and
    // activated when asked.
    std::unique_ptr<MainWindow> start(bool show = true)
    {
        QLocale::setDefault(QLocale::c());
        reset();
        auto window = std::make_unique<MainWindow>();
        if (show) {
            window->show();
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window.get()))
                qWarning("the main window did not become active");
        }
        return window;
    }
};

// A field's text replaced key by key, as a flier types it.
inline void Retype(QLineEdit *e, const QString &text)
{
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

// With TETHRIX_SCREENSHOTS set, window as the test left it, for the README.
inline void SaveShot(QWidget &window, const char *name)
{
    if (const QByteArray dir = qgetenv("TETHRIX_SCREENSHOTS"); !dir.isEmpty())
        QVERIFY(window.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(name)));
}

// Every test program starts offscreen, on a screen of a common desktop's
// size (the platform's own is 800 × 600), with the program's names: 1920 × 1200, where a
// 1.6× font with A, wind and notes all shown still fits without scrolling.
#define TETHRIX_UI_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char **argv)                                                                 \
    {                                                                                               \
        QTemporaryDir screenDir;                                                                    \
        QFile screen(screenDir.filePath("screen.json"));                                            \
        if (screen.open(QIODevice::WriteOnly))                                                      \
            screen.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920, )"      \
                         R"("height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"); \
        screen.close();                                                                             \
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen.fileName())); \
        QApplication app(argc, argv);                                                               \
        QApplication::setApplicationName("Tethrix");                                                \
        QApplication::setOrganizationName("Brelm");                                                 \
        TestClass tc;                                                                               \
        return QTest::qExec(&tc, argc, argv);                                                       \
    }
