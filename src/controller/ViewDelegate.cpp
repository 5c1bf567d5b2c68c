#include "controller/ViewDelegate.h"

#include "controller/MyWindowController.h"
#include "controller/WheelGuard.h"
#include "document/MyDocument.h"
#include "model/StrainData.h"
#include "controller/FloatSlider.h"
#include "render/SceneRenderer.h"
#include "toolkit/GVCamera.h"

#include <QApplication>

ViewDelegate::ViewDelegate(MyDocument& document, const FloatSlider& zoomSlider,
                           WheelGuard& wheelGuard, std::function<void()> resetView)
    : document_(document), zoomSlider_(zoomSlider), wheelGuard_(wheelGuard),
      resetView_(std::move(resetView)) {}

void ViewDelegate::setStrainView(StrainView* view) {
    view_ = view;
    // The camera starts from the document's saved projection and distance.
    updateCamera();
}

void ViewDelegate::updateCamera() const {
    if (!view_ || !view_->camera()) return;
    SceneRenderer::applyProjection(*view_->camera(), document_.strainData());
    SceneRenderer::applyDistance(*view_->camera(), document_.strainData());
}

void ViewDelegate::resetCamera() const {
    if (!view_ || !view_->camera()) return;
    view_->camera()->setElevation(0.0f);
    view_->camera()->setAzimuth(0.0f);
    view_->redraw(); // the camera is the view's own, not the model's
}

void ViewDelegate::registerPick(const GLdouble pick[3]) {
    StrainData& m = document_.strainData();
    const std::optional<std::array<float, 3>> point = m.materialPointAt(pick);
    if (!point) {
        QApplication::beep();
        return;
    }
    void (StrainData::*const setters[3])(int, float) = {
        &StrainData::setPoint1, &StrainData::setPoint2, &StrainData::setPoint3};
    const int waiting = m.pointToSet();
    if (waiting < 1 || waiting > 3) return; // no point waits: nothing to name
    for (int i = 0; i < 3; ++i)
        (m.*setters[waiting - 1])(i, (*point)[i]);
    m.setPointToSet(waiting); // asking again ends the wait
    MyWindowController::nameUndoStep(
        document_.undoManager(),
        QApplication::translate("MyWindowController", "Pick Material Point"));
}

// The view's keys and wheel zoom by the zoom slider's steps.
void ViewDelegate::zoomView(float steps, bool fromWheel) {
    const float exponentPerStep = (zoomSlider_.maxValue() - zoomSlider_.minValue()) *
                                  static_cast<float>(zoomSlider_.singleStep()) /
                                  static_cast<float>(zoomSlider_.maximum() - zoomSlider_.minimum());
    if (fromWheel) wheelGuard_.extendBurst();
    // The slider's exponent moves away as it grows.
    document_.strainData().setZoom(-steps * exponentPerStep);
    MyWindowController::nameUndoStep(document_.undoManager(),
                                     QApplication::translate("MyWindowController", "Zoom"));
}

// Asking again for the waiting point takes the request back.
void ViewDelegate::cancelPick() {
    StrainData& m = document_.strainData();
    if (const int waiting = m.pointToSet()) m.setPointToSet(waiting);
}
