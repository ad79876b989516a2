#pragma once
// The drive watcher set: one thread per fixed drive, each watching its whole drive and posting
// the changes outside the excluded folders to the notify window (RealTimeMessages.h). Which
// item a change belongs to is the receiver's business.
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "client/engine/realtime/WatchExclusions.h"
#include "client/realtime/DriveWatcher.h"
#include "core/base/String.h"

namespace vl {

struct DriveWatchOptions {
  std::vector<String> excludedFolders;
  std::function<std::vector<String>()> driveRoots;  // the roots to watch at each Start
  WakeDrive wake;                                   // how Stop ends a blocking read
};

// This machine's: SystemExcludedFolders, FixedDriveRoots, WakeByFile.
DriveWatchOptions SystemDriveWatchOptions();

class CDriveWatchSet {
 public:
  CDriveWatchSet();
  explicit CDriveWatchSet(DriveWatchOptions options);
  ~CDriveWatchSet();  // stops and joins the threads
  CDriveWatchSet(const CDriveWatchSet&) = delete;
  CDriveWatchSet& operator=(const CDriveWatchSet&) = delete;

  // Watches the drives present now (a set already running is stopped first). Returns after a
  // short pause, so that the threads have their first reads in place. False, watching
  // nothing, when notify is not a window: the posted paths would never be freed.
  bool Start(HWND notify);
  // Ends every thread and returns once all have ended, also where a drive root cannot be
  // written. Nothing is posted after it returns.
  void Stop();
  bool IsRunning() const { return m_running.load(); }

 private:
  const DriveWatchOptions m_options;
  const WatchExclusions m_exclusions;
  std::atomic<bool> m_running{false};
  WatchShared m_shared;
  std::vector<std::unique_ptr<CDriveWatcher>> m_entries;
};

}  // namespace vl
