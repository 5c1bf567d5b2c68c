// The view's delegate: it gives the view's camera the document's projection
// and distance, places the material point that waits for a pick where a
// click hit the ellipsoid, and turns the view's Home, zoom keys, wheel and
// Escape into the inspector's commands.
#pragma once

#include "view/StrainView.h"

#include <QPointer>

#include <functional>

class FloatSlider;
class MyDocument;
class WheelGuard;

class ViewDelegate : public StrainViewDelegate {
  public:
    // The zoom slider sets the size of a zoom step; resetView is the
    // inspector's Reset View.
    ViewDelegate(MyDocument& document, const FloatSlider& zoomSlider, WheelGuard& wheelGuard,
                 std::function<void()> resetView);

    // Null until the view has drawn its first frame.
    StrainView* strainView() const { return view_; }

    void setStrainView(StrainView* view) override;
    // Maps the scene position back to the sphere and stores it into the
    // waiting point; a singular strain places nothing and beeps.
    void registerPick(const GLdouble pick[3]) override;
    void resetView() override { resetView_(); }
    void zoomView(float steps, bool fromWheel) override;
    void cancelPick() override;

    // The camera takes the document's projection and distance.
    void updateCamera() const;
    // The camera returns to the plan view.
    void resetCamera() const;

  private:
    MyDocument& document_;
    const FloatSlider& zoomSlider_;
    WheelGuard& wheelGuard_;
    std::function<void()> resetView_;
    QPointer<StrainView> view_;
};
