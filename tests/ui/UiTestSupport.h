// Shared set-up of the widget tests: a fresh settings folder per test and
// seams that record instead of waiting for a person.
#pragma once

#include "ui/MainWindow.h"
#include "ui/Seams.h"
#include "ui/WindowLanguage.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

// The application's fonts scaled while it lives, as a flier's larger
// system fonts would be; then as they were.
struct ScaledFonts {
    explicit ScaledFonts(double scale)
    {
        QFont font = normal;
        font.setPointSizeF(font.pointSizeF() * scale);
        QApplication::setFont(font);
    }
    ~ScaledFonts() { QApplication::setFont(normal); }
    ScaledFonts(const ScaledFonts &) = delete;
    ScaledFonts &operator=(const ScaledFonts &) = delete;
    const QFont normal = QApplication::font();
};

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
    QString proposedSave;  // the name the last Save dialog proposed
    QString dialogFolder;  // where the last Open dialog started
    std::function<bool(QPrinter *)> print = [](QPrinter *) { return false; };
    // The hangar's questions: each answer in turn (-1 once none is left),
    // the questions asked, the name typed (none: cancelled), the folder
    // picked and what a form of the program's own gets filled with.
    QList<int> answers;
    QStringList questions;
    std::optional<QString> nextText;
    QString nextFolder;
    std::function<int(QDialog *)> dialog = [](QDialog *) { return int(QDialog::Rejected); };
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
        s.saveFile = [this](QWidget *, const QString &, const QString &proposed, const QString &) {
            proposedSave = proposed;
            return nextSave;
        };
        s.printDialog = [this](QWidget *, QPrinter *p) { return print(p); };
        answers.clear();
        questions.clear();
        nextText.reset();
        nextFolder.clear();
        dialog = [](QDialog *) { return int(QDialog::Rejected); };
        s.ask = [this](QWidget *, const QString &, const QString &text, const QStringList &) {
            questions.append(text);
            return answers.isEmpty() ? -1 : answers.takeFirst();
        };
        s.askText = [this](QWidget *, const QString &, const QString &, QString &text) {
            if (nextText)
                text = *nextText;
            return nextText.has_value();
        };
        s.openFolder = [this](QWidget *, const QString &) { return nextFolder; };
        s.runDialog = [this](QDialog *d) { return dialog(d); };
    }

    QString settingsFile() const { return settingsDir->path() + "/Brelm/Tethrix.conf"; }

    // A fresh start in the C locale (the language's, when the tests run in
    // another), reset, then the main window, shown and activated when asked.
    std::unique_ptr<MainWindow> start(bool show = true)
    {
        QLocale::setDefault(CurrentLanguage() == "en" ? QLocale::c() : QLocale(CurrentLanguage()));
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

// What of top's visible texts does not show whole: a text larger than
// the room its widget gives it, a widget one of its parents cuts, two
// texts on top of each other.
inline QStringList CutTexts(QWidget &top)
{
    QStringList cut;
    QList<QPair<QWidget *, QRect>> shown;  // in top's coordinates
    for (QWidget *x : top.findChildren<QWidget *>()) {
        QString text;
        QRect room;
        int flags = Qt::AlignLeft | Qt::AlignTop;
        if (auto *l = qobject_cast<QLabel *>(x)) {
            text = l->text();
            room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
            flags |= l->wordWrap() ? Qt::TextWordWrap : 0;
        } else if (auto *b = qobject_cast<QPushButton *>(x)) {
            QStyleOptionButton option;
            option.initFrom(b);
            text = option.text = b->text();
            room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
            flags |= Qt::TextShowMnemonic;
        } else if (auto *e = qobject_cast<QLineEdit *>(x)) {
            QStyleOptionFrame option;
            option.initFrom(e);
            option.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, e) : 0;
            text = e->text();
            // Less the field's own margins of 2 and 1 pixels.
            room = e->style()->subElementRect(QStyle::SE_LineEditContents, &option, e)
                       .marginsRemoved(e->textMargins())
                       .adjusted(2, 1, -2, -1);
        }
        if (text.isEmpty() || !x->isVisibleTo(&top) || x->window() != &top)  // windows of their own apart
            continue;
        const QString name = QString("%1 '%2'").arg(x->objectName(), text.left(40));
        const QRect need = QFontMetrics(x->font()).boundingRect(QRect(room.topLeft(), QSize(room.width(), 1 << 20)),
                                                                flags, text);
        if (need.width() > room.width() || need.height() > room.height())
            cut << QString("%1 needs %2 x %3, has %4 x %5")
                       .arg(name).arg(need.width()).arg(need.height()).arg(room.width()).arg(room.height());
        for (QWidget *p = x->parentWidget();; p = p->parentWidget()) {
            if (!p->rect().contains(QRect(x->mapTo(p, QPoint(0, 0)), x->size())))
                cut << QString("%1 is cut by %2").arg(name, p->objectName());
            if (p == &top)
                break;
        }
        const QRect at(x->mapTo(&top, QPoint(0, 0)), x->size());
        for (const auto &[other, otherAt] : shown)
            if (at.intersects(otherAt))
                cut << QString("%1 overlaps %2 '%3'").arg(name, other->objectName(), other->property("text").toString());
        shown.append({x, at});
    }
    return cut;
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
        if (qEnvironmentVariableIsSet("TETHRIX_TEST_LANGUAGE"))                                     \
            InstallLanguage(qEnvironmentVariable("TETHRIX_TEST_LANGUAGE"));                         \
        TestClass tc;                                                                               \
        return QTest::qExec(&tc, argc, argv);                                                       \
    }
