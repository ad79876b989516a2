#include "client/ui/logic/NasDialogLogic.h"

namespace vl {

NasEntry StoredNasEntry(const CSettings& settings) {
  return NasEntry{settings.m_dwNasAddress, settings.m_strNasShare, settings.m_strNasAccount,
                  settings.m_strNasPassword};
}

bool ConnectNasEntry(const NasEntry& entered, CSettings& settings, NasConnection& connection,
                     INasMessages& messages, INasDialogView& view,
                     const std::function<bool()>& save) {
  const NasEntryProblem problem = CheckNasEntry(entered);
  if (problem.message != 0) {
    messages.Show(problem.message, NasIcon::kExclamation);
    view.Focus(problem.field, problem.selectAll);
    return false;
  }
  const bool unchanged =
      connection.Connected() && SameNasEntry(entered, StoredNasEntry(settings));
  if (!unchanged && !connection.Reconnect(entered)) return false;
  // What the user typed replaces the stored text even where it differs only in letter case.
  settings.m_dwNasAddress = entered.address;
  settings.m_strNasShare = entered.share;
  settings.m_strNasAccount = entered.account;
  settings.m_strNasPassword = entered.password;
  if (save) save();
  return true;
}

}  // namespace vl
