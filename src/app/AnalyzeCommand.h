// quorvel --analyze FILE [--json]: the strain analysis of a document, with no
// display.
#pragma once

#include <iosfwd>
#include <string>

// Reads FILE as Open does and writes its analysis as an aligned text table,
// or as one JSON object (undefined values null, their reasons under
// "undefined"). Numbers are in the C locale whatever the user's. A file that
// cannot be read gives one line "quorvel: FILE: problem" on err. Returns the
// exit status.
int analyzeDocument(const std::string& path, bool json, std::ostream& out, std::ostream& err);
