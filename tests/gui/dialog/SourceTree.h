#pragma once
// Real folders and files for a backup to copy, and what a backup left on the target.
#include <cstddef>
#include <vector>

#include "core/base/String.h"

namespace vl::test {

struct TreeFile {
  String relativePath;  // below the tree's root, with backslashes
  size_t size;
};

// Creates root, the folders on the way and every file; each file's bytes differ from the
// others', so a copy of the wrong file shows.
bool MakeTree(const String& root, const std::vector<TreeFile>& files);
// Overwrites a file with different bytes of another size.
bool ChangeFile(const String& path);
bool SameContent(const String& a, const String& b);
// The names in a folder, in the order the file system lists them.
std::vector<String> ListNames(const String& folder);

}  // namespace vl::test
