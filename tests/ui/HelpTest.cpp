// The help that ships inside the program: every topic the program asks for
// has its page, and the search finds pages by their words.
#include "Help.h"
#include "UiTestSupport.h"

#include <QListWidget>
#include <QLineEdit>
#include <QTextBrowser>

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void every_topic_has_its_page()
    {
        for (int topic : {HelpMainInputs, HelpWhatIf, HelpAdvanced, HelpAbout})
            QCOMPARE(HelpPagePath(topic), QString(":/help/topic%1.html").arg(topic));
        QCOMPARE(HelpPagePath(HelpContents), QString(":/help/contents.html"));
        QCOMPARE(HelpPagePath(77), QString(":/help/contents.html"));
        QCOMPARE(HelpPages().size(), 5);
    }

    void viewer_shows_topics_and_searches()
    {
        HelpViewer viewer;
        viewer.showTopic(HelpAdvanced);
        QVERIFY(viewer.currentPage().endsWith("topic4.html"));
        QVERIFY(viewer.findChild<QTextBrowser *>("HelpBrowser")->toPlainText().contains("Pressure Altitude", Qt::CaseInsensitive) ||
                viewer.findChild<QTextBrowser *>("HelpBrowser")->toPlainText().contains("Preasure Altitude"));
        auto *results = viewer.findChild<QListWidget *>("HelpResults");
        QCOMPARE(results->count(), 5);
        QVERIFY2(results->currentItem(), qPrintable(viewer.currentPage()));
        QVERIFY(results->currentItem()->data(Qt::UserRole).toString().endsWith("topic4.html"));  // the page shown
        viewer.findChild<QLineEdit *>("HelpSearch")->setText("leadout");
        QVERIFY(results->count() >= 1 && results->count() < 5);
        viewer.findChild<QLineEdit *>("HelpSearch")->setText("no such word anywhere");
        QCOMPARE(results->count(), 1);
        QCOMPARE(results->item(0)->text(), QString("No pages found"));
        QCOMPARE(results->item(0)->flags(), Qt::NoItemFlags);
        QVERIFY(HelpPages()[4].first.contains("About"));
    }
};

TETHRIX_UI_TEST_MAIN(HelpTest)
#include "HelpTest.moc"
