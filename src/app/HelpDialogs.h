// The Help menu's windows: the About box, the page that tells what the
// mouse and the keyboard do in a document window, and the pages on flows and
// on the strain analysis.
#pragma once

#include <QCoreApplication>

class QWidget;

class HelpDialogs {
    Q_DECLARE_TR_FUNCTIONS(HelpDialogs)
public:
    // Version, licence and what the program shows; modal to parent.
    static void showAboutBox(QWidget* parent);

    // A page of its own, beside parent, that stays open while the user
    // tries what it says.
    static void showMouseAndKeyboardHelp(QWidget* parent);
    // What a flow is, what Wk, the stretching axes and the apophyses mean,
    // and how to read a flow's path on the Flinn plot; a page as the above.
    static void showFlowHelp(QWidget* parent);
    // The analysis's conventions: directions, tolerances, every quantity's
    // definition with its reference, and how the plots are drawn.
    static void showAnalysisHelp(QWidget* parent);
};
