#pragma once
// Spells out expected archive bytes in the tests, piece by piece as the format describes them.
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "core/base/String.h"

namespace vl::test {

class ByteBuilder {
 public:
  ByteBuilder& Raw(std::initializer_list<uint8_t> bytes) {
    m_bytes.insert(m_bytes.end(), bytes);
    return *this;
  }
  ByteBuilder& Ascii(std::string_view text) {
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    return *this;
  }
  ByteBuilder& U16(uint16_t value) { return Raw({Byte(value, 0), Byte(value, 1)}); }
  ByteBuilder& U32(uint32_t value) {
    return Raw({Byte(value, 0), Byte(value, 1), Byte(value, 2), Byte(value, 3)});
  }
  // The code units alone, UTF-16LE.
  ByteBuilder& Units(StringView text) {
    for (const Char unit : text) U16(static_cast<uint16_t>(unit));
    return *this;
  }
  // A string shorter than 255 units: the Unicode marker, a one-byte length, the units.
  ByteBuilder& ShortString(StringView text) {
    Raw({0xFF, 0xFE, 0xFF, static_cast<uint8_t>(text.size())});
    return Units(text);
  }
  ByteBuilder& Append(const std::vector<uint8_t>& bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
  }

  const std::vector<uint8_t>& Bytes() const { return m_bytes; }

 private:
  static uint8_t Byte(uint32_t value, int index) {
    return static_cast<uint8_t>(value >> (8 * index));
  }
  std::vector<uint8_t> m_bytes;
};

}  // namespace vl::test
