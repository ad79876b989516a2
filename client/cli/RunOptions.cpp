#include "client/cli/RunOptions.h"

#include "client/cli/FlagOnce.h"
#include "client/cli/IndexArg.h"

namespace vl {
namespace {

bool ParseItemOption(const std::vector<String>& args, size_t& i, RunOptions& options,
                     String& error) {
  if (options.itemIndex >= 0) {
    error = VLT("--item given twice");
    return false;
  }
  if (i + 1 >= args.size() || !ParseIndexArg(args[i + 1], options.itemIndex)) {
    error = VLT("--item needs an item index (0, 1, ...)");
    return false;
  }
  ++i;
  return true;
}

}  // namespace

bool ParseRunOptions(const std::vector<String>& args, RunOptions& options, String& error) {
  options = RunOptions{};
  for (size_t i = 0; i < args.size(); ++i) {
    const String& arg = args[i];
    bool ok = false;
    if (arg == VLT("--sync")) {
      ok = SetFlagOnce(options.synchronize, arg, error);
    } else if (arg == VLT("--json")) {
      ok = SetFlagOnce(options.json, arg, error);
    } else if (arg == VLT("--stats")) {
      ok = SetFlagOnce(options.stats, arg, error);
    } else if (arg == VLT("--item")) {
      ok = ParseItemOption(args, i, options, error);
    } else {
      error = VLT("run does not take ") + arg;
    }
    if (!ok) return false;
  }
  return true;
}

}  // namespace vl
