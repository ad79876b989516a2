// Class tags in front of the elements of an object list. The framework numbers classes and
// objects in one sequence as they first appear (index 0 is null); a later element names its
// class by index, and an element that is an object already read is written as its index alone.
#include "core/archive/Archive.h"

namespace vl {
namespace {

constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint16_t kBigObjectTag = 0x7FFF;
constexpr uint16_t kIndexMask = 0x7FFF;
constexpr uint32_t kBigClassTag = 0x80000000u;

}  // namespace

void CArchive::WriteObjectTag(const ArchiveClass& cls) {
  const auto known = m_storedClasses.find(cls.name);
  if (known == m_storedClasses.end()) {
    *this << kNewClassTag << cls.schema << static_cast<uint16_t>(cls.name.size());
    Write(cls.name.data(), cls.name.size());
    m_storedClasses.emplace(std::string(cls.name), m_mapCount++);
  } else if (known->second < kBigObjectTag) {
    *this << static_cast<uint16_t>(kClassTag | known->second);
  } else {
    *this << kBigObjectTag << (kBigClassTag | known->second);
  }
  ++m_mapCount;  // the object that follows
}

bool CArchive::ReadObjectTag(const ArchiveClass& cls) {
  uint16_t shortTag = 0;
  *this >> shortTag;
  uint32_t tag = (uint32_t{shortTag} & kClassTag) << 16 | (shortTag & kIndexMask);
  if (shortTag == kBigObjectTag) *this >> tag;
  if ((tag & kBigClassTag) == 0) {
    CheckObjectReference(tag);
    return false;
  }
  if (shortTag == kNewClassTag) {
    ReadNewClass(cls);
  } else {
    CheckClassIndex(tag & ~kBigClassTag, cls);
  }
  ++m_mapCount;  // the object that follows
  return true;
}

void CArchive::ReadNewClass(const ArchiveClass& cls) {
  uint16_t schema = 0;
  uint16_t nameLength = 0;
  *this >> schema >> nameLength;
  if (nameLength != cls.name.size()) throw CArchiveException(CArchiveException::badClass);
  std::string name(nameLength, '\0');
  Read(name.data(), name.size());
  if (name != cls.name) throw CArchiveException(CArchiveException::badClass);
  m_loadedClasses.emplace(m_mapCount++, std::move(name));
}

void CArchive::CheckClassIndex(uint32_t index, const ArchiveClass& cls) const {
  const auto known = m_loadedClasses.find(index);
  if (known == m_loadedClasses.end()) throw CArchiveException(CArchiveException::badIndex);
  if (known->second != cls.name) throw CArchiveException(CArchiveException::badClass);
}

// Only null may stand in place of a new object: a list holds each record once.
void CArchive::CheckObjectReference(uint32_t index) const {
  if (index == 0) return;
  if (index >= m_mapCount || m_loadedClasses.count(index) != 0) {
    throw CArchiveException(CArchiveException::badIndex);
  }
  throw CArchiveException(CArchiveException::badClass);
}

}  // namespace vl
