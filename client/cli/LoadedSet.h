#pragma once
// The backup set a command works on, loaded by the same rules for every command.
#include "client/cli/CliArgs.h"
#include "client/model/SourceList.h"
#include "client/model/VaultlineDoc.h"

namespace vl {

// The set in memory, loaded from its file or new.
struct LoadedSet {
  CSourceList items;
  CVaultlineDoc doc{items};
  String dataFolder;  // the client's data folder, for the defaults a run falls back on
  // Started for a --set file that did not exist: saving it must not replace a file that
  // appeared there meanwhile, as a new default set never replaces one.
  bool startedForNewFile = false;
};

// What a --set file that does not exist means to a command.
enum class MissingSetFile {
  Fail,      // the commands that only read the set
  StartNew,  // add and target: a new set with the client's defaults, to be saved to that file
};

// --set FILE or the client's own set (see SetLocation). On failure the reason is on stderr
// and status holds the exit status.
bool LoadSet(const CliCommand& command, LoadedSet& set, int& status,
             MissingSetFile missing = MissingSetFile::Fail);

}  // namespace vl
