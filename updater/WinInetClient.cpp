#include "updater/WinInetClient.h"

#include "updater/UpdateTrace.h"
#include "updater/logic/DecimalText.h"

namespace vl::updater {
namespace {

constexpr DWORD kTimeoutMs = 30000;
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI |
                                INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_TRANSFER_BINARY;

class CWinInetBody : public IHttpBody {
 public:
  CWinInetBody(win32::InternetHandle request, std::optional<uint64_t> declared)
      : m_request(std::move(request)), m_declared(declared) {}

  bool Read(uint8_t* buffer, size_t capacity, size_t& got) override {
    DWORD read = 0;
    const bool ok = ::InternetReadFile(m_request.Get(), buffer, static_cast<DWORD>(capacity),
                                       &read) != FALSE;
    got = ok ? read : 0;
    return ok;
  }
  std::optional<uint64_t> DeclaredLength() const override { return m_declared; }

 private:
  win32::InternetHandle m_request;
  std::optional<uint64_t> m_declared;
};

DWORD StatusCode(HINTERNET request) {
  DWORD code = 0;
  DWORD size = sizeof code;
  if (!::HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size,
                        nullptr))
    return 0;
  return code;
}

std::optional<uint64_t> ContentLength(HINTERNET request) {
  wchar_t text[32] = {};
  DWORD size = sizeof text;
  int64_t length = 0;
  if (!::HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr) ||
      !ParseByteCount(text, length))
    return std::nullopt;
  return static_cast<uint64_t>(length);
}

void SetTimeouts(HINTERNET session) {
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                       INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    DWORD value = kTimeoutMs;
    ::InternetSetOptionW(session, option, &value, sizeof value);
  }
}

}  // namespace

bool CWinInetClient::IsConnected() {
  DWORD flags = 0;
  if (!::InternetGetConnectedState(&flags, 0)) return false;
  return (flags & (INTERNET_CONNECTION_MODEM | INTERNET_CONNECTION_LAN |
                   INTERNET_CONNECTION_PROXY)) != 0;
}

bool CWinInetClient::EnsureSession() {
  if (m_session) return true;
  if (!m_session.OpenSession(L"Vaultline Update")) return false;
  SetTimeouts(m_session.Get());
  return true;
}

std::unique_ptr<IHttpBody> CWinInetClient::Open(const String& url) {
  if (!EnsureSession()) {
    UpdateTrace(L"[VAULTLINE][Update] no internet session (%lu)\n", ::GetLastError());
    return nullptr;
  }
  win32::InternetHandle request;
  if (!request.OpenUrl(m_session.Get(), url, kRequestFlags)) {
    UpdateTrace(L"[VAULTLINE][Update] cannot open %s (%lu)\n", url.c_str(), ::GetLastError());
    return nullptr;
  }
  const DWORD status = StatusCode(request.Get());
  if (status != HTTP_STATUS_OK) {
    UpdateTrace(L"[VAULTLINE][Update] %s answered %lu\n", url.c_str(), status);
    return nullptr;
  }
  const std::optional<uint64_t> declared = ContentLength(request.Get());
  return std::make_unique<CWinInetBody>(std::move(request), declared);
}

}  // namespace vl::updater
