// VLRemove.exe end to end under Wine: a test world of its own (the Desktop, Documents and the
// Start menu's Programs redirected into it, the install key pointing into it), the built
// program started as a child, and its message boxes answered as a user would answer them.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/gui/harness/MessageBoxes.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/gui/harness/WineDrive.h"
#include "tests/win32/ChildProcess.h"
#include "tests/win32/ProgramCopy.h"
#include "tests/win32/ShellFolderRedirect.h"
#include "tests/win32/TempFolder.h"
#include "tests/win32/WindowProbe.h"
#include "win32/handles/FileHandle.h"
#include "win32/handles/FindHandle.h"
#include "win32/handles/RegKey.h"

namespace vl::test {
namespace {

using Tree = std::set<String>;

constexpr wchar_t kTitle[] = L"Kestrava Vaultline Uninstall";
constexpr wchar_t kRunning[] = L"Please shut down running Vaultline and try again.";
constexpr wchar_t kAsk[] = L"Do you want to delete all components of Vaultline?";
constexpr wchar_t kRemoved[] = L"Vaultline has been removed from the system.";
constexpr wchar_t kKestrava[] = L"Software\\Kestrava";
constexpr wchar_t kInstallKey[] = L"Software\\Kestrava\\Vaultline";
const Tree kProgramFiles{L"Vaultline.exe", L"VLUpdate.exe", L"VLFilter.dll"};
constexpr DWORD kRunTimeoutMs = 60000;

struct RemoverRun {
  std::vector<String> boxes;
  DWORD exitCode = 0;
};

// Every file and folder below folder, as paths relative to it (folders end with a backslash).
Tree Snapshot(const String& folder, const String& prefix = String()) {
  Tree found;
  WIN32_FIND_DATAW entry{};
  win32::FindHandle find;
  for (bool more = find.First(folder + L"\\*", entry); more; more = find.Next(entry)) {
    const String name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      found.insert(prefix + name);
      continue;
    }
    found.insert(prefix + name + L"\\");
    found.merge(Snapshot(folder + L"\\" + name, prefix + name + L"\\"));
  }
  return found;
}

Tree Without(Tree tree, const Tree& gone) {
  for (const String& path : gone) tree.erase(path);
  return tree;
}

void WriteFiles(const String& folder, const Tree& relativePaths) {
  for (const String& path : relativePaths) {
    const String full = folder + L"\\" + path;
    for (size_t slash = full.find(L'\\', 3); slash != String::npos;
         slash = full.find(L'\\', slash + 1))
      ::CreateDirectoryW(full.substr(0, slash).c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(full, "x")) << std::string(full.begin(), full.end());
  }
}

bool KeyExists(const wchar_t* path) {
  win32::RegKey key;
  return key.Open(HKEY_LOCAL_MACHINE, path) == ERROR_SUCCESS;
}

// Answers the question with yes or no and every other box with OK.
void Answer(HWND box, bool yes, RemoverRun& run) {
  run.boxes.push_back(ReadMessageBoxText(box));
  const bool question = ::GetDlgItem(box, IDYES) != nullptr;
  const String buttons = DescribeButtons(box);
  ASSERT_TRUE(PressMessageBoxButton(box, question ? (yes ? IDYES : IDNO) : IDOK))
      << "buttons: " << std::string(buttons.begin(), buttons.end());
  WaitFor([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }, 5000);
}

RemoverRun RunRemover(bool yes) {
  RemoverRun run;
  ChildProcess remover;
  LaunchOptions options;
  options.exePath = WindowsPathOfUnixPath(VL_REMOVER_EXE);
  options.debug = false;
  EXPECT_TRUE(remover.Start(options)) << ::GetLastError();
  const ULONGLONG deadline = ::GetTickCount64() + kRunTimeoutMs;
  while (!remover.HasExited() && ::GetTickCount64() < deadline) {
    // Only a box with the remover's own title counts, so a wrong caption shows as no box.
    if (HWND box = FindMessageBoxOf(remover.Id(), kTitle)) Answer(box, yes, run);
    ::Sleep(20);
  }
  EXPECT_TRUE(remover.WaitForExit(1000)) << "VLRemove.exe did not end";
  run.exitCode = remover.HasExited() ? remover.ExitCode() : ~0u;
  return run;
}

class RemoverEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    // Below the build tree rather than the prefix's temporary folder: a drive letter is mapped
    // to a Unix folder, and this one has a known Unix name.
    m_unixRoot = VL_TEST_ROOT "/" + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryW(WindowsPathOfUnixPath(VL_TEST_ROOT).c_str(), nullptr);
    m_root = WindowsPathOfUnixPath(m_unixRoot);
    RemoveTree(m_root);  // what a killed run of the same process id left
    ASSERT_TRUE(::CreateDirectoryW(m_root.c_str(), nullptr)) << ::GetLastError();
    for (const wchar_t* folder : {L"Desktop", L"Documents", L"Programs", L"Install"})
      ASSERT_TRUE(::CreateDirectoryW((m_root + L"\\" + folder).c_str(), nullptr));
    m_redirects.push_back(std::make_unique<ShellFolderRedirect>(L"Desktop", Desktop()));
    m_redirects.push_back(std::make_unique<ShellFolderRedirect>(L"Personal", Documents()));
    m_redirects.push_back(std::make_unique<ShellFolderRedirect>(L"Programs", Programs()));
    wchar_t desktop[MAX_PATH] = {};
    ASSERT_EQ(::SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT,
                                 desktop), S_OK);
    ASSERT_EQ(String(desktop), Desktop()) << "the Desktop was not redirected";
  }

  void TearDown() override {
    win32::DeleteRegTree(HKEY_LOCAL_MACHINE, kKestrava);
    m_redirects.clear();
    RemoveTree(m_root);
  }

  String Desktop() const { return m_root + L"\\Desktop"; }
  String Documents() const { return m_root + L"\\Documents"; }
  String Programs() const { return m_root + L"\\Programs"; }
  String Install() const { return m_root + L"\\Install"; }

  static void SetInstallRoot(const String& root) {
    win32::RegKey key;
    ASSERT_EQ(key.Create(HKEY_LOCAL_MACHINE, kInstallKey), ERROR_SUCCESS);
    ASSERT_EQ(key.SetString(L"InstallRoot", root), ERROR_SUCCESS);
  }

  // An installed and used client beside the user's own files, and the shortcuts.
  void InstallClient() {
    WriteFiles(Install(), Tree(kProgramFiles));
    WriteFiles(Install(), {L"Config\\Default.bsf", L"Config\\Default.bsf.new",
                           L"Temp\\VLUpdate.exe", L"Temp\\Temp\\Update.ini",
                           L"Backup\\Docs\\report.doc", L"Config\\notes.txt", L"mine.txt"});
    WriteFiles(m_root, {L"Desktop\\Vaultline.lnk", L"Desktop\\Other.lnk",
                        L"Programs\\Vaultline\\Vaultline.lnk",
                        L"Programs\\Vaultline\\Uninstall Vaultline.lnk",
                        L"Programs\\Vaultline\\Vaultline のアンインストール.lnk"});
    SetInstallRoot(Install());
  }

  std::string m_unixRoot;
  String m_root;
  std::vector<std::unique_ptr<ShellFolderRedirect>> m_redirects;
};

TEST_F(RemoverEndToEnd, ARunningClientOrUpdaterStopsItBeforeItAsks) {
  InstallClient();
  const String running = m_root + L"\\Running";
  ASSERT_TRUE(::CreateDirectoryW(running.c_str(), nullptr));
  for (const wchar_t* name : {L"Vaultline.exe", L"VAULTLINE.EXE", L"VLUpdate.exe"}) {
    SCOPED_TRACE(std::string(name, name + wcslen(name)));
    ChildProcess standin;
    LaunchOptions options;
    options.exePath = InstallProgram(WindowsPathOfUnixPath(VL_STANDIN_EXE), running, name);
    options.debug = false;
    ASSERT_TRUE(standin.Start(options)) << ::GetLastError();
    const Tree before = Snapshot(m_root);
    const RemoverRun run = RunRemover(true);
    EXPECT_EQ(run.boxes, std::vector<String>{kRunning});
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(Snapshot(m_root), before);
    EXPECT_TRUE(KeyExists(kInstallKey));
    standin.Kill();
    ::DeleteFileW(options.exePath.c_str());
  }
}

TEST_F(RemoverEndToEnd, NoChangesNothing) {
  InstallClient();
  const Tree before = Snapshot(m_root);
  const RemoverRun run = RunRemover(false);
  EXPECT_EQ(run.boxes, std::vector<String>{kAsk});
  EXPECT_EQ(Snapshot(m_root), before);
  EXPECT_TRUE(KeyExists(kInstallKey));
}

TEST_F(RemoverEndToEnd, YesTakesTheClientsFilesKeyAndShortcutsAndLeavesTheUsers) {
  InstallClient();
  const Tree before = Snapshot(m_root);
  const RemoverRun run = RunRemover(true);
  EXPECT_EQ(run.boxes, (std::vector<String>{kAsk, kRemoved}));
  EXPECT_EQ(run.exitCode, 0u);
  const Tree gone = Tree{L"Install\\Vaultline.exe", L"Install\\VLUpdate.exe",
                         L"Install\\VLFilter.dll", L"Install\\Config\\Default.bsf",
                         L"Install\\Config\\Default.bsf.new", L"Install\\Temp\\VLUpdate.exe",
                         L"Install\\Temp\\Temp\\Update.ini", L"Install\\Temp\\Temp\\",
                         L"Install\\Temp\\", L"Desktop\\Vaultline.lnk",
                         L"Programs\\Vaultline\\Vaultline.lnk",
                         L"Programs\\Vaultline\\Uninstall Vaultline.lnk",
                         L"Programs\\Vaultline\\Vaultline のアンインストール.lnk",
                         L"Programs\\Vaultline\\"};
  EXPECT_EQ(Snapshot(m_root), Without(before, gone));
  EXPECT_FALSE(KeyExists(kInstallKey));
  EXPECT_TRUE(KeyExists(kKestrava));
}

TEST_F(RemoverEndToEnd, AnUnusableInstallRootDeletesNothingThereButTheKeyAndShortcutsGo) {
  const struct {
    const char* what;
    String root;  // empty: no value at all
  } cases[] = {
      {"no value", L""},
      {"a value far too long", Install() + L"\\" + String(2000, L'x')},
      {"a relative path", L"Install"},
      {"a path through ..", Install() + L"\\..\\Install"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    InstallClient();
    win32::RegKey key;
    ASSERT_EQ(key.Open(HKEY_LOCAL_MACHINE, kInstallKey, KEY_SET_VALUE), ERROR_SUCCESS);
    const LONG status =
        c.root.empty() ? key.DeleteValue(L"InstallRoot") : key.SetString(L"InstallRoot", c.root);
    ASSERT_EQ(status, ERROR_SUCCESS);
    const Tree before = Snapshot(Install());
    EXPECT_EQ(RunRemover(true).boxes, (std::vector<String>{kAsk, kRemoved}));
    EXPECT_EQ(Snapshot(Install()), before);
    EXPECT_FALSE(KeyExists(kInstallKey));
    EXPECT_FALSE(PathIsFile(Desktop() + L"\\Vaultline.lnk"));
    EXPECT_FALSE(PathIsFolder(Programs() + L"\\Vaultline"));
  }
}

TEST_F(RemoverEndToEnd, AFileItCannotDeleteIsNamedInsteadOfSuccess) {
  InstallClient();
  const String held = Install() + L"\\Vaultline.exe";
  win32::FileHandle file;
  ASSERT_TRUE(file.Open(held, GENERIC_READ, 0, OPEN_EXISTING));
  const RemoverRun run = RunRemover(true);
  ASSERT_EQ(run.boxes.size(), 2u);
  EXPECT_EQ(run.boxes[1],
            L"Vaultline has been removed, but these could not be deleted:\n\n" + held);
  EXPECT_EQ(run.exitCode, 2u);
  EXPECT_TRUE(PathIsFile(held));
  EXPECT_FALSE(PathIsFile(Install() + L"\\VLUpdate.exe"));
}

TEST_F(RemoverEndToEnd, TheDesktopOrADriveRootAsInstallRootLosesOnlyTheProgramFiles) {
  const wchar_t letter = FreeDriveLetter();
  ASSERT_NE(letter, 0);
  const String drive = String(1, letter) + L":";
  const struct {
    const char* what;
    std::string driveTarget;  // the Unix folder the drive letter reaches, if one is mapped
    String folder;            // where the client's files are put
    String installRoot;
    bool dataInDocuments;
  } cases[] = {
      {"the Desktop in other letters", "", Desktop(), m_root + L"\\DESKTOP\\", true},
      {"a drive root", m_unixRoot + "/Drive", drive, drive + L"\\", false},
      {"the Desktop by another drive", m_unixRoot, Desktop(), drive + L"\\Desktop", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::unique_ptr<WineDrive> mapped;
    if (!c.driveTarget.empty()) mapped = std::make_unique<WineDrive>(letter, c.driveTarget);
    ASSERT_TRUE(!mapped || mapped->Plug());
    WriteFiles(c.folder, Tree(kProgramFiles));
    WriteFiles(c.folder, {L"Config\\Default.bsf", L"Temp\\Update.ini"});
    WriteFiles(Documents(), {L"Vaultline\\Config\\Default.bsf", L"Vaultline\\Temp\\VLUpdate.exe"});
    SetInstallRoot(c.installRoot);
    const Tree before = Snapshot(c.folder);
    EXPECT_EQ(RunRemover(true).boxes, (std::vector<String>{kAsk, kRemoved}));
    EXPECT_EQ(Snapshot(c.folder), Without(before, kProgramFiles));
    EXPECT_EQ(PathIsFolder(Documents() + L"\\Vaultline"), !c.dataInDocuments);
    RemoveTree(Documents() + L"\\Vaultline");
  }
}

}  // namespace
}  // namespace vl::test
