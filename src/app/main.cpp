#include "app/CommandLine.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return runCommandLine(argc, argv, std::cout, std::cerr);
}
