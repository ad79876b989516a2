#include "installer/logic/Payloads.h"

#include "installer/logic/InstallPaths.h"

namespace vl::installer {

std::vector<PayloadTarget> PayloadTargets(InstallKind kind, StringView targetFolder,
                                          StringView windowsFolder) {
  std::vector<PayloadTarget> targets{
      {Payload::client, JoinPath(targetFolder, VLT("Vaultline.exe"))}};
  if (kind == InstallKind::removable) return targets;
  targets.push_back({Payload::updater, JoinPath(targetFolder, VLT("VLUpdate.exe"))});
  targets.push_back({Payload::remover, JoinPath(windowsFolder, VLT("VLRemove.exe"))});
  return targets;
}

}  // namespace vl::installer
