#include "app/ShaderCache.h"

#include <cstdlib>
#include <filesystem>

#include <pwd.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

constexpr char kDisable[] = "MESA_SHADER_CACHE_DISABLE";

// The folder that Mesa 22 makes its cache in: the first of these variables
// that is set, else .cache in the home folder that the password database
// names (not $HOME).
std::filesystem::path cacheFolder() {
    for (const char* name : {"MESA_SHADER_CACHE_DIR", "MESA_GLSL_CACHE_DIR", "XDG_CACHE_HOME"})
        if (const char* folder = std::getenv(name); folder && *folder) return folder;
    const passwd* user = getpwuid(getuid());
    return user ? std::filesystem::path(user->pw_dir) / ".cache" : std::filesystem::path();
}

bool hasRoom(std::filesystem::path folder) {
    // Mesa makes the folder on first use, on the file system of its nearest
    // existing ancestor.
    std::error_code error;
    while (!std::filesystem::exists(folder, error) && folder.has_relative_path())
        folder = folder.parent_path();
    struct statvfs disk {};
    // Where nothing can be found out, Mesa cannot make its folder either.
    if (statvfs(folder.c_str(), &disk) != 0)
        return true;
    return std::uint64_t(disk.f_bavail) * disk.f_frsize >= kShaderCacheRoom;
}

} // namespace

void turnShaderCacheOff() {
    setenv(kDisable, "true", /*overwrite=*/0);
}

void turnShaderCacheOffWithoutRoom() {
    if (!std::getenv(kDisable) && !hasRoom(cacheFolder())) setenv(kDisable, "true", 1);
}
