#include "controller/ColorPanel.h"

#include "controller/MyWindowController.h"
#include "platform/UndoManager.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace {

// The shared colour panel and the window it sends its colour to.
QPointer<QColorDialog>& colorPanel() {
    static QPointer<QColorDialog> panel;
    return panel;
}
QPointer<MyWindowController>& colorPanelTarget() {
    static QPointer<MyWindowController> target;
    return target;
}

// A drag across the panel is one undo step, like a slider's: the step opens
// when a button goes down in the panel and closes when it comes up.
class PanelDragGrouping : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && !dragging_ && colorPanelTarget()) {
            dragging_ = colorPanelTarget();
            dragging_->windowWillReturnUndoManager().beginUndoGrouping();
        } else if (event->type() == QEvent::MouseButtonRelease && dragging_) {
            UndoManager& undo = dragging_->windowWillReturnUndoManager();
            if (undo.groupingLevel() > 0) undo.endUndoGrouping();
            dragging_ = nullptr;
        }
        return false;
    }

  private:
    QPointer<MyWindowController> dragging_;
};

} // namespace

void ColorPanel::showFor(MyWindowController* target) {
    QPointer<QColorDialog>& panel = colorPanel();
    if (!panel) {
        panel = new QColorDialog();
        panel->setAttribute(Qt::WA_DeleteOnClose, false);
        panel->setOption(QColorDialog::NoButtons);
        panel->setWindowTitle(QCoreApplication::translate("MyWindowController", "Colors"));
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, panel.data(), &QObject::deleteLater);
        QObject::connect(panel.data(), &QColorDialog::currentColorChanged, panel.data(),
                         [](const QColor& color) {
                             if (colorPanelTarget()) colorPanelTarget()->applyColor(color);
                         });
        auto* grouping = new PanelDragGrouping(panel.data());
        for (QWidget* part : panel->findChildren<QWidget*>())
            part->installEventFilter(grouping);
    }
    // The shared panel keeps the colour it last showed.
    colorPanelTarget() = target;
    panel->show();
    panel->raise();
    panel->activateWindow();
}

void ColorPanel::forget(const MyWindowController* target) {
    if (colorPanelTarget() == target) colorPanelTarget() = nullptr;
}
