#include "app/CommandLine.h"

#include <cstring>
#include <iostream>

namespace {
void usage() {
    std::cerr << "usage: quorvel --print FILE\n";
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "--print") == 0)
        return printDocument(argv[2], std::cout, std::cerr);
    if (argc > 1) {
        usage();
        return 2;
    }
    // The document windows come next; until then the program says so
    // instead of pretending to open one.
    std::cerr << "quorvel: the application window is not built yet; "
                 "use quorvel --print FILE to check a document.\n";
    return 1;
}
