#include "core/text/JsonWriter.h"

#include "core/text/Utf.h"

namespace vl {

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

std::string JsonWriter::TakeText() {
  std::string text;
  text.swap(m_text);
  return text;
}

void JsonWriter::Key(std::string_view utf8) {
  BeginValue();
  AppendQuoted(utf8);
  m_text += ": ";
  m_afterKey = true;
}

void JsonWriter::Key(StringView text) { Key(std::string_view(ToUtf8(text))); }

void JsonWriter::StringValue(StringView text) { StringValue(std::string_view(ToUtf8(text))); }

void JsonWriter::StringValue(std::string_view utf8) {
  BeginValue();
  AppendQuoted(utf8);
}

void JsonWriter::NumberValue(int64_t value) {
  BeginValue();
  m_text += std::to_string(value);
}

void JsonWriter::NumberValue(uint64_t value) {
  BeginValue();
  m_text += std::to_string(value);
}

void JsonWriter::BoolValue(bool value) {
  BeginValue();
  m_text += value ? "true" : "false";
}

void JsonWriter::NullValue() {
  BeginValue();
  m_text += "null";
}

// A value written right after its key stays on the key's line; any other member of a
// container starts a new line, separated from the previous one by a comma.
void JsonWriter::BeginValue() {
  if (m_afterKey) {
    m_afterKey = false;
    return;
  }
  if (m_levels.empty()) return;
  if (m_levels.back()++ > 0) m_text += ',';
  NewLine(m_levels.size());
}

void JsonWriter::Open(char bracket) {
  BeginValue();
  m_text += bracket;
  m_levels.push_back(0);
}

void JsonWriter::Close(char bracket) {
  if (m_levels.empty()) return;
  const bool hadMembers = m_levels.back() > 0;
  m_levels.pop_back();
  if (hadMembers) NewLine(m_levels.size());
  m_text += bracket;
  if (m_levels.empty()) m_text += '\n';
}

void JsonWriter::NewLine(size_t depth) {
  m_text += '\n';
  m_text.append(depth * 2, ' ');
}

void JsonWriter::AppendQuoted(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  m_text += '"';
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': m_text += "\\\""; break;
      case '\\': m_text += "\\\\"; break;
      case '\b': m_text += "\\b"; break;
      case '\f': m_text += "\\f"; break;
      case '\n': m_text += "\\n"; break;
      case '\r': m_text += "\\r"; break;
      case '\t': m_text += "\\t"; break;
      default:
        if (byte < 0x20) {
          m_text += "\\u00";
          m_text += kHex[byte >> 4];
          m_text += kHex[byte & 0xF];
        } else {
          m_text += c;
        }
    }
  }
  m_text += '"';
}

}  // namespace vl
