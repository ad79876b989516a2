#include "client/model/BackupSetFile.h"

#include "core/archive/Archive.h"
#include "core/text/Latin1.h"

namespace vl {

String DecodeLatin1(const std::string& bytes) { return WidenLatin1(bytes); }

std::vector<uint8_t> StoreBackupSet(const CVaultlineDoc& doc) {
  std::vector<uint8_t> bytes;
  CArchive ar(bytes);
  doc.Store(ar);
  return bytes;
}

// Reads into a scratch document first so that a file that fails halfway leaves the open set
// exactly as it was.
bool ParseBackupSet(const std::vector<uint8_t>& bytes, const String& fileName, CVaultlineDoc& doc,
                    String& message, const CodePageDecoder& decoder) {
  if (bytes.size() > kMaxSetFileBytes) {
    message = ArchiveErrorMessage(CArchiveException::genericException, fileName);
    return false;
  }
  CSourceList loaded;
  CVaultlineDoc scratch(loaded);
  try {
    CArchive ar(bytes.data(), bytes.size(), decoder);
    scratch.Load(ar);
  } catch (const CArchiveException& e) {
    message = ArchiveErrorMessage(e.m_cause, fileName);
    return false;
  }
  doc.m_settings = std::move(scratch.m_settings);
  doc.Sources().Append(std::move(loaded));
  return true;
}

}  // namespace vl
