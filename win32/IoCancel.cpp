#include "win32/IoCancel.h"

#include "win32/handles/ModuleHandle.h"

namespace vl::win32 {
namespace {

template <typename Function, typename... Arguments>
bool CallKernelExport(const char* name, Arguments... arguments) {
  const auto function = GetExport<Function>(GetModuleHandleW(L"kernel32.dll"), name);
  if (!function) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return false;
  }
  return function(arguments...) != FALSE;
}

}  // namespace

bool CancelFileIo(HANDLE file) {
  return CallKernelExport<BOOL(WINAPI*)(HANDLE, LPOVERLAPPED)>("CancelIoEx", file,
                                                                static_cast<LPOVERLAPPED>(nullptr));
}

bool CancelThreadIo(HANDLE thread) {
  return CallKernelExport<BOOL(WINAPI*)(HANDLE)>("CancelSynchronousIo", thread);
}

}  // namespace vl::win32
