// Keeps the wheel from editing by accident: a guarded slider or pop-up takes
// the wheel only while it has the keyboard focus, and passes it on to the
// scrolling inspector otherwise. The notches of one turn, those that come
// less than a moment apart, make one undo step.
#pragma once

#include <QObject>
#include <QTimer>

class QWidget;
class UndoManager;

class WheelGuard : public QObject {
public:
    WheelGuard(UndoManager& undoManager, QObject* parent);
    ~WheelGuard() override;

    void guard(QWidget* control);
    // Makes the edit that follows part of the present burst of notches, or
    // opens a burst for it.
    void extendBurst();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void endBurst();

    UndoManager& undoManager_;
    QTimer burstEnd_;
    bool inBurst_ = false;
};
