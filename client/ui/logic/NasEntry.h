#pragma once
// What the user enters for the NAS share, how it is checked before anything is tried with it,
// and the names it gives the share and its server.
#include <cstdint>

#include "client/engine/TextProvider.h"
#include "core/base/String.h"

namespace vl {

struct NasEntry {
  uint32_t address = 0;  // a.b.c.d with a in the most significant byte; 0 when none
  String share;
  String account;
  String password;
};

// The control the user is sent back to when an entry cannot be used.
enum class NasField { kNone, kAddress, kShare };

struct NasEntryProblem {
  TextId message = 0;  // 0: the entry can be tried
  NasField field = NasField::kNone;
  // The whole field is selected, for a text that has to be retyped in part.
  bool selectAll = false;
};

NasEntryProblem CheckNasEntry(const NasEntry& entry);

// The entered values against the stored ones: the address exactly, the texts in any letter
// case (the password too: the server compares it so, and the user must not be asked to
// reconnect for a case change it would not notice).
bool SameNasEntry(const NasEntry& entered, const NasEntry& stored);

// "\\a.b.c.d", the server of a mapping.
String NasServerName(uint32_t address);
// "\\a.b.c.d\share".
String NasRemoteName(uint32_t address, const String& share);

}  // namespace vl
