#include "client/realtime/ReadFailures.h"

namespace vl {
namespace {

constexpr unsigned kFailuresBeforePause = 8;

// These come back the same on every retry: the handle lost its right to the directory or is
// gone with its volume (access denied, invalid handle), or the file system cannot watch at all
// or refuses the request as made (invalid function, not supported, invalid parameter).
bool NeverHeals(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_INVALID_HANDLE:
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_PARAMETER:
      return true;
    default:
      return false;
  }
}

}  // namespace

ReadOutcome ReadFailures::Judge(DWORD error, DWORD bytes) {
  if (error == ERROR_SUCCESS || error == ERROR_NOTIFY_ENUM_DIR) {
    m_inARow = 0;
    return error == ERROR_SUCCESS && bytes > 0 ? ReadOutcome::kRecords : ReadOutcome::kLost;
  }
  if (NeverHeals(error)) return ReadOutcome::kEnd;
  return ++m_inARow % kFailuresBeforePause == 0 ? ReadOutcome::kPause : ReadOutcome::kRetry;
}

}  // namespace vl
