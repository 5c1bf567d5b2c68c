// The Help menu's windows: the About box and the page that tells what the
// mouse and the keyboard do in a document window.
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
};
