#include "client/engine/realtime/ChangeQueue.h"

#include <algorithm>
#include <iterator>

#include "client/engine/PathUtil.h"
#include "client/engine/TickSource.h"

namespace vl {

bool IsDiscardedTempName(StringView name, StringView extension) {
  if (!EqualsNoCase(extension, VLT("TMP"))) return false;
  const size_t first = name.find(extension);
  if (first == StringView::npos) return false;
  const long long before = static_cast<long long>(first) - 1;
  return before >= 1;
}

bool IsReservedChangeName(StringView name) {
  return name.substr(0, 2) == VLT("~$") || name.substr(0, 1) == VLT("$");
}

void CChangeQueue::UseLongForm(ChangeText& field) const {
  const String path = GetChangeText(field);
  if (path.empty()) return;
  const String longForm = m_longNames.LongPathOf(path);
  if (longForm.empty() || EqualsNoCase(longForm, path)) return;
  // A long form that does not fit leaves the path as it was (SetChangeText would empty it).
  ChangeText replaced;
  if (SetChangeText(replaced, longForm)) std::copy(std::begin(replaced), std::end(replaced), field);
}

ChangeDisposition CChangeQueue::Accept(CHANGE_EVENT& event, const String& backupFolder) {
  if (EqualsNoCase(GetChangeText(event.verdict), CHANGE_VERDICT_BLOCK))
    return ChangeDisposition::Blocked;
  UseLongForm(event.sourcePath);
  UseLongForm(event.destinationPath);
  const String source = GetChangeText(event.sourcePath);
  const String destination = GetChangeText(event.destinationPath);
  if (!backupFolder.empty() && (source.find(backupFolder) != String::npos ||
                                destination.find(backupFolder) != String::npos))
    return ChangeDisposition::InBackupFolder;
  const uint32_t now = m_ticks.TickCount();
  CHANGE_RECORD record = MakeChangeRecord(event, now);
  const String sourceName = GetChangeText(record.sourceName);
  const String destinationName = GetChangeText(record.destinationName);
  if (IsReservedChangeName(sourceName) || IsReservedChangeName(destinationName))
    return ChangeDisposition::ReservedName;
  if (IsDiscardedTempName(sourceName, GetChangeText(record.sourceExtension)) ||
      IsDiscardedTempName(destinationName, GetChangeText(record.destinationExtension)))
    return ChangeDisposition::TempFile;

  std::lock_guard<std::mutex> lock(m_lock);
  for (auto it = m_records.rbegin(); it != m_records.rend(); ++it) {
    if (TicksSince(it->tick, now) >= kChangeMergeMs) continue;
    if (!EqualsNoCase(GetChangeText(it->sourceName), sourceName) ||
        !EqualsNoCase(GetChangeText(it->event.sourcePath), source) ||
        !EqualsNoCase(GetChangeText(it->event.destinationPath), destination))
      continue;
    it->tick = now;
    std::copy(std::begin(event.action), std::end(event.action), it->event.action);
    return ChangeDisposition::Merged;
  }
  m_records.push_back(record);
  return ChangeDisposition::Queued;
}

std::vector<CHANGE_RECORD> CChangeQueue::TakeAll() {
  std::lock_guard<std::mutex> lock(m_lock);
  std::vector<CHANGE_RECORD> taken(m_records.begin(), m_records.end());
  m_records.clear();
  return taken;
}

void CChangeQueue::PutBack(std::vector<CHANGE_RECORD> records) {
  std::lock_guard<std::mutex> lock(m_lock);
  m_records.insert(m_records.begin(), records.begin(), records.end());
}

bool CChangeQueue::IsEmpty() const {
  std::lock_guard<std::mutex> lock(m_lock);
  return m_records.empty();
}

size_t CChangeQueue::Count() const {
  std::lock_guard<std::mutex> lock(m_lock);
  return m_records.size();
}

std::vector<CHANGE_RECORD> CChangeQueue::Records() const {
  std::lock_guard<std::mutex> lock(m_lock);
  return std::vector<CHANGE_RECORD>(m_records.begin(), m_records.end());
}

}  // namespace vl
