#include "client/ui/logic/NasConnection.h"

#include "client/engine/TextFormat.h"
#include "client/ui/logic/NasDriveLetter.h"

namespace vl {

bool NasConnection::Reconnect(const NasEntry& entry) {
  if (Connected() && m_messages.AskYesNo(IDS_ASK_NAS_RECONNECT)) Disconnect(entry.address);
  if (Connected()) return false;
  return Map(entry);
}

bool NasConnection::ConnectIfIdle(const NasEntry& entry) {
  if (Connected()) return false;
  return Map(entry);
}

bool NasConnection::Map(const NasEntry& entry) {
  const String letter = FindFreeDriveLetter(m_net, VLT("X"));
  const bool mapped =
      !letter.empty() &&
      m_net.AddConnection(letter + VLT(':'), NasRemoteName(entry.address, entry.share),
                          entry.account, entry.password) == 0;
  if (!mapped) {
    m_messages.Show(IDS_MSG_NAS_NOT_CONNECTED, NasIcon::kError);
    return false;
  }
  m_link.drive = letter;
  m_link.address = entry.address;
  m_messages.Show(IDS_MSG_NAS_CONNECTED, NasIcon::kInformation);
  return true;
}

void NasConnection::Disconnect(uint32_t server) {
  if (!Connected()) return;
  const uint32_t error = m_net.CancelConnection(m_link.drive + VLT(':'));
  if (error != 0) {
    const String text = m_net.ErrorText(error);
    // A code the system has no words for is still a failure the user must see.
    m_messages.ShowText(text.empty() ? DecimalText(error) : text, NasIcon::kError);
    return;
  }
  // The cancel leaves the session to the server standing, and with it the account it was made
  // with; a new mapping to the same server with another account would be refused.
  m_net.StartNet(VLT("use /delete ") + NasServerName(server));
  m_link.drive.clear();
  m_link.address = 0;
}

}  // namespace vl
