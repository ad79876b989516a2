#pragma once
// printf-style formatting of string-table texts with %s, %d and %%, done by hand so that the
// result is the same with every C library (swprintf treats %s differently on Windows).
#include <cstdint>
#include <initializer_list>

#include "core/base/String.h"

namespace vl {

class FormatArg {
 public:
  FormatArg(StringView text) : m_text(text) {}
  FormatArg(const String& text) : m_text(text) {}
  FormatArg(const Char* text) : m_text(text) {}
  FormatArg(int64_t number) : m_number(number), m_isNumber(true) {}
  FormatArg(int number) : FormatArg(static_cast<int64_t>(number)) {}

  // A number given for %s prints as a number; text given for %d prints as text.
  String ToText() const;

 private:
  StringView m_text;
  int64_t m_number = 0;
  bool m_isNumber = false;
};

// Fills the directives of format from args in order. A directive without an argument left
// becomes empty; any other character after % is copied as it is.
String FormatText(StringView format, std::initializer_list<FormatArg> args);

// Decimal digits of value, with a minus sign when negative.
String DecimalText(int64_t value);

}  // namespace vl
