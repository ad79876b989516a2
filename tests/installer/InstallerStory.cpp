#include "tests/installer/InstallerStory.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include "tests/gui/harness/Input.h"
#include "tests/gui/harness/MessageBoxes.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/win32/ProgramCopy.h"
#include "tests/win32/WindowProbe.h"
#include "win32/ShellFolders.h"
#include "win32/handles/FileHandle.h"
#include "win32/handles/KernelHandle.h"
#include "win32/handles/RegKey.h"

namespace vl::test {
namespace {

constexpr const wchar_t* kMessageCaption = L"Vaultline Install";
constexpr const wchar_t* kInstallKey = L"SOFTWARE\\Kestrava\\Vaultline";

String ShellFolder(int csidl) {
  String path;
  win32::GetSpecialFolder(csidl, path);
  return path;
}

// An installation of an earlier story, all of it.
void RemoveInstallation(const MachineFolders& folders) {
  RemoveTree(folders.programFiles + L"\\Kestrava");
  RemoveTree(folders.MenuFolder());
  ::DeleteFileW((folders.windows + L"\\VLRemove.exe").c_str());
  ::DeleteFileW((folders.desktop + L"\\Vaultline.lnk").c_str());
  ::DeleteFileW((folders.desktop + L"\\Uninstall Vaultline.lnk").c_str());
  win32::DeleteRegTree(HKEY_LOCAL_MACHINE, kInstallKey);
}

// A client the installer started at the end of a story.
void EndStartedClient() {
  const DWORD id = FindProcess(L"Vaultline.exe");
  win32::KernelHandle process(id ? ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)
                                 : nullptr);
  if (!process) return;
  ::TerminateProcess(process.Get(), 1);
  ::WaitForSingleObject(process.Get(), kGuiStepTimeoutMs);
}

}  // namespace

DWORD FindProcess(const wchar_t* exeName, DWORD parentId) {
  // INVALID_HANDLE_VALUE, not null, is a snapshot's "no handle", as it is a file's.
  win32::UniqueHandle<win32::FileHandleTraits> snapshot(
      ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more;
       more = ::Process32NextW(snapshot.Get(), &entry))
    if ((!parentId || entry.th32ParentProcessID == parentId) &&
        _wcsicmp(entry.szExeFile, exeName) == 0)
      return entry.th32ProcessID;
  return 0;
}

MachineFolders FindMachineFolders() {
  wchar_t windows[MAX_PATH] = {};
  ::GetWindowsDirectoryW(windows, MAX_PATH);
  return MachineFolders{ShellFolder(CSIDL_PROGRAM_FILES), windows,
                        ShellFolder(CSIDL_DESKTOPDIRECTORY), ShellFolder(CSIDL_PROGRAMS)};
}

ShortcutFile ReadShortcut(const String& path) {
  ShortcutFile file;
  IShellLinkW* link = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
    return file;
  IPersistFile* persist = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
    wchar_t text[MAX_PATH] = {};
    if (SUCCEEDED(persist->Load(path.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0))) {
      file.read = true;
      file.target = text;
      link->GetArguments(text, MAX_PATH);
      file.arguments = text;
      link->GetWorkingDirectory(text, MAX_PATH);
      file.workingFolder = text;
    }
    persist->Release();
  }
  link->Release();
  return file;
}

String ReadInstallRoot() {
  win32::RegKey key;
  String value;
  if (key.Open(HKEY_LOCAL_MACHINE, kInstallKey) != ERROR_SUCCESS) return value;
  key.QueryString(L"InstallRoot", value);
  return value;
}

::testing::AssertionResult SameBytes(const String& path, const std::string& builtUnixPath) {
  std::string installed, built;
  if (!ReadFileBytes(path, installed))
    return ::testing::AssertionFailure() << Narrow(path) << " cannot be read";
  if (!ReadFileBytes(WindowsPathOfUnixPath(builtUnixPath), built) || built.empty())
    return ::testing::AssertionFailure() << builtUnixPath << " cannot be read";
  if (installed != built)
    return ::testing::AssertionFailure()
           << Narrow(path) << " (" << installed.size() << " bytes) differs from " << builtUnixPath
           << " (" << built.size() << " bytes)";
  return ::testing::AssertionSuccess();
}

void ParkPointer() { MoveMouseTo({0, 0}); }

InstallerStory::InstallerStory()
    : m_desktopRedirect(L"Desktop", m_desktop.Path()),
      m_folders(FindMachineFolders()) {}

void InstallerStory::SetUp() {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ASSERT_EQ(m_desktopRedirect.Status(), ERROR_SUCCESS);
  ASSERT_EQ(m_folders.desktop, m_desktop.Path());
  RemoveInstallation(m_folders);
}

void InstallerStory::TearDown() {
  ParkPointer();
  m_installer.reset();
  EndStartedClient();
  RemoveInstallation(m_folders);
  ::CoUninitialize();
}

void InstallerStory::Start() {
  m_installer.reset();
  m_installer = std::make_unique<GuiProgram>(VL_INSTALLER_EXE, L"VLInstall.exe");
  ASSERT_TRUE(m_installer->Start());
  m_dialog =
      WaitForWindowWithControl(Installer().Id(), IDC_INSTALL_NEXT, kGuiStartTimeoutMs);
  ASSERT_NE(m_dialog, nullptr) << m_installer->OutputForFailure();
}

String InstallerStory::Text(int id) const { return ControlText(m_dialog, id); }

void InstallerStory::SetFolderText(const String& text) {
  ::SendMessageW(Control(IDC_INSTALL_FOLDER), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

bool InstallerStory::Click(int id) {
  HWND control = Control(id);
  if (!control || !::IsWindowVisible(control)) return false;
  ::SetForegroundWindow(m_dialog);
  return ClickAt(CentreOf(control));
}

::testing::AssertionResult InstallerStory::Answer(const String& text, int buttonId,
                                                  String* whole) {
  HWND box = WaitForMessageBoxOf(Installer().Id(), kGuiStepTimeoutMs, kMessageCaption);
  if (!box) return ::testing::AssertionFailure() << "no message box: " << Narrow(text);
  const String shown = ReadMessageBoxText(box);
  if (whole) *whole = shown;
  if (whole ? shown.rfind(text, 0) != 0 : shown != text)
    return ::testing::AssertionFailure() << "message box says " << Narrow(shown);
  if (!PressMessageBoxButton(box, buttonId))
    return ::testing::AssertionFailure() << "no button " << buttonId << " among "
                                         << Narrow(DescribeButtons(box));
  if (!WaitFor([&] { return !::IsWindow(box); }, kGuiStepTimeoutMs))
    return ::testing::AssertionFailure() << "the box stays";
  return ::testing::AssertionSuccess();
}

bool InstallerStory::DialogStays() {
  ::Sleep(kGuiQuietMs);
  return ::IsWindow(m_dialog) && ::IsWindowVisible(m_dialog) &&
         !Installer().HasExited();
}

bool InstallerStory::InstallerEnds(DWORD& exitCode) {
  if (!Installer().WaitForExit(kGuiStepTimeoutMs)) return false;
  exitCode = Installer().ExitCode();
  return true;
}

void InstallerStory::InstallAnsweringNo() {
  ASSERT_TRUE(Click(IDC_INSTALL_NEXT));
  ASSERT_TRUE(Answer(kTextAskLaunch, IDNO));
  DWORD exitCode = 0;
  ASSERT_TRUE(InstallerEnds(exitCode));
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace vl::test
