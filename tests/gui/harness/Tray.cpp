#include "tests/gui/harness/Tray.h"

#include <shellapi.h>

namespace vl::test {

void PostTrayEvent(HWND frame, UINT mouseMessage) {
  ::PostMessageW(frame, kTrayCallbackMessage, IDR_TRAYMENU, mouseMessage);
}

bool TrayIconPresent(HWND owner, UINT uId) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V3_SIZE;
  data.hWnd = owner;
  data.uID = uId;
  data.uFlags = NIF_TIP;
  lstrcpynW(data.szTip, L"Vaultline", 64);
  return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace vl::test
