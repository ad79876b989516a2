#pragma once
// The fixture of the installer's stories under Wine: the real VLInstall.exe started as a person
// would start it, its dialog found, its buttons clicked and its message boxes answered after
// their text was checked; and what an installation leaves (files, shortcuts, the install key)
// read back and removed again, so every story starts on a machine without Vaultline.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "resources/installer/resource.h"
#include "tests/gui/harness/GuiProgram.h"
#include "tests/win32/ShellFolderRedirect.h"
#include "tests/win32/TempFolder.h"

namespace vl::test {

// Texts of the installer (English).
constexpr const wchar_t* kTextChooseFolder = L"Choose where to install Vaultline.";
constexpr const wchar_t* kTextAskCancel = L"Are you sure you want to cancel the installation?";
constexpr const wchar_t* kTextAskLaunch =
    L"Completed to install Vaultline. Do you want to execute now?";
constexpr const wchar_t* kTextRunning = L"Please shut down running Vaultline and try again.";
constexpr const wchar_t* kTextBrowseTitle = L"Select a folder to install Vaultline.";

struct ShortcutFile {
  bool read = false;
  String target;
  String arguments;
  String workingFolder;
};

// What the machine's folders are for an installation.
struct MachineFolders {
  String programFiles;
  String windows;
  String desktop;
  String programs;

  String DefaultFolder() const { return programFiles + L"\\Kestrava\\Vaultline"; }
  String MenuFolder() const { return programs + L"\\Vaultline"; }
};
MachineFolders FindMachineFolders();

// The link read back through the shell's own link object.
ShortcutFile ReadShortcut(const String& path);
// HKLM SOFTWARE\Kestrava\Vaultline, InstallRoot; empty when there is none.
String ReadInstallRoot();
// The bytes of path equal those of the built program (a Unix path).
::testing::AssertionResult SameBytes(const String& path, const std::string& builtUnixPath);

class InstallerStory : public ::testing::Test {
 protected:
  InstallerStory();
  void SetUp() override;
  void TearDown() override;

  // Starts a fresh copy of the installer (ending one a story started before) and waits for its
  // dialog; fails the test when it does not come.
  void Start();
  ChildProcess& Installer() { return m_installer->Process(); }
  HWND Control(int id) const { return ::GetDlgItem(m_dialog, id); }
  bool IsShown(int id) const { return ::IsWindowVisible(Control(id)) != FALSE; }
  String Text(int id) const;
  void SetFolderText(const String& text);
  // A real click in the middle of the control.
  bool Click(int id);
  // Waits for a message box of the installer, checks its text (or with a whole to fill in,
  // that it starts with text) and presses buttonId.
  ::testing::AssertionResult Answer(const String& text, int buttonId, String* whole = nullptr);
  bool DialogStays();
  bool InstallerEnds(DWORD& exitCode);
  // Next, then the completion question answered No; the installer ends.
  void InstallAnsweringNo();

  // Wine links the Desktop to the Unix home folder: the stories' shortcuts go elsewhere.
  TempFolder m_desktop;
  ShellFolderRedirect m_desktopRedirect;
  MachineFolders m_folders;
  std::unique_ptr<GuiProgram> m_installer;
  HWND m_dialog = nullptr;
};

// A process of this prefix with this program file name (started by parentId, unless 0); 0 when
// there is none.
DWORD FindProcess(const wchar_t* exeName, DWORD parentId = 0);

// Moves the pointer out of every window, so nothing is drawn in its hover state.
void ParkPointer();

}  // namespace vl::test
