#pragma once
// Entering the backup-set file type in the shell's associations, so that opening a .bsf file
// starts the client with it.
#include <windows.h>

#include "core/base/String.h"

namespace vl {

struct ShellFileType {
  String extension;  // ".bsf"
  String typeId;     // "Vaultline.Document"
  String typeName;   // shown by the shell for such files
};

// The file type as the document string (string IDR_MAINFRAME) describes it.
ShellFileType FileTypeFromDocString(const String& docString);

// Writes the extension, the type with its icon and the open command "<exe>" "%1" below
// root\classesPath (HKEY_CURRENT_USER, "Software\Classes" for the user's own associations).
// ERROR_SUCCESS, or the registry's code of the first write that failed.
LONG RegisterShellFileType(HKEY root, const String& classesPath, const ShellFileType& type,
                           const String& exePath);

}  // namespace vl
