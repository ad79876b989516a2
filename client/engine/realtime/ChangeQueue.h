#pragma once
// The change queue of real-time backup: the change-event handler (message 2027)
// filters an event and merges bursts on the user-interface thread; the processing thread takes
// the waiting records out for a pass and puts back what it could not do yet. One mutex guards
// the records, and it is never held while files are copied.
#include <cstdint>
#include <list>
#include <mutex>
#include <vector>

#include "client/engine/realtime/ChangeEvent.h"
#include "core/base/String.h"

namespace vl {

class ITickSource;

// The platform's long-path conversion of a path (at most 260 characters); empty when it fails.
class ILongPathNames {
 public:
  virtual ~ILongPathNames() = default;
  virtual String LongPathOf(const String& path) const = 0;
};

// Records younger than this take a new event for the same path instead of a record of its own.
constexpr uint32_t kChangeMergeMs = 1000;

// What became of an event handed to the queue.
enum class ChangeDisposition {
  Queued,          // a new record at the end of the queue
  Merged,          // a young record for the same path was refreshed (and took its action)
  Blocked,         // verdict BLOCK
  InBackupFolder,  // a path lies inside the backup target in use
  ReservedName,    // a name begins with "~$" or "$"
  TempFile,        // a name with the extension TMP and something before it
};

class CChangeQueue {
 public:
  CChangeQueue(const ILongPathNames& longNames, const ITickSource& ticks)
      : m_longNames(longNames), m_ticks(ticks) {}

  // The change-event handler, except for its first check, the processing thread's absence,
  // which is the caller's. event's paths are replaced by their long forms where those differ; backupFolder
  // is the target folder in use, m_strBackupFolder, searched for case-sensitively anywhere in
  // either path (an empty one discards nothing). A new event for the path of a record younger
  // than kChangeMergeMs makes the record young again and gives it the newer event's action,
  // so a DELETE followed by a CREATE WRITE is copied after all.
  ChangeDisposition Accept(CHANGE_EVENT& event, const String& backupFolder);

  // The processing thread's side. TakeAll empties the queue and hands over its records in
  // order; PutBack puts records a pass could not do yet in front of those that arrived during
  // the pass, both in their own order, so the queue stays in order of first arrival.
  std::vector<CHANGE_RECORD> TakeAll();
  void PutBack(std::vector<CHANGE_RECORD> records);

  bool IsEmpty() const;
  size_t Count() const;
  // A copy of the waiting records in order, for looking at.
  std::vector<CHANGE_RECORD> Records() const;

 private:
  void UseLongForm(ChangeText& field) const;

  const ILongPathNames& m_longNames;
  const ITickSource& m_ticks;
  mutable std::mutex m_lock;
  std::list<CHANGE_RECORD> m_records;
};

// The temporary-file rule for one name and its extension: TMP in any case with at least one character
// before it, the part before being what precedes the first occurrence of the extension text in
// the name, less one (so ".tmp" stays, and so does "tmp.tmp", whose first "tmp" opens it).
bool IsDiscardedTempName(StringView name, StringView extension);

// The reserved-name rule: the name begins with "~$" or with "$".
bool IsReservedChangeName(StringView name);

}  // namespace vl
