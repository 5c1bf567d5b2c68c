// The sanitizers' settings for every test. Leaks that the leak checker finds
// in system libraries, not in the program, are let through, only those libraries'
// own allocations:
// - Mesa's software renderer keeps, per context that used selection mode,
//   buffers that it never frees.
// - The D-Bus connection that Qt's desktop integration opens under a real
//   display keeps its buffers until the process ends.
// - The undefined-behaviour checker's runtime keeps two small blocks of its
//   own once a window has been shown.
#include <cstdlib>

extern "C" const char* __lsan_default_suppressions() {
    return "leak:swrast_dri.so\n"
           "leak:libdbus-1.so\n"
           "leak:libubsan.so\n";
}

#ifdef __SANITIZE_ADDRESS__
// A test that caps the address space expects a failed allocation to return
// null, as malloc does, rather than end the process.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }

// The leak checker stops every thread at exit to scan it. Mesa's rasterizer
// and shader-cache threads, wound down by Mesa's own exit handler at the same
// time, now and then crashed its tracer ("Tracer caught signal 11") after a
// test had passed. Under the checker Mesa runs without those threads.
namespace {
const bool kMesaWithoutThreads = [] {
    setenv("LP_NUM_THREADS", "0", 0);
    setenv("MESA_SHADER_CACHE_DISABLE", "true", 0);
    return true;
}();
} // namespace
#endif
