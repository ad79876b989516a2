// The NAS connection's decisions against a fake network: what the connect button refuses,
// when it connects, asks, disconnects or stores nothing, which drive letter a mapping takes,
// and the frame's connect that leaves a mapping alone.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "client/engine/NetworkConnections.h"
#include "client/ui/logic/NasConnection.h"
#include "client/ui/logic/NasDialogLogic.h"
#include "client/ui/logic/NasDriveLetter.h"
#include "resources/client/resource.h"
#include "tests/ui/CallLog.h"

namespace vl::test {
namespace {

constexpr uint32_t kNas = 0x0A010203;    // 10.1.2.3
constexpr uint32_t kOther = 0xC0A80005;  // 192.168.0.5
constexpr uint32_t kAccessDenied = 5;

class FakeNetwork : public INetworkConnections {
 public:
  explicit FakeNetwork(CallLog& log) : m_log(log) {}
  std::set<Char> taken;  // letters whose volume opens
  uint32_t addError = 0;
  uint32_t cancelError = 0;

  uint32_t AddConnection(const String& local, const String& remote, const String& account,
                         const String& password) override {
    m_log.Add("add " + Narrow(local) + " " + Narrow(remote) + " " + Narrow(account) + " " +
              Narrow(password));
    return addError;
  }
  uint32_t CancelConnection(const String& local) override {
    m_log.Add("cancel " + Narrow(local));
    return cancelError;
  }
  String ErrorText(uint32_t code) override {
    return code == kAccessDenied ? VLT("Access denied") : String();
  }
  void StartNet(const String& parameters) override { m_log.Add("net " + Narrow(parameters)); }
  bool VolumeOpens(const String& path) override {
    return path.size() == 6 && taken.count(path[4]) != 0;
  }

 private:
  CallLog& m_log;
};

class RecordingMessages : public INasMessages, public INasDialogView {
 public:
  explicit RecordingMessages(CallLog& log) : m_log(log) {}
  std::vector<bool> answers;

  void Show(TextId text, NasIcon icon) override {
    m_log.Add("show " + std::to_string(text) + " " + std::to_string(static_cast<int>(icon)));
  }
  void ShowText(const String& text, NasIcon) override { m_log.Add("text " + Narrow(text)); }
  bool AskYesNo(TextId text) override {
    m_log.Add("ask " + std::to_string(text));
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question " << text;
      return false;
    }
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  void Focus(NasField field, bool selectAll) override {
    m_log.Add("focus " + std::to_string(static_cast<int>(field)) + (selectAll ? " all" : ""));
  }

 private:
  CallLog& m_log;
};

std::string Shown(TextId text, NasIcon icon) {
  return "show " + std::to_string(text) + " " + std::to_string(static_cast<int>(icon));
}

class NasDialog : public ::testing::Test {
 protected:
  NasDialog() {
    m_settings.m_dwNasAddress = kNas;
    m_settings.m_strNasShare = VLT("Backup");
    m_settings.m_strNasAccount = VLT("admin");
    m_settings.m_strNasPassword = VLT("Secret");
  }
  void ConnectedTo(uint32_t address) {
    m_drive = VLT("X");
    m_address = address;
  }
  bool Press(const NasEntry& entered) {
    NasConnection connection(m_net, m_messages, NasLink{m_drive, m_address});
    return ConnectNasEntry(entered, m_settings, connection, m_messages, m_messages,
                           [this] { return ++m_saves > 0; });
  }
  std::vector<std::string> NetworkCalls() const { return m_log.Only({"add", "cancel", "net"}); }

  CallLog m_log;
  FakeNetwork m_net{m_log};
  RecordingMessages m_messages{m_log};
  CSettings m_settings;
  String m_drive;
  uint32_t m_address = 0;
  int m_saves = 0;
};

TEST_F(NasDialog, AnEntryThatCannotBeUsedIsSentBackWithNothingTriedOrStored) {
  const struct {
    uint32_t address;
    const Char* share;
    TextId message;
    const char* focus;
  } cases[] = {
      {0, VLT("Backup"), IDS_MSG_NAS_BAD_ADDRESS, "focus 1"},
      {0x00010203, VLT("Backup"), IDS_MSG_NAS_BAD_ADDRESS, "focus 1"},
      {kNas, VLT(""), IDS_MSG_NAS_NO_SHARE, "focus 2"},
      {kNas, VLT("a\\b"), IDS_MSG_NAS_BAD_SHARE_CHARS, "focus 2 all"},
      {kNas, VLT("a/b"), IDS_MSG_NAS_BAD_SHARE_CHARS, "focus 2 all"},
      {kNas, VLT("Data:1"), IDS_MSG_NAS_BAD_SHARE_CHARS, "focus 2 all"},
      {kNas, VLT("*"), IDS_MSG_NAS_BAD_SHARE_CHARS, "focus 2 all"},
      {kNas, VLT("why?"), IDS_MSG_NAS_BAD_SHARE_CHARS, "focus 2 all"},
      {kNas, VLT("\"q\""), IDS_MSG_NAS_BAD_SHARE_CHARS, "focus 2 all"},
      {kNas, VLT("<in"), IDS_MSG_NAS_BAD_SHARE_CHARS, "focus 2 all"},
      {kNas, VLT("out>"), IDS_MSG_NAS_BAD_SHARE_CHARS, "focus 2 all"},
      {kNas, VLT("a|b"), IDS_MSG_NAS_BAD_SHARE_CHARS, "focus 2 all"},
  };
  for (const auto& c : cases) {
    m_log.Clear();
    const CSettings before = m_settings;
    EXPECT_FALSE(Press({c.address, c.share, VLT("u"), VLT("p")})) << Narrow(c.share);
    EXPECT_EQ(m_log.Entries(),
              (std::vector<std::string>{Shown(c.message, NasIcon::kExclamation), c.focus}))
        << std::hex << c.address << " " << Narrow(c.share);
    EXPECT_EQ(m_settings.m_strNasShare, before.m_strNasShare);
  }
  EXPECT_EQ(m_saves, 0);
}

TEST_F(NasDialog, BlanksDotsAndAZeroLastOctetAreFine) {
  for (const auto& [address, share] : {std::pair{0x0A000000u, VLT("My Share.v2")},
                                       std::pair{0xFF000001u, VLT(".")}}) {
    m_drive.clear();
    EXPECT_TRUE(Press({address, share, VLT(""), VLT("")})) << Narrow(share);
    EXPECT_EQ(m_settings.m_strNasShare, share);
    EXPECT_EQ(m_settings.m_dwNasAddress, address);
  }
  EXPECT_EQ(NetworkCalls()[0], "add X: \\\\10.0.0.0\\My Share.v2  ");
}

TEST_F(NasDialog, TheStoredValuesInAnyCaseWhileConnectedCloseWithoutConnecting) {
  ConnectedTo(kNas);
  EXPECT_TRUE(Press({kNas, VLT("BACKUP"), VLT("Admin"), VLT("secret")}));
  EXPECT_TRUE(m_log.Entries().empty()) << "no box, no connection";
  EXPECT_EQ(m_settings.m_strNasShare, VLT("BACKUP")) << "what was typed is stored";
  EXPECT_EQ(m_settings.m_strNasAccount, VLT("Admin"));
  EXPECT_EQ(m_settings.m_strNasPassword, VLT("secret"));
  EXPECT_EQ(m_saves, 1);
  EXPECT_EQ(m_drive, VLT("X"));
}

TEST_F(NasDialog, TheStoredValuesWhileNotConnectedConnectAndClose) {
  EXPECT_TRUE(Press(StoredNasEntry(m_settings)));
  EXPECT_EQ(m_log.Entries(),
            (std::vector<std::string>{"add X: \\\\10.1.2.3\\Backup admin Secret",
                                      Shown(IDS_MSG_NAS_CONNECTED, NasIcon::kInformation)}));
  EXPECT_EQ(m_drive, VLT("X"));
  EXPECT_EQ(m_address, kNas);
  EXPECT_EQ(m_saves, 1);
}

TEST_F(NasDialog, AChangeWhileConnectedAsksAndNoLeavesEverything) {
  ConnectedTo(kNas);
  m_messages.answers = {false};
  EXPECT_FALSE(Press({kNas, VLT("Backup"), VLT("admin"), VLT("other")}));
  EXPECT_EQ(m_log.Entries(), (std::vector<std::string>{"ask " + std::to_string(
                                                                 IDS_ASK_NAS_RECONNECT)}));
  EXPECT_EQ(m_settings.m_strNasPassword, VLT("Secret"));
  EXPECT_EQ(m_drive, VLT("X"));
  EXPECT_EQ(m_saves, 0);
}

TEST_F(NasDialog, YesDisconnectsDropsTheEnteredServerAndConnects) {
  ConnectedTo(kNas);
  m_messages.answers = {true};
  EXPECT_TRUE(Press({kOther, VLT("Backup"), VLT("admin"), VLT("other")}));
  EXPECT_EQ(NetworkCalls(), (std::vector<std::string>{
                                "cancel X:", "net use /delete \\\\192.168.0.5",
                                "add X: \\\\192.168.0.5\\Backup admin other"}));
  EXPECT_EQ(m_address, kOther);
  EXPECT_EQ(m_settings.m_dwNasAddress, kOther);
  EXPECT_EQ(m_settings.m_strNasPassword, VLT("other"));
}

TEST_F(NasDialog, AFailedCancelShowsTheSystemsTextAndStaysConnected) {
  ConnectedTo(kNas);
  m_net.cancelError = kAccessDenied;
  m_messages.answers = {true};
  EXPECT_FALSE(Press({kOther, VLT("Backup"), VLT("admin"), VLT("Secret")}));
  EXPECT_EQ(m_log.Only({"text", "add", "net"}), (std::vector<std::string>{"text Access denied"}));
  EXPECT_EQ(m_drive, VLT("X"));
  EXPECT_EQ(m_address, kNas);
  EXPECT_EQ(m_settings.m_dwNasAddress, kNas);
}

TEST_F(NasDialog, AFailedMappingTellsAndStoresNothing) {
  for (const bool lettersLeft : {true, false}) {
    m_log.Clear();
    m_net.addError = lettersLeft ? 1222 : 0;  // no network
    if (!lettersLeft)
      for (Char letter = VLT('D'); letter <= VLT('Z'); ++letter) m_net.taken.insert(letter);
    EXPECT_FALSE(Press({kOther, VLT("Share"), VLT("u"), VLT("p")}));
    EXPECT_EQ(m_log.Only({"show"}),
              (std::vector<std::string>{Shown(IDS_MSG_NAS_NOT_CONNECTED, NasIcon::kError)}));
    EXPECT_EQ(m_log.Only({"add"}).size(), lettersLeft ? 1u : 0u);
    EXPECT_TRUE(m_drive.empty());
    EXPECT_EQ(m_address, 0u);
    EXPECT_EQ(m_settings.m_dwNasAddress, kNas);
  }
  EXPECT_EQ(m_saves, 0);
}

TEST(NasDriveLetter, TakesThePreferredOrTheHighestFreeLetterNeverBelowD) {
  const struct {
    const char* taken;
    const Char* preferred;
    const Char* expected;
  } cases[] = {
      {"", VLT("X"), VLT("X")},   {"", VLT(""), VLT("X")},      {"X", VLT("X"), VLT("Y")},
      {"XY", VLT("X"), VLT("W")}, {"WXY", VLT("X"), VLT("V")},  {"M", VLT("M"), VLT("Y")},
      {"EFGHIJKLMNOPQRSTUVWXY", VLT("X"), VLT("D")},
      {"DEFGHIJKLMNOPQRSTUVWXY", VLT("X"), VLT("")},
  };
  CallLog log;
  for (const auto& c : cases) {
    FakeNetwork net(log);
    for (const char* letter = c.taken; *letter; ++letter) net.taken.insert(Char(*letter));
    EXPECT_EQ(FindFreeDriveLetter(net, c.preferred), c.expected) << "taken " << c.taken;
  }
}

TEST(NasFrameConnection, ConnectsOnlyWhenIdleAndDisconnectsItsOwnServer) {
  CallLog log;
  FakeNetwork net(log);
  RecordingMessages messages(log);
  String drive = VLT("Y");
  uint32_t address = kNas;
  NasConnection connection(net, messages, NasLink{drive, address});
  EXPECT_FALSE(connection.ConnectIfIdle({kOther, VLT("S"), VLT(""), VLT("")}));
  EXPECT_TRUE(log.Entries().empty()) << "a mapping in place is left without a word";

  connection.Disconnect(address);
  EXPECT_EQ(log.Entries(), (std::vector<std::string>{"cancel Y:", "net use /delete \\\\10.1.2.3"}));
  EXPECT_TRUE(drive.empty());
  EXPECT_EQ(address, 0u);
  log.Clear();
  connection.Disconnect(address);
  EXPECT_TRUE(log.Entries().empty()) << "nothing to undo";
}

}  // namespace
}  // namespace vl::test
