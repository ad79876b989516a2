#pragma once
// The document-type string of a program (one string-table entry, fields separated by '\n'):
// window title, document name, new-document name, filter name, filter extension, file type id
// and file type name.
#include "core/base/String.h"

namespace vl {

enum class DocStringIndex {
  windowTitle,
  docName,
  fileNewName,
  filterName,
  filterExt,
  regFileTypeId,
  regFileTypeName,
};

// The field, or an empty string when the text has fewer fields.
String GetDocString(const String& docString, DocStringIndex index);

}  // namespace vl
