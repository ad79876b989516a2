#pragma once
// The known folders of this system and of the user who runs the remover.
#include "remover/logic/KnownFolders.h"

namespace vl::remover {

KnownFolders GatherKnownFolders();

}  // namespace vl::remover
