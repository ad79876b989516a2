#pragma once
// The system's and the user's folders as the shell names them. Any of them may be empty when
// the system could not say; an empty one is simply not there to compare with.
#include <vector>

#include "core/base/String.h"

namespace vl::remover {

struct KnownFolders {
  String desktop;    // holds the client's shortcut; an install there keeps its data below
  String documents;  // Documents\Vaultline
  String programs;   // the Start menu's Programs, holding the Vaultline group
  String windows;
  String profile;
  std::vector<String> programFiles;  // each Program Files folder the system has
  // Further folders that belong to the user or to everyone: the shared Desktop and Documents,
  // the application-data folders, the temporary folder.
  std::vector<String> shared;
};

}  // namespace vl::remover
