#pragma once
// One watch entry: the thread that watches a whole drive for changes and posts each one that
// is not excluded to the notify window (RealTimeMessages.h).
#include <windows.h>

#include <atomic>
#include <functional>

#include "client/engine/realtime/WatchExclusions.h"
#include "core/base/String.h"
#include "win32/handles/FileHandle.h"
#include "win32/handles/KernelHandle.h"

namespace vl {

// What all watchers of one set read; it outlives them.
struct WatchShared {
  HWND notify = nullptr;
  const std::atomic<bool>* running = nullptr;  // the threads end once it is false
  const WatchExclusions* exclusions = nullptr;
};

// Makes a change in the drive root so that a blocking read there returns; false when it could
// not (no right to write in the root, say).
using WakeDrive = std::function<bool(const String& root)>;

// The owner joins the thread (Join) before it destroys the watcher.
class CDriveWatcher {
 public:
  CDriveWatcher(String root, const WatchShared& shared);
  CDriveWatcher(const CDriveWatcher&) = delete;
  CDriveWatcher& operator=(const CDriveWatcher&) = delete;

  // Starts the thread; false (GetLastError set) when it could not be made.
  bool Start();
  // Ends the thread once running is false: wakes its read with wake, and where that fails or
  // does not end it, cancels the read until the thread has ended. Returns only then.
  void Join(const WakeDrive& wake);

  const String& Root() const { return m_root; }
  DWORD ThreadId() const { return m_threadId; }

 private:
  static DWORD WINAPI ThreadMain(void* self);
  void Watch();
  bool Running() const { return m_shared.running->load(); }
  void Report(const unsigned char* records, DWORD bytes);
  void ReportLost();
  bool Ended(DWORD waitMs) const;
  void CancelUntilEnded();

  const String m_root;  // "C:\"; set before the thread starts, never changed
  const WatchShared m_shared;
  win32::KernelHandle m_thread;
  DWORD m_threadId = 0;
  // Opened by the thread, published for Join's cancel, and closed only with this object, after
  // the thread has ended, so a cancel never reaches a handle value that was reused meanwhile.
  win32::FileHandle m_directory;
  std::atomic<HANDLE> m_openDirectory{INVALID_HANDLE_VALUE};
};

}  // namespace vl
