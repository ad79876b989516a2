#include "updater/logic/UpdateQueue.h"

#include <algorithm>
#include <limits>

#include "core/rules/AsciiCase.h"

namespace vl::updater {
namespace {

bool Contains(const std::vector<String>& names, StringView name) {
  return std::any_of(names.begin(), names.end(),
                     [&](const String& seen) { return EqualsIgnoringAsciiCase(seen, name); });
}

uint64_t AddSaturating(uint64_t a, uint64_t b) {
  return b > std::numeric_limits<uint64_t>::max() - a ? std::numeric_limits<uint64_t>::max()
                                                      : a + b;
}

}  // namespace

bool NeedsDownload(const InstalledFile& installed, const CUpdateInfo& entry) {
  if (!installed.exists) return true;
  if (installed.size != static_cast<uint64_t>(entry.m_nSize)) return true;
  return !EqualsIgnoringAsciiCase(installed.productVersion, entry.m_strVersion);
}

UpdateQueue BuildUpdateQueue(const std::vector<CUpdateInfo>& entries,
                             const UpdateFolders& folders, const IInstalledFiles& installed) {
  UpdateQueue queue;
  std::vector<String> seen;
  for (const CUpdateInfo& entry : entries) {
    if (Contains(seen, entry.m_strFileName)) continue;
    seen.push_back(entry.m_strFileName);
    String destination;
    String workPath;
    if (!DestinationFor(entry.m_strFileName, folders, destination) ||
        !WorkPathFor(entry.m_strFileName, folders, workPath))
      continue;
    const InstalledFile current = installed.Query(destination);
    if (current.isFolder || !NeedsDownload(current, entry)) continue;
    CUpdateInfo queued = entry;
    queued.m_strDestination = destination;
    queue.totalBytes = AddSaturating(queue.totalBytes, static_cast<uint64_t>(entry.m_nSize));
    queue.files.push_back(std::move(queued));
  }
  return queue;
}

}  // namespace vl::updater
