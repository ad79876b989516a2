#pragma once
// Move-only owner of one Win32 handle. Each handle kind supplies a traits type with its invalid
// value and its close call. Closing never disturbs the caller's GetLastError: a destructor that
// runs while an error is being reported must not replace the code the caller is about to read.
#include <windows.h>

#include <utility>

namespace vl::win32 {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : m_handle(handle) {}
  ~UniqueHandle() { CloseKeepingLastError(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.Detach()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Detach());
    return *this;
  }

  bool IsValid() const { return m_handle != Traits::Invalid(); }
  explicit operator bool() const { return IsValid(); }
  Handle Get() const { return m_handle; }

  // Takes ownership of handle, closing the previous one (GetLastError preserved).
  void Reset(Handle handle = Traits::Invalid()) {
    CloseKeepingLastError();
    m_handle = handle;
  }
  Handle Detach() { return std::exchange(m_handle, Traits::Invalid()); }

  // Closes now and reports the close call's own result, so writers can see a failed close.
  bool Close() {
    if (!IsValid()) return true;
    return Traits::Close(std::exchange(m_handle, Traits::Invalid()));
  }

 private:
  void CloseKeepingLastError() {
    if (!IsValid()) return;
    const DWORD saved = GetLastError();
    Traits::Close(std::exchange(m_handle, Traits::Invalid()));
    SetLastError(saved);
  }

  Handle m_handle = Traits::Invalid();
};

}  // namespace vl::win32
