#pragma once
// One failure of a backup run, as the report lists it.
#include <utility>

#include "core/base/String.h"

namespace vl {

class CErrorItem {
 public:
  CErrorItem() = default;
  CErrorItem(String failedPath, String text)
      : path(std::move(failedPath)), message(std::move(text)) {}

  String path;     // the file or folder that failed
  String message;  // the string-table text describing the failure
};

}  // namespace vl
