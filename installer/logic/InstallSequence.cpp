#include "installer/logic/InstallSequence.h"

#include <vector>

#include "installer/logic/FolderText.h"
#include "installer/logic/InstallPaths.h"

namespace vl::installer {
namespace {

constexpr StringView kClientLinkName = VLT("Vaultline.lnk");

struct TargetFolder {
  String path;
  // Made before anything is written, outermost first; a folder the user chose is not made.
  std::vector<String> toCreate;
};

// Stops (after the message) on anything that would put the files somewhere unintended.
bool ChooseTarget(const InstallRequest& request, const InstallFolders& folders,
                  IInstallHost& host, TargetFolder& target) {
  if (request.kind == InstallKind::removable) {
    if (request.volumeRoot.empty()) {
      host.ShowMessage(InstallMessage::chooseVolume);
      return false;
    }
    target.path = RemovableFolder(request.volumeRoot);
    target.toCreate = {target.path};
    return true;
  }
  if (!IsUsableInstallFolder(request.folderText)) {
    host.ShowMessage(InstallMessage::chooseFolder);
    return false;
  }
  target.path = request.folderText;
  if (IsDefaultFolder(request.folderText, request.defaultFolder))
    target.toCreate = {VendorFolder(folders.programFiles),
                       DefaultInstallFolder(folders.programFiles)};
  return true;
}

bool CreateTarget(const TargetFolder& target, IInstallHost& host) {
  for (const String& folder : target.toCreate) {
    // A folder that is there already is just as good; only its absence afterwards counts.
    host.CreateFolder(folder);
    if (!host.FolderExists(folder)) {
      host.ShowMessage(InstallMessage::chooseFolder);
      return false;
    }
  }
  return true;
}

bool WritePayloads(const std::vector<PayloadTarget>& payloads, IInstallHost& host) {
  for (const PayloadTarget& target : payloads) {
    const uint32_t code = host.WritePayload(target.payload, target.path);
    if (code != 0) {
      host.ShowWriteFailure(target.path, code);
      return false;
    }
  }
  return true;
}

String PathOf(const std::vector<PayloadTarget>& payloads, Payload payload) {
  for (const PayloadTarget& target : payloads)
    if (target.payload == payload) return target.path;
  return String();
}

// Both links are made on the desktop and copied into the Start menu's own folder; the desktop
// keeps the client's link only when the user asked for it.
bool MakeShortcuts(const InstallRequest& request, const InstallFolders& folders,
                   const String& targetFolder, const std::vector<PayloadTarget>& payloads,
                   IInstallHost& host) {
  const Shortcut client{PathOf(payloads, Payload::client), VLT("/check"), VLT("Vaultline"),
                        targetFolder};
  const Shortcut remover{PathOf(payloads, Payload::remover), String(), request.uninstallName,
                         folders.windows};
  const String removerLinkName = request.uninstallName + VLT(".lnk");
  const String desktopClient = JoinPath(folders.desktop, kClientLinkName);
  const String desktopRemover = JoinPath(folders.desktop, removerLinkName);
  // Without the user's folders the links would land in the root of the current drive.
  if (folders.desktop.empty() || folders.programs.empty() ||
      !host.SaveShortcut(client, desktopClient)) {
    host.ShowMessage(InstallMessage::shortcutFailed);
    return false;
  }
  if (!host.SaveShortcut(remover, desktopRemover)) {
    if (!request.desktopIcon) host.DeleteFile(desktopClient);
    host.ShowMessage(InstallMessage::shortcutFailed);
    return false;
  }
  const String menuFolder = JoinPath(folders.programs, VLT("Vaultline"));
  host.CreateFolder(menuFolder);
  host.CopyFile(desktopClient, JoinPath(menuFolder, kClientLinkName));
  host.CopyFile(desktopRemover, JoinPath(menuFolder, removerLinkName));
  if (!request.desktopIcon) host.DeleteFile(desktopClient);
  host.DeleteFile(desktopRemover);
  return true;
}

}  // namespace

InstallOutcome RunInstall(const InstallRequest& request, const InstallFolders& folders,
                          IInstallHost& host) {
  TargetFolder target;
  if (!ChooseTarget(request, folders, host, target)) return InstallOutcome::stayed;
  // A running client or updater holds the files open: writing would fail half-way.
  if (host.IsVaultlineRunning()) {
    host.ShowMessage(InstallMessage::vaultlineRunning);
    return InstallOutcome::stayed;
  }
  if (!CreateTarget(target, host)) return InstallOutcome::stayed;
  const std::vector<PayloadTarget> payloads =
      PayloadTargets(request.kind, target.path, folders.windows);
  // Each program replaces an earlier one only once it is whole, so the earlier programs are not
  // deleted first: a write that fails leaves the installation there was.
  if (!WritePayloads(payloads, host)) return InstallOutcome::stayed;
  if (request.kind == InstallKind::pc) {
    if (!MakeShortcuts(request, folders, target.path, payloads, host))
      return InstallOutcome::stayed;
    host.RecordInstallRoot(target.path);
  }
  if (host.AskToLaunch()) host.Launch(payloads.front().path);
  return InstallOutcome::finished;
}

}  // namespace vl::installer
