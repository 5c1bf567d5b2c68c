// Mesa's shader cache keeps its index in a file that it maps into memory and
// fills from a thread of its own: on a disk with no room for those pages the
// program dies of SIGBUS. These turn the cache off before any OpenGL or EGL
// starts, unless the user has set MESA_SHADER_CACHE_DISABLE either way.
#pragma once

#include <cstdint>

// Free space below which the windows leave the cache off: its index alone
// takes 1.25 MiB, and what else fills the disk meanwhile is not ours to know.
inline constexpr std::uint64_t kShaderCacheRoom = std::uint64_t(64) << 20;

// For --render, which draws once and gains nothing from a cache.
void turnShaderCacheOff();
// For the windows: off when the file system that holds (or will hold) the
// cache has less than kShaderCacheRoom free.
void turnShaderCacheOffWithoutRoom();
