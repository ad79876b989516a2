// The NAS connection's decisions against a fake network: what the connect button refuses,
// when it connects, asks, disconnects or stores nothing, which drive letter a mapping takes,
// and the frame's connect that leaves a mapping alone.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "client/ui/logic/NasDialogLogic.h"
#include "client/ui/logic/NasDriveLetter.h"
#include "resources/client/resource.h"
#include "tests/ui/CallLog.h"

namespace vl::test {
namespace {

using Calls = std::vector<std::string>;
constexpr uint32_t kNas = 0x0A010203;    // 10.1.2.3
constexpr uint32_t kOther = 0xC0A80005;  // 192.168.0.5
constexpr uint32_t kAccessDenied = 5;

std::string Said(TextId text) { return "say " + std::to_string(text); }

// The network, the boxes and the dialog's fields in one record of what was asked of them.
class FakeWorld : public INetworkConnections, public INasMessages, public INasDialogView {
 public:
  CallLog log;
  std::set<Char> taken;  // letters whose volume opens
  uint32_t addError = 0;
  uint32_t cancelError = 0;
  bool answer = false;

  uint32_t AddConnection(const String& local, const String& remote, const String& account,
                         const String& password) override {
    log.Add("add " + Narrow(local + VLT(' ') + remote + VLT(' ') + account + VLT(' ') +
                            password));
    return addError;
  }
  uint32_t CancelConnection(const String& local) override {
    log.Add("cancel " + Narrow(local));
    return cancelError;
  }
  String ErrorText(uint32_t code) override {
    return code == kAccessDenied ? VLT("Access denied") : String();
  }
  void StartNet(const String& parameters) override { log.Add("net " + Narrow(parameters)); }
  bool VolumeOpens(const String& path) override { return taken.count(path.at(4)) != 0; }
  void Show(TextId text, NasIcon) override { log.Add(Said(text)); }
  void ShowText(const String& text, NasIcon) override { log.Add("text " + Narrow(text)); }
  bool AskYesNo(TextId text) override {
    log.Add("ask " + std::to_string(text));
    return answer;
  }
  void Focus(NasField field, bool all) override {
    log.Add("focus " + std::to_string(static_cast<int>(field)) + (all ? " all" : ""));
  }
};

class NasDialog : public ::testing::Test {
 protected:
  NasDialog() {
    m_settings.m_dwNasAddress = kNas;
    m_settings.m_strNasShare = VLT("Backup");
    m_settings.m_strNasAccount = VLT("admin");
    m_settings.m_strNasPassword = VLT("Secret");
  }
  bool Press(const NasEntry& entered) {
    NasConnection connection(m_world, m_world, NasLink{m_drive, m_address});
    return ConnectNasEntry(entered, m_settings, connection, m_world, m_world,
                           [this] { return ++m_saves > 0; });
  }
  void ExpectStored(const NasEntry& entry) {
    EXPECT_EQ(m_settings.m_dwNasAddress, entry.address);
    EXPECT_EQ(m_settings.m_strNasShare, entry.share);
    EXPECT_EQ(m_settings.m_strNasPassword, entry.password);
  }

  FakeWorld m_world;
  CSettings m_settings;
  String m_drive;
  uint32_t m_address = 0;
  int m_saves = 0;
};

TEST_F(NasDialog, AnEntryIsRefusedWithItsReasonOrTried) {
  const NasEntry stored = StoredNasEntry(m_settings);
  const struct {
    uint32_t address;
    const Char* share;
    Calls expected;
  } cases[] = {
      {0, VLT("Backup"), {Said(IDS_MSG_NAS_BAD_ADDRESS), "focus 1"}},
      {0x00010203, VLT("Backup"), {Said(IDS_MSG_NAS_BAD_ADDRESS), "focus 1"}},
      {kNas, VLT(""), {Said(IDS_MSG_NAS_NO_SHARE), "focus 2"}},
      {0x0A000000, VLT("My Share.v2"),
       {"add X: \\\\10.0.0.0\\My Share.v2 u p", Said(IDS_MSG_NAS_CONNECTED)}},
  };
  for (const Char* share : {VLT("a\\b"), VLT("a/b"), VLT("D:"), VLT("*"), VLT("?"), VLT("\"q"),
                            VLT("<"), VLT(">"), VLT("a|b")}) {
    m_world.log.Clear();
    EXPECT_FALSE(Press({kNas, share, VLT("u"), VLT("p")}));
    EXPECT_EQ(m_world.log.Entries(), (Calls{Said(IDS_MSG_NAS_BAD_SHARE_CHARS), "focus 2 all"}))
        << Narrow(share);
  }
  // The one entry that is tried comes last: everything before it stores nothing.
  for (const auto& c : cases) {
    ExpectStored(stored);
    m_world.log.Clear();
    Press({c.address, c.share, VLT("u"), VLT("p")});
    EXPECT_EQ(m_world.log.Entries(), c.expected) << Narrow(c.share);
  }
}

TEST_F(NasDialog, WhileConnectedOnlyAChangeAsksAndYesReplacesTheMapping) {
  const std::string ask = "ask " + std::to_string(IDS_ASK_NAS_RECONNECT);
  const struct {
    NasEntry entered;
    bool answer;
    uint32_t cancelError;
    bool stored;
    Calls expected;
  } cases[] = {
      // Letter case is no change, and what was typed replaces the stored text.
      {{kNas, VLT("BACKUP"), VLT("Admin"), VLT("secret")}, false, 0, true, {}},
      {{kNas, VLT("Backup"), VLT("admin"), VLT("new")}, false, 0, false, {ask}},
      {{kOther, VLT("Backup"), VLT("admin"), VLT("new")}, true, 0, true,
       {ask, "cancel X:", "net use /delete \\\\192.168.0.5",
        "add X: \\\\192.168.0.5\\Backup admin new", Said(IDS_MSG_NAS_CONNECTED)}},
      {{kOther, VLT("Backup"), VLT("admin"), VLT("new")}, true, kAccessDenied, false,
       {ask, "cancel X:", "text Access denied"}},
  };
  for (const auto& c : cases) {
    m_world.log.Clear();
    m_drive = VLT("X");
    m_address = kNas;
    const NasEntry before = StoredNasEntry(m_settings);
    m_world.answer = c.answer;
    m_world.cancelError = c.cancelError;
    EXPECT_EQ(Press(c.entered), c.stored) << Narrow(c.entered.password);
    EXPECT_EQ(m_world.log.Entries(), c.expected) << Narrow(c.entered.password);
    ExpectStored(c.stored ? c.entered : before);
    EXPECT_EQ(m_drive, VLT("X")) << "a mapping stays unless it was replaced";
    EXPECT_EQ(m_address, c.stored ? c.entered.address : kNas);
    m_settings.m_dwNasAddress = kNas;
  }
  EXPECT_EQ(m_saves, 2);
}

TEST_F(NasDialog, NotConnectedTheEntryIsStoredOnlyWhenTheShareWasMapped) {
  const NasEntry stored = StoredNasEntry(m_settings);
  EXPECT_TRUE(Press(stored));
  EXPECT_EQ(m_world.log.Entries(), (Calls{"add X: \\\\10.1.2.3\\Backup admin Secret",
                                          Said(IDS_MSG_NAS_CONNECTED)}));
  EXPECT_EQ(m_drive, VLT("X"));
  EXPECT_EQ(m_saves, 1);

  const NasEntry other{kOther, VLT("Share"), VLT("u"), VLT("p")};
  for (const bool lettersLeft : {true, false}) {
    m_drive.clear();
    m_address = 0;
    m_world.log.Clear();
    m_world.addError = 1222;  // no network
    if (!lettersLeft)
      for (Char letter = VLT('D'); letter <= VLT('Z'); ++letter) m_world.taken.insert(letter);
    EXPECT_FALSE(Press(other));
    EXPECT_EQ(m_world.log.Only({"say"}), (Calls{Said(IDS_MSG_NAS_NOT_CONNECTED)}));
    EXPECT_EQ(m_world.log.Only({"add"}).size(), lettersLeft ? 1u : 0u);
    EXPECT_TRUE(m_drive.empty());
    EXPECT_EQ(m_address, 0u);
    ExpectStored(stored);
  }
  EXPECT_EQ(m_saves, 1);
}

TEST(NasDriveLetter, TakesThePreferredOrTheHighestFreeLetterNeverBelowD) {
  const struct {
    const char* taken;
    const Char* preferred;
    const Char* expected;
  } cases[] = {
      {"", VLT(""), VLT("X")},      {"X", VLT("X"), VLT("Y")},
      {"XY", VLT("X"), VLT("W")},   {"M", VLT("M"), VLT("Y")},
      {"EFGHIJKLMNOPQRSTUVWXY", VLT("X"), VLT("D")},
      {"DEFGHIJKLMNOPQRSTUVWXY", VLT("X"), VLT("")},
  };
  for (const auto& c : cases) {
    FakeWorld world;
    for (const char* letter = c.taken; *letter; ++letter) world.taken.insert(Char(*letter));
    EXPECT_EQ(FindFreeDriveLetter(world, c.preferred), c.expected) << "taken " << c.taken;
  }
}

TEST(NasFrameConnection, ConnectsOnlyWhenIdleAndDisconnectsItsOwnServer) {
  FakeWorld world;
  String drive = VLT("Y");
  uint32_t address = kNas;
  NasConnection connection(world, world, NasLink{drive, address});
  EXPECT_FALSE(connection.ConnectIfIdle({kOther, VLT("S"), VLT(""), VLT("")}));
  EXPECT_TRUE(world.log.Entries().empty()) << "a mapping in place is left without a word";
  connection.Disconnect(address);
  connection.Disconnect(address);
  EXPECT_EQ(world.log.Entries(), (Calls{"cancel Y:", "net use /delete \\\\10.1.2.3"}));
  EXPECT_TRUE(drive.empty());
  EXPECT_EQ(address, 0u);
}

}  // namespace
}  // namespace vl::test
