#pragma once
// The engine's texts come from the program's string table; this seam lets the client hand in
// its resources while tests and the console tool use the English texts built in here.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

enum TextId : uint32_t {
  IDS_ANALYZING = 143,             // "Analyzing : %s"
  IDS_DELETE_FOLDER_FAILED = 153,  // "Failed to delete the target folder."
  IDS_DELETE_FILE_FAILED = 154,    // "Failed to delete the target file."
  IDS_COPY_FAILED = 155,           // "Failed to copy the file(s)."
  IDS_CREATE_FOLDER_FAILED = 156,  // "Failed to create the target folder."
  IDS_BACKUP_PROGRESS = 159,       // "Backup: %s (%d %%)"
  IDS_APP_TITLE = 57344,           // "Vaultline"
};

class ITextProvider {
 public:
  virtual ~ITextProvider() = default;
  // The format string with the given id; empty when there is none.
  virtual String Text(uint32_t id) const = 0;
};

class EnglishTexts : public ITextProvider {
 public:
  String Text(uint32_t id) const override;
};

}  // namespace vl
