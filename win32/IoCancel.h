#pragma once
// Cancelling I/O that another thread waits on. Both calls exist from Windows Vista on and are
// looked up at run time, so a program using them still starts on older systems, where they
// fail with ERROR_PROC_NOT_FOUND.
#include <windows.h>

namespace vl::win32 {

// CancelIoEx(file, nullptr): every pending request on file, from whichever thread it came.
bool CancelFileIo(HANDLE file);
// CancelSynchronousIo(thread): the blocking request thread is in, if any.
bool CancelThreadIo(HANDLE thread);

}  // namespace vl::win32
