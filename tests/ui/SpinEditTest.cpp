// The spin field on its own: limits, arrows, auto-repeat, character filter.
#include "Cspin.h"
#include "UiTestSupport.h"

#include <QSignalSpy>
#include <QTimer>

class SpinEditTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TCSpinEdit> spin;

private slots:
    void init()
    {
        spin = std::make_unique<TCSpinEdit>();
        spin->MinValue = 1;
        spin->MaxValue = 3;
        spin->SetValue(2);
        spin->resize(60, 24);
        spin->show();
        spin->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(spin.get()));
    }

    void arrows_and_keys_step_within_the_limits()
    {
        QSignalSpy changes(spin.get(), &QLineEdit::textChanged);
        spin->setFocus();
        QTest::keyClick(spin.get(), Qt::Key_Up);
        QCOMPARE(spin->text(), QString("3"));
        QTest::keyClick(spin.get(), Qt::Key_Up);  // at the limit: no change, no event
        QCOMPARE(changes.size(), 1);
        spin->SetValue(1);
        spin->DownClick();
        QCOMPARE(spin->text(), QString("1"));
        QCOMPARE(changes.size(), 2);

        TCSpinEdit open;  // MinValue == MaxValue: no limits
        open.SetValue(-40);
        QCOMPARE(open.GetValue(), -40);
    }

    void holding_an_arrow_repeats_after_400_then_every_100_ms()
    {
        spin->SetValue(1);
        TTimerSpeedButton *up = spin->arrows()->upButton();
        QTest::mousePress(up, Qt::LeftButton);
        QVERIFY(up->repeatTimer() != nullptr);
        QCOMPARE(up->repeatTimer()->interval(), 400);
        QVERIFY(up->repeatTimer()->isActive());
        QCOMPARE(spin->text(), QString("1"));
        up->TimerExpired();
        QCOMPARE(spin->text(), QString("2"));
        QCOMPARE(up->repeatTimer()->interval(), 100);
        up->TimerExpired();
        QCOMPARE(spin->text(), QString("3"));
        QTest::mouseRelease(up, Qt::LeftButton);
        QCOMPARE(spin->text(), QString("3"));
        QVERIFY(!up->repeatTimer()->isActive());
        QVERIFY(spin->hasFocus());

        // In real time: a held arrow has stepped once by 450 ms.
        spin->SetValue(1);
        QTest::mousePress(up, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(spin->text(), QString("2"), 2000);
        QTest::mouseRelease(up, Qt::LeftButton);

        // A right press starts the timer but never steps.
        spin->SetValue(1);
        QTest::mousePress(up, Qt::RightButton);
        up->TimerExpired();
        QTest::mouseRelease(up, Qt::RightButton);
        QCOMPARE(spin->text(), QString("1"));
    }

    void tabbing_in_does_not_select_the_text()
    {
        QWidget form;
        auto *before = new QLineEdit(&form);
        auto *field = new TCSpinEdit(&form);
        field->setText("2");
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QVERIFY(field->hasFocus());
        QVERIFY(!field->hasSelectedText());
    }

    void a_click_steps_once_on_release()
    {
        spin->SetValue(1);
        QTest::mouseClick(spin->arrows()->downButton(), Qt::LeftButton);
        QCOMPARE(spin->text(), QString("1"));
        QTest::mouseClick(spin->arrows()->upButton(), Qt::LeftButton);
        QCOMPARE(spin->text(), QString("2"));
    }

    void typing_is_filtered_and_leaving_clamps()
    {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin.get(), "a7x");
        QCOMPARE(spin->text(), QString("7"));
        QCOMPARE(spin->GetValue(), 7);  // not clamped while typing
        spin->clearFocus();
        QCOMPARE(spin->text(), QString("3"));
        spin->setText("-");
        QCOMPARE(spin->GetValue(), 1);  // does not convert: MinValue
        QCOMPARE(spin->text(), QString("1"));
        spin->setReadOnly(true);
        spin->UpClick();
        QCOMPARE(spin->text(), QString("1"));
    }
};

TETHRIX_UI_TEST_MAIN(SpinEditTest)
#include "SpinEditTest.moc"
