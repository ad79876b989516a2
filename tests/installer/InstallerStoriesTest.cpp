// The real VLInstall.exe under Wine, driven through its window: a PC installation with the
// proposed folder (the programs byte for byte as built, the shortcuts as the shell reads them,
// the install key, the client started), a typed and a browsed folder, the desktop box, No at
// the completion question, Cancel, and the stops: a running client, a program that cannot be
// written, a removable installation without a volume. (Which typed folders are refused is
// proved natively.)
#include <gtest/gtest.h>

#include "tests/gui/harness/FolderBrowser.h"
#include "tests/gui/harness/Input.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/gui/harness/Screenshots.h"
#include "tests/installer/InstallerStory.h"
#include "tests/win32/TempFolder.h"
#include "tests/win32/WindowProbe.h"
#include "win32/handles/KernelHandle.h"
#include "win32/handles/MutexHandle.h"

namespace vl::test {
namespace {

// Time for a window that has just come up or changed to be painted.
constexpr DWORD kPaintMs = 500;

bool MutexExists(const wchar_t* name) {
  win32::KernelHandle mutex(::OpenMutexW(SYNCHRONIZE, FALSE, name));
  return mutex.IsValid();
}

using InstallerStories = InstallerStory;

TEST_F(InstallerStories, PcInstallationWithTheProposedFolderStartsTheClient) {
  ASSERT_NO_FATAL_FAILURE(Start());
  EXPECT_EQ(ReadWindowText(m_dialog), L"Vaultline Installer Helper");
  const String folder = m_folders.DefaultFolder();
  EXPECT_EQ(Text(IDC_INSTALL_FOLDER), folder);
  EXPECT_FALSE(IsShown(IDC_INSTALL_VOLUMES));
  ASSERT_TRUE(Click(IDC_INSTALL_NEXT));
  ASSERT_TRUE(Answer(kTextAskLaunch, IDYES));

  const DWORD installerId = Installer().Id();
  EXPECT_TRUE(WaitFor([&] { return FindProcess(L"Vaultline.exe", installerId) != 0; },
                      kGuiStartTimeoutMs));
  DWORD exitCode = 1;
  EXPECT_TRUE(InstallerEnds(exitCode));
  EXPECT_EQ(exitCode, 0u);

  EXPECT_TRUE(SameBytes(folder + L"\\Vaultline.exe", VL_CLIENT_EXE));
  EXPECT_TRUE(SameBytes(folder + L"\\VLUpdate.exe", VL_UPDATER_EXE));
  EXPECT_TRUE(SameBytes(m_folders.windows + L"\\VLRemove.exe", VL_REMOVER_EXE));
  EXPECT_EQ(ReadInstallRoot(), folder);
  const ShortcutFile desktop = ReadShortcut(m_folders.desktop + L"\\Vaultline.lnk");
  const ShortcutFile menu = ReadShortcut(m_folders.MenuFolder() + L"\\Vaultline.lnk");
  for (const ShortcutFile& link : {desktop, menu}) {
    EXPECT_TRUE(link.read);
    EXPECT_EQ(link.target, folder + L"\\Vaultline.exe");
    EXPECT_EQ(link.arguments, L"/check");
    EXPECT_EQ(link.workingFolder, folder);
  }
  const ShortcutFile remover = ReadShortcut(m_folders.MenuFolder() + L"\\Uninstall Vaultline.lnk");
  EXPECT_EQ(remover.target, m_folders.windows + L"\\VLRemove.exe");
  EXPECT_FALSE(PathIsFile(m_folders.desktop + L"\\Uninstall Vaultline.lnk"));
}

TEST_F(InstallerStories, TypedFolderTakesTheFilesWithOrWithoutItsFinalBackslash) {
  TempFolder apps;
  for (const String& typed : {apps.Path() + L"\\", apps.Path()}) {
    SCOPED_TRACE(Narrow(typed));
    ASSERT_NO_FATAL_FAILURE(Start());
    SetFolderText(typed);
    ASSERT_TRUE(Click(IDC_INSTALL_DESKTOP_ICON));
    ASSERT_NO_FATAL_FAILURE(InstallAnsweringNo());
    EXPECT_TRUE(SameBytes(apps / L"Vaultline.exe", VL_CLIENT_EXE));
    EXPECT_TRUE(SameBytes(apps / L"VLUpdate.exe", VL_UPDATER_EXE));
    EXPECT_EQ(ReadInstallRoot(), typed);
    EXPECT_EQ(ReadShortcut(m_folders.MenuFolder() + L"\\Vaultline.lnk").workingFolder, typed);
    // The box was off: the Start menu has both links, the desktop none.
    EXPECT_TRUE(PathIsFile(m_folders.MenuFolder() + L"\\Uninstall Vaultline.lnk"));
    EXPECT_FALSE(PathIsFile(m_folders.desktop + L"\\Vaultline.lnk"));
    // No to the question: the installer ended without starting the client.
    EXPECT_FALSE(MutexExists(L"Vaultline"));
    EXPECT_FALSE(PathIsFolder(m_folders.programFiles + L"\\Kestrava"));
  }
}

TEST_F(InstallerStories, BrowsedFolderIsUsedAsItIs) {
  TempFolder picked;
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_TRUE(Click(IDC_INSTALL_BROWSE));
  FolderBrowser browser(Installer().Id(), kGuiStepTimeoutMs);
  ASSERT_TRUE(browser.Found());
  EXPECT_EQ(browser.Title(), kTextBrowseTitle);
  const String chosen = browser.SelectFolder(picked.Path(), kGuiStepTimeoutMs);
  ASSERT_FALSE(chosen.empty());
  ASSERT_TRUE(browser.PressOk(kGuiStepTimeoutMs));
  ASSERT_TRUE(WaitFor([&] { return Text(IDC_INSTALL_FOLDER) == chosen; }, kGuiStepTimeoutMs));
  ASSERT_NO_FATAL_FAILURE(InstallAnsweringNo());
  EXPECT_TRUE(SameBytes(chosen + L"\\Vaultline.exe", VL_CLIENT_EXE));
  EXPECT_FALSE(PathIsFolder(chosen + L"\\Kestrava"));
  EXPECT_EQ(ReadInstallRoot(), chosen);
}

TEST_F(InstallerStories, CancelAsksFirst) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_TRUE(Click(IDC_INSTALL_CANCEL));
  ASSERT_TRUE(Answer(kTextAskCancel, IDNO));
  EXPECT_TRUE(DialogStays());
  ASSERT_TRUE(Click(IDC_INSTALL_CLOSE));
  ASSERT_TRUE(Answer(kTextAskCancel, IDYES));
  DWORD exitCode = 0;
  ASSERT_TRUE(InstallerEnds(exitCode));
  EXPECT_NE(exitCode, 0u);
  EXPECT_FALSE(PathIsFolder(m_folders.DefaultFolder()));
}

TEST_F(InstallerStories, RunningClientIsRefusedAndNothingIsWritten) {
  win32::MutexHandle client;
  ASSERT_EQ(client.Create(L"Vaultline", false), static_cast<DWORD>(ERROR_SUCCESS));
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_TRUE(Click(IDC_INSTALL_NEXT));
  ASSERT_TRUE(Answer(kTextRunning, IDOK));
  EXPECT_TRUE(DialogStays());
  EXPECT_FALSE(PathIsFolder(m_folders.programFiles + L"\\Kestrava"));
  EXPECT_FALSE(PathIsFile(m_folders.windows + L"\\VLRemove.exe"));
  EXPECT_EQ(ReadInstallRoot(), String());
}

TEST_F(InstallerStories, ProgramThatCannotBeWrittenIsNamedAndStopsTheInstallation) {
  TempFolder apps;
  // A folder where the client should go: it can be neither deleted nor replaced by a file.
  ASSERT_TRUE(::CreateDirectoryW((apps / L"Vaultline.exe").c_str(), nullptr));
  ASSERT_NO_FATAL_FAILURE(Start());
  SetFolderText(apps.Path());
  ASSERT_TRUE(Click(IDC_INSTALL_NEXT));
  String text;
  ASSERT_TRUE(Answer(L"Failed to write " + apps.Path() + L"\\Vaultline.exe.",
                                 IDOK, &text));
  EXPECT_NE(text.find(L"\n\n"), String::npos) << Narrow(text);
  EXPECT_TRUE(DialogStays());
  EXPECT_FALSE(PathIsFile(apps / L"Vaultline.exe.~vlpart"));
  EXPECT_FALSE(PathIsFile(apps / L"VLUpdate.exe"));
  EXPECT_FALSE(PathIsFile(m_folders.MenuFolder() + L"\\Vaultline.lnk"));
  EXPECT_EQ(ReadInstallRoot(), String());
}

TEST_F(InstallerStories, RemovableInstallationNeedsAVolume) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const String typed = L"C:\\Somewhere";
  SetFolderText(typed);
  ASSERT_TRUE(Click(IDC_INSTALL_REMOVABLE));
  ASSERT_TRUE(WaitFor([&] { return IsShown(IDC_INSTALL_VOLUMES); }, kGuiStepTimeoutMs));
  EXPECT_FALSE(IsShown(IDC_INSTALL_FOLDER));
  EXPECT_FALSE(IsShown(IDC_INSTALL_DESKTOP_ICON));
  // Wine reports no drive on a USB bus, so nothing can be selected.
  ASSERT_TRUE(Click(IDC_INSTALL_NEXT));
  ASSERT_TRUE(Answer(kTextChooseFolder, IDOK));
  ASSERT_TRUE(Click(IDC_INSTALL_PC));
  ASSERT_TRUE(WaitFor([&] { return IsShown(IDC_INSTALL_FOLDER); }, kGuiStepTimeoutMs));
  EXPECT_FALSE(IsShown(IDC_INSTALL_VOLUMES));
  EXPECT_EQ(Text(IDC_INSTALL_FOLDER), typed);
}

// The picture of the README (scripts/docs-screenshots copies it to docs/installer.png).
TEST_F(InstallerStories, DocsScreenshot) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ParkPointer();
  ::Sleep(kPaintMs);
  EXPECT_FALSE(SaveScreenshot(L"installer", m_dialog).empty());
}

}  // namespace
}  // namespace vl::test
