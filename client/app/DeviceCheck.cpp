#include "client/app/DeviceCheck.h"

#include <windows.h>

#include "client/ui/IBackupDialog.h"
#include "core/rules/TargetRule.h"

namespace vl {
namespace {

bool VolumeAnswers(const String& root) {
  // A drive without a medium must not bring up the system's "insert a disk" box.
  const UINT previous = ::SetErrorMode(SEM_FAILCRITICALERRORS);
  const BOOL answered =
      ::GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0);
  ::SetErrorMode(previous);
  return answered != FALSE;
}

}  // namespace

bool IsTargetReachable(const String& backupPath) {
  const String volume = DriveRootVolumeOf(backupPath);
  if (!volume.empty()) return VolumeAnswers(volume);
  return ::GetFileAttributesW(backupPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ReportTargetState(bool reachable, int32_t& targetReady, ITargetLine* line) {
  targetReady = reachable ? 1 : 0;
  if (line) line->SetTargetLineColour(static_cast<COLORREF>(TargetLineColour(reachable)));
}

}  // namespace vl
