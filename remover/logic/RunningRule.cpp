#include "remover/logic/RunningRule.h"

#include "core/rules/AsciiCase.h"

namespace vl::remover {

bool IsClientOrUpdater(StringView exeName) {
  const size_t slash = exeName.find_last_of(VLT("\\/"));
  const StringView name = slash == StringView::npos ? exeName : exeName.substr(slash + 1);
  return EqualsIgnoringAsciiCase(name, VLT("Vaultline.exe")) ||
         EqualsIgnoringAsciiCase(name, VLT("VLUpdate.exe"));
}

bool AnyClientOrUpdater(const std::vector<String>& exeNames) {
  for (const String& name : exeNames) {
    if (IsClientOrUpdater(name)) return true;
  }
  return false;
}

}  // namespace vl::remover
