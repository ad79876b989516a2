#include "updater/logic/UpdateAnswer.h"

#include <optional>
#include <string>

#include "updater/logic/DecimalText.h"
#include "updater/logic/FileNameRule.h"
#include "updater/logic/UpdateUrls.h"

namespace vl::updater {
namespace {

constexpr StringView kReturnSection = VLT("VAULTLINE_UPDATE_RETURN");
constexpr size_t kSha256HexDigits = 64;

String SectionName(int index) {
  const std::string digits = std::to_string(index);
  return VLT("FILE_INFO_") + String(digits.begin(), digits.end());
}

// Lower-case digest when value is one; false otherwise.
bool ReadDigest(StringView value, String& digest) {
  if (value.size() != kSha256HexDigits) return false;
  digest.clear();
  for (Char c : value) {
    if (c >= 'A' && c <= 'F') c = static_cast<Char>(c - 'A' + 'a');
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    digest += c;
  }
  return true;
}

// The first rule the entry breaks; none when it is fit to queue (info is then filled in).
std::optional<EntryProblem> ReadEntry(const IniText& ini, const String& section,
                                      CUpdateInfo& info) {
  const String size = ini.Value(section, VLT("FILE_SIZE"));
  info.m_strVersion = ini.Value(section, VLT("FILE_VER"));
  info.m_strFileName = ini.Value(section, VLT("FILE_NAME"));
  info.m_strUrl = ini.Value(section, VLT("FILE_URL"));
  const String digest = ini.Value(section, VLT("FILE_SHA256"));
  const String* const required[] = {&size, &info.m_strVersion, &info.m_strFileName,
                                    &info.m_strUrl};
  for (const String* value : required) {
    if (value->empty()) return EntryProblem::MissingKey;
  }
  for (const String* value : required) {
    if (value->size() >= kMaxAnswerValueChars) return EntryProblem::OverlongValue;
  }
  if (!IsPlainFileName(info.m_strFileName)) return EntryProblem::BadName;
  if (!ParseByteCount(size, info.m_nSize)) return EntryProblem::BadSize;
  if (!IsWebUrl(info.m_strUrl)) return EntryProblem::BadUrl;
  if (!digest.empty() && !ReadDigest(digest, info.m_strSha256)) return EntryProblem::BadDigest;
  return std::nullopt;
}

}  // namespace

UpdateAnswer ReadUpdateAnswer(const IniText& ini) {
  UpdateAnswer answer;
  answer.result = ParseProfileInt(ini.Value(kReturnSection, VLT("ID_RESULT")));
  answer.fileCount = ParseProfileInt(ini.Value(kReturnSection, VLT("ID_FILE_COUNT")));
  if (!answer.HasUpdate()) return answer;
  for (int index = 0; index < answer.fileCount; ++index) {
    const String section = SectionName(index);
    if (!ini.HasSection(section)) break;
    CUpdateInfo info;
    if (const auto problem = ReadEntry(ini, section, info))
      answer.skipped.push_back({index, *problem});
    else
      answer.files.push_back(std::move(info));
  }
  return answer;
}

}  // namespace vl::updater
