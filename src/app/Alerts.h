// Messages that the document handling shows the user.
#pragma once

#include <QString>

class QWidget;

// A critical message with the reason below it. Over a window it is modal to
// that window only; without one (at start) to the application. Returns when
// the user has read it.
void showCritical(QWidget* parent, const QString& text, const QString& reason);
