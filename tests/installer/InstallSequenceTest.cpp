// One press of the install button against the in-memory machine: where the files go for each
// way of naming the folder, where the installation stops and what it has done by then, the
// shortcuts with and without the desktop icon, and the end.
#include <gtest/gtest.h>

#include <functional>

#include "installer/logic/InstallSequence.h"
#include "tests/installer/FakeInstallHost.h"

namespace vl::installer {
namespace {

using test::FakeInstallHost;
using Files = std::map<String, std::string>;
using Names = std::set<String>;

const String kProgramFiles = VLT("C:\\Program Files");
const String kVendor = VLT("C:\\Program Files\\Kestrava");
const String kDefault = VLT("C:\\Program Files\\Kestrava\\Vaultline");
const String kWindows = VLT("C:\\windows");
const String kDesktop = VLT("C:\\users\\me\\Desktop");
const String kPrograms = VLT("C:\\users\\me\\Start Menu\\Programs");
const String kMenuFolder = kPrograms + VLT("\\Vaultline");
const String kUninstall = VLT("Uninstall Vaultline");
const String kRemover = VLT("C:\\windows\\VLRemove.exe");
constexpr uint32_t kDiskFull = 112;

Files PcFiles(const String& folder) {
  return {{folder + VLT("Vaultline.exe"), "client"},
          {folder + VLT("VLUpdate.exe"), "updater"},
          {kRemover, "remover"}};
}

class InstallSequenceTest : public testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void Reset() {
    host = FakeInstallHost();
    host.folders = {kProgramFiles, kWindows, kDesktop, kPrograms};
  }
  static InstallRequest Pc(const String& folder) {
    InstallRequest request;
    request.folderText = folder;
    request.defaultFolder = kDefault;
    request.uninstallName = kUninstall;
    return request;
  }
  static InstallRequest Removable(const String& root) {
    InstallRequest request = Pc(kDefault);
    request.kind = InstallKind::removable;
    request.volumeRoot = root;
    return request;
  }
  InstallOutcome Run(const InstallRequest& request) { return RunInstall(request, folders, host); }

  InstallFolders folders{kProgramFiles, kWindows, kDesktop, kPrograms};
  FakeInstallHost host;
};

TEST_F(InstallSequenceTest, FolderTextDecidesWhereFilesGoAndWhatIsCreated) {
  const struct {
    const char* name;
    String typed;
    String folder;  // with its final backslash
    std::vector<String> created;
  } cases[] = {
      {"final backslash", VLT("D:\\Apps\\"), VLT("D:\\Apps\\"), {kMenuFolder}},
      {"no final backslash", VLT("D:\\Apps"), VLT("D:\\Apps\\"), {kMenuFolder}},
      {"another folder, used as it is", VLT("D:\\Picked"), VLT("D:\\Picked\\"), {kMenuFolder}},
      {"default folder", kDefault, kDefault + VLT("\\"), {kVendor, kDefault, kMenuFolder}},
      {"default in other letter case", VLT("c:\\PROGRAM FILES\\kestrava\\VAULTLINE"),
       VLT("c:\\PROGRAM FILES\\kestrava\\VAULTLINE\\"), {kVendor, kDefault, kMenuFolder}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    EXPECT_EQ(Run(Pc(c.typed)), InstallOutcome::finished);
    EXPECT_EQ(host.created, c.created);
    EXPECT_EQ(host.files, PcFiles(c.folder));
    EXPECT_EQ(host.installRoot, c.typed);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.launched, std::vector<String>{c.folder + VLT("Vaultline.exe")});
  }
}

TEST_F(InstallSequenceTest, StopsWithAMessageAndWritesNothingAfterTheStop) {
  const struct {
    const char* name;
    InstallRequest request;
    std::function<void(FakeInstallHost&, InstallFolders&)> arrange;
    InstallMessage message;
    Files files;
  } cases[] = {
      {"empty folder", Pc(String()), {}, InstallMessage::chooseFolder, {}},
      {"relative folder", Pc(VLT("Apps")), {}, InstallMessage::chooseFolder, {}},
      {"drive-relative folder", Pc(VLT("D:Apps")), {}, InstallMessage::chooseFolder, {}},
      {"invalid character", Pc(VLT("D:\\Ap|ps")), {}, InstallMessage::chooseFolder, {}},
      {"too long", Pc(VLT("D:\\") + String(250, 'a')), {}, InstallMessage::chooseFolder, {}},
      {"default folder cannot be made", Pc(kDefault),
       [](FakeInstallHost& h, InstallFolders&) { h.uncreatable = {kDefault}; },
       InstallMessage::chooseFolder, {}},
      {"removable, none selected", Removable(String()), {}, InstallMessage::chooseVolume, {}},
      {"removable folder cannot be made", Removable(VLT("E:\\")),
       [](FakeInstallHost& h, InstallFolders&) { h.uncreatable = {VLT("E:\\Vaultline")}; },
       InstallMessage::chooseFolder, {}},
      {"client running, default folder not made", Pc(kDefault),
       [](FakeInstallHost& h, InstallFolders&) { h.running = true; },
       InstallMessage::vaultlineRunning, {}},
      {"shortcuts unavailable", Pc(VLT("D:\\Apps")),
       [](FakeInstallHost& h, InstallFolders&) { h.shortcutsFail = true; },
       InstallMessage::shortcutFailed, PcFiles(VLT("D:\\Apps\\"))},
      {"no desktop folder", Pc(VLT("D:\\Apps")),
       [](FakeInstallHost&, InstallFolders& f) { f.desktop.clear(); },
       InstallMessage::shortcutFailed, PcFiles(VLT("D:\\Apps\\"))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    folders = {kProgramFiles, kWindows, kDesktop, kPrograms};
    if (c.arrange) c.arrange(host, folders);
    EXPECT_EQ(Run(c.request), InstallOutcome::stayed);
    EXPECT_EQ(host.messages, std::vector<InstallMessage>{c.message});
    EXPECT_EQ(host.files, c.files);
    EXPECT_TRUE(!c.files.empty() || host.folders.count(kDefault) == 0);
    EXPECT_TRUE(host.links.empty());
    EXPECT_FALSE(host.installRoot);
    EXPECT_FALSE(host.asked);
  }
}

TEST_F(InstallSequenceTest, PayloadThatCannotBeWrittenIsNamedAndStopsTheInstallation) {
  host.files[VLT("D:\\Apps\\VLUpdate.exe")] = "old updater";
  host.writeFailures[Payload::updater] = kDiskFull;
  EXPECT_EQ(Run(Pc(VLT("D:\\Apps"))), InstallOutcome::stayed);
  EXPECT_EQ(host.writeFailure, std::make_pair(String(VLT("D:\\Apps\\VLUpdate.exe")), kDiskFull));
  // The client went before it; the updater that could not be replaced is still the old one,
  // and the remover, the shortcuts and the registry never came.
  EXPECT_EQ(host.files, (Files{{VLT("D:\\Apps\\VLUpdate.exe"), "old updater"},
                               {VLT("D:\\Apps\\Vaultline.exe"), "client"}}));
  EXPECT_TRUE(host.links.empty());
  EXPECT_FALSE(host.installRoot);
  EXPECT_FALSE(host.asked);
}

TEST_F(InstallSequenceTest, DesktopBoxDecidesOnlyTheDesktopLink) {
  for (bool desktopIcon : {true, false}) {
    SCOPED_TRACE(desktopIcon);
    Reset();
    InstallRequest request = Pc(VLT("D:\\Apps"));
    request.desktopIcon = desktopIcon;
    EXPECT_EQ(Run(request), InstallOutcome::finished);
    EXPECT_EQ(host.LinksIn(kDesktop),
              desktopIcon ? Names{VLT("Vaultline.lnk")} : Names{});
    EXPECT_EQ(host.LinksIn(kMenuFolder),
              (Names{VLT("Vaultline.lnk"), VLT("Uninstall Vaultline.lnk")}));
  }
  const Shortcut& client = host.links.at(kMenuFolder + VLT("\\Vaultline.lnk"));
  EXPECT_EQ(client.target, VLT("D:\\Apps\\Vaultline.exe"));
  EXPECT_EQ(client.arguments, VLT("/check"));
  EXPECT_EQ(client.workingFolder, VLT("D:\\Apps"));
  const Shortcut& remover = host.links.at(kMenuFolder + VLT("\\Uninstall Vaultline.lnk"));
  EXPECT_EQ(remover.target, kRemover);
  EXPECT_EQ(remover.description, kUninstall);
  EXPECT_EQ(remover.workingFolder, kWindows);
}

TEST_F(InstallSequenceTest, RemovableDiskGetsTheClientAlone) {
  EXPECT_EQ(Run(Removable(VLT("E:\\"))), InstallOutcome::finished);
  EXPECT_EQ(host.created, std::vector<String>{VLT("E:\\Vaultline")});
  EXPECT_EQ(host.files, (Files{{VLT("E:\\Vaultline\\Vaultline.exe"), "client"}}));
  EXPECT_TRUE(host.links.empty());
  EXPECT_FALSE(host.installRoot);
}

TEST_F(InstallSequenceTest, NoToTheQuestionEndsWithoutStartingTheClient) {
  host.answerLaunch = false;
  EXPECT_EQ(Run(Pc(kDefault)), InstallOutcome::finished);
  EXPECT_TRUE(host.asked);
  EXPECT_TRUE(host.launched.empty());
}

}  // namespace
}  // namespace vl::installer
