// The one colour panel that every document window shares, as desktop
// programs have it: non-modal, without alpha. Its colour goes to the window
// that opened it last, and a drag across it is one undo step.
#pragma once

class MyWindowController;

namespace ColorPanel {
// Brings the panel up for target's document.
void showFor(MyWindowController* target);
// A window that goes stops receiving the panel's colour.
void forget(const MyWindowController* target);
} // namespace ColorPanel
