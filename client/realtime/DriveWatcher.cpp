#include "client/realtime/DriveWatcher.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "client/engine/realtime/NotifyRecords.h"
#include "client/realtime/ReadFailures.h"
#include "client/realtime/RealTimeMessages.h"
#include "win32/IoCancel.h"

namespace vl {
namespace {

constexpr DWORD kBufferBytes = 0x40000;
// Last access is left out: reading a file must not look like a change to back up.
constexpr DWORD kNotifyFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                                FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE |
                                FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_CREATION;
// A woken thread only finishes the records in hand; one that takes longer than this missed
// its wake-up and is cancelled instead.
constexpr DWORD kWakeWaitMs = 500;
constexpr DWORD kCancelRetryMs = 20;

bool IsReportedAction(uint32_t action) {
  return action >= FILE_ACTION_ADDED && action <= FILE_ACTION_RENAMED_NEW_NAME;
}

void PostChange(HWND notify, uint32_t action, const String& path) {
  wchar_t* copy = new wchar_t[path.size() + 1];
  std::copy(path.c_str(), path.c_str() + path.size() + 1, copy);
  if (!PostMessageW(notify, WM_DIRECTORY_CHANGE, action, reinterpret_cast<LPARAM>(copy))) {
    delete[] copy;
  }
}

}  // namespace

CDriveWatcher::CDriveWatcher(String root, const WatchShared& shared)
    : m_root(std::move(root)), m_shared(shared) {}

bool CDriveWatcher::Start() {
  m_thread.Reset(CreateThread(nullptr, 0, &CDriveWatcher::ThreadMain, this, 0, &m_threadId));
  return m_thread.IsValid();
}

DWORD WINAPI CDriveWatcher::ThreadMain(void* self) {
  static_cast<CDriveWatcher*>(self)->Watch();
  return 0;
}

void CDriveWatcher::Watch() {
  if (m_root.empty()) return;
  if (!m_directory.Open(m_root, FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED)) {
    return;
  }
  m_openDirectory.store(m_directory.Get());
  // Whole words, as the records are laid out.
  std::vector<DWORD> buffer(kBufferBytes / sizeof(DWORD));
  ReadFailures failures;
  while (Running()) {
    DWORD bytes = 0;
    const BOOL read = ReadDirectoryChangesW(m_directory.Get(), buffer.data(), kBufferBytes, TRUE,
                                            kNotifyFilter, &bytes, nullptr, nullptr);
    const DWORD error = read ? ERROR_SUCCESS : GetLastError();
    if (!Running()) break;
    const ReadOutcome outcome = failures.Judge(error, bytes);
    if (outcome == ReadOutcome::kEnd) break;
    if (outcome == ReadOutcome::kPause) Sleep(ReadFailures::kPauseMs);
    if (outcome == ReadOutcome::kLost) ReportLost();
    if (outcome == ReadOutcome::kRecords) {
      Report(reinterpret_cast<const unsigned char*>(buffer.data()), bytes);
    }
  }
}

void CDriveWatcher::Report(const unsigned char* records, DWORD bytes) {
  const bool whole = WalkNotifyRecords(records, bytes, [this](uint32_t action,
                                                              const String& name) {
    if (!Running()) return false;
    if (!IsReportedAction(action)) return true;
    const String path = m_root + name;
    if (!m_shared.exclusions->Excludes(path)) PostChange(m_shared.notify, action, path);
    return true;
  });
  if (!whole) ReportLost();
}

void CDriveWatcher::ReportLost() {
  PostMessageW(m_shared.notify, WM_CHANGES_LOST, m_root[0], 0);
}

void CDriveWatcher::Join(const WakeDrive& wake) {
  if (!m_thread) return;
  if (!Ended(0) && (!wake || !wake(m_root) || !Ended(kWakeWaitMs))) CancelUntilEnded();
  m_thread.Reset();
}

bool CDriveWatcher::Ended(DWORD waitMs) const {
  // A wait that fails outright counts as ended: Join must never hang on it.
  return WaitForSingleObject(m_thread.Get(), waitMs) != WAIT_TIMEOUT;
}

// The directory is open for overlapped use, so its blocking read is an asynchronous request
// the thread waits on: CancelIoEx on the handle ends it; CancelSynchronousIo covers a system
// that runs it synchronously. The thread may be just before its read when a cancel comes, so
// the cancel is repeated until the thread has ended.
void CDriveWatcher::CancelUntilEnded() {
  do {
    const HANDLE directory = m_openDirectory.load();
    if (directory != INVALID_HANDLE_VALUE) win32::CancelFileIo(directory);
    win32::CancelThreadIo(m_thread.Get());
  } while (!Ended(kCancelRetryMs));
}

}  // namespace vl
