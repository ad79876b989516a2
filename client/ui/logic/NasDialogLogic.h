#pragma once
// What the NAS dialog's connect button does with what the user entered: check it, connect
// with it unless it is what the client is connected with already, and only then store it.
#include <functional>

#include "client/model/Settings.h"
#include "client/ui/logic/NasConnection.h"
#include "client/ui/logic/NasEntry.h"

namespace vl {

// The dialog's controls as its logic needs them.
class INasDialogView {
 public:
  virtual ~INasDialogView() = default;
  // Puts the focus on field, its whole text selected and in view when selectAll.
  virtual void Focus(NasField field, bool selectAll) = 0;
};

// The four NAS values of the settings.
NasEntry StoredNasEntry(const CSettings& settings);

// True when entered was stored and the set saved (or tried to be: a failed save is told by
// save itself and the settings keep the entry); the dialog then closes with OK. False leaves
// it open with nothing stored, the user told why.
bool ConnectNasEntry(const NasEntry& entered, CSettings& settings, NasConnection& connection,
                     INasMessages& messages, INasDialogView& view,
                     const std::function<bool()>& save);

}  // namespace vl
