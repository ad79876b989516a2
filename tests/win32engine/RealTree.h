#pragma once
// Real files for the engine's tests under Wine: making files with a chosen last-write time, and
// a folder tree as text (relative path, size, last-write time, a digest of the bytes) so that
// two trees compare in one assertion and a difference shows line by line.
#include <cstdint>
#include <string>

#include "core/base/String.h"

namespace vl::test {

// Writes bytes to path (the folder must exist) and sets its last-write time to localSeconds
// (whole seconds on the local wall clock, as the engine reads times).
void MakeFile(const String& path, const std::string& bytes, int64_t localSeconds);
void MakeFolder(const String& path);
void SetReadOnly(const String& path, bool readOnly);
bool IsReadOnly(const String& path);
// Reads a file whole; empty when it cannot.
std::string FileText(const String& path);

// One line per entry below root, sorted, folders marked with a trailing backslash. Entries
// named skipName (in any case) are left out with everything below them.
std::string TreeText(const String& root, const String& skipName = String());

}  // namespace vl::test
