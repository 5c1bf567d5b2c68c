// The program's command-line modes that need no display.
#pragma once

#include <iosfwd>
#include <string>

// quorvel --print FILE: reads FILE as Open does and writes the text that Save
// would write for it. A file that cannot be read gives one line
// "quorvel: FILE: problem" on err. Returns the exit status.
int printDocument(const std::string& path, std::ostream& out, std::ostream& err);
