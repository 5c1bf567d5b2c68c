#include "controller/WheelGuard.h"

#include "platform/UndoManager.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {
// Longer than the pause between the notches of one turn of the wheel.
constexpr int kBurstPauseMs = 600;
} // namespace

WheelGuard::WheelGuard(UndoManager& undoManager, QObject* parent)
    : QObject(parent), undoManager_(undoManager) {
    burstEnd_.setSingleShot(true);
    burstEnd_.setInterval(kBurstPauseMs);
    connect(&burstEnd_, &QTimer::timeout, this, [this] { endBurst(); });
}

WheelGuard::~WheelGuard() { endBurst(); }

void WheelGuard::guard(QWidget* control) {
    // Focus comes from a click or Tab, never from the wheel passing over.
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(this);
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    auto* control = static_cast<QWidget*>(watched);
    if (!control->hasFocus()) {
        // The scroll area around the control scrolls instead.
        for (QWidget* parent = control->parentWidget(); parent; parent = parent->parentWidget()) {
            if (auto* area = qobject_cast<QAbstractScrollArea*>(parent)) {
                QCoreApplication::sendEvent(area->viewport(), event);
                return true;
            }
        }
        event->ignore();
        return true;
    }
    extendBurst();
    return false;
}

void WheelGuard::extendBurst() {
    if (!inBurst_) {
        undoManager_.beginUndoGrouping();
        inBurst_ = true;
    }
    burstEnd_.start();
}

void WheelGuard::endBurst() {
    if (!inBurst_)
        return;
    inBurst_ = false;
    // An undo in the meantime has already closed the group.
    if (undoManager_.groupingLevel() > 0)
        undoManager_.endUndoGrouping();
}
