#include "tests/support/FakeFileSystem.h"

#include <algorithm>
#include <stdexcept>

#include "client/engine/PartialCopy.h"
#include "client/engine/PathUtil.h"
#include "client/model/PathJoin.h"

namespace vl::test {
namespace {

constexpr uint64_t kCopyChunk = 64 * 1024;
// Listing asks for folder\*.*, and that pattern must fit the limit too.
constexpr size_t kPatternSuffix = 4;

size_t CountPath(const std::vector<String>& log, const String& path) {
  return static_cast<size_t>(std::count_if(
      log.begin(), log.end(), [&path](const String& seen) { return EqualsNoCase(seen, path); }));
}

FsResult Fail(uint32_t systemCode) { return FsFailure(systemCode); }

bool IsReadOnly(const FakeNode& node) { return (node.attributes & kAttrReadOnly) != 0; }

bool ReportCopyProgress(uint64_t size, const CopyProgressFn& progress) {
  if (!progress) return true;
  CopyProgressInfo info;
  info.totalSize = info.streamSize = size;
  if (!progress(info)) return false;
  while (info.streamTransferred < size) {
    info.streamTransferred = std::min(size, info.streamTransferred + kCopyChunk);
    info.totalTransferred = info.streamTransferred;
    if (!progress(info)) return false;
  }
  return true;
}

// The node's status as stored, before normalizing.
FileStatus RawStatus(const FakeNode& node) {
  FileStatus status;
  status.attributes = node.attributes | (node.isFolder ? uint32_t{kAttrDirectory} : 0u);
  status.size = node.isFolder ? 0 : node.content.size();
  status.creationTime = node.creationTime;
  status.lastAccessTime = node.lastAccessTime;
  status.lastWriteTime = node.lastWriteTime;
  return status;
}

}  // namespace

void FakeFileSystem::AddVolume(const String& root, uint32_t serial,
                               const String& fileSystemName) {
  const Lock lock(m_mutex);
  m_tree.AddVolume(root, serial, fileSystemName);
}

void FakeFileSystem::AddFolder(const String& path) {
  const Lock lock(m_mutex);
  MakeNode(path, true);
}

void FakeFileSystem::AddFile(const String& path, uint64_t size, int64_t lastWrite) {
  AddFileWithContent(path, std::string(static_cast<size_t>(size), '\0'), lastWrite);
}

void FakeFileSystem::AddFileWithContent(const String& path, std::string content,
                                        int64_t lastWrite) {
  const Lock lock(m_mutex);
  FakeNode& node = MakeNode(path, false);
  node.content = std::move(content);
  node.attributes = kAttrArchive;
  node.creationTime = node.lastAccessTime = node.lastWriteTime = lastWrite;
}

void FakeFileSystem::SetRawTimes(const String& path, const FakeTimes& times) {
  const Lock lock(m_mutex);
  FakeNode& node = Existing(path);
  node.creationTime = times.creation;
  node.lastAccessTime = times.lastAccess;
  node.lastWriteTime = times.lastWrite;
}

void FakeFileSystem::SetRawAttributes(const String& path, uint32_t attributes) {
  const Lock lock(m_mutex);
  Existing(path).attributes = attributes & ~kAttrDirectory;
}

void FakeFileSystem::SetLocked(const String& path, bool locked) {
  const Lock lock(m_mutex);
  Existing(path).locked = locked;
}

void FakeFileSystem::SetNow(int64_t localSeconds) {
  const Lock lock(m_mutex);
  m_now = localSeconds;
}

bool FakeFileSystem::Exists(const String& path) const {
  const Lock lock(m_mutex);
  return m_tree.Find(path) != nullptr;
}

std::string FakeFileSystem::Content(const String& path) const {
  const Lock lock(m_mutex);
  return Existing(path).content;
}

size_t FakeFileSystem::StatusQueries(const String& path) const {
  const Lock lock(m_mutex);
  return CountPath(m_statusLog, path);
}

size_t FakeFileSystem::ListQueries(const String& folder) const {
  const Lock lock(m_mutex);
  return CountPath(m_listLog, folder);
}

size_t FakeFileSystem::TotalStatusQueries() const {
  const Lock lock(m_mutex);
  return m_statusLog.size();
}

size_t FakeFileSystem::TotalListQueries() const {
  const Lock lock(m_mutex);
  return m_listLog.size();
}

size_t FakeFileSystem::VolumeQueries() const {
  const Lock lock(m_mutex);
  return m_volumeQueries;
}

std::vector<String> FakeFileSystem::StatusLog() const {
  const Lock lock(m_mutex);
  return m_statusLog;
}

std::vector<String> FakeFileSystem::ListLog() const {
  const Lock lock(m_mutex);
  return m_listLog;
}

void FakeFileSystem::InjectFailure(FakeOp op, const String& path, uint32_t systemCode) {
  const Lock lock(m_mutex);
  m_failures.push_back(Failure{op, path, systemCode});
}

void FakeFileSystem::ClearFailures() {
  const Lock lock(m_mutex);
  m_failures.clear();
}

void FakeFileSystem::SetCopyCallsProgress(bool calls) {
  const Lock lock(m_mutex);
  m_copyCallsProgress = calls;
}

void FakeFileSystem::AddDriveWithoutVolume(Char letter) {
  const Lock lock(m_mutex);
  m_bareDrives.insert(LetterKey(letter));
}

void FakeFileSystem::SetDeviceOpens(Char letter, bool opens) {
  const Lock lock(m_mutex);
  if (opens) {
    m_closedDevices.erase(LetterKey(letter));
  } else {
    m_closedDevices.insert(LetterKey(letter));
  }
}

Char FakeFileSystem::LetterKey(Char letter) { return FoldCase(letter); }

void FakeFileSystem::RunHook(FakeOp op, const String& path) const {
  if (beforeChange) beforeChange(op, path);
}

FsResult FakeFileSystem::Injected(FakeOp op, const String& path, const String& other) const {
  for (const Failure& failure : m_failures) {
    if (failure.op != op) continue;
    if (EqualsNoCase(failure.path, path) || (!other.empty() && EqualsNoCase(failure.path, other)))
      return Fail(failure.systemCode);
  }
  return FsResult{};
}

uint32_t FakeFileSystem::LogicalDriveMask() const {
  const Lock lock(m_mutex);
  uint32_t mask = 0;
  for (Char letter = VLT('A'); letter <= VLT('Z'); ++letter) {
    const bool inUse = m_tree.FindVolume(String{letter, VLT(':'), VLT('\\')}) != nullptr ||
                       m_bareDrives.count(letter) != 0;
    if (inUse) mask |= uint32_t{1} << (letter - VLT('A'));
  }
  return mask;
}

bool FakeFileSystem::VolumeDeviceOpens(Char letter) const {
  const Lock lock(m_mutex);
  const Char key = LetterKey(letter);
  const bool inUse = key >= VLT('A') && key <= VLT('Z') &&
                     (LogicalDriveMask() & (uint32_t{1} << (key - VLT('A')))) != 0;
  return inUse && m_closedDevices.count(key) == 0;
}

void FakeFileSystem::ResetCounts() {
  const Lock lock(m_mutex);
  m_statusLog.clear();
  m_listLog.clear();
  m_volumeQueries = 0;
}

// Setup mistakes are the test's own, so they throw rather than fail quietly.
FakeNode& FakeFileSystem::MakeNode(const String& rawPath, bool isFolder) {
  const String path = EndsWithBackslash(rawPath) ? rawPath.substr(0, rawPath.size() - 1) : rawPath;
  if (FakeNode* existing = m_tree.Find(path)) {
    if (existing->isFolder != isFolder) throw std::logic_error("fake: path exists as other kind");
    return *existing;
  }
  String name;
  FakeNode* parent = m_tree.FindParent(path, name);
  if (parent == nullptr) {
    const String parentPath = PathBeforeLastPart(path);
    if (parentPath.empty()) throw std::logic_error("fake: no volume for path");
    parent = &MakeNode(parentPath, true);
  }
  auto node = std::make_unique<FakeNode>();
  node->name = PathLastPart(path);
  node->isFolder = isFolder;
  node->creationTime = node->lastAccessTime = node->lastWriteTime = m_now;
  parent->children.push_back(std::move(node));
  return *parent->children.back();
}

FakeNode& FakeFileSystem::Existing(const String& path) const {
  FakeNode* node = m_tree.Find(path);
  if (node == nullptr) throw std::logic_error("fake: no such path");
  return *node;
}

FakeNode* FakeFileSystem::Reachable(const String& path, uint32_t& systemCode) const {
  if (path.size() >= kMaxPathChars) {
    systemCode = kSysFilenameTooLong;
    return nullptr;
  }
  FakeNode* node = m_tree.Find(path);
  if (node != nullptr) return node;
  String name;
  systemCode = m_tree.FindParent(path, name) != nullptr ? kSysFileNotFound : kSysPathNotFound;
  return nullptr;
}

FakeNode* FakeFileSystem::NewEntryParent(const String& path, String& name,
                                         uint32_t& systemCode) const {
  if (path.size() >= kMaxPathChars) {
    systemCode = kSysFilenameTooLong;
    return nullptr;
  }
  FakeNode* parent = m_tree.FindParent(path, name);
  if (parent == nullptr) systemCode = kSysPathNotFound;
  return parent;
}

FsResult FakeFileSystem::GetStatus(const String& path, FileStatus& status) const {
  const Lock lock(m_mutex);
  m_statusLog.push_back(path);
  const FsResult injected = Injected(FakeOp::Status, path);
  if (!injected.Ok()) return injected;
  uint32_t code = 0;
  const FakeNode* node = Reachable(path, code);
  if (node == nullptr) return Fail(code);
  status = RawStatus(*node);
  NormalizeStatus(status);
  return FsResult{};
}

FsResult FakeFileSystem::ListFolder(const String& folder,
                                    std::vector<FolderEntry>& entries) const {
  const Lock lock(m_mutex);
  m_listLog.push_back(folder);
  entries.clear();
  const FsResult injected = Injected(FakeOp::List, folder);
  if (!injected.Ok()) return injected;
  const size_t patternLength = folder.size() + kPatternSuffix - (EndsWithBackslash(folder) ? 1 : 0);
  if (patternLength >= kMaxPathChars) return Fail(kSysFilenameTooLong);
  uint32_t code = 0;
  const FakeNode* node = Reachable(folder, code);
  if (node == nullptr) return Fail(code);
  if (!node->isFolder) return Fail(kSysNotADirectory);
  for (const auto& child : node->children) {
    entries.push_back(
        MakeFolderEntry(child->name, model::JoinPath(folder, child->name), RawStatus(*child)));
  }
  return FsResult{};
}

FsResult FakeFileSystem::ProbeExclusiveRead(const String& path) const {
  const Lock lock(m_mutex);
  const FsResult injected = Injected(FakeOp::Probe, path);
  if (!injected.Ok()) return injected;
  uint32_t code = 0;
  const FakeNode* node = Reachable(path, code);
  if (node == nullptr) return Fail(code);
  // Opening a folder without backup semantics is refused as it is by CreateFileW.
  if (node->isFolder) return Fail(kSysAccessDenied);
  if (node->locked) return Fail(kSysSharingViolation);
  return FsResult{};
}

bool FakeFileSystem::GetVolumeInfo(const String& root, VolumeInfo& info) const {
  const Lock lock(m_mutex);
  ++m_volumeQueries;
  const FakeVolume* volume = m_tree.FindVolume(root);
  if (volume == nullptr) return false;
  info.serial = volume->serial;
  info.fileSystemName = volume->fileSystemName;
  return true;
}

FsResult FakeFileSystem::CreateFolder(const String& path) {
  RunHook(FakeOp::CreateFolder, path);
  const Lock lock(m_mutex);
  const FsResult injected = Injected(FakeOp::CreateFolder, path);
  if (!injected.Ok()) return injected;
  String name;
  uint32_t code = 0;
  if (path.size() < kMaxPathChars && m_tree.Find(path) != nullptr) return Fail(kSysAlreadyExists);
  FakeNode* parent = NewEntryParent(path, name, code);
  if (parent == nullptr) return Fail(code);
  MakeNode(path, true);
  return FsResult{};
}

FsResult FakeFileSystem::CheckFreeTarget(const String& target) const {
  uint32_t code = 0;
  String name;
  const FakeNode* parent = NewEntryParent(target, name, code);
  if (parent == nullptr) return Fail(code);
  if (parent->Child(name) != nullptr) return Fail(kSysFileExists);
  return FsResult{};
}

FsResult FakeFileSystem::ReadCopySource(const String& source, const String& target,
                                        CopiedFile& copied) const {
  const FsResult injected = Injected(FakeOp::Copy, target, source);
  if (!injected.Ok()) return injected;
  uint32_t code = 0;
  const FakeNode* from = Reachable(source, code);
  if (from == nullptr) return Fail(code);
  if (from->isFolder) return Fail(kSysAccessDenied);
  if (from->locked) return Fail(kSysSharingViolation);
  const FsResult free = CheckFreeTarget(target);
  if (!free.Ok()) return free;
  copied = CopiedFile{from->content, from->attributes, from->lastWriteTime};
  return FsResult{};
}

FsResult FakeFileSystem::CopyToPartial(const String& source, const String& partial,
                                       const CopyProgressFn& progress) {
  RunHook(FakeOp::Copy, partial);
  CopiedFile copied;
  bool callsProgress = false;
  {
    const Lock lock(m_mutex);
    const FsResult ready = ReadCopySource(source, partial, copied);
    if (!ready.Ok()) return ready;
    callsProgress = m_copyCallsProgress;
  }
  if (callsProgress && !ReportCopyProgress(copied.content.size(), progress))
    return Fail(kSysRequestAborted);
  const Lock lock(m_mutex);
  // The partial name's folder may have gone or the name been taken meanwhile.
  const FsResult free = CheckFreeTarget(partial);
  if (!free.Ok()) return free;
  FakeNode& copy = MakeNode(partial, false);
  copy.content = std::move(copied.content);
  copy.attributes = copied.attributes;
  copy.lastWriteTime = copied.lastWrite;
  return FsResult{};
}

// The engine's own steps from before the platform did it all on one handle, so that every
// injected failure and hook means what it meant then.
FsResult FakeFileSystem::CopyIntoPlace(const String& source, const String& partial,
                                       const String& target, const CopyProgressFn& progress,
                                       const MakeWayFn& makeWay) {
  const FsResult copied = CopyToPartial(source, partial, progress);
  if (!copied.Ok()) return copied;
  FileStatus status;
  if (GetStatus(source, status)) {
    SetFileTimes(partial, status.creationTime, status.lastAccessTime, status.lastWriteTime);
  }
  FsResult placed = makeWay ? makeWay() : FsResult{};
  if (placed.Ok()) placed = MoveFileTo(partial, target);
  if (!placed.Ok()) RemovePartialCopy(*this, partial);
  return placed;
}

FsResult FakeFileSystem::MoveFileTo(const String& source, const String& target) {
  RunHook(FakeOp::Move, source);
  const Lock lock(m_mutex);
  const FsResult injected = Injected(FakeOp::Move, source, target);
  if (!injected.Ok()) return injected;
  uint32_t code = 0;
  const FakeNode* node = Reachable(source, code);
  if (node == nullptr) return Fail(code);
  if (node->locked) return Fail(kSysSharingViolation);
  String name;
  FakeNode* newParent = NewEntryParent(target, name, code);
  if (newParent == nullptr) return Fail(code);
  if (newParent->Child(name) != nullptr) return Fail(kSysAlreadyExists);
  String oldName;
  FakeNode* oldParent = m_tree.FindParent(source, oldName);
  if (oldParent == nullptr) return Fail(kSysAccessDenied);  // a volume's root stays
  std::unique_ptr<FakeNode> moved = oldParent->Detach(node);
  moved->name = name;
  newParent->children.push_back(std::move(moved));
  return FsResult{};
}

FsResult FakeFileSystem::RemoveFile(const String& path) {
  RunHook(FakeOp::RemoveFile, path);
  const Lock lock(m_mutex);
  const FsResult injected = Injected(FakeOp::RemoveFile, path);
  if (!injected.Ok()) return injected;
  uint32_t code = 0;
  const FakeNode* node = Reachable(path, code);
  if (node == nullptr) return Fail(code);
  if (node->isFolder || IsReadOnly(*node)) return Fail(kSysAccessDenied);
  if (node->locked) return Fail(kSysSharingViolation);
  String name;
  m_tree.FindParent(path, name)->Detach(node);
  return FsResult{};
}

FsResult FakeFileSystem::RemoveFolder(const String& path) {
  RunHook(FakeOp::RemoveFolder, path);
  const Lock lock(m_mutex);
  const FsResult injected = Injected(FakeOp::RemoveFolder, path);
  if (!injected.Ok()) return injected;
  uint32_t code = 0;
  const FakeNode* node = Reachable(path, code);
  if (node == nullptr) return Fail(code);
  if (!node->isFolder) return Fail(kSysNotADirectory);
  if (!node->children.empty()) return Fail(kSysDirNotEmpty);
  String name;
  FakeNode* parent = m_tree.FindParent(path, name);
  if (parent == nullptr) return Fail(kSysAccessDenied);  // a volume's root stays
  parent->Detach(node);
  return FsResult{};
}

FsResult FakeFileSystem::SetAttributes(const String& path, uint32_t attributes) {
  RunHook(FakeOp::SetAttributes, path);
  const Lock lock(m_mutex);
  const FsResult injected = Injected(FakeOp::SetAttributes, path);
  if (!injected.Ok()) return injected;
  uint32_t code = 0;
  FakeNode* node = Reachable(path, code);
  if (node == nullptr) return Fail(code);
  node->attributes = attributes & kAttrStatusMask & ~kAttrDirectory;
  return FsResult{};
}

FsResult FakeFileSystem::SetFileTimes(const String& path, int64_t creationTime,
                                      int64_t lastAccessTime, int64_t lastWriteTime) {
  RunHook(FakeOp::SetTimes, path);
  const Lock lock(m_mutex);
  const FsResult injected = Injected(FakeOp::SetTimes, path);
  if (!injected.Ok()) return injected;
  uint32_t code = 0;
  FakeNode* node = Reachable(path, code);
  if (node == nullptr) return Fail(code);
  if (node->locked) return Fail(kSysSharingViolation);
  node->creationTime = creationTime;
  node->lastAccessTime = lastAccessTime;
  node->lastWriteTime = lastWriteTime;
  return FsResult{};
}

}  // namespace vl::test
