// Counts in Russian, Ukrainian and Polish: the core's catalogue picks the
// form Qt's own plural rules pick from the same catalogue, for the numbers
// where the forms part.
#include "lang/Catalogue.h"
#include "lang/Format.h"
#include "tests/ui/UiTestSupport.h"

#include <QFile>
#include <QTranslator>

class PluralsTest : public QObject {
    Q_OBJECT
private slots:
    void core_and_qt_give_each_number_the_same_form()
    {
        for (const char *language : {"ru", "uk", "pl"}) {
            QTranslator qt;
            QVERIFY(qt.load(QStringLiteral(":/translations/tethrix_%1.qm").arg(language)));
            QFile text(QStringLiteral(":/translations/tethrix_%1.txt").arg(language));
            QVERIFY(text.open(QIODevice::ReadOnly));
            lang::Catalogue core;
            QCOMPARE(QString::fromStdString(core.Read(text.readAll().toStdString())), QString());
            QStringList forms;
            for (const lang::Noun &noun : {lang::Airplanes, lang::Flights, lang::Files, lang::Laps})
                for (int n : {1, 2, 5, 11, 21, 22}) {
                    const QString english = QString::fromUtf8(n == 1 ? noun.one : noun.many);
                    const QString byQt = qt.translate("Tethrix", english.toUtf8(), nullptr, n)
                                             .replace(QLatin1String("%n"), QString::number(n));
                    QVERIFY2(!byQt.isEmpty(), qPrintable(QString("%1: %2").arg(language, english)));
                    QCOMPARE(QString::fromStdString(core.Translate(lang::CountOf(n, noun))), byQt);
                    forms << byQt;
                }
            // One, few and many are written apart in each.
            QVERIFY2(forms.value(6) != forms.value(7) && forms.value(7) != forms.value(8), qPrintable(forms.join(", ")));
        }
    }
};

TETHRIX_UI_TEST_MAIN(PluralsTest)
#include "PluralsTest.moc"
