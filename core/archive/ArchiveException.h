#pragma once
// The failures of reading or writing an archive, with the causes of the Windows application
// framework so that the user sees the framework's usual messages.
#include <exception>

#include "core/base/String.h"

namespace vl {

class CArchiveException : public std::exception {
 public:
  enum Cause {
    none,
    genericException,  // anything unreadable that has no cause of its own
    readOnly,          // storing into an archive opened for loading
    endOfFile,         // the data ended inside a value
    writeOnly,         // loading from an archive opened for storing
    badIndex,          // a class tag that names no class read so far
    badClass,          // an object of another class than the one expected
    badSchema,
  };

  explicit CArchiveException(Cause cause) : m_cause(cause) {}
  const char* what() const noexcept override;

  Cause m_cause;
};

// The framework's text for a failed load, with fileName put in for %1.
String ArchiveErrorMessage(CArchiveException::Cause cause, const String& fileName);

}  // namespace vl
