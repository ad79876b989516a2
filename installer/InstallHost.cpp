#include "installer/InstallHost.h"

#include <shellapi.h>

#include "core/text/Placeholder.h"
#include "installer/PayloadWriter.h"
#include "installer/ShellLinks.h"
#include "resources/installer/resource.h"
#include "win32/ResString.h"
#include "win32/SystemMessage.h"
#include "win32/framework/MessageBox.h"
#include "win32/handles/KernelHandle.h"
#include "win32/handles/RegKey.h"

namespace vl::installer {
namespace {

constexpr const wchar_t* kMutexNames[] = {L"Vaultline", L"Vaultline Updater"};
constexpr const wchar_t* kInstallKey = L"SOFTWARE\\Kestrava\\Vaultline";
constexpr const wchar_t* kInstallRootValue = L"InstallRoot";

// A mutex made by a program with other rights may refuse to be opened, but exists all the same.
bool MutexExists(const wchar_t* name) {
  win32::KernelHandle mutex(::OpenMutexW(SYNCHRONIZE, FALSE, name));
  return mutex.IsValid() || ::GetLastError() == ERROR_ACCESS_DENIED;
}

UINT PayloadResource(Payload payload) {
  switch (payload) {
    case Payload::client: return IDR_PAYLOAD_CLIENT;
    case Payload::updater: return IDR_PAYLOAD_UPDATER;
    case Payload::remover: return IDR_PAYLOAD_REMOVER;
  }
  return 0;
}

UINT MessageText(InstallMessage message) {
  switch (message) {
    case InstallMessage::chooseFolder: return IDS_CHOOSE_FOLDER;
    case InstallMessage::chooseVolume: return IDS_CHOOSE_VOLUME;
    case InstallMessage::shortcutFailed: return IDS_SHORTCUT_FAILED;
    case InstallMessage::vaultlineRunning: return IDS_VAULTLINE_RUNNING;
  }
  return 0;
}

}  // namespace

bool CInstallHost::IsVaultlineRunning() {
  for (const wchar_t* name : kMutexNames)
    if (MutexExists(name)) return true;
  return false;
}

bool CInstallHost::CreateFolder(const String& path) {
  return ::CreateDirectoryW(path.c_str(), nullptr) != FALSE;
}

bool CInstallHost::FolderExists(const String& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CInstallHost::DeleteFile(const String& path) { ::DeleteFileW(path.c_str()); }

uint32_t CInstallHost::WritePayload(Payload payload, const String& path) {
  return WritePayloadResource(PayloadResource(payload), path);
}

bool CInstallHost::SaveShortcut(const Shortcut& link, const String& linkPath) {
  return SaveShellLink(link, linkPath);
}

void CInstallHost::CopyFile(const String& from, const String& to) {
  ::CopyFileW(from.c_str(), to.c_str(), FALSE);
}

void CInstallHost::RecordInstallRoot(const String& folder) {
  win32::RegKey key;
  if (key.Create(HKEY_LOCAL_MACHINE, kInstallKey, KEY_ALL_ACCESS) == ERROR_SUCCESS)
    key.SetString(kInstallRootValue, folder);
}

void CInstallHost::ShowMessage(InstallMessage message) {
  AfxMessageBox(m_hDialog, LoadResString(MessageText(message)), MB_OK | MB_ICONINFORMATION);
}

void CInstallHost::ShowWriteFailure(const String& path, uint32_t code) {
  String text = ReplacePlaceholder(LoadResString(IDS_WRITE_FAILED), path);
  const String reason = win32::SystemMessageText(code);
  text += L"\n\n" + (reason.empty() ? L"Error " + std::to_wstring(code) : reason);
  AfxMessageBox(m_hDialog, text, MB_OK | MB_ICONINFORMATION);
}

bool CInstallHost::AskToLaunch() {
  return AfxMessageBox(m_hDialog, LoadResString(IDS_ASK_LAUNCH), MB_YESNO | MB_ICONQUESTION) ==
         IDYES;
}

void CInstallHost::Launch(const String& program) {
  ::ShellExecuteW(nullptr, L"open", program.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vl::installer
