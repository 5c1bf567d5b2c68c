// Messages that the document handling shows the user.
#pragma once

#include <QString>

class QWidget;

// A critical message with the reason below it. Over a window it is modal to
// that window only; without one (at start) to the application. Returns when
// the user has read it.
void showCritical(QWidget* parent, const QString& text, const QString& reason);

// A file's or document's name as a message shows it: elided in the middle
// when it is wider than a quarter of the screen. Message boxes wrap a long
// name anywhere and grow to the screen's width on a small one.
QString nameInMessage(const QString& name, const QWidget* parent);
