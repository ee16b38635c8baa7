// Every window in a language whose texts run 40 % longer than English, at
// the default font and a 1.6× one: no text escapes translation, and every
// text shows whole.
//
// What is not a text to translate: numbers (1.235E4, INF), the symbols of
// units (mph, hPa, °F), dates and time zones, and what the flier typed or
// named (the airplane's name, the engine). Fields' values, list and table
// cells are data and not looked at; everything else a flier reads is.
#include "ui/FlightDialog.h"
#include "ui/HangarDialog.h"
#include "ui/Help.h"
#include "ui/LapTimerDialog.h"
#include "tests/ui/PseudoLanguage.h"
#include "ui/TrimLogDialog.h"
#include "tests/ui/UiTestSupport.h"

#include "ui/ConditionsDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTimer>

namespace {

// Left when the translated parts are taken away: numbers' exponents and
// the symbols of units stay as they are in every language.
const QSet<QString> Symbols{"E",  "INF", "NAN", "mph", "km",  "h",  "m", "s", "ft",  "in", "oz", "lb",
                            "kg", "g",   "N",   "Pa",  "hPa", "Hg", "F", "C", "UTC", "RN", "cm", "mm"};

// The first word of text that is no translation, no symbol and no data, or
// empty. The made-up language accents every letter but an accelerator's,
// so a word of plain letters only is English.
QString Untranslated(QString text, const QStringList &data)
{
    for (const QString &d : data)
        text.remove(d);
    static const QRegularExpression english("(?<![\\p{L}&])[A-Za-z]+(?!\\p{L})");
    for (const auto &m : english.globalMatch(text))
        if (!Symbols.contains(m.captured()))
            return m.captured();
    return QString();
}

// Every text top shows a flier, with where it stands.
QList<QPair<QString, QString>> ShownTexts(QWidget &top)
{
    QList<QPair<QString, QString>> shown;
    const auto visible = [&](QWidget *x) { return x->window() == &top && x->isVisibleTo(&top); };
    for (QWidget *x : top.findChildren<QWidget *>()) {
        if (!visible(x))
            continue;
        if (auto *l = qobject_cast<QLabel *>(x))
            shown.append({x->objectName(), l->text()});
        else if (auto *b = qobject_cast<QAbstractButton *>(x))
            shown.append({x->objectName(), b->text()});
        else if (auto *g = qobject_cast<QGroupBox *>(x))
            shown.append({x->objectName(), g->title()});
        else if (auto *bar = qobject_cast<QTabBar *>(x))
            for (int i = 0; i < bar->count(); ++i)
                shown.append({QString("%1 tab %2").arg(x->parentWidget()->objectName()).arg(i), bar->tabText(i)});
        else if (auto *h = qobject_cast<QHeaderView *>(x); h && h->model())
            for (int i = 0; i < h->count(); ++i)
                if (!h->isSectionHidden(i))
                    shown.append({QString("%1 header %2").arg(x->parentWidget()->objectName()).arg(i),
                                  h->model()->headerData(i, h->orientation()).toString()});
    }
    // The menus, but not the languages, each named in its own words.
    std::function<void(QWidget *)> menu = [&](QWidget *m) {
        for (QAction *a : m->actions())
            if (!a->isSeparator() && a->isVisible() && !a->objectName().startsWith("Language_")) {
                shown.append({a->objectName(), a->text()});
                if (a->menu())
                    menu(a->menu());
            }
    };
    if (auto *w = qobject_cast<QMainWindow *>(&top))
        menu(w->menuBar());
    return shown;
}

// What CutTexts does not look at: check boxes, radio buttons, group boxes'
// titles, tabs, table headers and the menu bar's entries.
QStringList CutItems(QWidget &top)
{
    QStringList cut;
    const auto need = [](const QWidget *x, const QString &text) {
        return x->fontMetrics().size(Qt::TextShowMnemonic, text);
    };
    const auto report = [&](const QString &what, const QString &text, QSize needs, QRect has) {
        cut << QString("%1 '%2' needs %3 x %4, has %5 x %6")
                   .arg(what, text.left(40))
                   .arg(needs.width())
                   .arg(needs.height())
                   .arg(has.width())
                   .arg(has.height());
    };
    for (QWidget *x : top.findChildren<QWidget *>()) {
        if (x->window() != &top || !x->isVisibleTo(&top))
            continue;
        QStyle *style = x->style();
        if (qobject_cast<QCheckBox *>(x) || qobject_cast<QRadioButton *>(x)) {
            auto *b = static_cast<QAbstractButton *>(x);
            QStyleOptionButton option;
            option.initFrom(b);
            const QRect room = style->subElementRect(qobject_cast<QCheckBox *>(x) ? QStyle::SE_CheckBoxContents
                                                                                  : QStyle::SE_RadioButtonContents,
                                                     &option, b);
            if (const QSize n = need(b, b->text()); n.width() > room.width() || n.height() > room.height())
                report(b->objectName(), b->text(), n, room);
        } else if (auto *g = qobject_cast<QGroupBox *>(x); g && !g->title().isEmpty()) {
            QStyleOptionGroupBox option;
            option.initFrom(g);
            option.text = g->title();
            option.textAlignment = g->alignment();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect room = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g) &
                               g->rect();
            if (const QSize n = need(g, g->title()); n.width() > room.width())
                report(g->objectName(), g->title(), n, room);
        } else if (auto *bar = qobject_cast<QTabBar *>(x)) {
            const int space = style->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
            for (int i = 0; i < bar->count(); ++i) {
                const QRect room = bar->tabRect(i);
                const QSize n = need(bar, bar->tabText(i)) + QSize(space, 0);
                if (n.width() > room.width() || !bar->rect().contains(room))
                    report("tab", bar->tabText(i), n, room);
            }
        } else if (auto *h = qobject_cast<QHeaderView *>(x); h && h->model()) {
            const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
            for (int i = 0; i < h->count(); ++i) {
                const QString text = h->model()->headerData(i, h->orientation()).toString();
                QSize n = h->fontMetrics().size(0, text) + QSize(2 * margin, 0);
                if (h->isSortIndicatorShown() && h->sortIndicatorSection() == i)
                    n.rwidth() += style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, h) + margin;
                const QRect room(0, 0, h->sectionSize(i),
                                 h->orientation() == Qt::Horizontal ? h->height() : n.height());
                if (!h->isSectionHidden(i) && (n.width() > room.width() || n.height() > room.height()))
                    report("header", text, n, room);
            }
        }
    }
    if (auto *w = qobject_cast<QMainWindow *>(&top))
        for (QAction *a : w->menuBar()->actions())
            if (const QRect at = w->menuBar()->actionGeometry(a); at.isEmpty() || !w->menuBar()->rect().contains(at))
                report("menu bar", a->text(), need(w->menuBar(), a->text()), at);
    return cut;
}

}  // namespace

class LanguageLayoutTest : public QObject {
    Q_OBJECT
    UiFixture fx;
    std::unique_ptr<QTemporaryDir> data;
    std::unique_ptr<MainWindow> w;
    QStringList problems;

    // What top shows that escaped translation or does not show whole.
    void look(QWidget &top, const QStringList &userData)
    {
        QCoreApplication::processEvents();
        SaveShot(top, QString("%1 %2.png").arg(top.objectName(), QTest::currentDataTag()).toLocal8Bit());
        for (const auto &[where, text] : ShownTexts(top))
            if (const QString word = Untranslated(text, userData); !word.isEmpty())
                problems << QString("%1: '%2' in '%3' is not translated").arg(where, word, text);
        problems += CutTexts(top) + CutItems(top);
    }

private slots:
    void init()
    {
        data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", QFile::encodeName(data->path()));
        problems.clear();
    }
    void cleanup() { w.reset(); }

    void every_text_is_translated_and_whole_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("fontScale");
        for (const char *shown :
             {"main window", "conditions", "flight form", "hangar", "trim log", "lap timer", "help"})
            for (double scale : {1.0, 1.6})
                QTest::addRow("%s, %gx fonts", shown, scale) << QString(shown) << scale;
    }
    void every_text_is_translated_and_whole()
    {
        QFETCH(QString, shown);
        QFETCH(double, fontScale);
        const ScaledFonts scaled(fontScale);
        const PseudoLanguage language;
        w = fx.start();
        const QStringList userData{"Ringcruiser", "Fox .35"};

        // A flight logged, so that the hangar, its log and their tables have rows.
        fx.dialog = [&](QDialog *d) {
            auto *form = qobject_cast<FlightDialog *>(d);
            if (form == nullptr)
                return int(QDialog::Rejected);
            form->show();
            if (shown == "flight form")
                look(*form, userData);
            form->field(0)->setText("5.1");
            form->field(1)->setText("Fox .35");
            return int(QDialog::Accepted);
        };
        w->LogFlight();
        QVERIFY(fx.messages.isEmpty());

        if (shown == "main window") {
            look(*w, userData);
        } else if (shown == "conditions") {
            QTimer::singleShot(0, this, [&] {
                look(*OpenConditionsDialog, userData);
                OpenConditionsDialog->reject();
            });
            w->EditConditions();
        } else if (shown == "hangar") {
            w->ShowHangar();
            look(*w->hangarDialog(), userData);
        } else if (shown == "trim log") {
            w->ShowTrimLog();
            look(*w->hangarDialog()->trimLog(), userData);
        } else if (shown == "lap timer") {
            w->ShowLapTimer();
            auto *timer = w->findChild<LapTimerDialog *>();
            double now = 0;
            timer->clock = [&] { return now += 5.1; };
            for (int pass = 0; pass < 4; ++pass)
                timer->Tap();
            look(*timer, userData);
        } else if (shown == "help") {
            ShowHelpTopic(w.get(), HelpMainInputs);
            look(*w->findChild<HelpViewer *>(), userData);
        }
        for (const QString &p : problems)
            qWarning("%s", qPrintable(p));
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QString("%1 texts escape translation or are cut").arg(problems.size())));
    }
};

TETHRIX_UI_TEST_MAIN(LanguageLayoutTest)
#include "LanguageLayoutTest.moc"
