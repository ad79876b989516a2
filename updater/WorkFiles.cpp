#include "updater/WorkFiles.h"

#include "win32/handles/FileHandle.h"

namespace vl::updater {
namespace {

class COutFile : public IOutFile {
 public:
  explicit COutFile(win32::FileHandle file) : m_file(std::move(file)) {}

  bool Write(const uint8_t* data, size_t size) override {
    DWORD written = 0;
    return ::WriteFile(m_file.Get(), data, static_cast<DWORD>(size), &written, nullptr) &&
           written == size;
  }
  bool Finish() override { return m_file.Close(); }

 private:
  win32::FileHandle m_file;
};

}  // namespace

bool CWorkFiles::EnsureFolder(const String& folder) {
  if (::CreateDirectoryW(folder.c_str(), nullptr)) return true;
  const DWORD attributes = ::GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::unique_ptr<IOutFile> CWorkFiles::Create(const String& path) {
  win32::FileHandle file;
  if (!file.Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS)) return nullptr;
  return std::make_unique<COutFile>(std::move(file));
}

void CWorkFiles::Remove(const String& path) { ::DeleteFileW(path.c_str()); }

}  // namespace vl::updater
