// The help that ships inside the program: every topic the program asks for
// has its page, and the search finds pages by their words.
#include "ui/Help.h"
#include "tests/ui/UiTestSupport.h"
#include "lang/Catalogue.h"

#include <QFile>
#include <QListWidget>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QLineEdit>
#include <QTextBrowser>

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void every_topic_has_its_page()
    {
        for (int topic : {HelpMainInputs, HelpWhatIf, HelpAdvanced, HelpCharts, HelpPrinting, HelpCalculator,
                          HelpHeading, HelpAbout, HelpUnits, HelpRake})
            QCOMPARE(HelpPagePath(topic), QString(":/help/topic%1.html").arg(topic));
        QCOMPARE(HelpPagePath(HelpContents), QString(":/help/contents.html"));
        QCOMPARE(HelpPagePath(77), QString(":/help/contents.html"));
        QCOMPARE(HelpPages().size(), 14);
    }

    // Every link leads to a page that exists, and the contents reach every page.
    void links_lead_to_pages_and_the_contents_reach_them_all()
    {
        QSet<QString> pages, fromContents;
        for (const auto &page : HelpPages())
            pages.insert(page.second.section('/', -1));
        for (const auto &page : HelpPages()) {
            QFile f(page.second);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(f.readAll());
            for (const auto &m : QRegularExpression("href=\"([^\"]+)\"").globalMatch(html)) {
                QVERIFY2(pages.contains(m.captured(1)), qPrintable(page.second + " links to " + m.captured(1)));
                if (page.second.endsWith("contents.html"))
                    fromContents.insert(m.captured(1));
            }
        }
        pages.remove("contents.html");
        QCOMPARE(fromContents, pages);
    }

    void viewer_shows_topics_and_searches()
    {
        HelpViewer viewer;
        viewer.showTopic(HelpAdvanced);
        QVERIFY(viewer.currentPage().endsWith("topic4.html"));
        QVERIFY(viewer.findChild<QTextBrowser *>("HelpBrowser")->toPlainText().contains("Pressure Altitude", Qt::CaseInsensitive) ||
                viewer.findChild<QTextBrowser *>("HelpBrowser")->toPlainText().contains("Preasure Altitude"));
        auto *results = viewer.findChild<QListWidget *>("HelpResults");
        QCOMPARE(results->count(), 14);
        QVERIFY2(results->currentItem(), qPrintable(viewer.currentPage()));
        QVERIFY(results->currentItem()->data(Qt::UserRole).toString().endsWith("topic4.html"));  // the page shown
        viewer.findChild<QLineEdit *>("HelpSearch")->setText("leadout");
        QVERIFY(results->count() >= 1 && results->count() < 14);
        viewer.findChild<QLineEdit *>("HelpSearch")->setText("no such word anywhere");
        QCOMPARE(results->count(), 1);
        QCOMPARE(results->item(0)->text(), QString("No pages found"));
        QCOMPARE(results->item(0)->flags(), Qt::NoItemFlags);
        QVERIFY(HelpPages().last().first.contains("About"));

        // Across hyphens and plural endings, whole words from their start.
        const auto found = [&](const char *text) {
            viewer.findChild<QLineEdit *>("HelpSearch")->setText(text);
            QStringList titles;
            for (int i = 0; i < results->count(); ++i)
                titles << results->item(i)->text();
            return titles;
        };
        QVERIFY(found("pull test").contains("Airplane and line inputs"));
        QCOMPARE(found("Pull-Tests"), found("pull test"));
        QCOMPARE(found("tensions"), found("tension"));
        QVERIFY(found("tensio").size() == found("tension").size());
        QCOMPARE(found("ension").value(0), QString("No pages found"));
        QCOMPARE(SearchForm("Line-lengths, densities & boxes"), QString(" line length density box "));

        // A field's own section: the page scrolled to its anchor.
        viewer.showTopic(HelpMainInputs, "WingArea");
        QVERIFY(viewer.currentPage().endsWith("topic2.html#WingArea"));
    }

    // Each language's help: every page written in it, with the English
    // page's links and anchors, and found by its own words.
    void every_language_has_every_page_with_its_links()
    {
        const auto read = [](const QString &path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        const auto marks = [](const QString &html) {
            QStringList found;
            for (const auto &m : QRegularExpression("(?:href|id|name)=\"([^\"]+)\"").globalMatch(html))
                found << m.captured(1);
            return found;
        };
        QLocale::setDefault(QLocale::c());
        QList<QPair<QString, QString>> english;
        for (const auto &page : HelpPages())
            english.append({page.second, read(page.second)});
        for (int i = 1; i < lang::LanguageCount; ++i) {
            const QString language = lang::Languages[i].code;
            QLocale::setDefault(QLocale(language));
            for (const auto &[path, html] : english) {
                const QString translated = read(path);
                QVERIFY2(translated != html, qPrintable(language + ": " + path + " is not translated"));
                QCOMPARE(marks(translated), marks(html));
            }
            HelpViewer viewer;
            const QString title = HelpPages().value(1).first;  // the main inputs' page
            viewer.findChild<QLineEdit *>("HelpSearch")->setText(title.section(' ', 0, 0));
            QVERIFY2(viewer.findChild<QListWidget *>("HelpResults")->findItems(title, Qt::MatchExactly).size() == 1,
                     qPrintable(language + ": " + title));
        }
        QLocale::setDefault(QLocale::c());
    }
};

TETHRIX_UI_TEST_MAIN(HelpTest)
#include "HelpTest.moc"
