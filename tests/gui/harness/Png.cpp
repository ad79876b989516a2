#include "tests/gui/harness/Png.h"

#include <algorithm>
#include <array>

namespace vl::test {
namespace {

constexpr size_t kMaxStoredBlock = 65535;

void PutBigEndian(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  const std::string typed = std::string(type, 4) + data;
  out += typed;
  PutBigEndian(out, Crc32(reinterpret_cast<const uint8_t*>(typed.data()), typed.size()));
}

// Each row: filter byte 0, then R, G, B.
std::string RawScanlines(int width, int height, const std::vector<uint32_t>& pixels) {
  std::string raw;
  raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
  for (int y = 0; y < height; ++y) {
    raw += '\0';
    for (int x = 0; x < width; ++x) {
      const uint32_t p = pixels[static_cast<size_t>(y) * width + x];
      raw += static_cast<char>((p >> 16) & 0xFF);
      raw += static_cast<char>((p >> 8) & 0xFF);
      raw += static_cast<char>(p & 0xFF);
    }
  }
  return raw;
}

std::string StoredZlib(const std::string& raw) {
  std::string out = "\x78\x01";
  size_t offset = 0;
  do {
    const size_t length = std::min(kMaxStoredBlock, raw.size() - offset);
    const bool last = offset + length == raw.size();
    out += static_cast<char>(last ? 1 : 0);
    out += static_cast<char>(length & 0xFF);
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(~length & 0xFF);
    out += static_cast<char>((~length >> 8) & 0xFF);
    out.append(raw, offset, length);
    offset += length;
  } while (offset < raw.size());
  PutBigEndian(out, Adler32(reinterpret_cast<const uint8_t*>(raw.data()), raw.size()));
  return out;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint32_t Adler32(const uint8_t* data, size_t size) {
  uint32_t a = 1;
  uint32_t b = 0;
  for (size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::string EncodePng(int width, int height, const std::vector<uint32_t>& pixels) {
  std::string png = "\x89PNG\r\n\x1a\n";
  std::string header;
  PutBigEndian(header, static_cast<uint32_t>(width));
  PutBigEndian(header, static_cast<uint32_t>(height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB, deflate, no filter, no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", StoredZlib(RawScanlines(width, height, pixels)));
  PutChunk(png, "IEND", std::string());
  return png;
}

}  // namespace vl::test
