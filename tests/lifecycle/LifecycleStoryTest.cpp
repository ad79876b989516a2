// An installation's whole life under Wine, with the programs as built and in the order a user
// meets them: VLInstall.exe installs with its defaults; the installed client, started the way
// its Start-menu shortcut starts it, hands over to VLUpdate.exe, which puts in place the client
// a local update service offers and starts it; the user keeps files of their own beside the
// program; VLRemove.exe from the Windows folder takes what Vaultline put there and nothing else.
//
// lifecycle_test.py runs the update service on 127.0.0.1 and passes its address in
// VL_LIFECYCLE_SERVICE_URL; the release it serves is the updater tests' v2 stand-in, which
// notes its start in the file VL_STANDIN_LOG names and ends.
#include <gtest/gtest.h>

#include "tests/gui/harness/ProcessWindows.h"
#include "tests/installer/InstallerStory.h"
#include "tests/lifecycle/UserAnswers.h"
#include "tests/win32/ChildProcess.h"
#include "tests/win32/TempFolder.h"
#include "win32/handles/KernelHandle.h"
#include "win32/handles/RegKey.h"

namespace vl::test {
namespace {

constexpr const wchar_t* kAskUpdate = L"Do you want to updating?";
constexpr const wchar_t* kRemoverTitle = L"Kestrava Vaultline Uninstall";
constexpr const wchar_t* kAskRemove = L"Do you want to delete all components of Vaultline?";
constexpr const wchar_t* kRemoved = L"Vaultline has been removed from the system.";
constexpr const wchar_t* kKestrava = L"Software\\Kestrava";
constexpr const wchar_t* kInstallKey = L"Software\\Kestrava\\Vaultline";
// A download and a start under Wine on a busy machine.
constexpr DWORD kProgramRunMs = 120000;

// What the user keeps in the install folder, which is also the client's data folder.
const struct {
  const wchar_t* path;
  const char* bytes;
} kUsersFiles[] = {
    {L"mine.txt", "notes of my own\r\n"},
    {L"Backup\\Docs\\report.doc", "the backed-up copy of a report"},
};

String Environment(const wchar_t* name) {
  wchar_t value[512] = {};
  const DWORD length = ::GetEnvironmentVariableW(name, value, 512);
  return length < 512 ? String(value, length) : String();
}

bool KeyExists(const wchar_t* path) {
  win32::RegKey key;
  return key.Open(HKEY_LOCAL_MACHINE, path) == ERROR_SUCCESS;
}

void EndProgram(const wchar_t* exeName) {
  while (const DWORD id = FindProcess(exeName)) {
    win32::KernelHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
    if (!process || !::TerminateProcess(process.Get(), 1)) return;
    ::WaitForSingleObject(process.Get(), kGuiStepTimeoutMs);
  }
}

class Lifecycle : public InstallerStory {
 protected:
  void TearDown() override {
    // A story that failed half-way may leave the updater asking.
    EndProgram(L"VLUpdate.exe");
    InstallerStory::TearDown();
  }

  String Installed(const String& name) const { return m_folders.DefaultFolder() + L"\\" + name; }
  String StartLog() const { return m_logFolder / L"started.log"; }

  void InstallWithTheDefaults();
  void PointTheUpdaterAtTheService();
  void UpdateFromTheShortcut();
  void CheckTheServedClientRan();
  void PutTheUsersFiles();
  void RemoveFromTheWindowsFolder();

  TempFolder m_logFolder;
};

void Lifecycle::InstallWithTheDefaults() {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_EQ(Text(IDC_INSTALL_FOLDER), m_folders.DefaultFolder());
  ASSERT_NO_FATAL_FAILURE(InstallAnsweringNo());
  EXPECT_TRUE(SameBytes(Installed(L"Vaultline.exe"), VL_CLIENT_EXE));
  EXPECT_TRUE(SameBytes(Installed(L"VLUpdate.exe"), VL_UPDATER_EXE));
  EXPECT_TRUE(SameBytes(m_folders.windows + L"\\VLRemove.exe", VL_REMOVER_EXE));
  EXPECT_EQ(ReadInstallRoot(), m_folders.DefaultFolder());
  EXPECT_EQ(ReadShortcut(m_folders.MenuFolder() + L"\\Vaultline.lnk").target,
            Installed(L"Vaultline.exe"));
  EXPECT_EQ(ReadShortcut(m_folders.MenuFolder() + L"\\Uninstall Vaultline.lnk").target,
            m_folders.windows + L"\\VLRemove.exe");
}

void Lifecycle::PointTheUpdaterAtTheService() {
  const String serviceUrl = Environment(L"VL_LIFECYCLE_SERVICE_URL");
  ASSERT_FALSE(serviceUrl.empty()) << "run by lifecycle_test.py, which serves the update";
  win32::RegKey key;
  ASSERT_EQ(key.Create(HKEY_LOCAL_MACHINE, kInstallKey), ERROR_SUCCESS);
  ASSERT_EQ(key.SetString(L"UpdateURL", serviceUrl), ERROR_SUCCESS);
}

void Lifecycle::UpdateFromTheShortcut() {
  ASSERT_NO_FATAL_FAILURE(PointTheUpdaterAtTheService());
  const ShortcutFile link = ReadShortcut(m_folders.MenuFolder() + L"\\Vaultline.lnk");
  ASSERT_TRUE(link.read);
  ChildProcess client;
  LaunchOptions options{link.target, {link.arguments}, link.workingFolder,
                        {{L"VL_STANDIN_LOG", StartLog()}}, false};
  ASSERT_TRUE(client.Start(options)) << ::GetLastError();
  DWORD updater = 0;
  ASSERT_TRUE(WaitFor([&] { return (updater = FindProcess(L"VLUpdate.exe", client.Id())) != 0; },
                      kGuiStartTimeoutMs))
      << "the client started no updater";
  EXPECT_TRUE(client.WaitForExit(kGuiStepTimeoutMs)) << "the client stays after handing over";
  const PlayedRun run = PlayUntilEnd(updater, nullptr, {{kAskUpdate, IDYES}}, kProgramRunMs);
  EXPECT_EQ(run.boxes, std::vector<String>{kAskUpdate});
  ASSERT_TRUE(run.ended) << "VLUpdate.exe did not end";
  EXPECT_EQ(run.exitCode, 0u);
}

void Lifecycle::CheckTheServedClientRan() {
  EXPECT_TRUE(SameBytes(Installed(L"Vaultline.exe"), VL_SERVED_CLIENT_EXE));
  EXPECT_TRUE(SameBytes(Installed(L"VLUpdate.exe"), VL_UPDATER_EXE));
  std::string started;
  const auto logged = [&] { return ReadFileBytes(StartLog(), started) && !started.empty(); };
  EXPECT_TRUE(WaitFor(logged, kGuiStartTimeoutMs)) << "the updated client did not start";
  EXPECT_EQ(started, "v2 dialog-closed\n");
  // The served client ends by itself; one still running would stop the remover.
  EXPECT_TRUE(WaitFor([] { return FindProcess(L"Vaultline.exe") == 0; }, kGuiStepTimeoutMs));
  EndProgram(L"Vaultline.exe");
}

void Lifecycle::PutTheUsersFiles() {
  // The client may have made Backup already: it is its default target.
  for (const wchar_t* folder : {L"Backup", L"Backup\\Docs"})
    ASSERT_TRUE(::CreateDirectoryW(Installed(folder).c_str(), nullptr) ||
                ::GetLastError() == ERROR_ALREADY_EXISTS)
        << ::GetLastError();
  for (const auto& file : kUsersFiles)
    ASSERT_TRUE(WriteFileBytes(Installed(file.path), file.bytes)) << Narrow(file.path);
}

void Lifecycle::RemoveFromTheWindowsFolder() {
  ChildProcess remover;
  LaunchOptions options;
  options.exePath = m_folders.windows + L"\\VLRemove.exe";
  options.debug = false;
  ASSERT_TRUE(remover.Start(options)) << ::GetLastError();
  const PlayedRun run = PlayUntilEnd(remover.Id(), kRemoverTitle,
                                     {{kAskRemove, IDYES}, {kRemoved, IDOK}}, kProgramRunMs);
  EXPECT_EQ(run.boxes, (std::vector<String>{kAskRemove, kRemoved}));
  ASSERT_TRUE(run.ended) << "VLRemove.exe did not end";
  EXPECT_EQ(run.exitCode, 0u);

  // What the installer, the client and the updater wrote is gone ...
  for (const wchar_t* name : {L"Vaultline.exe", L"VLUpdate.exe", L"Config", L"Temp"})
    EXPECT_FALSE(PathIsFile(Installed(name)) || PathIsFolder(Installed(name))) << Narrow(name);
  EXPECT_FALSE(KeyExists(kInstallKey));
  EXPECT_TRUE(KeyExists(kKestrava));
  EXPECT_FALSE(PathIsFile(m_folders.desktop + L"\\Vaultline.lnk"));
  EXPECT_FALSE(PathIsFolder(m_folders.MenuFolder()));
  // ... and what the user put beside it is not.
  for (const auto& file : kUsersFiles) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(Installed(file.path), bytes)) << Narrow(file.path);
    EXPECT_EQ(bytes, file.bytes);
  }
}

TEST_F(Lifecycle, InstallUpdateAndRemoveKeepTheUsersFiles) {
  ASSERT_NO_FATAL_FAILURE(InstallWithTheDefaults());
  ASSERT_NO_FATAL_FAILURE(UpdateFromTheShortcut());
  ASSERT_NO_FATAL_FAILURE(CheckTheServedClientRan());
  ASSERT_NO_FATAL_FAILURE(PutTheUsersFiles());
  ASSERT_NO_FATAL_FAILURE(RemoveFromTheWindowsFolder());
}

}  // namespace
}  // namespace vl::test
