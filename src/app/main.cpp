#include <cstdio>

// The strain model, its platform services and the vector helpers are built;
// the document windows come next. Until then the program says so instead of
// pretending to open a window.
int main() {
    std::fputs("quorvel: the application window is not built yet; "
               "run the tests to exercise the strain model.\n",
               stderr);
    return 1;
}
