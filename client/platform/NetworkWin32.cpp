#include "client/platform/NetworkWin32.h"

#include <windows.h>
#include <shellapi.h>
#include <winnetwk.h>

#include "win32/SystemMessage.h"
#include "win32/handles/FileHandle.h"

namespace vl {

uint32_t NetworkWin32::AddConnection(const String& localName, const String& remoteName,
                                     const String& account, const String& password) {
  String local = localName;
  String remote = remoteName;
  NETRESOURCEW resource{};
  resource.dwType = RESOURCETYPE_DISK;
  resource.lpLocalName = local.data();
  resource.lpRemoteName = remote.data();
  // Temporary: the mapping ends with the logon session; the client makes it again when it
  // starts, so a remembered one would only outlive a changed setting.
  return ::WNetAddConnection2W(&resource, password.c_str(), account.c_str(),
                               CONNECT_TEMPORARY);
}

uint32_t NetworkWin32::CancelConnection(const String& localName) {
  // Forced: a file left open on the share must not keep the old mapping alive.
  return ::WNetCancelConnection2W(localName.c_str(), CONNECT_UPDATE_PROFILE, TRUE);
}

String NetworkWin32::ErrorText(uint32_t code) { return win32::SystemMessageText(code); }

void NetworkWin32::StartNet(const String& parameters) {
  ::ShellExecuteW(nullptr, L"Open", L"net.exe", parameters.c_str(), nullptr, SW_HIDE);
}

bool NetworkWin32::VolumeOpens(const String& volumePath) {
  win32::FileHandle volume;
  return volume.Open(volumePath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     OPEN_EXISTING);
}

}  // namespace vl
