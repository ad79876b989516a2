#pragma once
// The remover's file-system needs on the plain Win32 calls. Links (junctions, symbolic links)
// are reported as Other, so the remover neither follows nor removes them.
#include "remover/logic/RemovalFileSystem.h"

namespace vl::remover {

class RemovalFileSystemWin32 : public IRemovalFileSystem {
 public:
  EntryKind KindOf(const String& path) const override;
  bool ListFileNames(const String& folder, std::vector<String>& names) const override;
  FsResult RemoveFile(const String& path) override;
  FsResult RemoveEmptyFolder(const String& path) override;
  // By the volume and file index when both folders open, else by their text in any case.
  bool SameFolder(const String& a, const String& b) const override;
};

}  // namespace vl::remover
