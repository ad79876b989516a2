#pragma once
// A block of memory inside another process, for the messages whose parameters are pointers
// (list-view rows, folder-browser paths, dropped files): the other process reads and writes it
// at Address(), the test through Write and Read. Freed when the object goes; a process that
// has ended took the block with it.
#include <windows.h>

#include <cstddef>

#include "core/base/String.h"
#include "win32/handles/KernelHandle.h"

namespace vl::test {

class RemoteMemory {
 public:
  RemoteMemory(DWORD processId, size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool Valid() const { return m_address != nullptr; }
  size_t Size() const { return m_size; }
  // The block as the other process sees it; null when it could not be made.
  void* Address() const { return m_address; }
  // Address() + offset, for pointers inside the block.
  void* AddressAt(size_t offset) const;
  LPARAM AsLParam() const { return reinterpret_cast<LPARAM>(m_address); }

  // False when the range lies outside the block or the other process refused.
  bool Write(size_t offset, const void* data, size_t size);
  bool Read(size_t offset, void* data, size_t size) const;
  // text with its terminating zero.
  bool WriteString(size_t offset, const String& text);
  // A zero-terminated text of at most maxChars characters.
  String ReadString(size_t offset, size_t maxChars) const;

 private:
  bool InRange(size_t offset, size_t size) const;

  win32::KernelHandle m_process;
  void* m_address = nullptr;
  size_t m_size = 0;
};

}  // namespace vl::test
