#pragma once
// The three programs the installer carries and where each one goes. A PC installation gets
// all of them (the remover in the Windows folder, where it can remove the install folder
// without standing in it); a removable disk gets the client alone.
#include <vector>

#include "core/base/String.h"

namespace vl::installer {

enum class Payload { client, updater, remover };

// The numbers are what the dialog's data exchange keeps for the two choices.
enum class InstallKind : int { removable = 0, pc = 1 };

struct PayloadTarget {
  Payload payload;
  String path;
};

// In the order they are written; the client comes first and is the program started at the end.
std::vector<PayloadTarget> PayloadTargets(InstallKind kind, StringView targetFolder,
                                          StringView windowsFolder);

}  // namespace vl::installer
