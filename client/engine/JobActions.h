#pragma once
// Action codes of a job record. They are single bits so that the copy can tell a new file from
// a changed one by testing JOB_NEW_FILE alone.
#include <cstdint>

namespace vl {

constexpr uint32_t JOB_CREATE_FOLDER = 0x001;
constexpr uint32_t JOB_NEW_FILE = 0x002;
constexpr uint32_t JOB_EXISTING_FOLDER = 0x010;
constexpr uint32_t JOB_CHANGED_FILE = 0x020;
constexpr uint32_t JOB_DELETE_FOLDER = 0x080;
constexpr uint32_t JOB_DELETE_FILE = 0x100;
// A partial copy that a killed run left in a target folder (PartialCopy.h). It is the run's
// own debris, not the user's: it counts in no figure and is named in no report.
constexpr uint32_t JOB_REMOVE_PARTIAL = 0x200;

// Folder jobs carry children; file jobs carry a size.
bool IsFolderAction(uint32_t action);
// Jobs made because the target lacked the entry, and deletions.
bool IsNewAction(uint32_t action);

// The action's name as the console tool and the tests print it; "UNKNOWN" for anything else.
const char* JobActionName(uint32_t action);

}  // namespace vl
