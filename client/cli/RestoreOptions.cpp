#include "client/cli/RestoreOptions.h"

#include "client/cli/FlagOnce.h"
#include "client/cli/IndexArg.h"

namespace vl {
namespace {

// The value after args[i] into value, once; i moves past it.
bool TakeValue(const std::vector<String>& args, size_t& i, String& value, StringView what,
               String& error) {
  const String& flag = args[i];
  if (!value.empty()) {
    error = flag + VLT(" given twice");
    return false;
  }
  if (i + 1 >= args.size() || args[i + 1].empty()) {
    error = flag + VLT(" needs ") + String(what);
    return false;
  }
  value = args[++i];
  return true;
}

bool TakeCount(const std::vector<String>& args, size_t& i, int32_t& count, String& error) {
  String text;
  if (count >= 0) {
    error = args[i] + VLT(" given twice");
    return false;
  }
  if (!TakeValue(args, i, text, VLT("a whole number (0, 1, ...)"), error)) return false;
  if (ParseIndexArg(text, count)) return true;
  error = args[i - 1] + VLT(" needs a whole number (0, 1, ...), not ") + text;
  return false;
}

// The one PATH a command takes; anything else that is not a flag is a mistake.
bool TakePath(const String& arg, String& path, StringView verb, String& error) {
  if (!arg.empty() && arg[0] == VLT('-')) {
    error = String(verb) + VLT(" does not take ") + arg;
  } else if (!path.empty()) {
    error = String(verb) + VLT(" takes one PATH, not also ") + arg;
  } else {
    path = arg;
    return true;
  }
  return false;
}

bool HavePath(const String& path, StringView verb, String& error) {
  if (!path.empty()) return true;
  error = String(verb) + VLT(" needs a PATH");
  return false;
}

bool ParseRestoreArg(const std::vector<String>& args, size_t& i, RestoreOptions& options,
                     String& error) {
  const String& arg = args[i];
  if (arg == VLT("--version")) return TakeValue(args, i, options.version, VLT("a STAMP"), error);
  if (arg == VLT("--to")) return TakeValue(args, i, options.toFolder, VLT("a FOLDER"), error);
  if (arg == VLT("--latest")) return SetFlagOnce(options.latest, arg, error);
  if (arg == VLT("--replace")) return SetFlagOnce(options.replace, arg, error);
  return TakePath(arg, options.path, VLT("restore"), error);
}

bool ParsePruneArg(const std::vector<String>& args, size_t& i, PruneOptions& options,
                   String& error) {
  const String& arg = args[i];
  if (arg == VLT("--keep")) return TakeCount(args, i, options.keepNewest, error);
  if (arg == VLT("--older-than")) return TakeCount(args, i, options.olderThanDays, error);
  if (arg == VLT("--dry-run")) return SetFlagOnce(options.dryRun, arg, error);
  error = VLT("history prune does not take ") + arg;
  return false;
}

}  // namespace

bool ParseVersionsOptions(const std::vector<String>& args, VersionsOptions& options,
                          String& error) {
  options = VersionsOptions{};
  for (const String& arg : args) {
    const bool ok = arg == VLT("--json") ? SetFlagOnce(options.json, arg, error)
                                        : TakePath(arg, options.path, VLT("versions"), error);
    if (!ok) return false;
  }
  return HavePath(options.path, VLT("versions"), error);
}

bool ParseRestoreOptions(const std::vector<String>& args, RestoreOptions& options,
                         String& error) {
  options = RestoreOptions{};
  for (size_t i = 0; i < args.size(); ++i) {
    if (!ParseRestoreArg(args, i, options, error)) return false;
  }
  if (options.latest && !options.version.empty()) {
    error = VLT("restore takes --version or --latest, not both");
    return false;
  }
  return HavePath(options.path, VLT("restore"), error);
}

bool ParsePruneOptions(const std::vector<String>& args, PruneOptions& options, String& error) {
  options = PruneOptions{};
  if (args.empty() || args[0] != VLT("prune")) {
    error = VLT("history needs prune");
    return false;
  }
  for (size_t i = 1; i < args.size(); ++i) {
    if (!ParsePruneArg(args, i, options, error)) return false;
  }
  if (options.keepNewest >= 0 || options.olderThanDays >= 0) return true;
  error = VLT("history prune needs --keep N or --older-than DAYS");
  return false;
}

}  // namespace vl
