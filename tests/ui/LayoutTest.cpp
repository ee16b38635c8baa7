// The window and its dialog have room for everything they show: the
// classic panels where they always stood, the additions beside them, and
// every text whole, measured with its font, in every case a flier meets.
#include "ui/ConditionsDialog.h"
#include "ui/MainWindow.h"
#include "tests/ui/UiTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTimer>

class LayoutTest : public QObject {
    Q_OBJECT
    UiFixture fx;
    std::unique_ptr<MainWindow> w;

    QLineEdit *field(const char *name) { return w->findChild<QLineEdit *>(name); }
    QLabel *label(const char *name) { return w->findChild<QLabel *>(name); }
    void retype(const char *name, const QString &text) { Retype(field(name), text); }

private slots:
    void init()
    {
        w = fx.start();
        QVERIFY(w->isActiveWindow());
    }
    void cleanup() { w.reset(); }

    // The classic places hold at the default font: the window 696 × 445
    // with its panels of 311 × 380 at x 13 and 366, the conditions dialog
    // 356 × 302 with its rows, hint, bar, buttons and tab order; what was
    // added stands below them or right of the classic window.
    void classic_places_hold_and_the_additions_stand_apart()
    {
        QCOMPARE(w->width(), 696);
        w->KeepAsA();
        QCoreApplication::processEvents();
        auto inWindow = [&](const QWidget *x) { return QRect(x->mapTo(w.get(), QPoint(0, 0)), x->size()); };
        const QRect left = inWindow(w->findChild<QFrame *>("InputPanel"));
        const QRect right = inWindow(w->findChild<QFrame *>("ResultPanel"));
        QCOMPARE(left.size(), QSize(311, 380));
        QCOMPARE(right.size(), QSize(311, 380));
        QCOMPARE(left.x(), 13);
        QCOMPARE(right.x(), 366);
        QCOMPARE(right.y(), left.y());
        const QRect classic(0, 0, 696, 445);
        QVERIFY(classic.contains(left) && classic.contains(right));
        QList<const QWidget *> added{w->findChild<QWidget *>("ExtrasPanel"), w->findChild<QWidget *>("AddedFigures")};
        for (const FigureInfo &f : Figures)
            if (label(f.labelName)->isVisibleTo(w.get()))
                added << label((QString(f.labelName) + "A").toLatin1());
        for (const QWidget *a : added) {
            QVERIFY2(a->isVisibleTo(w.get()), qPrintable(a->objectName()));
            QVERIFY2(!inWindow(a).intersects(classic), qPrintable(a->objectName()));
        }
        // A's values at their figures' heights.
        QCOMPARE(inWindow(label("GndSpeedLabelA")).y(), inWindow(label("GndSpeedLabel")).y());
        QCOMPARE(inWindow(label("PullTestLblA")).y(), inWindow(label("PullTestLbl")).y());

        QStringList tabs;
        QTimer::singleShot(0, this, [&] {
            QDialog *d = OpenConditionsDialog;
            const struct Close {
                QDialog *d;
                ~Close() { d->reject(); }
            } close{d};
            QCOMPARE(d->size().width(), 356);
            const struct { const char *name; QRect at; } classicPlaces[] = {
                {"ArmLngth", {158, 16, 60, 21}}, {"HndlAngl", {158, 44, 60, 21}}, {"WindSpeed", {159, 72, 60, 21}},
                {"Temprature", {158, 101, 60, 21}}, {"Preasure", {158, 129, 60, 21}}, {"Humidity", {158, 157, 60, 21}},
                {"Panel1", {1, 216, 345, 4}}, {"DefaultsBtn", {23, 236, 75, 25}}, {"SaveBtn", {136, 236, 75, 25}},
                {"ClxclBtn", {249, 236, 75, 25}}};
            for (const auto &c : classicPlaces)
                QCOMPARE(d->findChild<QWidget *>(c.name)->geometry(), c.at);
            QCOMPARE(d->findChild<QLabel *>("WtLabel")->geometry().right() + 1, 151);
            QCOMPARE(d->findChild<QLabel *>("PreasLbl")->geometry().topLeft(), QPoint(222, 129));
            QCOMPARE(d->findChild<QLabel *>("Label1")->pos(), QPoint(126, 193));
            const QWidget *addedRows = d->findChild<QWidget *>("AddedConditions");
            QCOMPARE(addedRows->y(), 302);
            QCOMPARE(d->height(), 302 + addedRows->height());
            for (QWidget *x = d->findChild<QWidget *>("ArmLngth"); tabs.size() < 20; x = x->nextInFocusChain())
                if (x->focusPolicy() & Qt::TabFocus) {
                    if (!tabs.isEmpty() && x->objectName() == tabs.first())
                        break;
                    tabs << x->objectName();
                }
        });
        w->EditConditions();
        QStringList order{"ArmLngth", "HndlAngl", "WindSpeed", "Temprature", "Preasure", "Humidity",
                          "DefaultsBtn", "SaveBtn", "ClxclBtn"};
        for (int i = FirstConditionKey + ClassicConditionCount; i < InputKeyCount; ++i)
            order << InputKeys[i].fieldName;
        order << "FieldElevation" << "AltimeterSetting" << "FillAltitude";
        QCOMPARE(tabs, order);
    }

    // Every text shows whole: in the window and the conditions dialog, for
    // every label, button and field, the text's extent in its font against
    // the room its widget gives it, no widget cut by its parents and no two
    // on top of each other.
    void every_text_fits_its_widget_data()
    {
        QTest::addColumn<double>("fontScale");
        QTest::addColumn<bool>("compare");
        QTest::addColumn<bool>("nonsense");  // inputs that bring long notes
        QTest::addColumn<float>("wind");     // mph
        QTest::addColumn<bool>("metric");
        QTest::newRow("default") << 1.0 << false << false << 0.0f << false;
        QTest::newRow("compare mode, A kept") << 1.0 << true << false << 0.0f << false;
        QTest::newRow("long notes") << 1.0 << false << true << 0.0f << false;
        QTest::newRow("wind 10 mph") << 1.0 << false << false << 10.0f << false;
        QTest::newRow("metric") << 1.0 << false << false << 0.0f << true;
        QTest::newRow("compare mode, wind and notes") << 1.0 << true << true << 10.0f << false;
        QTest::newRow("1.6x fonts") << 1.6 << false << false << 0.0f << false;
        QTest::newRow("1.6x fonts, all of them") << 1.6 << true << true << 10.0f << true;
    }
    void every_text_fits_its_widget()
    {
        QFETCH(double, fontScale);
        QFETCH(bool, compare);
        QFETCH(bool, nonsense);
        QFETCH(float, wind);
        QFETCH(bool, metric);
        const ScaledFonts scaled(fontScale);
        w.reset();
        w = fx.start();
        if (metric)
            w->SetUnits(DisplayUnits::Metric);
        if (compare) {
            w->KeepAsA();
            retype("LapTime", "4.6");
        }
        w->SetCondition(KeyOf(Input::WindSpeed), wind);
        if (nonsense) {
            w->SetCondition(KeyOf(Input::Humidity), 150);
            w->SetCondition(KeyOf(Input::HandleAngle), 200);
            field("LineDia")->setText("0");
            field("Weight")->setText("-3");
        }
        QTest::keyClick(field("LapTime"), Qt::Key_Return);
        QVERIFY(fx.messages.isEmpty());
        QCOMPARE(label("InputNotes")->isVisible(), nonsense);
        QVERIFY(!nonsense || label("InputNotes")->text().count('.') >= 4);
        // The dialog first: closing it shows the window's conditions line anew.
        QStringList dialogCut{"not opened"};
        QTimer::singleShot(0, this, [&] {
            dialogCut = CutTexts(*OpenConditionsDialog);
            SaveShot(*OpenConditionsDialog, QString("dialog %1.png").arg(QTest::currentDataTag()).toLocal8Bit().constData());
            OpenConditionsDialog->reject();
        });
        w->EditConditions();
        QCoreApplication::processEvents();
        SaveShot(*w, QString("window %1.png").arg(QTest::currentDataTag()).toLocal8Bit().constData());
        const QStringList windowCut = CutTexts(*w);
        QVERIFY2(windowCut.isEmpty(), qPrintable(windowCut.join('\n')));
        QVERIFY2(dialogCut.isEmpty(), qPrintable(dialogCut.join('\n')));
    }
};

TETHRIX_UI_TEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
