#pragma once
// "Run Vaultline when Windows starts": the value "Vaultline" under HKEY_LOCAL_MACHINE's Run key,
// holding the program's full path. Only a value that names this very program counts, so after
// the program was moved the switch reads off until it is written again.
#include <windows.h>

#include "core/base/String.h"

namespace vl {

constexpr const wchar_t* kAutostartRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kAutostartValue = L"Vaultline";

// True when the value names programPath, letter case aside; false when it is missing, names
// another file or cannot be read.
bool IsAutostartOn(const String& programPath);

// Writes the path (no quotes, no arguments) or deletes the value; the registry's status. A key
// that cannot be opened (no rights) changes nothing.
LONG SetAutostart(bool on, const String& programPath);

}  // namespace vl
