#include "client/realtime/DriveWatchSet.h"

#include <utility>

#include "client/realtime/WatchDefaults.h"

namespace vl {
namespace {

// Lets the new threads open their drives and issue their first reads before Start returns.
constexpr DWORD kSettleMs = 100;

}  // namespace

DriveWatchOptions SystemDriveWatchOptions() {
  return {SystemExcludedFolders(), &FixedDriveRoots, &WakeByFile};
}

CDriveWatchSet::CDriveWatchSet() : CDriveWatchSet(SystemDriveWatchOptions()) {}

CDriveWatchSet::CDriveWatchSet(DriveWatchOptions options)
    : m_options(std::move(options)), m_exclusions(m_options.excludedFolders) {
  m_shared.running = &m_running;
  m_shared.exclusions = &m_exclusions;
}

CDriveWatchSet::~CDriveWatchSet() { Stop(); }

bool CDriveWatchSet::Start(HWND notify) {
  Stop();
  if (!IsWindow(notify) || !m_options.driveRoots) return false;
  m_shared.notify = notify;
  m_running.store(true);
  for (const String& root : m_options.driveRoots()) {
    m_entries.push_back(std::make_unique<CDriveWatcher>(root, m_shared));
    // A thread that cannot be made leaves its drive unwatched, as a root that cannot be opened.
    if (!m_entries.back()->Start()) m_entries.pop_back();
  }
  Sleep(kSettleMs);
  return true;
}

void CDriveWatchSet::Stop() {
  m_running.store(false);
  for (const auto& entry : m_entries) entry->Join(m_options.wake);
  m_entries.clear();
}

}  // namespace vl
