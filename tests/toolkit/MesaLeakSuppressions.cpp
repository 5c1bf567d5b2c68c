// Mesa's software renderer keeps, per context that used selection mode,
// buffers that it never frees; the leak checker would fail every drawing test
// on them. Only the driver's own allocations are let through.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:swrast_dri.so\n";
}
