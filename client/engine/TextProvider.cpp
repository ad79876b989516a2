#include "client/engine/TextProvider.h"

namespace vl {
namespace {

struct EnglishText {
  uint32_t id;
  const Char* text;
};

constexpr EnglishText kEnglish[] = {
    {IDS_ALREADY_REGISTERED, VLT("The folder is already registered.")},
    {IDS_SELECT_ITEM, VLT("Select a folder or file to be backed up.")},
    {IDS_ANALYZING, VLT("Analyzing : %s")},
    {IDS_NOTHING_TO_BACK_UP, VLT("There is no item to be backed up.")},
    {IDS_CANCELLED_BY_USER, VLT("The job has been cancelled by the user.")},
    {IDS_DELETE_FOLDER_FAILED, VLT("Failed to delete the target folder.")},
    {IDS_DELETE_FILE_FAILED, VLT("Failed to delete the target file.")},
    {IDS_COPY_FAILED, VLT("Failed to copy the file(s).")},
    {IDS_CREATE_FOLDER_FAILED, VLT("Failed to create the target folder.")},
    {IDS_BACKUP_PROGRESS, VLT("Backup: %s (%d %%)")},
    {IDS_CONFIRM_CANCEL, VLT("Are you sure you want to cancel the job now?")},
    {IDS_TARGET_NOT_FOUND, VLT("Failed to find the Backup Target folder. Would you like to "
                               "change it to the default folder now?")},
    {IDS_BACKUP_NOW, VLT("Will you backup folder(s) and files(s) now?")},
    {IDS_APP_TITLE, VLT("Vaultline")},
};

}  // namespace

String EnglishTexts::Text(uint32_t id) const {
  for (const EnglishText& entry : kEnglish) {
    if (entry.id == id) return entry.text;
  }
  return String();
}

}  // namespace vl
