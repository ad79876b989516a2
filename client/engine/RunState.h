#pragma once
// Everything one backup run shares between the backup dialog, the worker, the analysis and the
// copy. The dialog owns it (through the engine) for its whole life; the lists hold the last
// run's jobs and errors until the next run starts so that the report can show them.
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "client/engine/PauseGate.h"
#include "client/engine/RunStats.h"
#include "client/model/ErrorItem.h"
#include "client/model/JobItem.h"
#include "core/base/String.h"

namespace vl {

using ErrorList = std::vector<std::unique_ptr<CErrorItem>>;

// A target entry that a synchronizing run deleted because its source is gone.
struct DeletedEntry {
  String path;  // on the target
  bool isFolder = false;
};

class CRunState {
 public:
  // Read by other threads (the tray menu, the exit command, real-time processing) without a
  // lock to learn whether a run is active.
  std::atomic<bool> active{false};
  // Written by the user-interface thread while the worker reads it.
  std::atomic<bool> cancelRequested{false};
  // Set by an automatic starter for the next run: no message boxes, no report.
  bool automaticStart = false;
  // Set before a run that deletes from the target what the source no longer has.
  bool synchronize = false;
  // -1: every item; otherwise the list index of the only item to back up.
  int32_t runItemIndex = -1;
  JobList jobList;
  ErrorList errorList;
  std::vector<DeletedEntry> deletedList;  // in the order of deletion
  std::vector<String> skippedItems;       // items not on this computer, by path
  String currentName;        // the name the last progress update showed
  int64_t streamBytesSeen = 0;  // bytes of the current copy already in doneBytes
  bool running = false;      // from start to completion, for the dialog's controls
  RunStats stats;

  // Closed while the cancel question is open; the worker waits at its next check point.
  PauseGate pause;

  // The worker's check point: waits while the run is paused, then tells whether to stop.
  // Other threads read cancelRequested itself, since waiting there could block the thread
  // that paused the run.
  bool CancelRequested() const {
    pause.WaitWhileClosed();
    return cancelRequested.load();
  }
  // The state a run starts from: not cancelled, running, every counter zero.
  void BeginRun();
  // What the completion leaves: the running mark and the one-run flags cleared.
  void EndRun();
  // Destroys the last run's jobs (each folder job its children first), errors, deletions and
  // skipped items.
  void ClearLists();
  void AddError(const String& path, const String& message, uint32_t systemCode = 0);
};

}  // namespace vl
