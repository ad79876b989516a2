#include "client/engine/realtime/NotifyRecords.h"

#include <cstring>

namespace vl {
namespace {

static_assert(sizeof(Char) == 2, "names are UTF-16 code units");

constexpr size_t kHeaderBytes = 12;  // next offset, action, name length

uint32_t ReadWord(const unsigned char* at) {
  uint32_t word = 0;
  std::memcpy(&word, at, sizeof word);
  return word;
}

String ReadName(const unsigned char* at, size_t bytes) {
  String name(bytes / sizeof(Char), Char());
  std::memcpy(&name[0], at, name.size() * sizeof(Char));
  return name;
}

}  // namespace

bool WalkNotifyRecords(const unsigned char* records, size_t count,
                       const std::function<bool(uint32_t action, const String& name)>& visit) {
  size_t offset = 0;
  while (true) {
    if (count < kHeaderBytes || offset > count - kHeaderBytes) return false;
    const unsigned char* record = records + offset;
    const uint32_t next = ReadWord(record);
    const size_t nameBytes = ReadWord(record + 8);
    const size_t recordBytes = kHeaderBytes + nameBytes;
    if (nameBytes > count - offset - kHeaderBytes) return false;
    if (next != 0 && (next < recordBytes || next > count - offset)) return false;
    if (!visit(ReadWord(record + 4), ReadName(record + kHeaderBytes, nameBytes))) return true;
    if (next == 0) return true;
    offset += next;
  }
}

}  // namespace vl
