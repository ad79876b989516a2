#pragma once
// Which changes a drive watcher drops before they reach the frame: anything in the system,
// program, browser-cache and temporary folders, and anything in a recycle bin. The test runs
// on the watcher threads for every change, so it is a few plain text comparisons.
#include <vector>

#include "core/base/String.h"

namespace vl {

// The excluded folders in the order they are tested. The Internet cache is cut after
// "Temporary Internet Files" (the browser keeps its cache in changing folders below it); the
// temporary folder gets a final backslash. An empty path (a location the system could not
// name) is left out: as a prefix it would exclude every change.
std::vector<String> ExcludedFolders(const String& windows, const String& programFiles,
                                    const String& internetCache, const String& temp);

class WatchExclusions {
 public:
  explicit WatchExclusions(const std::vector<String>& folders);

  // True when path (a full path) lies in an excluded folder: a plain prefix in any letter case,
  // so "C:\WindowsX\a" falls under "C:\Windows" too; or a recycle bin anywhere on the path.
  bool Excludes(StringView path) const;

 private:
  std::vector<String> m_folded;
};

}  // namespace vl
