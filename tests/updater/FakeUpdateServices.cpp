#include "tests/updater/FakeUpdateServices.h"

#include <algorithm>
#include <cstring>

namespace vl::updater::test {
namespace {

class FakeBody : public IHttpBody {
 public:
  FakeBody(const FakeResponse& response, size_t& served)
      : m_response(response), m_served(served) {}

  bool Read(uint8_t* buffer, size_t capacity, size_t& got) override {
    const size_t end = std::min(m_response.body.size(),
                                m_response.breakAfter.value_or(m_response.body.size()));
    got = std::min(capacity, end - m_offset);
    if (got == 0 && m_response.breakAfter) return false;
    std::memcpy(buffer, m_response.body.data() + m_offset, got);
    m_offset += got;
    m_served += got;
    return true;
  }
  std::optional<uint64_t> DeclaredLength() const override { return std::nullopt; }

 private:
  const FakeResponse m_response;
  size_t& m_served;
  size_t m_offset = 0;
};

class FakeOutFile : public IOutFile {
 public:
  FakeOutFile(std::string& content, size_t& diskRoom) : m_content(content), m_diskRoom(diskRoom) {}

  bool Write(const uint8_t* data, size_t size) override {
    if (size > m_diskRoom) return false;
    m_diskRoom -= size;
    m_content.append(reinterpret_cast<const char*>(data), size);
    return true;
  }
  bool Finish() override { return true; }

 private:
  std::string& m_content;
  size_t& m_diskRoom;
};

}  // namespace

std::unique_ptr<IHttpBody> FakeHttp::Open(const String& url) {
  const auto found = responses.find(url);
  if (found == responses.end()) return nullptr;
  return std::make_unique<FakeBody>(found->second, served);
}

std::unique_ptr<IOutFile> FakeWorkFiles::Create(const String& path) {
  if (createFails.count(path)) return nullptr;
  std::string& content = files[path];
  content.clear();
  return std::make_unique<FakeOutFile>(content, diskRoom);
}

}  // namespace vl::updater::test
