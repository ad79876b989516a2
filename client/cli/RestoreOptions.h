#pragma once
// The arguments of `vlbackup versions`, `restore` and `history prune`.
#include <cstdint>
#include <vector>

#include "core/base/String.h"

namespace vl {

struct VersionsOptions {
  String path;
  bool json = false;
};

struct RestoreOptions {
  String path;
  String version;       // --version STAMP, as typed; empty without it
  bool latest = false;  // --latest: the newest history copy
  String toFolder;      // --to FOLDER
  bool replace = false;
};

struct PruneOptions {
  int32_t keepNewest = -1;     // --keep N; -1 without it
  int32_t olderThanDays = -1;  // --older-than DAYS; -1 without it
  bool dryRun = false;
};

// Each fails with a one-line reason on an unknown, repeated or incomplete option, a missing
// PATH, or (prune) neither rule given.
bool ParseVersionsOptions(const std::vector<String>& args, VersionsOptions& options,
                          String& error);
bool ParseRestoreOptions(const std::vector<String>& args, RestoreOptions& options, String& error);
// args are what follows "history": "prune" and its options.
bool ParsePruneOptions(const std::vector<String>& args, PruneOptions& options, String& error);

}  // namespace vl
