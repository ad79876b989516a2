#pragma once
// The engine's texts come from the program's string table; this seam lets the client hand in
// its resources while tests and the console tool use the English texts built in here.
#include <cstdint>

#include "core/base/String.h"
#include "core/text/TextProvider.h"

namespace vl {

enum TextId : uint32_t {
  IDS_ALREADY_REGISTERED = 139,    // "The folder is already registered."
  IDS_SELECT_ITEM = 142,           // "Select a folder or file to be backed up."
  IDS_ANALYZING = 143,             // "Analyzing : %s"
  IDS_NOTHING_TO_BACK_UP = 145,    // "There is no item to be backed up."
  IDS_CANCELLED_BY_USER = 146,     // "The job has been cancelled by the user."
  IDS_DELETE_FOLDER_FAILED = 153,  // "Failed to delete the target folder."
  IDS_DELETE_FILE_FAILED = 154,    // "Failed to delete the target file."
  IDS_COPY_FAILED = 155,           // "Failed to copy the file(s)."
  IDS_CREATE_FOLDER_FAILED = 156,  // "Failed to create the target folder."
  IDS_BACKUP_PROGRESS = 159,       // "Backup: %s (%d %%)"
  IDS_CONFIRM_CANCEL = 160,        // "Are you sure you want to cancel the job now?"
  IDS_TARGET_NOT_FOUND = 167,      // "Failed to find the Backup Target folder. Would you ..."
  IDS_BACKUP_NOW = 174,            // "Will you backup folder(s) and files(s) now?"
  IDS_APP_TITLE = 57344,           // "Vaultline"
};

class EnglishTexts : public ITextProvider {
 public:
  String Text(uint32_t id) const override;
};

}  // namespace vl
