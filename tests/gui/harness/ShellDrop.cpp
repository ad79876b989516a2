#include "tests/gui/harness/ShellDrop.h"

#include <shlobj.h>

#include <cstring>

namespace vl::test {

std::vector<BYTE> MakeDropFilesBlock(const std::vector<String>& paths, POINT at) {
  String names;
  for (const String& path : paths) names += path + L'\0';
  names += L'\0';
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.pt = at;
  header.fNC = FALSE;
  header.fWide = TRUE;
  std::vector<BYTE> block(sizeof(header) + names.size() * sizeof(wchar_t));
  std::memcpy(block.data(), &header, sizeof(header));
  std::memcpy(block.data() + sizeof(header), names.data(), names.size() * sizeof(wchar_t));
  return block;
}

bool ShellDrop::Post(HWND target, const std::vector<String>& paths, POINT at) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(target, &processId);
  const std::vector<BYTE> block = MakeDropFilesBlock(paths, at);
  auto memory = std::make_unique<RemoteMemory>(processId, block.size());
  if (!memory->Write(0, block.data(), block.size())) return false;
  const bool posted =
      ::PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(memory->Address()), 0) != FALSE;
  m_blocks.push_back(std::move(memory));
  return posted;
}

}  // namespace vl::test
