#pragma once
// A progress line rewritten in place on a console: each update returns to the start of the
// line and blanks what a longer previous update left behind.
#include <cstddef>

#include "core/base/String.h"

namespace vl {

class InPlaceLine {
 public:
  // The text that replaces the shown line with line.
  String Next(const String& line);
  // The text that leaves the line shown and moves to a fresh one; empty when nothing shows.
  String Finish();

 private:
  size_t m_shownWidth = 0;
};

}  // namespace vl
