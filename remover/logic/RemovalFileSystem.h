#pragma once
// What the remover asks of the file system, and no more: what sits at a path, the plain files
// of a folder, deleting one file, removing one empty folder, and whether two paths are one
// folder. It never deletes a folder with entries in it, so nothing it is given can take more
// than the files named to it.
#include <vector>

#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl::remover {

enum class EntryKind {
  Missing,  // the system said nothing is there
  File,
  Folder,   // a real folder, not a link to one somewhere else
  Other,    // a link, a device, or a path that could not be looked at: left alone
};

class IRemovalFileSystem {
 public:
  virtual ~IRemovalFileSystem() = default;

  virtual EntryKind KindOf(const String& path) const = 0;
  // The names of the plain files directly in folder (no folders, no links); false when the
  // folder could not be listed whole.
  virtual bool ListFileNames(const String& folder, std::vector<String>& names) const = 0;
  virtual FsResult RemoveFile(const String& path) = 0;
  // Fails with NotEmpty while the folder has entries.
  virtual FsResult RemoveEmptyFolder(const String& path) = 0;
  // Whether both paths reach the same folder, however they are spelt (letter case, a final
  // backslash, another name for the same place).
  virtual bool SameFolder(const String& a, const String& b) const = 0;
};

}  // namespace vl::remover
