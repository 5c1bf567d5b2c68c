// The question before Restart Strain, which cannot be undone: a critical
// sheet over the window, modal to it alone, with Restart Strain the default.
#pragma once

#include <functional>

class QWidget;

// answered gets 1 for Restart Strain, 0 for Cancel.
void askToRestartStrain(QWidget* window, std::function<void(int returnCode)> answered);
