#pragma once
// A drive letter that comes and goes like a removable disk: under Wine a drive is a symbolic
// link $WINEPREFIX/dosdevices/<letter>: to a Unix folder, and Wine looks the link up on every
// access. The link is made and removed with the Unix tools, which Wine starts like any program.
#include <string>

#include "core/base/String.h"

namespace vl::test {

class WineDrive {
 public:
  // letter: a drive letter that is free; target: a Unix folder (created when missing).
  WineDrive(wchar_t letter, const std::string& unixTarget);
  // Removes the mapping, so no test leaves a drive behind.
  ~WineDrive();
  WineDrive(const WineDrive&) = delete;
  WineDrive& operator=(const WineDrive&) = delete;

  // Each waits (bounded) until the drive answers, or no longer does.
  bool Plug();
  bool Unplug();
  // "Q:\"
  String Root() const;
  // Whether the prefix is known at all (WINEPREFIX is set for every test run).
  bool Usable() const { return !m_link.empty(); }

 private:
  bool WaitForAnswer(bool answers) const;

  wchar_t m_letter;
  std::string m_target;
  std::string m_link;
};

// A letter that neither Windows nor the Wine prefix uses, searching down from 'Q'; 0 when none.
wchar_t FreeDriveLetter();

// Starts a Unix program through Wine. Wine runs it outside its own process table, so there is
// no handle to wait on: callers wait for the program's effect.
bool StartUnixProgram(const std::string& unixPath, const std::string& arguments);

}  // namespace vl::test
