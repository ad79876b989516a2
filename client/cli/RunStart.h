#pragma once
// The checks the backup dialog makes before it starts a run, for the console.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class CSourceList;
class ITextProvider;
namespace platform { class FileSystemWin32; }

// Recognises the items the run will cover (all, or only itemIndex) anew; false with the
// reason on stderr when itemIndex is not in the list or none of them is on this computer.
bool HasItemToRun(CSourceList& items, int32_t itemIndex, const platform::FileSystemWin32& fs,
                  const ITextProvider& texts);

// The run's target into target: the set's, or the data folder's Backup folder for a set
// without one. A missing target folder is made, as the client makes its Backup folder, so that
// the first run into a fresh folder does not fail on every item; its parent must exist. False,
// with the target and the system's reason on stderr, when it neither answers nor can be made:
// a run would only fail on every item.
bool PrepareTarget(platform::FileSystemWin32& fs, const String& setTarget,
                   const String& dataFolder, String& target);

}  // namespace vl
