#pragma once
// The change event real-time backup passes from the directory-change handler to the queue
// (message 2027), and the queue's record of it. Both are plain fixed-size blocks in
// a fixed field order; every text is 260 UTF-16 characters, zero-terminated and zero-filled.
#include <cstdint>
#include <memory>

#include "core/base/String.h"

namespace vl {

constexpr size_t kChangeTextChars = 260;
using ChangeText = Char[kChangeTextChars];

constexpr uint32_t kChangeHeader1 = 104;
constexpr uint32_t kChangeHeader2 = 1;
constexpr uint32_t kChangeHeader3 = 1;

inline constexpr Char CHANGE_ACTION_CREATE_WRITE[] = VLT("CREATE WRITE");
inline constexpr Char CHANGE_ACTION_DELETE[] = VLT("DELETE");
inline constexpr Char CHANGE_ACTION_RENAME[] = VLT("RENAME");
inline constexpr Char CHANGE_VERDICT_PASS[] = VLT("PASS");
inline constexpr Char CHANGE_VERDICT_BLOCK[] = VLT("BLOCK");
inline constexpr Char CHANGE_OPERATION[] = VLT("NtCreateFile");

struct CHANGE_EVENT {
  uint32_t header1;
  uint32_t header2;
  uint32_t header3;
  ChangeText processName;      // always empty here
  ChangeText action;           // CREATE WRITE, DELETE or RENAME
  ChangeText sourcePath;       // the changed path; the old path of a rename
  ChangeText destinationPath;  // the new path of a rename; empty otherwise
  ChangeText verdict;          // PASS; BLOCK is discarded
  ChangeText operation;        // NtCreateFile
};

struct CHANGE_RECORD {
  CHANGE_EVENT event;
  ChangeText sourceName;            // source path after the last backslash
  ChangeText destinationName;       // destination path after the last backslash
  ChangeText sourceFolder;          // source path before the last backslash
  ChangeText destinationFolder;     // destination path before the last backslash
  ChangeText sourceExtension;       // source name after its last dot; empty when none
  ChangeText destinationExtension;  // destination name after its last dot
  uint32_t tick;                    // when queued or last refreshed (ITickSource)
};

static_assert(sizeof(Char) == 2, "change texts are UTF-16");
static_assert(sizeof(CHANGE_EVENT) == 3 * 4 + 6 * kChangeTextChars * 2, "no padding");

// A zero-filled event with the three headers set.
std::unique_ptr<CHANGE_EVENT> MakeChangeEvent();

// Puts text into field, zero-terminated and zero-filled. A text that does not fit (260
// characters or more) is refused rather than cut: a cut path names another file, and a change
// applied there would copy the wrong thing. On refusal the field is left empty and false comes
// back.
bool SetChangeText(ChangeText& field, StringView text);

// The text of a field, up to its first zero; never reads past the field, also where it holds
// no zero at all.
String GetChangeText(const ChangeText& field);

// A record of event, its six derived texts worked out, with tick.
CHANGE_RECORD MakeChangeRecord(const CHANGE_EVENT& event, uint32_t tick);

// The three parts of a path as the record keeps them: after the last backslash (the whole path
// when it has none), before it (empty when none), and the name after its last dot (empty when
// none).
struct PathParts {
  String name;
  String folder;
  String extension;
};
PathParts SplitChangePath(StringView path);

}  // namespace vl
