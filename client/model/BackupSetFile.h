#pragma once
// Reading and writing the .bsf backup-set file.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "client/model/SetFileStore.h"
#include "client/model/VaultlineDoc.h"

namespace vl {

// Converts 8-bit text of the system code page (strings stored without the Unicode marker).
using CodePageDecoder = std::function<String(const std::string& bytes)>;
// The portable default: ISO 8859-1, each byte one code point.
String DecodeLatin1(const std::string& bytes);

// The whole set in the archive format, as the writer produces it.
std::vector<uint8_t> StoreBackupSet(const CVaultlineDoc& doc);

// Parses bytes into doc's settings and appends the items to its list. On failure nothing is
// changed and message holds the framework's text with fileName put in for %1.
bool ParseBackupSet(const std::vector<uint8_t>& bytes, const String& fileName, CVaultlineDoc& doc,
                    String& message, const CodePageDecoder& decoder = DecodeLatin1);

// Loads the file at path (settings, items, and the path becomes the document's path).
bool LoadBackupSet(ISetFileStore& store, const String& path, CVaultlineDoc& doc, String& message,
                   const CodePageDecoder& decoder = DecodeLatin1);

enum class SaveOutcome { Written, SkippedExisting, Failed };

// Saves after a change: to the document's path, or with no path to
// dataFolder\Config\Default.bsf only when no file exists there yet.
SaveOutcome SaveBackupSet(CVaultlineDoc& doc, ISetFileStore& store, const String& dataFolder,
                          String& message);

// The framework's message for a failed read or write of a set file.
String StoreErrorMessage(StoreError error, const String& fileName, bool saving);

}  // namespace vl
