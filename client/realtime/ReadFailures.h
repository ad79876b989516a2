#pragma once
// What a drive watcher does after each read of the directory changes. Most failed reads are
// retried at once, but a watcher must not spin on a read that keeps failing, nor go on with
// one that can never succeed again.
#include <windows.h>

namespace vl {

enum class ReadOutcome {
  kRecords,  // walk the records that came back
  kLost,     // the system dropped changes (its buffer overflowed): tell the frame to rescan
  kRetry,    // read again at once
  kPause,    // too many failures in a row: wait a little, then read again
  kEnd,      // a failure that repeats forever: the thread ends and the drive is not watched
};

class ReadFailures {
 public:
  // The next step after a read that ended with error (ERROR_SUCCESS when it succeeded) and
  // returned bytes.
  ReadOutcome Judge(DWORD error, DWORD bytes);

  static constexpr DWORD kPauseMs = 200;

 private:
  unsigned m_inARow = 0;
};

}  // namespace vl
