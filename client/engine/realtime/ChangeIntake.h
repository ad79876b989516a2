#pragma once
// The directory-change handler of real-time backup (message 2026), on the
// user-interface thread: which raw changes of the drive watchers lie below a backup item, the
// two halves of a rename, and the change event to post (message 2027).
#include <cstdint>
#include <memory>

#include "client/engine/realtime/ChangeEvent.h"
#include "core/base/String.h"

namespace vl {

class CSourceList;
class IFileSystem;

// The platform's file action codes of a directory change.
enum : uint32_t {
  FILE_CHANGE_ADDED = 1,
  FILE_CHANGE_REMOVED = 2,
  FILE_CHANGE_MODIFIED = 3,
  FILE_CHANGE_RENAMED_OLD = 4,
  FILE_CHANGE_RENAMED_NEW = 5,
};

class CChangeIntake {
 public:
  explicit CChangeIntake(const IFileSystem& fs) : m_fs(fs) {}

  // The event for a change of path with the watcher's action, or null where it is ignored: no
  // folder item has path below it (an item folder's own change, or one below a single-file
  // item only, is ignored), it is the first half of a rename (kept as the pending old name),
  // a second half with no first, an unknown action, or a path too long for an event's text.
  // Items are compared in list order, in any letter case, by a plain text prefix; an item's
  // kind is asked only when its path matches.
  std::unique_ptr<CHANGE_EVENT> OnDirectoryChange(const CSourceList& items, uint32_t action,
                                                  const String& path);

  const String& PendingOldName() const { return m_pendingOldName; }

 private:
  bool BelowAnItem(const CSourceList& items, const String& path) const;

  const IFileSystem& m_fs;
  String m_pendingOldName;
};

}  // namespace vl
