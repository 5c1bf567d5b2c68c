// The main of test programs that need real widgets: a QApplication exists
// for every test, prepared as the program prepares it.
#include "app/Application.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// The leak checker finds Mesa's own allocations through its driver's
// globals. Closing the display when the application ends unloads the driver,
// and what it held is then reported from an unknown module that no
// suppression can name; pinned, the driver keeps those roots in sight.
// RTLD_NOLOAD loads nothing: only drivers already in use are kept.
void keepOpenGLDriversLoaded() {
    std::vector<std::string> drivers;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* found) {
            if (std::string_view(info->dlpi_name).ends_with("_dri.so"))
                static_cast<std::vector<std::string>*>(found)->emplace_back(info->dlpi_name);
            return 0;
        },
        &drivers);
    for (const std::string& driver : drivers)
        dlopen(driver.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

} // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    // Settings (Open Recent, window places) of this process's own, so that
    // tests running side by side do not see each other's.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    prepareApplication();
    QApplication application(argc, argv);
    const int result = RUN_ALL_TESTS();
    keepOpenGLDriversLoaded();
    return result;
}
