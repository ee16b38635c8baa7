// SpinEdit: a one-line integer field with a pair of arrow buttons.
//
// SpinEdit is the field; it owns a SpinButtons, which holds the up and
// down TTimerSpeedButtons. The field's text is its whole state: Value is
// read from it and written to it. Limits apply when the value is set and
// when the focus leaves the field, not while the user types.
#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

class QTimer;

// A flat button that repeats its click while held: the first repeat after
// 400 ms, then every 100 ms.
class RepeatButton : public QToolButton {
    Q_OBJECT
public:
    explicit RepeatButton(QWidget *parent = nullptr);

    void setAutoRepeatFlag(bool on) { autoRepeatFlag = on; }
    bool autoRepeatFlagSet() const { return autoRepeatFlag; }
    QTimer *repeatTimer() const { return timer; }
    void TimerExpired();

    static constexpr int InitialRepeatDelay = 400;  // ms
    static constexpr int RepeatInterval = 100;      // ms

signals:
    void stepClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QTimer *timer = nullptr;  // created on the first press
    bool autoRepeatFlag = false;
};

// The arrow pair: up above down.
class SpinButtons : public QWidget {
    Q_OBJECT
public:
    explicit SpinButtons(QWidget *parent = nullptr);

    RepeatButton *upButton() const { return up; }
    RepeatButton *downButton() const { return down; }
    void setFocusControl(QWidget *w) { focusControl = w; }

signals:
    void OnUpClick();
    void OnDownClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void BtnMouseDown();
    RepeatButton *up;
    RepeatButton *down;
    QWidget *focusControl = nullptr;
};

class SpinEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget *parent = nullptr);

    int MinValue = 0;
    int MaxValue = 0;  // equal to MinValue: no limits at all
    int Increment = 1;
    bool EditorEnabled = true;
    bool AutoSelect = false;  // select the whole text when the focus enters

    int GetValue();  // a text that does not convert becomes MinValue
    void SetValue(int v);
    int CheckValue(int v) const;
    virtual void UpClick();
    virtual void DownClick();
    virtual bool IsValidChar(QChar c) const;

    SpinButtons *arrows() const { return button; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void SetEditRect();
    SpinButtons *button;
};
