// The program's command line: its modes, read with QCommandLineParser before
// any window system is touched, so that every mode but the windows runs
// without a display.
#pragma once

#include <iosfwd>
#include <string>

class MyDocument;

// Reads path into document as Open does. A file that cannot be read gives one
// line "quorvel: FILE: problem" on err, and false.
bool readDocument(MyDocument& document, const std::string& path, std::ostream& err);

// quorvel --print FILE: reads FILE as Open does and writes the text that Save
// would write for it. Returns the exit status.
int printDocument(const std::string& path, std::ostream& out, std::ostream& err);

// Reads the arguments (argv[0] is the program) and runs the mode they ask for:
// help, version, print, render, or windows for the files named. A bad
// command line gives one line naming the problem, then the usage, on err and
// status 2. Returns the exit status.
int runCommandLine(int argc, char* argv[], std::ostream& out, std::ostream& err);
