#pragma once
// A WinINet handle (an internet session or an opened URL), closed with InternetCloseHandle.
// Opening returns false with the reason in GetLastError, where WinINet leaves it (an
// ERROR_INTERNET_* code for a name that does not resolve, a refused connection, a time-out).
#include "core/base/String.h"
#include "win32/handles/UniqueHandle.h"

#include <wininet.h>

namespace vl::win32 {

struct InternetHandleTraits {
  using Handle = HINTERNET;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return InternetCloseHandle(h) != FALSE; }
};

class InternetHandle : public UniqueHandle<InternetHandleTraits> {
 public:
  // InternetOpenW: a session with the given access type (the system's proxy settings by
  // default).
  bool OpenSession(const String& agent, DWORD accessType = INTERNET_OPEN_TYPE_PRECONFIG) {
    Reset(InternetOpenW(agent.c_str(), accessType, nullptr, nullptr, 0));
    return IsValid();
  }
  // InternetOpenUrlW on session; for HTTP the request has been sent and its answer's headers
  // read when this returns true.
  bool OpenUrl(HINTERNET session, const String& url, DWORD flags) {
    Reset(InternetOpenUrlW(session, url.c_str(), nullptr, 0, flags, 0));
    return IsValid();
  }
};

}  // namespace vl::win32
