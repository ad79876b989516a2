#pragma once
// Whether a typed install folder can take the files at all, before anything is written: a
// relative path would land wherever the installer happens to run, and a name the file system
// refuses or a path too long for MAX_PATH would fail half-way through.
#include "core/base/String.h"

namespace vl::installer {

// An absolute path ("X:\..." or "\\server\share\..."), without the characters Windows never
// allows in a name, whose payload files and their temporary names stay below MAX_PATH.
bool IsUsableInstallFolder(StringView folder);

}  // namespace vl::installer
