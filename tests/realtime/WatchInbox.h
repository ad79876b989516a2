#pragma once
// A hidden message-only window that collects what the drive watchers post to it.
#include <windows.h>

#include <vector>

#include "core/base/String.h"

namespace vl::test {

struct SeenChange {
  WPARAM action;
  String path;
};

class WatchInbox {
 public:
  WatchInbox();
  ~WatchInbox();  // takes the rest, so every posted path is freed
  WatchInbox(const WatchInbox&) = delete;
  WatchInbox& operator=(const WatchInbox&) = delete;

  HWND Window() const { return m_window; }
  // Takes posted messages until a change of path has come, or timeoutMs have passed.
  bool WaitFor(const String& path, DWORD timeoutMs = 5000);
  // Takes what has been posted so far.
  void Take();
  bool Saw(const String& path) const { return FirstAction(path) != 0; }
  // The action of the first change of path that came; 0 when none did.
  WPARAM FirstAction(const String& path) const;
  const std::vector<SeenChange>& Changes() const { return m_changes; }

 private:
  HWND m_window = nullptr;
  std::vector<SeenChange> m_changes;
};

}  // namespace vl::test
