// The client's start-up seen from outside: a fresh copy of the built program in a temporary
// folder, started as a child whose debug trace the test reads.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include "client/model/BackupSetFile.h"
#include "client/model/PathJoin.h"
#include "tests/win32/ClientLauncher.h"
#include "tests/win32/ShellFolderRedirect.h"
#include "tests/win32/TempFolder.h"
#include "tests/win32/WindowProbe.h"
#include "win32/handles/RegKey.h"

namespace vl::test {
namespace {

// A valid set file whose backup path tells the sets apart.
bool WriteSetFile(const String& path, const String& backupPath) {
  CSourceList sources;
  CVaultlineDoc doc(sources);
  doc.OnNewDocument(backupPath);
  const std::vector<uint8_t> bytes = StoreBackupSet(doc);
  return WriteFileBytes(path, std::string(bytes.begin(), bytes.end()));
}

String FirstListedSetFile(const String& config) {
  WIN32_FIND_DATAW entry{};
  HANDLE find = FindFirstFileW(model::JoinPath(config, L"*.bsf").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return String();
  FindClose(find);
  return model::JoinPath(config, entry.cFileName);
}

class ClientStartup : public ::testing::Test {
 protected:
  // Starts the installed copy and waits until its main frame exists.
  std::unique_ptr<ChildProcess> StartAndWait(const String& exe,
                                             const std::vector<String>& args = {}) {
    auto client = StartClient(exe, args);
    EXPECT_TRUE(client) << "CreateProcessW failed: " << GetLastError();
    if (!client) return nullptr;
    EXPECT_TRUE(client->WaitForOutput(kTraceFrameCreated, kStartTimeoutMs))
        << "output: " << Narrow(client->OutputText());
    return client;
  }

  void ExpectClosesCleanly(ChildProcess& client) {
    ASSERT_TRUE(CloseClient(client)) << "output: " << Narrow(client.OutputText());
    EXPECT_EQ(client.ExitCode(), 0u);
  }

  static std::string Narrow(const String& text) { return std::string(text.begin(), text.end()); }

  TempFolder m_folder;
};

TEST_F(ClientStartup, CreatesItsFoldersBesideTheProgramAndStartsANewSet) {
  const String exe = InstallClient(m_folder.Path());
  ASSERT_FALSE(exe.empty());
  auto client = StartAndWait(exe);
  ASSERT_TRUE(client);

  EXPECT_TRUE(PathIsFolder(m_folder / L"Config"));
  EXPECT_TRUE(PathIsFolder(m_folder / L"Temp"));
  EXPECT_TRUE(PathIsFolder(m_folder / L"Backup"));
  EXPECT_TRUE(client->HasOutput(kTraceDataFolder + m_folder.Path() + L"\n"));
  EXPECT_TRUE(client->HasOutput(kTraceNewSet));
  HWND frame = FindMainFrame(*client);
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(IsWindowVisible(frame));
  ExpectClosesCleanly(*client);
}

TEST_F(ClientStartup, SecondInstanceEndsAtOnceAndTheFirstStays) {
  const String exe = InstallClient(m_folder.Path());
  auto first = StartAndWait(exe);
  ASSERT_TRUE(first);

  auto second = StartClient(exe);
  ASSERT_TRUE(second);
  ASSERT_TRUE(second->WaitForExit(kExitTimeoutMs));
  EXPECT_TRUE(second->HasOutput(kTraceAnotherInstance)) << Narrow(second->OutputText());
  EXPECT_FALSE(second->HasOutput(kTraceFrameCreated));

  EXPECT_FALSE(first->HasExited());
  EXPECT_NE(FindMainFrame(*first), nullptr);
  ExpectClosesCleanly(*first);
}

TEST_F(ClientStartup, ProgramOnTheDesktopKeepsItsDataInDocuments) {
  ASSERT_TRUE(CreateDirectoryW((m_folder / L"Desktop").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((m_folder / L"Documents").c_str(), nullptr));
  ShellFolderRedirect desktop(L"Desktop", m_folder / L"Desktop");
  ShellFolderRedirect documents(L"Personal", m_folder / L"Documents");
  ASSERT_EQ(desktop.Status(), ERROR_SUCCESS);
  wchar_t desktopPath[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT,
                             desktopPath),
            S_OK);
  ASSERT_EQ(String(desktopPath), m_folder / L"Desktop") << "shell folder not redirected";

  const String exe = InstallClient(desktopPath);
  auto client = StartAndWait(exe);
  ASSERT_TRUE(client);

  const String data = m_folder / L"Documents\\Vaultline";
  EXPECT_TRUE(client->HasOutput(kTraceDataFolder + data + L"\n")) << Narrow(client->OutputText());
  EXPECT_TRUE(PathIsFolder(data + L"\\Config"));
  EXPECT_TRUE(PathIsFolder(data + L"\\Temp"));
  EXPECT_TRUE(PathIsFolder(data + L"\\Backup"));
  EXPECT_FALSE(PathIsFolder(m_folder / L"Desktop\\Config"));
  ExpectClosesCleanly(*client);
}

TEST_F(ClientStartup, ProgramBelowTheDesktopKeepsItsDataBesideIt) {
  const String tools = m_folder / L"Desktop\\Tools";
  ASSERT_TRUE(CreateDirectoryW((m_folder / L"Desktop").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(tools.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((m_folder / L"Documents").c_str(), nullptr));
  ShellFolderRedirect desktop(L"Desktop", m_folder / L"Desktop");
  ShellFolderRedirect documents(L"Personal", m_folder / L"Documents");

  auto client = StartAndWait(InstallClient(tools));
  ASSERT_TRUE(client);

  EXPECT_TRUE(client->HasOutput(kTraceDataFolder + tools + L"\n")) << Narrow(client->OutputText());
  EXPECT_TRUE(PathIsFolder(tools + L"\\Config"));
  EXPECT_FALSE(PathIsFolder(m_folder / L"Documents\\Vaultline"));
  ExpectClosesCleanly(*client);
}

TEST_F(ClientStartup, FolderNamedLikeASetFileMeansANewSet) {
  ASSERT_TRUE(CreateDirectoryW((m_folder / L"Config").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((m_folder / L"Config\\x.bsf").c_str(), nullptr));
  auto client = StartAndWait(InstallClient(m_folder.Path()));
  ASSERT_TRUE(client);
  EXPECT_TRUE(client->HasOutput(kTraceNewSet)) << Narrow(client->OutputText());
  EXPECT_FALSE(client->HasOutput(kTraceSetOpened));
  ExpectClosesCleanly(*client);
}

TEST_F(ClientStartup, OfTwoSetFilesTheFirstListedIsOpened) {
  const String config = m_folder / L"Config";
  ASSERT_TRUE(CreateDirectoryW(config.c_str(), nullptr));
  ASSERT_TRUE(WriteSetFile(config + L"\\Second.bsf", L"C:\\Two"));
  ASSERT_TRUE(WriteSetFile(config + L"\\First.bsf", L"C:\\One"));
  const String expected = FirstListedSetFile(config);
  const String other =
      expected == config + L"\\First.bsf" ? config + L"\\Second.bsf" : config + L"\\First.bsf";

  auto client = StartAndWait(InstallClient(m_folder.Path()));
  ASSERT_TRUE(client);
  EXPECT_TRUE(client->HasOutput(kTraceSetOpened + expected + L"\n"))
      << Narrow(client->OutputText());
  EXPECT_FALSE(client->HasOutput(kTraceSetOpened + other));
  ExpectClosesCleanly(*client);
}

TEST_F(ClientStartup, SetFileOnTheCommandLineCountsOnlyWithoutOneInConfig) {
  const String named = m_folder / L"Named.bsf";
  ASSERT_TRUE(WriteSetFile(named, L"C:\\Named"));
  const String exe = InstallClient(m_folder.Path());
  {
    auto client = StartAndWait(exe, {named});
    ASSERT_TRUE(client);
    EXPECT_TRUE(client->HasOutput(kTraceSetOpened + named + L"\n")) << Narrow(client->OutputText());
    ExpectClosesCleanly(*client);
  }
  const String inConfig = m_folder / L"Config\\Default.bsf";
  ASSERT_TRUE(WriteSetFile(inConfig, L"C:\\Default"));
  auto client = StartAndWait(exe, {named});
  ASSERT_TRUE(client);
  EXPECT_TRUE(client->HasOutput(kTraceSetOpened + inConfig + L"\n"))
      << Narrow(client->OutputText());
  ExpectClosesCleanly(*client);
}

TEST_F(ClientStartup, UnreadableSetFileIsReportedAndEndsTheClient) {
  const String config = m_folder / L"Config";
  ASSERT_TRUE(CreateDirectoryW(config.c_str(), nullptr));
  const String broken = config + L"\\Broken.bsf";
  ASSERT_TRUE(WriteSetFile(broken, L"C:\\Broken"));
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(broken, bytes));
  ASSERT_TRUE(WriteFileBytes(broken, bytes.substr(0, bytes.size() / 2)));

  auto client = StartClient(InstallClient(m_folder.Path()));
  ASSERT_TRUE(client);
  HWND box = nullptr;
  client->WaitUntil(
      [&] { return (box = FindProcessWindow(client->Id(), kDialogClass, L"Vaultline")) != nullptr; },
      kStartTimeoutMs);
  ASSERT_NE(box, nullptr) << Narrow(client->OutputText());
  const String text = ReadMessageBoxText(box);
  EXPECT_NE(text.find(L"Broken.bsf"), String::npos) << Narrow(text);
  EXPECT_FALSE(client->HasExited());

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(client->WaitForExit(kExitTimeoutMs));
  EXPECT_FALSE(client->HasOutput(kTraceFrameCreated));
  EXPECT_NE(client->ExitCode(), 0u);
}

TEST_F(ClientStartup, AboutCommandsShowTheAboutBox) {
  auto client = StartAndWait(InstallClient(m_folder.Path()));
  ASSERT_TRUE(client);
  HWND frame = FindMainFrame(*client);
  ASSERT_NE(frame, nullptr);
  for (WPARAM command : {57664u, 32777u}) {
    PostMessageW(frame, WM_COMMAND, command, 0);
    HWND about = nullptr;
    client->WaitUntil(
        [&] {
          return (about = FindProcessWindow(client->Id(), kDialogClass,
                                            L"Vaultline , Information")) != nullptr;
        },
        kStartTimeoutMs);
    ASSERT_NE(about, nullptr) << "command " << command;
    EXPECT_TRUE(HasChildWithText(about, L"Kestrava Vaultline, v1.0.0.1"));
    EXPECT_TRUE(HasChildWithText(about, L"OK")) << Narrow(DescribeChildren(about));
    PostMessageW(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(client->WaitUntil([&] { return !IsWindow(about); }, kExitTimeoutMs));
  }
  ExpectClosesCleanly(*client);
}

TEST_F(ClientStartup, RegistersTheSetFileTypeForTheUser) {
  const String exe = InstallClient(m_folder.Path());
  auto client = StartAndWait(exe);
  ASSERT_TRUE(client);
  win32::RegKey key;
  String value;
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, L"Software\\Classes\\.bsf"), ERROR_SUCCESS);
  ASSERT_EQ(key.QueryString(L"", value), ERROR_SUCCESS);
  EXPECT_EQ(value, L"Vaultline.Document");
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, L"Software\\Classes\\Vaultline.Document\\shell\\open\\command"),
            ERROR_SUCCESS);
  ASSERT_EQ(key.QueryString(L"", value), ERROR_SUCCESS);
  EXPECT_EQ(value, L"\"" + exe + L"\" \"%1\"");
  ExpectClosesCleanly(*client);
}

}  // namespace
}  // namespace vl::test
