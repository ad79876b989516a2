#pragma once
// One ordered record of what the dialog's logic asked of its view and of the application, so
// tests can check the order of steps across both (the tray icon before the controls, the
// report before the timers are armed). User-interface thread only.
#include <initializer_list>
#include <string>
#include <vector>

#include "core/base/String.h"

namespace vl::test {

// Test paths are ASCII; this keeps log entries readable in failure messages.
inline std::string Narrow(const String& text) {
  std::string narrow;
  for (const Char c : text) narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return narrow;
}

class CallLog {
 public:
  void Add(std::string entry) { m_entries.push_back(std::move(entry)); }
  void Clear() { m_entries.clear(); }
  const std::vector<std::string>& Entries() const { return m_entries; }

  // The entries that begin with one of prefixes, in order.
  std::vector<std::string> Only(std::initializer_list<const char*> prefixes) const {
    std::vector<std::string> kept;
    for (const std::string& entry : m_entries) {
      for (const char* prefix : prefixes) {
        if (entry.rfind(prefix, 0) == 0) {
          kept.push_back(entry);
          break;
        }
      }
    }
    return kept;
  }
  bool Has(const std::string& entry) const { return Only({entry.c_str()}).size() > 0; }

 private:
  std::vector<std::string> m_entries;
};

}  // namespace vl::test
