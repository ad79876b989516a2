#pragma once
// The installation's steps on this computer: the client's and the updater's mutexes, real
// folders and files, the payloads from the resources, shell links, the install key under
// HKEY_LOCAL_MACHINE, and message boxes over the installer's dialog.
#include <windows.h>

#include "installer/logic/InstallHost.h"

namespace vl::installer {

class CInstallHost : public IInstallHost {
 public:
  // Message boxes are owned by dialog.
  explicit CInstallHost(HWND dialog) : m_hDialog(dialog) {}

  bool IsVaultlineRunning() override;
  bool CreateFolder(const String& path) override;
  bool FolderExists(const String& path) override;
  void DeleteFile(const String& path) override;
  uint32_t WritePayload(Payload payload, const String& path) override;
  bool SaveShortcut(const Shortcut& link, const String& linkPath) override;
  void CopyFile(const String& from, const String& to) override;
  void RecordInstallRoot(const String& folder) override;
  void ShowMessage(InstallMessage message) override;
  void ShowWriteFailure(const String& path, uint32_t code) override;
  bool AskToLaunch() override;
  void Launch(const String& program) override;

 private:
  HWND m_hDialog;
};

}  // namespace vl::installer
