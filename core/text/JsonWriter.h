#pragma once
// Builds UTF-8 JSON text, pretty-printed with two spaces per level, for the console tools.
// Callers drive it in document order; keys are only valid directly inside an object.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/String.h"

namespace vl {

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();

  // The name of the next member of the current object; utf8 is taken as it is.
  void Key(std::string_view utf8);
  void Key(StringView text);

  void StringValue(StringView text);
  void StringValue(std::string_view utf8);
  void NumberValue(int64_t value);
  void NumberValue(uint64_t value);
  void BoolValue(bool value);
  void NullValue();

  // The text so far; complete once every container has been ended.
  const std::string& Text() const { return m_text; }
  // Hands over the text so far and forgets it, while the writer carries on where it was: a
  // long document can be passed on in pieces instead of being held whole.
  std::string TakeText();

 private:
  void BeginValue();
  void Open(char bracket);
  void Close(char bracket);
  void NewLine(size_t depth);
  void AppendQuoted(std::string_view utf8);

  std::string m_text;
  std::vector<size_t> m_levels;  // members written so far, per open container
  bool m_afterKey = false;
};

}  // namespace vl
