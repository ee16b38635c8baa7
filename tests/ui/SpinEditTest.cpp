// The spin field on its own: limits, arrows, auto-repeat, character filter.
#include "controls/SpinEdit.h"
#include "tests/ui/UiTestSupport.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QTimer>

class SpinEditTest : public QObject {
    Q_OBJECT
    std::unique_ptr<SpinEdit> spin;

private slots:
    void init()
    {
        spin = std::make_unique<SpinEdit>();
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

        SpinEdit open;  // MinValue == MaxValue: no limits
        open.SetValue(-40);
        QCOMPARE(open.GetValue(), -40);
    }

    void holding_an_arrow_repeats_after_400_then_every_100_ms()
    {
        spin->SetValue(1);
        RepeatButton *up = spin->arrows()->upButton();
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
        auto *field = new SpinEdit(&form);
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

    void editing_keys_work_as_in_a_line_edit_and_only_while_typing_is_allowed()
    {
        QApplication::clipboard()->setText("3");
        spin->setFocus();
        spin->setText("23");
        spin->home(false);
        // X11 sends Delete with the text 0x7f: it deletes, it is no character.
        QTest::sendKeyEvent(QTest::Click, spin.get(), Qt::Key_Delete, QChar(0x7f), {});
        QCOMPARE(spin->text(), QString("3"));
        spin->selectAll();
        QTest::keyClick(spin.get(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(spin->text(), QString());
        QTest::keyClick(spin.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(spin->text(), QString("3"));

        spin->EditorEnabled = false;
        spin->selectAll();
        const auto nothingChanges = [this](const char *what, const std::function<void()> &act) {
            act();
            QVERIFY2(spin->text() == "3", what);
        };
        nothingChanges("cut", [&] { QTest::keyClick(spin.get(), Qt::Key_X, Qt::ControlModifier); });
        nothingChanges("paste", [&] { QTest::keyClick(spin.get(), Qt::Key_V, Qt::ControlModifier); });
        nothingChanges("delete", [&] { QTest::sendKeyEvent(QTest::Click, spin.get(), Qt::Key_Delete, QChar(0x7f), {}); });
        nothingChanges("backspace", [&] { QTest::keyClick(spin.get(), Qt::Key_Backspace); });
        nothingChanges("typing", [&] { QTest::keyClicks(spin.get(), "2"); });
        nothingChanges("middle button", [&] { QTest::mouseClick(spin.get(), Qt::MiddleButton); });
        QTest::keyClick(spin.get(), Qt::Key_Down);  // the arrows still step
        QCOMPARE(spin->text(), QString("2"));
    }

    void only_leaving_for_another_control_clamps()
    {
        for (Qt::FocusReason borrowed : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason, Qt::MenuBarFocusReason}) {
            spin->setText("7");
            QFocusEvent out(QEvent::FocusOut, borrowed);
            QApplication::sendEvent(spin.get(), &out);
            QCOMPARE(spin->text(), QString("7"));
        }
        for (Qt::FocusReason left : {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::MouseFocusReason}) {
            spin->setText("7");
            QFocusEvent out(QEvent::FocusOut, left);
            QApplication::sendEvent(spin.get(), &out);
            QCOMPARE(spin->text(), QString("3"));
        }
    }
};

TETHRIX_UI_TEST_MAIN(SpinEditTest)
#include "SpinEditTest.moc"
