#pragma once
#include <cstdint>
#include <string>

#include "client/model/VaultlineDoc.h"

namespace vl {

// The set as JSON (UTF-8): {"settings": {...}, "items": [...]}, keys named after what the
// values mean (README, "vlbackup", lists them). Values are as stored, apart from the NAS
// address's dotted form beside its number and the NAS password, which is never printed.
std::string BackupSetToJson(const CVaultlineDoc& doc);

// What the console shows for the NAS password: whether one is set ("***"), never the password.
String MaskedPassword(const String& password);

// "a.b.c.d" for an address stored with its first octet in the most significant byte.
std::string DottedAddress(uint32_t address);

}  // namespace vl
