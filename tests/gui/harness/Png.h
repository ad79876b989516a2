#pragma once
// A PNG encoder for screenshots: 8-bit RGB, no filtering, stored (uncompressed) deflate blocks.
// Files come out larger than they could, but no library is needed and every viewer reads them.
#include <cstdint>
#include <string>
#include <vector>

namespace vl::test {

// pixels: width * height values 0x00RRGGBB, top row first.
std::string EncodePng(int width, int height, const std::vector<uint32_t>& pixels);

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* data, size_t size);

}  // namespace vl::test
