#include "app/AnalyzeCommand.h"
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/RenderCommand.h"

#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

int main(int argc, char* argv[]) {
    const std::string usage = "usage: quorvel [FILE...]\n"
                               "       quorvel --print FILE\n"
                               "       quorvel --analyze FILE [--json]\n"
                               "       quorvel --render " +
                               std::string(kRenderArguments) + "\n";
    // The command-line modes need no display: they run before any window
    // system is touched.
    if (argc > 1 && std::strcmp(argv[1], "--print") == 0) {
        if (argc != 3) {
            std::cerr << usage;
            return 2;
        }
        return printDocument(argv[2], std::cout, std::cerr);
    }
    if (argc > 1 && std::strcmp(argv[1], "--analyze") == 0) {
        const bool json = argc == 4 && std::strcmp(argv[3], "--json") == 0;
        if (argc != 3 && !json) {
            std::cerr << usage;
            return 2;
        }
        return analyzeDocument(argv[2], json, std::cout, std::cerr);
    }
    if (argc > 1 && std::strcmp(argv[1], "--render") == 0)
        return renderCommand(argc - 2, argv + 2, std::cerr);
    return runApplication(argc, argv, usage);
}
