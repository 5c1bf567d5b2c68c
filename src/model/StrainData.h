// The model of one document: the strain being edited, the strain saved by
// earlier restarts, the translation, the animation slider's bounds, the view
// settings and the three material points.
//
// Every setter follows one frame: register the inverse call with the undo
// manager (when there is one), change the field, then post the change
// notification with this model as sender. The model clamps nothing, but it
// never holds a number that is not finite and never reaches outside its
// arrays: a setter given an index outside its range does nothing, and one
// whose value (or arithmetic) is not finite leaves the model as it was,
// registers no undo and only posts its notification, so that the controls
// show the value that stayed. A getter given an index outside its range
// reads 0.
#pragma once

#include "geometry/GVUtilities.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class UndoManager;

// The animation pop-up's item that sweeps the flow's time, after x, y and z.
inline constexpr int kTimeAnimationField = 13;

class StrainData {
public:
    // The document file's entries: key to value text.
    using StringDictionary = std::map<std::string, std::string>;

    // Sets every default with undo registration off, so nothing can be undone
    // afterwards. Without an undo manager nothing is ever registered.
    explicit StrainData(UndoManager* undoManager = nullptr);

    StrainData(const StrainData&) = delete;
    StrainData& operator=(const StrainData&) = delete;

    UndoManager* undoManager() const { return undoManager_; }

    // Getters.
    const float* strainMatrix() const { return strain_.data(); }
    const float* savedStrainMatrix() const { return savedStrain_.data(); }
    float savedStrainEntry(int i) const { return at(savedStrain_, i); }
    float strainEntry(int i) const { return at(strain_, i); }
    float strainMin(int i) const { return at(strainMinima_, i); }
    float strainMax(int i) const { return at(strainMaxima_, i); }
    float translation(int i) const { return at(translation_, i); }
    float translationMin(int i) const { return at(translationMinima_, i); }
    float translationMax(int i) const { return at(translationMaxima_, i); }
    float color(int i) const { return at(color_, i); }
    float translucency() const { return translucency_; }
    float distance() const { return distance_; }
    float zoom() const { return zoom_; }
    int actingOnRight() const { return actingOnRight_; }
    int animationField() const { return animationField_; }
    int projection() const { return projection_; }
    int showAxes() const { return showAxes_; }
    int markAxes() const { return markAxes_; }
    int showPrincipalAxes() const { return showPrincipalAxes_; }
    int preserveVolume() const { return preserveVolume_; }
    int constraint() const { return constraint_; }
    int showPoint1() const { return showPoint_[0]; }
    int showPoint2() const { return showPoint_[1]; }
    int showPoint3() const { return showPoint_[2]; }
    int pointToSet() const { return pointToSet_; }
    // The point of the sphere's frame that the strain carries to a scene
    // position, as a pick places a material point: the inverse of the
    // strain's 3x3 block applied to it, less the translation. None when the
    // strain is singular, or so nearly that the point overflows.
    std::optional<std::array<float, 3>> materialPointAt(const double scene[3]) const;
    // What the animation slider drives: for a field above 9 the translation
    // component field - 10, otherwise the strain entry that the pop-up's
    // item names on the present acting side; -1 for a field outside 0..12
    // (kTimeAnimationField, the flow's time, has no index).
    int animatedIndex() const;
    // The strain entry that the inspector's field a to i (0 to 8, read row by
    // row) shows on the present acting side: acting on the right, the
    // transposed one.
    int strainFieldIndex(int field) const;
    // The steady flow: the velocity gradient L, its 3x3 block at
    // MatrixIndex(row, column) as the strain's, and the time that the
    // animation slider sweeps with its bounds. L = 0 is no flow.
    float velocityGradient(int i) const { return at(velocityGradient_, i); }
    float time() const { return time_; }
    float timeMin() const { return timeMin_; }
    float timeMax() const { return timeMax_; }
    float light(int i) const { return at(light_, i); }
    const float* light() const { return light_.data(); }
    float point1(int i) const { return at(points_[0], i); }
    float point2(int i) const { return at(points_[1], i); }
    float point3(int i) const { return at(points_[2], i); }
    const float* point1() const { return points_[0].data(); }
    const float* point2() const { return points_[1].data(); }
    const float* point3() const { return points_[2].data(); }

    // Setters.
    // With preserveVolume on, editing an entry of row r scales row r by
    // new / old and the row that is neither r nor the constraint row by
    // old / new, so that the determinant of the 3x3 block stays the same.
    void setStrain(int index, float value);
    // Used only when a document is read: no undo, no notification.
    void setSavedStrain(int index, float value);
    void setStrainMin(int index, float value);
    void setStrainMax(int index, float value);
    // The strain's 3x3 block from strain's in one undoable change, whatever
    // "preserve volume" holds.
    void setStrainBlock(const Matrix4& strain);
    void setTranslation(int index, float value);
    void setTranslationMin(int index, float value);
    void setTranslationMax(int index, float value);
    // "Restart Strain": folds strain and translation into the saved strain and
    // carries the material points along, so the picture stays the same while
    // editing starts again from the identity. Not undoable. Does nothing
    // when the product would not be finite.
    void accumulateStrain();
    // An index outside the 3x3 block does nothing.
    void setVelocityGradient(int index, float value);
    // The time alone: the flow deforms the strain only through the
    // animation slider (see model/Flow.h).
    void setTime(float value);
    void setTimeMin(float value);
    void setTimeMax(float value);
    void setRed(float red, float green, float blue);
    void setTranslucency(float value);
    // Transposes the strain and its bounds when the side changes.
    void setActingOnRight(int flag);
    void setAnimationField(int value);
    void setLight(int index, float value);
    // No undo of its own: it is what setZoom's undo restores.
    void setDistance(float value);
    // distance = 2^exponent * distance, undone by restoring the distance.
    void setZoom(float exponent);
    void setProjection(int value);
    void setShowAxes(int flag);
    void setMarkAxes(int flag);
    // The ellipsoid's principal axes; files written before it existed lack
    // its key and so read it as off.
    void setShowPrincipalAxes(int flag);
    void setPreserveVolume(int flag);
    void setConstraint(int value);
    void setShowPoint1(int flag);
    void setShowPoint2(int flag);
    void setShowPoint3(int flag);
    void setPoint1(int index, float value);
    void setPoint2(int index, float value);
    void setPoint3(int index, float value);
    // Selects the point that the next pick sets; selecting the same point
    // again deselects it. Not undoable.
    void setPointToSet(int value);

    // Adds the document file's 76 model entries, and those of a flow that
    // the document has, formatted in the C locale.
    void convertToDictionary(StringDictionary& dictionary) const;
    // Applies a document file's entries through the setters with undo
    // registration off. A missing key reads as 0 (a flow's, as no flow);
    // unknown keys are ignored.
    // A number that is not finite reads as 0, and an integer code outside its
    // range as the code of a new document.
    // The strain is restored exactly as stored whatever "preserve volume"
    // holds, and no material point is left waiting for a pick.
    void restoreFromDictionary(const StringDictionary& dictionary);

private:
    template <std::size_t N> static float at(const std::array<float, N>& values, int i) {
        return i >= 0 && i < int(N) ? values[std::size_t(i)] : 0.0f;
    }
    template <class Inverse> void registerUndo(Inverse inverse);
    // Stores a finite value at an index inside values, with its undo by
    // setter; any other index does nothing.
    template <std::size_t N, class Setter>
    void setValue(std::array<float, N>& values, int index, float value,
                  std::string_view notification, Setter setter);
    // Stores a finite value in field, with its undo by setter.
    void setNumber(float& field, float value, std::string_view notification,
                   void (StrainData::*setter)(float));
    void post(std::string_view name) const;
    void setShowPoint(int point, int flag);
    void setPoint(int point, int index, float value);

    std::array<float, 3> color_{};
    float translucency_ = 0;
    int actingOnRight_ = 0;
    int animationField_ = 0;
    Vector3 translation_{};
    Vector3 translationMinima_{};
    Vector3 translationMaxima_{};
    Matrix4 strain_{};
    Matrix4 strainMinima_{};
    Matrix4 strainMaxima_{};
    Matrix4 savedStrain_{};
    Matrix4 velocityGradient_{};
    float time_ = 0;
    float timeMin_ = 0;
    float timeMax_ = 0;
    std::array<float, 4> light_{};
    float distance_ = 0;
    float zoom_ = 0;
    int projection_ = 0;
    int showAxes_ = 0;
    int markAxes_ = 0;
    int showPrincipalAxes_ = 0;
    int preserveVolume_ = 0;
    int constraint_ = 0;
    std::array<int, 3> showPoint_{};
    std::array<Vector3, 3> points_{};
    int pointToSet_ = 0;
    UndoManager* undoManager_;
};
