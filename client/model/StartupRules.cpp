#include "client/model/StartupRules.h"

namespace vl {

String FolderOfPath(const String& path) {
  const size_t slash = path.rfind(VLT('\\'));
  return slash == String::npos ? String() : path.substr(0, slash);
}

bool IsOnDesktop(const String& programFolder, const String& desktopFolder) {
  return !desktopFolder.empty() && programFolder == desktopFolder;
}

String ChooseDataFolder(const String& programFolder, const String& desktopFolder,
                        const String& documentsFolder) {
  if (IsOnDesktop(programFolder, desktopFolder))
    return JoinPath(documentsFolder, VLT("Vaultline"));
  return programFolder;
}

String ChooseSetFile(const String& foundInConfig, const String& fromCommandLine) {
  return foundInConfig.empty() ? fromCommandLine : foundInConfig;
}

}  // namespace vl
