#pragma once
// The remover's file-system needs served by the shared in-memory fake, so the remover's rules
// meet the same letter case, locks, read-only files and injected failures as the engine's.
// Links and second names of a folder, which the fake has not, are declared here.
#include <map>
#include <set>

#include "remover/logic/RemovalFileSystem.h"
#include "tests/support/FakeFileSystem.h"

namespace vl::test {

class FakeRemovalFileSystem : public remover::IRemovalFileSystem {
 public:
  explicit FakeRemovalFileSystem(FakeFileSystem& fs) : m_fs(fs) {}

  // The folder at path reads as a link to somewhere else.
  void MarkLink(const String& path);
  // alias reaches the same folder as target (a junction, another drive letter).
  void AddAlias(const String& alias, const String& target);

  remover::EntryKind KindOf(const String& path) const override;
  bool ListFileNames(const String& folder, std::vector<String>& names) const override;
  FsResult RemoveFile(const String& path) override { return m_fs.RemoveFile(path); }
  FsResult RemoveEmptyFolder(const String& path) override { return m_fs.RemoveFolder(path); }
  bool SameFolder(const String& a, const String& b) const override;

 private:
  String Canonical(const String& path) const;

  FakeFileSystem& m_fs;
  std::set<String> m_links;
  std::map<String, String> m_aliases;
};

}  // namespace vl::test
