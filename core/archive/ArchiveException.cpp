#include "core/archive/ArchiveException.h"

#include "core/text/Placeholder.h"

namespace vl {

const char* CArchiveException::what() const noexcept {
  switch (m_cause) {
    case endOfFile: return "archive: end of data";
    case badIndex: return "archive: bad class index";
    case badClass: return "archive: unexpected object";
    case badSchema: return "archive: unexpected version";
    case readOnly: return "archive: storing into a loading archive";
    case writeOnly: return "archive: loading from a storing archive";
    default: return "archive: unexpected format";
  }
}

String ArchiveErrorMessage(CArchiveException::Cause cause, const String& fileName) {
  switch (cause) {
    case CArchiveException::endOfFile:
      return ReplacePlaceholder(VLT("Attempted to access %1 past its end."), fileName);
    case CArchiveException::badClass:
      return ReplacePlaceholder(VLT("%1 contained an unexpected object."), fileName);
    case CArchiveException::badIndex:
      return ReplacePlaceholder(VLT("%1 has a bad format."), fileName);
    default:
      return VLT("Unexpected file format.");
  }
}

}  // namespace vl
