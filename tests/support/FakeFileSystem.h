#pragma once
// An in-memory file system with Windows semantics for fast tests: names in any letter case,
// drive-letter and UNC volumes with serial numbers and file-system names, the 260-character
// limit, read-only and locked files, settable times, and the platform's error codes. It counts
// the queries made of it so that tests can hold the analysis to its reading budget. Tests can
// make any change fail, act just before a change (as another program would), and copy without
// progress calls as some platform copies do. Its drive letters are those of its drive volumes.
// Several threads may use it at once; no lock of its own is held while it calls back into the
// test (hooks, progress, making way), so a callback may block or use the fake.
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "client/engine/DriveSet.h"
#include "core/fs/FileSystem.h"
#include "tests/support/FakeTree.h"

namespace vl::test {

// What the interface does, for injected failures; the hook before each change sees only the
// changes (everything from CreateFolder on).
enum class FakeOp {
  Status,
  List,
  Probe,
  CreateFolder,
  Copy,
  Move,
  RemoveFile,
  RemoveFolder,
  SetAttributes,
  SetTimes,
};

struct FakeTimes {
  int64_t creation = 0;
  int64_t lastAccess = 0;
  int64_t lastWrite = 0;
};

class FakeFileSystem : public IFileSystem, public IDriveSet {
 public:
  // Setting up. These bypass the interface's rules: missing parent folders are made, paths of
  // any length are accepted, and nothing is counted.
  void AddVolume(const String& root, uint32_t serial, const String& fileSystemName);
  void AddFolder(const String& path);
  // A file of size bytes (zeros) whose three times are all lastWrite.
  void AddFile(const String& path, uint64_t size, int64_t lastWrite);
  void AddFileWithContent(const String& path, std::string content, int64_t lastWrite);
  // Times as a file system may leave them, 0 included.
  void SetRawTimes(const String& path, const FakeTimes& times);
  // Attribute bits as stored, including the ones a status drops.
  void SetRawAttributes(const String& path, uint32_t attributes);
  void SetLocked(const String& path, bool locked);
  // The local time, in status seconds, that files made by a copy get as their creation and
  // last-access times.
  void SetNow(int64_t localSeconds);

  // op fails with systemCode whenever it is asked about path (a copy or move about either of
  // its two paths), until ClearFailures. A status query or listing fails this way too, as an
  // unreadable folder or a dropped network connection would make it.
  void InjectFailure(FakeOp op, const String& path, uint32_t systemCode);
  void ClearFailures();
  // Called at the start of every change made through the interface, before the fake looks at
  // anything, with the path the change is about (a copy's partial name, a move's source). It
  // may change the fake. Set it while no other thread uses the fake.
  std::function<void(FakeOp op, const String& path)> beforeChange;
  // false: copies never call their progress routine, as CopyFileExW under Wine never did.
  void SetCopyCallsProgress(bool calls);
  // A drive letter in use without a volume (an empty card reader): its device opens, its
  // volume query fails.
  void AddDriveWithoutVolume(Char letter);
  // A drive letter whose volume device does not open.
  void SetDeviceOpens(Char letter, bool opens);

  bool Exists(const String& path) const;
  std::string Content(const String& path) const;

  // Queries made through the interface since construction or the last ResetCounts. Paths are
  // compared in any letter case.
  size_t StatusQueries(const String& path) const;
  size_t ListQueries(const String& folder) const;
  size_t TotalStatusQueries() const;
  size_t TotalListQueries() const;
  size_t VolumeQueries() const;
  std::vector<String> StatusLog() const;
  std::vector<String> ListLog() const;
  void ResetCounts();

  // IFileSystem
  FsResult GetStatus(const String& path, FileStatus& status) const override;
  FsResult ListFolder(const String& folder, std::vector<FolderEntry>& entries) const override;
  // Fails as the system does on a locked file (SetLocked): with the sharing violation.
  FsResult ProbeExclusiveRead(const String& path) const override;
  bool GetVolumeInfo(const String& root, VolumeInfo& info) const override;
  FsResult CreateFolder(const String& path) override;
  // The copy (FakeOp::Copy, about partial and source), the source's three times set on the
  // partial copy (SetTimes, whose failure leaves it the copy's own), makeWay, the rename
  // (Move) and, should any of the last two fail, the partial copy's removal (RemoveFile).
  FsResult CopyIntoPlace(const String& source, const String& partial, const String& target,
                         const CopyProgressFn& progress, const MakeWayFn& makeWay) override;
  FsResult MoveFileTo(const String& source, const String& target) override;
  FsResult RemoveFile(const String& path) override;
  FsResult RemoveFolder(const String& path) override;
  FsResult SetAttributes(const String& path, uint32_t attributes) override;
  FsResult SetFileTimes(const String& path, int64_t creationTime, int64_t lastAccessTime,
                        int64_t lastWriteTime) override;

  // IDriveSet
  uint32_t LogicalDriveMask() const override;
  bool VolumeDeviceOpens(Char letter) const override;

 private:
  struct Failure {
    FakeOp op;
    String path;
    uint32_t systemCode;
  };
  using Lock = std::lock_guard<std::recursive_mutex>;
  // What a copy takes from its source.
  struct CopiedFile {
    std::string content;
    uint32_t attributes = 0;
    int64_t lastWrite = 0;
  };
  static Char LetterKey(Char letter);
  void RunHook(FakeOp op, const String& path) const;
  // An injected failure for op on path or other.
  FsResult Injected(FakeOp op, const String& path, const String& other = String()) const;

  FakeNode& MakeNode(const String& path, bool isFolder);
  FakeNode& Existing(const String& path) const;
  // The node at path when the interface may touch it; null with systemCode set otherwise.
  FakeNode* Reachable(const String& path, uint32_t& systemCode) const;
  FakeNode* NewEntryParent(const String& path, String& name, uint32_t& systemCode) const;
  // A new file's place: its folder must exist, the name be free.
  FsResult CheckFreeTarget(const String& target) const;
  FsResult ReadCopySource(const String& source, const String& target, CopiedFile& copied) const;
  // Data and attributes, as the platform's copy would give them; the progress calls come
  // without the lock.
  FsResult CopyToPartial(const String& source, const String& partial,
                         const CopyProgressFn& progress);

  // Recursive: some of its calls are made of others.
  mutable std::recursive_mutex m_mutex;
  FakeTree m_tree;
  int64_t m_now = 1'400'000'000;
  mutable std::vector<String> m_statusLog;
  mutable std::vector<String> m_listLog;
  mutable size_t m_volumeQueries = 0;
  std::vector<Failure> m_failures;
  bool m_copyCallsProgress = true;
  std::set<Char> m_bareDrives;
  std::set<Char> m_closedDevices;
};

}  // namespace vl::test
