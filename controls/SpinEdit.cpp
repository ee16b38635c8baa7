#include "controls/SpinEdit.h"

#include "case/LineCountField.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QTimer>

RepeatButton::RepeatButton(QWidget *parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, &RepeatButton::stepClicked);
}

void RepeatButton::mousePressEvent(QMouseEvent *event)
{
    QToolButton::mousePressEvent(event);
    // Any mouse button starts the timer; only a left press shows the button
    // down, and only a button shown down repeats.
    if (autoRepeatFlag) {
        if (timer == nullptr) {
            timer = new QTimer(this);
            connect(timer, &QTimer::timeout, this, &RepeatButton::TimerExpired);
        }
        timer->setInterval(InitialRepeatDelay);
        timer->start();
    }
}

void RepeatButton::mouseReleaseEvent(QMouseEvent *event)
{
    QToolButton::mouseReleaseEvent(event);
    if (timer != nullptr)
        timer->stop();
}

void RepeatButton::TimerExpired()
{
    if (timer != nullptr)
        timer->setInterval(RepeatInterval);
    if (isDown())
        emit stepClicked();
}

SpinButtons::SpinButtons(QWidget *parent)
    : QWidget(parent), up(new RepeatButton(this)), down(new RepeatButton(this))
{
    setObjectName("SpinButton");
    up->setObjectName("SpinUp");
    down->setObjectName("SpinDown");
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (RepeatButton *b : {up, down}) {
        b->setAutoRepeatFlag(true);
        b->setIconSize(QSize(7, 4));
        connect(b, &QToolButton::pressed, this, &SpinButtons::BtnMouseDown);
    }
    connect(up, &RepeatButton::stepClicked, this, &SpinButtons::OnUpClick);
    connect(down, &RepeatButton::stepClicked, this, &SpinButtons::OnDownClick);
    setFocusPolicy(Qt::NoFocus);
    resize(15, 17);
}

void SpinButtons::BtnMouseDown()
{
    // A press on an arrow puts the keyboard focus into the field.
    if (focusControl != nullptr && focusControl->focusPolicy() != Qt::NoFocus && !focusControl->hasFocus())
        focusControl->setFocus(Qt::MouseFocusReason);
}

void SpinButtons::resizeEvent(QResizeEvent *)
{
    // The two arrows overlap by one pixel.
    const int half = height() / 2;
    up->setGeometry(0, 0, width(), half);
    down->setGeometry(0, half - 1, width(), height() - half + 1);
}

SpinEdit::SpinEdit(QWidget *parent) : QLineEdit(parent), button(new SpinButtons(this))
{
    setText("0");
    button->setFocusControl(this);
    connect(button, &SpinButtons::OnUpClick, this, [this] { UpClick(); });
    connect(button, &SpinButtons::OnDownClick, this, [this] { DownClick(); });
    button->setCursor(Qt::ArrowCursor);
}

int SpinEdit::CheckValue(int v) const { return LineCountField::Clamp(v, MinValue, MaxValue); }

void SpinEdit::SetValue(int v)
{
    const QString t = QString::number(CheckValue(v));
    if (t != text())
        setText(t);
}

int SpinEdit::GetValue()
{
    int v = 0;
    if (!LineCountField::ReadWholeNumber(text().toStdString(), v)) {
        setText(QString::number(MinValue));
        return MinValue;
    }
    return v;
}

void SpinEdit::UpClick()
{
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    SetValue(GetValue() + Increment);
}

void SpinEdit::DownClick()
{
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    SetValue(GetValue() - Increment);
}

bool SpinEdit::IsValidChar(QChar c) const
{
    const QString sep = QLocale().decimalPoint();
    if (!sep.isEmpty() && c == sep[0])
        return true;
    // Enter never arrives here as a character: the window takes it first.
    return LineCountField::AcceptsChar(c.unicode(), '.');
}

namespace {

// Keys that change the text without typing a character: they work as in
// any line edit while typing is allowed, and not at all otherwise.
bool IsEditingKey(const QKeyEvent *event)
{
    static const QKeySequence::StandardKey Editing[] = {
        QKeySequence::Paste,        QKeySequence::Cut,           QKeySequence::Undo,
        QKeySequence::Redo,         QKeySequence::Delete,        QKeySequence::Backspace,
        QKeySequence::DeleteEndOfWord, QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine};
    for (QKeySequence::StandardKey k : Editing)
        if (event->matches(k))
            return true;
    return event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
}

}  // namespace

void SpinEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up)
        UpClick();
    else if (event->key() == Qt::Key_Down)
        DownClick();
    // Only characters that would be typed are filtered: editing keys carry
    // control characters as their text (X11 sends Delete as 0x7f).
    const QString t = event->text();
    const bool typed = t.size() == 1 && t[0].isPrint() && !(event->modifiers() & Qt::ControlModifier);
    if (typed && !IsValidChar(t[0])) {
        QApplication::beep();
        event->accept();
        return;
    }
    if (!EditorEnabled && (typed || IsEditingKey(event))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SpinEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    if (!EditorEnabled) {
        // Only what leaves the text alone stays on the menu.
        for (QAction *a : menu->actions())
            if (!a->isSeparator() && a->objectName() != "edit-copy" && a->objectName() != "select-all")
                a->setEnabled(false);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void SpinEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the X11 selection: typing by another name.
    if (!EditorEnabled && event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void SpinEdit::dragEnterEvent(QDragEnterEvent *event)
{
    if (EditorEnabled)
        QLineEdit::dragEnterEvent(event);
    else
        event->ignore();
}

void SpinEdit::dropEvent(QDropEvent *event)
{
    if (EditorEnabled)
        QLineEdit::dropEvent(event);
    else
        event->ignore();
}

void SpinEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // A plain line edit selects its text when tabbed into; this field does
    // only when asked to, and never while the mouse is pressed on it.
    if (!AutoSelect || (QApplication::mouseButtons() & Qt::LeftButton))
        deselect();
    else
        selectAll();
}

void SpinEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Leaving for another control of the window clamps; a menu, a popup or
    // another window (the help viewer) only borrows the focus.
    switch (event->reason()) {
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::MenuBarFocusReason:
        return;
    default:
        break;
    }
    const int v = GetValue();
    if (CheckValue(v) != v)
        SetValue(v);
}

void SpinEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    const int w = qMax(15, button->width());
    button->setGeometry(width() - w - 2, 2, w, height() - 4);
    SetEditRect();
}

void SpinEdit::SetEditRect()
{
    // Keep the text out from under the arrows.
    setTextMargins(0, 0, button->width() + 2, 0);
}
