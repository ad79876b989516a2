#include "client/app/ShellRegistration.h"

#include "client/model/StartupRules.h"
#include "win32/DocString.h"
#include "win32/handles/RegKey.h"

namespace vl {
namespace {

LONG SetDefaultValue(HKEY root, const String& keyPath, const String& value) {
  win32::RegKey key;
  const LONG status = key.Create(root, keyPath, KEY_SET_VALUE);
  return status != ERROR_SUCCESS ? status : key.SetString(String(), value);
}

}  // namespace

ShellFileType FileTypeFromDocString(const String& docString) {
  return {GetDocString(docString, DocStringIndex::filterExt),
          GetDocString(docString, DocStringIndex::regFileTypeId),
          GetDocString(docString, DocStringIndex::regFileTypeName)};
}

LONG RegisterShellFileType(HKEY root, const String& classesPath, const ShellFileType& type,
                           const String& exePath) {
  if (type.extension.empty() || type.typeId.empty()) return ERROR_INVALID_PARAMETER;
  const String typeKey = JoinPath(classesPath, type.typeId);
  const struct {
    String key;
    String value;
  } entries[] = {
      {typeKey, type.typeName},
      {JoinPath(typeKey, L"DefaultIcon"), exePath + L",0"},
      {JoinPath(typeKey, L"shell\\open\\command"), L"\"" + exePath + L"\" \"%1\""},
      {JoinPath(classesPath, type.extension), type.typeId},
  };
  for (const auto& entry : entries) {
    const LONG status = SetDefaultValue(root, entry.key, entry.value);
    if (status != ERROR_SUCCESS) return status;
  }
  return ERROR_SUCCESS;
}

}  // namespace vl
