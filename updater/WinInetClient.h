#pragma once
// HTTP through WinINet, with the system's proxy settings. Nothing is taken from or written to
// the cache, and every connection, request and read is bounded in time, so a server that stops
// answering ends the request instead of hanging the updater.
#include "updater/logic/UpdateServices.h"
#include "win32/handles/InternetHandle.h"

namespace vl::updater {

class CWinInetClient : public IHttpClient {
 public:
  bool IsConnected() override;
  std::unique_ptr<IHttpBody> Open(const String& url) override;

 private:
  bool EnsureSession();

  win32::InternetHandle m_session;
};

}  // namespace vl::updater
