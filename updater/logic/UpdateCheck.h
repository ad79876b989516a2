#pragma once
// The check: asks the service what makes up the current release, works out which files differ
// from what is installed and asks the user. The service's answer is kept in the working folder
// as Update.ini while the updater runs.
#include <cstddef>

#include "updater/logic/UpdatePaths.h"
#include "updater/logic/UpdateQueue.h"
#include "updater/logic/UpdateServices.h"

namespace vl::updater {

// A file list is a few lines per file; an answer larger than this is not one.
constexpr size_t kMaxAnswerBytes = 1 << 20;
constexpr StringView kAnswerFileName = VLT("Update.ini");

enum class CheckOutcome {
  Offline,       // the system knows no connection
  NoWorkFolder,  // the working folder could not be made
  NoAnswer,      // no answer could be fetched and kept, or it was too large
  NoUpdate,      // ID_RESULT 0, or no files
  Cancelled,     // the user cancelled while the answer was being fetched
  Declined,      // "No" to the question
  Accepted,      // "Yes": the queue holds what to download
};

struct CheckRequest {
  String url;
  UpdateFolders folders;
};

CheckOutcome RunCheck(const CheckRequest& request, UpdateServices& services, UpdateQueue& queue);

}  // namespace vl::updater
