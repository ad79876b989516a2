#pragma once
// How a run ended, as the completion message (2029) carries it to the backup dialog and as the
// console tool reports it.
#include <cstdint>

namespace vl {

class CRunState;

enum RunCompletion : int32_t {
  DONE_OK = 0,         // something was created, copied or deleted, or an error was recorded
  DONE_NOTHING = 2,    // the run ended with none of that
  DONE_CANCELLED = 3,  // the cancel flag was set when the run ended
};

// The code for the state a finished run left.
RunCompletion CompletionCode(const CRunState& state);

}  // namespace vl
