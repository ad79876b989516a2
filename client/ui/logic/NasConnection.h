#pragma once
// The NAS share the client maps to a drive letter, and the mapping undone again. The frame
// holds the state (the letter and the server's address); the dialog and the frame each make a
// NasConnection over it with their own window as the owner of the messages.
#include <cstdint>

#include "client/engine/NetworkConnections.h"
#include "client/engine/TextProvider.h"
#include "client/ui/logic/NasEntry.h"
#include "core/base/String.h"

namespace vl {

enum class NasIcon { kInformation, kExclamation, kQuestion, kError };

// The message boxes of the connection and the dialog.
class INasMessages {
 public:
  virtual ~INasMessages() = default;
  virtual void Show(TextId text, NasIcon icon) = 0;
  // A text of the system's, as it is.
  virtual void ShowText(const String& text, NasIcon icon) = 0;
  // True for Yes.
  virtual bool AskYesNo(TextId text) = 0;
};

// The mapping the client made: letter without colon, empty while there is none.
struct NasLink {
  String& drive;
  uint32_t& address;
};

class NasConnection {
 public:
  NasConnection(INetworkConnections& net, INasMessages& messages, NasLink link)
      : m_net(net), m_messages(messages), m_link(link) {}

  bool Connected() const { return !m_link.drive.empty(); }

  // With a mapping in place, asks whether to replace it and, on Yes, cancels it first; false
  // when the old mapping stays (the user said No, or the cancel failed). The dialog's way.
  bool Reconnect(const NasEntry& entry);
  // Maps entry's share unless there is a mapping already, which it leaves without a word; the
  // frame's way, at start-up and when the settings are applied.
  bool ConnectIfIdle(const NasEntry& entry);
  // Cancels the mapping, then has net.exe drop what else the system holds to server (the
  // server about to be used, or the one just left). A failure is told and changes nothing.
  void Disconnect(uint32_t server);

 private:
  bool Map(const NasEntry& entry);

  INetworkConnections& m_net;
  INasMessages& m_messages;
  NasLink m_link;
};

}  // namespace vl
