#pragma once
// Real-time backup as the main frame owns it: the drive watchers, the change intake and queue,
// the processing thread with its processor, Wine's folder warm-up and the answer to lost
// changes. The frame hands over the messages and says when to start and stop; everything that
// touches files runs here, off the user-interface thread, except the checks of one change.
#include <windows.h>

#include <functional>
#include <memory>

#include "client/engine/Clock.h"
#include "client/engine/realtime/ChangeIntake.h"
#include "client/engine/realtime/ChangeProcessor.h"
#include "client/engine/realtime/ChangeQueue.h"
#include "client/engine/realtime/LostChanges.h"
#include "client/engine/realtime/ProcessingLoop.h"
#include "client/platform/FileSystemWin32.h"
#include "client/platform/LongPathNamesWin32.h"
#include "client/platform/SystemTicks.h"
#include "client/realtime/DriveWatchSet.h"
#include "client/realtime/FolderWarmup.h"

namespace vl {

class CSettings;
class CSourceList;

class CRealTimeBackup : private IRealTimeTrace {
 public:
  using TraceFn = std::function<void(const String& line)>;
  // trace gets the debug lines (from any thread); runActive says whether a backup run is
  // active, asked on the processing thread before every pass.
  CRealTimeBackup(TraceFn trace, std::function<bool()> runActive);
  // Stops the watchers and waits for the processing thread.
  ~CRealTimeBackup() override;
  CRealTimeBackup(const CRealTimeBackup&) = delete;
  CRealTimeBackup& operator=(const CRealTimeBackup&) = delete;

  // Watches the fixed drives for notify and starts the processing thread unless it runs.
  void Start(HWND notify, const CSourceList& items, const CSettings& settings);
  // Ends the watchers (waiting for them) and asks the processing thread to stop; waiting
  // records stay queued for the next start.
  void Stop();
  // True while the processing thread runs (and has not been asked to stop).
  bool IsProcessing() const { return m_loop.IsRunning(); }
  // The items and settings the next pass works with.
  void UpdateScope(const CSourceList& items, const CSettings& settings);

  // A watcher's change (WM_DIRECTORY_CHANGE): the event to post to the frame, or null.
  std::unique_ptr<CHANGE_EVENT> OnDirectoryChange(const CSourceList& items, uint32_t action,
                                                  const String& path);
  // The frame's event (WM_CHANGE_EVENT); backupFolder is m_strBackupFolder.
  void OnChangeEvent(CHANGE_EVENT& event, const String& backupFolder);
  // A watcher lost changes (WM_CHANGES_LOST).
  void OnChangesLost();
  // True once lost changes call for a backup run now (see CLostChanges).
  bool TakeRescanDue(bool canStart);
  bool RescanPending() const { return m_lost.Pending(); }

 private:
  void Trace(const String& line) override;
  void Pass(const std::atomic<bool>& stop);

  TraceFn m_trace;
  std::function<bool()> m_runActive;
  platform::FileSystemWin32 m_fs;
  SystemClock m_clock;
  SystemTickSource m_ticks;
  LongPathNamesWin32 m_longNames;
  CChangeIntake m_intake;
  CChangeQueue m_queue;
  CChangeProcessor m_processor;
  CLostChanges m_lost;
  CDriveWatchSet m_watchers;
  CFolderWarmup m_warmup;
  // Last: its thread uses the members above, so it must end before they go.
  CProcessingLoop m_loop;
};

}  // namespace vl
