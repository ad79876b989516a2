#include "client/engine/realtime/ChangeProcessor.h"

#include <vector>

#include "client/engine/History.h"
#include "client/engine/PathUtil.h"
#include "client/engine/SameFile.h"
#include "client/engine/TextFormat.h"
#include "client/engine/TickSource.h"
#include "client/engine/realtime/ChangeQueue.h"
#include "client/engine/realtime/CopyTree.h"
#include "client/engine/realtime/Ownership.h"
#include "client/engine/realtime/TargetCurrent.h"
#include "client/engine/realtime/TargetMapping.h"
#include "core/fs/FileSystem.h"

namespace vl {
namespace {

bool IsSkippedTargetName(StringView name) {
  return name.substr(0, 2) == VLT("~$") || EqualsNoCase(name, VLT("Thumbs.db"));
}

}  // namespace

void CChangeProcessor::SetScope(RealTimeScope scope) {
  std::lock_guard<std::mutex> lock(m_scopeLock);
  m_scope = std::move(scope);
}

RealTimeScope CChangeProcessor::Scope() const {
  std::lock_guard<std::mutex> lock(m_scopeLock);
  return m_scope;
}

void CChangeProcessor::Trace(const String& line) const {
  if (m_trace != nullptr) m_trace->Trace(line);
}

bool CChangeProcessor::Settled(const CHANGE_RECORD& record) const {
  return TicksSince(record.tick, m_ticks.TickCount()) >= kChangeSettleMs;
}

void CChangeProcessor::ProcessChanges(const PassControl& control) {
  if (m_queue.IsEmpty()) return;
  Trace(VLT("[VAULTLINE]Enter Critical Section on Process"));
  const RealTimeScope scope = Scope();
  VolumeNameCache volumes(m_fs);
  std::vector<CHANGE_RECORD> records = m_queue.TakeAll();
  std::vector<CHANGE_RECORD> notDone;
  for (size_t i = 0; i < records.size(); ++i) {
    if (i > 0) {
      if (control.pause) control.pause();
      if (control.stopRequested && control.stopRequested()) {
        notDone.insert(notDone.end(), records.begin() + static_cast<std::ptrdiff_t>(i),
                       records.end());
        break;
      }
    }
    if (ProcessRecord(records[i], scope, volumes) == ChangeOutcome::NotDone)
      notDone.push_back(records[i]);
  }
  m_queue.PutBack(std::move(notDone));
  Trace(VLT("[VAULTLINE]Leave Critical Section on Process"));
}

ChangeOutcome CChangeProcessor::ProcessRecord(const CHANGE_RECORD& record,
                                              const RealTimeScope& scope,
                                              VolumeNameCache& volumes) {
  const String action = GetChangeText(record.event.action);
  if (action == CHANGE_ACTION_CREATE_WRITE) return ProcessCreate(record, scope, volumes);
  if (action == CHANGE_ACTION_DELETE) return ChangeOutcome::Done;
  if (action == CHANGE_ACTION_RENAME) return ProcessRename(record, scope, volumes);
  return ChangeOutcome::NotDone;
}

ChangeOutcome CChangeProcessor::ProcessCreate(const CHANGE_RECORD& record,
                                              const RealTimeScope& scope,
                                              VolumeNameCache& volumes) {
  const String source = GetChangeText(record.event.sourcePath);
  Trace(VLT("[VAULTLINE][ProcessCreate]") + source + VLT(" -> ") +
        GetChangeText(record.event.destinationPath) + VLT("\n"));
  if (!Settled(record)) return ChangeOutcome::NotDone;
  const int32_t ownership = CheckOwnership(m_fs, source);
  if (ownership == OWNERSHIP_HELD) return ChangeOutcome::NotDone;
  if (ownership != OWNERSHIP_FREE) return ChangeOutcome::Done;
  const String target = MapChangeToTarget(m_fs, scope, source);
  if (target.empty()) return ChangeOutcome::Done;
  FileStatus status;
  if (!m_fs.GetStatus(source, status)) return ChangeOutcome::Done;
  FileStatus existing;
  const bool targetExists = m_fs.GetStatus(target, existing).Ok();
  if (status.IsFolder()) {
    if (targetExists) return ChangeOutcome::Done;
    return m_fs.CreateFolder(target) ? ChangeOutcome::Done : ChangeOutcome::NotDone;
  }
  if (IsSkippedTargetName(PathLastPart(target))) return ChangeOutcome::Done;
  if (targetExists && existing.IsFolder()) {
    // A folder of the file's name in the target does not go away by retrying.
    Trace(VLT("[VAULTLINE][ProcessCreate]Dropped, a folder is in the way: ") + target +
          VLT("\n"));
    return ChangeOutcome::Dropped;
  }
  if (targetExists && IsTargetCurrent(m_fs, volumes, source, target)) return ChangeOutcome::Done;
  const RealTimeCopier copier{m_fs, m_clock, volumes, scope.historyMode};
  return CopyIntoTarget(copier, source, target, false) ? ChangeOutcome::Done
                                                       : ChangeOutcome::NotDone;
}

ChangeOutcome CChangeProcessor::ProcessRename(const CHANGE_RECORD& record,
                                              const RealTimeScope& scope,
                                              VolumeNameCache& volumes) {
  if (!Settled(record)) return ChangeOutcome::NotDone;
  const String oldPath = GetChangeText(record.event.sourcePath);
  const String newPath = GetChangeText(record.event.destinationPath);
  const int32_t a = CheckOwnership(m_fs, oldPath);
  const int32_t b = CheckOwnership(m_fs, newPath);
  Trace(VLT("[VAULTLINE][ProcessRename]") + oldPath + VLT(" -> ") + newPath +
        VLT("(Ownership = ") + DecimalText(a) + VLT(", ") + DecimalText(b) + VLT(")\n"));
  if (a == OWNERSHIP_HELD || b == OWNERSHIP_HELD) return ChangeOutcome::NotDone;
  if (a == OWNERSHIP_READ_ONLY || b == OWNERSHIP_READ_ONLY) return ChangeOutcome::Done;
  const size_t item = FindRelatedItem(m_fs, scope, oldPath);
  if (item == kNoItem) {
    Trace(VLT("[VAULTLINE][ProcessRename]Dropped, the old path is below no item: ") + oldPath +
          VLT("\n"));
    return ChangeOutcome::Dropped;
  }
  if (EqualsNoCase(scope.itemPaths[item], newPath)) return ChangeOutcome::Done;
  const String oldTarget = MapChangeToTarget(m_fs, scope, oldPath);
  const String newTarget = MapChangeToTarget(m_fs, scope, newPath);
  Trace(VLT("[VAULTLINE][ProcessRename]") + oldTarget + VLT(" -> ") + newTarget + VLT("\n"));
  if (oldTarget.empty() || newTarget.empty()) return ChangeOutcome::Done;
  if (IsHistoryFolderName(PathLastPart(oldTarget)) ||
      IsHistoryFolderName(PathLastPart(newTarget))) {
    Trace(VLT("[VAULTLINE][ProcessRename]Dropped, a history folder: ") + oldTarget + VLT(" -> ") +
          newTarget + VLT("\n"));
    return ChangeOutcome::Dropped;
  }
  const RealTimeCopier copier{m_fs, m_clock, volumes, scope.historyMode};
  FileStatus old;
  const FsResult oldStatus = m_fs.GetStatus(oldTarget, old);
  if (oldStatus.Missing()) {
    // The old name never reached the target (it was renamed before it settled): the backup
    // takes the new name from the source instead, so the change is not lost.
    Trace(VLT("[VAULTLINE][ProcessRename]No old target, copying the source: ") + newPath +
          VLT("\n"));
    return CopyTree(copier, newPath, newTarget, false) ? ChangeOutcome::Done
                                                       : ChangeOutcome::NotDone;
  }
  return CopyTree(copier, oldTarget, newTarget, false) ? ChangeOutcome::Done
                                                       : ChangeOutcome::NotDone;
}

}  // namespace vl
