#pragma once
// Device contexts: a memory DC (DeleteDC), a window's DC (ReleaseDC) and an object selected
// into a DC for a scope, put back when the scope ends.
#include "win32/handles/UniqueHandle.h"

namespace vl::win32 {

struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return DeleteDC(h) != FALSE; }
};

// CreateCompatibleDC(reference).
class MemoryDc : public UniqueHandle<MemoryDcTraits> {
 public:
  explicit MemoryDc(HDC reference) : UniqueHandle(::CreateCompatibleDC(reference)) {}
};

// GetDC(window); null window gives the screen.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
  ~WindowDc() {
    if (m_dc) ::ReleaseDC(m_window, m_dc);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return m_dc; }

 private:
  HWND m_window;
  HDC m_dc;
};

class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (m_previous) ::SelectObject(m_dc, m_previous);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

}  // namespace vl::win32
