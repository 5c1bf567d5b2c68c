// The desktop application: its identity, its OpenGL format, its translator
// and its event loop.
#pragma once

#include <QStringList>

// Done before the application object exists: the names that settings and the
// desktop use, the OpenGL format the view draws with (fixed-function
// OpenGL needs a compatibility profile; the scene needs a depth buffer), and
// no shader cache on a disk too full for it.
void prepareApplication();

// Loads the translations for the user's language, where there are any, and
// routes the program's texts through them.
void installLocalizer();

// quorvel [FILE...]: opens each file in its own window, or a new document,
// and runs until the last window closes. program is argv[0]. Returns the
// exit status: non-zero when files were named and none could be opened.
int runApplication(char* program, const QStringList& files);
