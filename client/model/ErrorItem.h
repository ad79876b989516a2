#pragma once
// One failure of a backup run, as the report lists it.
#include <cstdint>
#include <utility>

#include "core/base/String.h"

namespace vl {

class CErrorItem {
 public:
  CErrorItem() : systemCode(0) {}
  CErrorItem(String failedPath, String text, uint32_t code = 0)
      : path(std::move(failedPath)), message(std::move(text)), systemCode(code) {}

  String path;          // the file or folder that failed
  String message;       // the string-table text describing the failure
  uint32_t systemCode;  // the platform's own code for it (GetLastError); 0 when it had none
};

}  // namespace vl
