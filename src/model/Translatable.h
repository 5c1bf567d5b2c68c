// Marks a text for the translators, who find it by this name. The model has
// no Qt: the window translates each marked text where it shows it, in the
// context given here.
#pragma once

#define QT_TRANSLATE_NOOP(context, text) text
