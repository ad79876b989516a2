#include "client/engine/TargetCheck.h"

#include "client/engine/PathUtil.h"
#include "client/model/PathJoin.h"
#include "client/model/Settings.h"
#include "core/fs/FileSystem.h"

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
  if (EndsWithBackslash(target)) {
    VolumeInfo info;
    return fs.GetVolumeInfo(String{target[0], VLT(':'), VLT('\\')}, info);
  }
  FileStatus status;
  return fs.GetStatus(target, status);
}

}  // namespace vl
