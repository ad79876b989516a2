#include "client/engine/realtime/ChangeIntake.h"

#include "client/engine/PathUtil.h"
#include "client/model/SourceList.h"

namespace vl {

bool CChangeIntake::BelowAnItem(const CSourceList& items, const String& path) const {
  const String changed = FoldName(path);
  for (const auto& item : items) {
    const String itemPath = FoldName(item->path);
    const bool equal = changed == itemPath;
    const bool prefix = !equal && changed.compare(0, itemPath.size(), itemPath) == 0;
    if (!equal && !prefix) continue;
    // A single-file item is skipped as if it were not in the list.
    if (item->IsFile(m_fs)) continue;
    return prefix;
  }
  return false;
}

std::unique_ptr<CHANGE_EVENT> CChangeIntake::OnDirectoryChange(const CSourceList& items,
                                                               uint32_t action,
                                                               const String& path) {
  if (action < FILE_CHANGE_ADDED || action > FILE_CHANGE_RENAMED_NEW) return nullptr;
  if (!BelowAnItem(items, path)) return nullptr;
  if (action == FILE_CHANGE_RENAMED_OLD) {
    m_pendingOldName = path;
    return nullptr;
  }
  if (action == FILE_CHANGE_RENAMED_NEW && m_pendingOldName.empty()) return nullptr;

  std::unique_ptr<CHANGE_EVENT> event = MakeChangeEvent();
  bool fits = true;
  if (action == FILE_CHANGE_RENAMED_NEW) {
    fits = SetChangeText(event->action, CHANGE_ACTION_RENAME) &&
           SetChangeText(event->sourcePath, m_pendingOldName) &&
           SetChangeText(event->destinationPath, path);
    m_pendingOldName.clear();
  } else {
    const Char* name =
        action == FILE_CHANGE_REMOVED ? CHANGE_ACTION_DELETE : CHANGE_ACTION_CREATE_WRITE;
    fits = SetChangeText(event->action, name) && SetChangeText(event->sourcePath, path);
  }
  if (!fits) return nullptr;
  SetChangeText(event->verdict, CHANGE_VERDICT_PASS);
  SetChangeText(event->operation, CHANGE_OPERATION);
  return event;
}

}  // namespace vl
