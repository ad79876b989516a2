#pragma once
// What the service's answer says: whether there is an update, and the files of the release
// that pass every rule. Only the sections FILE_INFO_0, FILE_INFO_1, ... up to the first one
// missing are read, however large ID_FILE_COUNT claims to be.
#include <vector>

#include "updater/logic/IniText.h"
#include "updater/logic/UpdateInfo.h"

namespace vl::updater {

// A value of the answer is read into room for this many characters, the terminator included,
// as the profile functions read it. A longer one is never cut to fit: a cut name or address
// would fetch or write something the service did not mean.
constexpr size_t kMaxAnswerValueChars = 260;

enum class EntryProblem {
  MissingKey,     // FILE_SIZE, FILE_VER, FILE_NAME or FILE_URL empty or absent
  OverlongValue,  // one of them too long to read whole
  BadName,        // FILE_NAME not a plain file name
  BadSize,        // FILE_SIZE not a byte count
  BadUrl,         // FILE_URL not an HTTP or HTTPS address
  BadDigest,      // FILE_SHA256 given, but not 64 hex digits
};

struct SkippedEntry {
  int index;
  EntryProblem problem;
};

struct UpdateAnswer {
  int result = 0;
  int fileCount = 0;
  std::vector<CUpdateInfo> files;
  std::vector<SkippedEntry> skipped;

  bool HasUpdate() const { return result != 0 && fileCount > 0; }
};

UpdateAnswer ReadUpdateAnswer(const IniText& ini);

}  // namespace vl::updater
