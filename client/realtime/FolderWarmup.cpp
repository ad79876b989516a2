#include "client/realtime/FolderWarmup.h"

#include <windows.h>

#include <system_error>
#include <utility>

#include "client/engine/PathUtil.h"
#include "win32/WineDetect.h"
#include "win32/handles/FindHandle.h"

namespace vl {
namespace {

bool IsWalkedSubfolder(const WIN32_FIND_DATAW& data) {
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return false;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return false;
  const String name = data.cFileName;
  return name != L"." && name != L".." && !EqualsNoCase(name, L"_VLHistory");
}

// Lists folder (which is what makes Wine watch it) and adds its subfolders to pending.
void ListFolder(const String& folder, std::vector<String>& pending) {
  const String base = EndsWithBackslash(folder) ? folder : folder + L"\\";
  WIN32_FIND_DATAW data{};
  win32::FindHandle find;
  if (!find.First(base + L"*", data)) return;
  do {
    if (IsWalkedSubfolder(data)) pending.push_back(base + data.cFileName);
  } while (find.Next(data));
}

// The folders between the drive root and folder: Wine's watch of the root reaches folder only
// through them, so each is opened too (but not walked: that would be the whole drive).
void OpenAncestors(const String& folder) {
  for (size_t slash = folder.find(L'\\', 3); slash != String::npos && slash + 1 < folder.size();
       slash = folder.find(L'\\', slash + 1)) {
    WIN32_FIND_DATAW data{};
    win32::FindHandle find;
    find.First(folder.substr(0, slash) + L"\\*", data);
  }
}

}  // namespace

CFolderWarmup::CFolderWarmup() : CFolderWarmup(win32::IsRunningOnWine()) {}

CFolderWarmup::CFolderWarmup(bool needed) : m_needed(needed) {}

CFolderWarmup::~CFolderWarmup() { Stop(); }

void CFolderWarmup::Start(std::vector<String> itemFolders) {
  Stop();
  if (!m_needed) return;
  m_stop.store(false);
  try {
    m_thread = std::thread(&CFolderWarmup::Walk, this, std::move(itemFolders));
  } catch (const std::system_error&) {
    // No thread to spare: the folders stay unwarmed, and Wine misses changes in them until the
    // next full backup finds them.
  }
}

void CFolderWarmup::Stop() {
  m_stop.store(true);
  Wait();
}

void CFolderWarmup::Wait() {
  if (m_thread.joinable()) m_thread.join();
}

void CFolderWarmup::Walk(std::vector<String> folders) {
  for (const String& folder : folders) OpenAncestors(folder);
  while (!folders.empty() && !m_stop.load()) {
    const String folder = std::move(folders.back());
    folders.pop_back();
    ListFolder(folder, folders);
  }
}

}  // namespace vl
