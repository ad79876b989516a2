#include "tests/gui/harness/RemoteMemory.h"

#include <cwchar>
#include <vector>

namespace vl::test {

RemoteMemory::RemoteMemory(DWORD processId, size_t size)
    : m_process(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                  PROCESS_QUERY_INFORMATION,
                              FALSE, processId)),
      m_size(size) {
  if (!m_process || size == 0) return;
  m_address =
      ::VirtualAllocEx(m_process.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory() {
  if (m_address) ::VirtualFreeEx(m_process.Get(), m_address, 0, MEM_RELEASE);
}

void* RemoteMemory::AddressAt(size_t offset) const {
  return m_address ? static_cast<char*>(m_address) + offset : nullptr;
}

bool RemoteMemory::InRange(size_t offset, size_t size) const {
  return m_address && offset <= m_size && size <= m_size - offset;
}

bool RemoteMemory::Write(size_t offset, const void* data, size_t size) {
  SIZE_T written = 0;
  return InRange(offset, size) &&
         ::WriteProcessMemory(m_process.Get(), AddressAt(offset), data, size, &written) &&
         written == size;
}

bool RemoteMemory::Read(size_t offset, void* data, size_t size) const {
  SIZE_T read = 0;
  return InRange(offset, size) &&
         ::ReadProcessMemory(m_process.Get(), AddressAt(offset), data, size, &read) &&
         read == size;
}

bool RemoteMemory::WriteString(size_t offset, const String& text) {
  return Write(offset, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

String RemoteMemory::ReadString(size_t offset, size_t maxChars) const {
  std::vector<wchar_t> text(maxChars + 1, L'\0');
  if (!Read(offset, text.data(), maxChars * sizeof(wchar_t))) return String();
  return String(text.data(), wcsnlen(text.data(), maxChars));
}

}  // namespace vl::test
