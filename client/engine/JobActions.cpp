#include "client/engine/JobActions.h"

namespace vl {

bool IsFolderAction(uint32_t action) {
  return (action & (JOB_CREATE_FOLDER | JOB_EXISTING_FOLDER | JOB_DELETE_FOLDER)) != 0;
}

bool IsNewAction(uint32_t action) {
  return (action & (JOB_EXISTING_FOLDER | JOB_CHANGED_FILE)) == 0;
}

const char* JobActionName(uint32_t action) {
  switch (action) {
    case JOB_CREATE_FOLDER: return "CREATE_FOLDER";
    case JOB_NEW_FILE: return "NEW_FILE";
    case JOB_EXISTING_FOLDER: return "EXISTING_FOLDER";
    case JOB_CHANGED_FILE: return "CHANGED_FILE";
    case JOB_DELETE_FOLDER: return "DELETE_FOLDER";
    case JOB_DELETE_FILE: return "DELETE_FILE";
    case JOB_REMOVE_PARTIAL: return "REMOVE_PARTIAL";
    default: return "UNKNOWN";
  }
}

}  // namespace vl
