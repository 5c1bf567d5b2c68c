// The quantity that the animation slider drives, by the animation pop-up's
// item: a strain entry on the present acting side (0 to 8), a translation
// component (10 to 12), or the flow's time (kTimeAnimationField), whose
// value brings the strain to the flow's deformation by then. Each setter
// changes the model as one undoable edit of that quantity.
#pragma once

class StrainData;

float animatedValue(const StrainData& model);
float animatedMin(const StrainData& model);
float animatedMax(const StrainData& model);
void setAnimatedValue(StrainData& model, float value);
void setAnimatedMin(StrainData& model, float value);
void setAnimatedMax(StrainData& model, float value);
