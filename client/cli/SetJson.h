#pragma once
#include <string>

#include "client/model/VaultlineDoc.h"

namespace vl {

// The set as JSON (UTF-8): {"settings": {...}, "items": [...]}, keys named after the members.
std::string BackupSetToJson(const CVaultlineDoc& doc);

}  // namespace vl
