// Leaks that the leak checker finds in system libraries, not in the program;
// only those libraries' own allocations are let through.
// - Mesa's software renderer keeps, per context that used selection mode,
//   buffers that it never frees.
// - The D-Bus connection that Qt's desktop integration opens under a real
//   display keeps its buffers until the process ends.
// - The undefined-behaviour checker's runtime keeps two small blocks of its
//   own once a window has been shown.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:swrast_dri.so\n"
           "leak:libdbus-1.so\n"
           "leak:libubsan.so\n";
}
