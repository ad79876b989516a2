#pragma once
// COM for the length of a scope, and an owned interface pointer released when it goes.
#include <objbase.h>

#include <utility>

namespace vl::installer {

// Initialises COM on this thread (apartment-threaded, as the shell wants it) and balances a
// successful initialisation, a repeated one included, when the scope ends.
class ComScope {
 public:
  ComScope() : m_hr(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(m_hr)) ::CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

  bool Ok() const { return SUCCEEDED(m_hr); }

 private:
  HRESULT m_hr;
};

template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() { Reset(); }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  Interface* operator->() const { return m_p; }
  Interface* Get() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }
  // For the calls that hand out a new reference; the old one is released first.
  void** Receive() {
    Reset();
    return reinterpret_cast<void**>(&m_p);
  }
  void Reset() {
    if (m_p) std::exchange(m_p, nullptr)->Release();
  }

 private:
  Interface* m_p = nullptr;
};

}  // namespace vl::installer
