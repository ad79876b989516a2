#include "core/archive/Archive.h"

#include <algorithm>
#include <utility>

namespace vl {

CArchive::CArchive(std::vector<uint8_t>& out) : m_out(&out) {}

CArchive::CArchive(const uint8_t* data, size_t size, CodePageDecoder decoder)
    : m_in(data), m_size(data ? size : 0), m_decoder(std::move(decoder)) {
  static const uint8_t kNothing = 0;
  if (!m_in) m_in = &kNothing;
}

void CArchive::Write(const void* data, size_t size) {
  if (!m_out) throw CArchiveException(CArchiveException::readOnly);
  const auto* bytes = static_cast<const uint8_t*>(data);
  m_out->insert(m_out->end(), bytes, bytes + size);
}

void CArchive::Read(void* data, size_t size) {
  if (!m_in) throw CArchiveException(CArchiveException::writeOnly);
  if (size > Remaining()) throw CArchiveException(CArchiveException::endOfFile);
  if (size == 0) return;
  const uint8_t* from = m_in + m_pos;
  std::copy(from, from + size, static_cast<uint8_t*>(data));
  m_pos += size;
}

uint64_t CArchive::ReadLittleEndian(size_t size) {
  uint8_t bytes[8] = {};
  Read(bytes, size);
  uint64_t value = 0;
  for (size_t i = size; i-- > 0;) value = (value << 8) | bytes[i];
  return value;
}

void CArchive::WriteLittleEndian(uint64_t value, size_t size) {
  uint8_t bytes[8] = {};
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  Write(bytes, size);
}

CArchive& CArchive::operator<<(uint8_t value) {
  WriteLittleEndian(value, 1);
  return *this;
}
CArchive& CArchive::operator<<(uint16_t value) {
  WriteLittleEndian(value, 2);
  return *this;
}
CArchive& CArchive::operator<<(uint32_t value) {
  WriteLittleEndian(value, 4);
  return *this;
}
CArchive& CArchive::operator<<(int32_t value) {
  return *this << static_cast<uint32_t>(value);
}
CArchive& CArchive::operator<<(uint64_t value) {
  WriteLittleEndian(value, 8);
  return *this;
}

CArchive& CArchive::operator>>(uint8_t& value) {
  value = static_cast<uint8_t>(ReadLittleEndian(1));
  return *this;
}
CArchive& CArchive::operator>>(uint16_t& value) {
  value = static_cast<uint16_t>(ReadLittleEndian(2));
  return *this;
}
CArchive& CArchive::operator>>(uint32_t& value) {
  value = static_cast<uint32_t>(ReadLittleEndian(4));
  return *this;
}
CArchive& CArchive::operator>>(int32_t& value) {
  value = static_cast<int32_t>(static_cast<uint32_t>(ReadLittleEndian(4)));
  return *this;
}
CArchive& CArchive::operator>>(uint64_t& value) {
  value = ReadLittleEndian(8);
  return *this;
}

void CArchive::WriteCount(uint32_t count) {
  if (count < 0xFFFF) {
    *this << static_cast<uint16_t>(count);
    return;
  }
  *this << static_cast<uint16_t>(0xFFFF) << count;
}

uint32_t CArchive::ReadCount() {
  uint16_t shortCount = 0;
  *this >> shortCount;
  if (shortCount != 0xFFFF) return shortCount;
  uint32_t count = 0;
  *this >> count;
  return count;
}

}  // namespace vl
