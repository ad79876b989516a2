#include "client/app/MessageFilter.h"

#include <windows.h>

#include "win32/handles/ModuleHandle.h"

namespace vl {
namespace {

using ChangeWindowMessageFilterFn = BOOL(WINAPI*)(UINT message, DWORD action);
constexpr DWORD kFilterAdd = 1;
// WM_COPYGLOBALDATA: the shell hands the dropped file list over with it.
constexpr UINT kCopyGlobalData = 0x0049;

}  // namespace

bool AllowDropsFromLowerIntegrity() {
  // Looked up by name: the function only exists from Vista on.
  win32::ModuleHandle user32(::LoadLibraryW(L"USER32.DLL"));
  auto filter = win32::GetExport<ChangeWindowMessageFilterFn>(user32.Get(),
                                                              "ChangeWindowMessageFilter");
  if (!filter) return false;
  for (UINT message : {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA),
                       kCopyGlobalData})
    filter(message, kFilterAdd);
  return true;
}

}  // namespace vl
