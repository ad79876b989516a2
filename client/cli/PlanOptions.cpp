#include "client/cli/PlanOptions.h"

#include "client/cli/FlagOnce.h"

namespace vl {

bool ParsePlanOptions(const std::vector<String>& args, PlanOptions& options, String& error) {
  options = PlanOptions{};
  for (const String& arg : args) {
    bool ok = false;
    if (arg == VLT("--sync")) {
      ok = SetFlagOnce(options.synchronize, arg, error);
    } else if (arg == VLT("--json")) {
      ok = SetFlagOnce(options.json, arg, error);
    } else if (arg == VLT("--stats")) {
      ok = SetFlagOnce(options.stats, arg, error);
    } else {
      error = VLT("plan does not take ") + arg;
    }
    if (!ok) return false;
  }
  return true;
}

}  // namespace vl
