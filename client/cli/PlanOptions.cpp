#include "client/cli/PlanOptions.h"

namespace vl {
namespace {

bool SetOnce(bool& flag, const String& arg, String& error) {
  if (flag) {
    error = arg + VLT(" given twice");
    return false;
  }
  flag = true;
  return true;
}

}  // namespace

bool ParsePlanOptions(const std::vector<String>& args, PlanOptions& options, String& error) {
  options = PlanOptions{};
  for (const String& arg : args) {
    bool ok = false;
    if (arg == VLT("--sync")) {
      ok = SetOnce(options.synchronize, arg, error);
    } else if (arg == VLT("--json")) {
      ok = SetOnce(options.json, arg, error);
    } else {
      error = VLT("plan does not take ") + arg;
    }
    if (!ok) return false;
  }
  return true;
}

}  // namespace vl
