#pragma once
// Files dropped from the shell onto a window of another process: the DROPFILES block with
// wide names is written into that process and its address posted as WM_DROPFILES, as the
// shell does. The block lives as long as this object, since the receiver reads it whenever it
// gets to the message (possibly after a message box of its own). Under Wine the receiver's
// GlobalLock of such a pointer gives the pointer back, and DragFinish's attempt to free it
// fails without harm.
#include <windows.h>

#include <memory>
#include <vector>

#include "core/base/String.h"
#include "tests/gui/harness/RemoteMemory.h"

namespace vl::test {

class ShellDrop {
 public:
  // Posts the drop of paths at the client point at of target; false when the block could not
  // be written or the message not posted.
  bool Post(HWND target, const std::vector<String>& paths, POINT at = POINT{10, 10});

 private:
  std::vector<std::unique_ptr<RemoteMemory>> m_blocks;
};

// The DROPFILES block: the header, then each path with its zero, then one more zero.
std::vector<BYTE> MakeDropFilesBlock(const std::vector<String>& paths, POINT at);

}  // namespace vl::test
