#include "client/engine/TargetCheck.h"

#include "client/model/PathJoin.h"
#include "client/model/Settings.h"
#include "core/fs/FileSystem.h"
#include "core/rules/TargetRule.h"

namespace vl {

String DefaultTargetFolder(const String& dataFolder) {
  return model::JoinPath(dataFolder, VLT("Backup"));
}

bool FillDefaultTarget(CSettings& settings, const String& dataFolder) {
  if (!settings.m_strBackupPath.empty()) return false;
  settings.m_strBackupPath = DefaultTargetFolder(dataFolder);
  return true;
}

bool IsTargetReachable(const IFileSystem& fs, const String& target) {
  const String volume = DriveRootVolumeOf(target);
  if (!volume.empty()) {
    VolumeInfo info;
    return fs.GetVolumeInfo(volume, info);
  }
  FileStatus status;
  return fs.GetStatus(target, status).Ok();
}

}  // namespace vl
