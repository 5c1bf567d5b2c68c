#include "app/CommandLine.h"
#include "app/RenderCommand.h"

#include <cstring>
#include <iostream>

namespace {
void usage() {
    std::cerr << "usage: quorvel --print FILE\n"
                 "       quorvel --render FILE OUT.png [--size WIDTHxHEIGHT] "
                 "[--elevation DEGREES] [--azimuth DEGREES]\n";
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "--print") == 0)
        return printDocument(argv[2], std::cout, std::cerr);
    if (argc > 1 && std::strcmp(argv[1], "--render") == 0)
        return renderCommand(argc - 2, argv + 2, std::cerr);
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
