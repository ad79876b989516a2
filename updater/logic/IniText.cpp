#include "updater/logic/IniText.h"

#include "core/text/Utf.h"

namespace vl::updater {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

String Fold(StringView name) {
  String folded(name);
  for (Char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<Char>(c - 'A' + 'a');
  }
  return folded;
}

bool IsBlank(Char c) { return c == ' ' || c == '\t' || c == '\r'; }

StringView Trim(StringView text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

StringView Unquote(StringView value) {
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

}  // namespace

IniText IniText::Parse(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) bytes.remove_prefix(kUtf8Mark.size());
  const String text = FromUtf8(bytes);
  const StringView all(text);
  IniText ini;
  Keys* section = nullptr;
  for (size_t start = 0; start <= all.size();) {
    size_t end = all.find('\n', start);
    if (end == StringView::npos) end = all.size();
    ini.ParseLine(Trim(all.substr(start, end - start)), section);
    start = end + 1;
  }
  return ini;
}

void IniText::ParseLine(StringView line, Keys*& section) {
  if (line.empty() || line.front() == ';') return;
  if (line.front() == '[') {
    const size_t close = line.find(']');
    const StringView name = line.substr(1, close == StringView::npos ? close : close - 1);
    section = &m_sections[Fold(Trim(name))];
    return;
  }
  const size_t equals = line.find('=');
  if (!section || equals == StringView::npos) return;
  section->emplace(Fold(Trim(line.substr(0, equals))),
                   String(Unquote(Trim(line.substr(equals + 1)))));
}

bool IniText::HasSection(StringView section) const {
  return m_sections.count(Fold(section)) != 0;
}

String IniText::Value(StringView section, StringView key) const {
  const auto found = m_sections.find(Fold(section));
  if (found == m_sections.end()) return String();
  const auto value = found->second.find(Fold(key));
  return value == found->second.end() ? String() : value->second;
}

}  // namespace vl::updater
