#pragma once
// What the installation needs of the system, one call a step, so that its order and the places
// where it stops can be followed without Windows.
#include <cstdint>

#include "core/base/String.h"
#include "installer/logic/Payloads.h"

namespace vl::installer {

// The messages an installation can stop with; each program maps them to its own texts.
enum class InstallMessage {
  chooseFolder,      // no usable install folder, or it could not be made
  chooseVolume,      // removable installation without a selected volume
  shortcutFailed,    // the shell would not make a shortcut
  vaultlineRunning,  // the client or the updater runs and holds its files
};

struct Shortcut {
  String target;
  String arguments;
  String description;
  String workingFolder;
};

class IInstallHost {
 public:
  virtual ~IInstallHost() = default;

  // The client or the updater is running (their named mutexes exist).
  virtual bool IsVaultlineRunning() = 0;
  virtual bool CreateFolder(const String& path) = 0;
  virtual bool FolderExists(const String& path) = 0;
  // Removing a file that is not there is no failure; the result is not needed.
  virtual void DeleteFile(const String& path) = 0;
  // 0 once the payload is at path, whole; otherwise the system's error code, and path is as
  // it was before.
  virtual uint32_t WritePayload(Payload payload, const String& path) = 0;
  // False when the shell would not make or save the link.
  virtual bool SaveShortcut(const Shortcut& link, const String& linkPath) = 0;
  // Copies over an existing file.
  virtual void CopyFile(const String& from, const String& to) = 0;
  // Where the remover finds the installation; a failure leaves a working installation.
  virtual void RecordInstallRoot(const String& folder) = 0;

  virtual void ShowMessage(InstallMessage message) = 0;
  // Names the file and the system's text for code.
  virtual void ShowWriteFailure(const String& path, uint32_t code) = 0;
  // The completion question; true to start the client now.
  virtual bool AskToLaunch() = 0;
  virtual void Launch(const String& program) = 0;
};

}  // namespace vl::installer
