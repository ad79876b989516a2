#pragma once
// A run's error list as plain (path, message) pairs, so tests compare the whole list at once.
#include <utility>
#include <vector>

#include "client/engine/RunState.h"
#include "client/engine/TextProvider.h"

namespace vl {

using ErrorRecord = std::pair<String, String>;

inline std::vector<ErrorRecord> ErrorRecords(const CRunState& state) {
  std::vector<ErrorRecord> errors;
  for (const auto& error : state.errorList) errors.emplace_back(error->path, error->message);
  return errors;
}

// The record a failure of path with the given text is expected to leave.
inline ErrorRecord ExpectedError(const String& path, TextId text) {
  return {path, EnglishTexts().Text(text)};
}

}  // namespace vl
