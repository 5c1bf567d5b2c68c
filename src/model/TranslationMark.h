// Marks a text for the translators, who find it by this name; the model has
// no Qt, and the program translates each text where it shows it, in the
// context named. For the model's own sources: Qt's headers define it too.
#pragma once

#define QT_TRANSLATE_NOOP(context, text) text
