#include "client/engine/TextProvider.h"

namespace vl {
namespace {

struct EnglishText {
  TextId id;
  const Char* text;
};

constexpr EnglishText kEnglish[] = {
    {IDS_MSG_ALREADY_REGISTERED, VLT("The folder is already registered.")},
    {IDS_MSG_SELECT_ITEM, VLT("Select a folder or file to be backed up.")},
    {IDS_STATUS_ANALYZING, VLT("Analyzing : %s")},
    {IDS_MSG_NOTHING_TO_BACK_UP, VLT("There is no item to be backed up.")},
    {IDS_MSG_JOB_CANCELLED, VLT("The job has been cancelled by the user.")},
    {IDS_COLUMN_FILE_NAME, VLT("File Name")},
    {IDS_COLUMN_ERROR, VLT("Error")},
    {IDS_REPORT_SUCCESS, VLT("The process has been completed successfully")},
    {IDS_REPORT_ERROR, VLT("Error occurred")},
    {IDS_ERROR_DELETE_FOLDER, VLT("Failed to delete the target folder.")},
    {IDS_ERROR_DELETE_FILE, VLT("Failed to delete the target file.")},
    {IDS_ERROR_COPY, VLT("Failed to copy the file(s).")},
    {IDS_ERROR_CREATE_FOLDER, VLT("Failed to create the target folder.")},
    {IDS_STATUS_PROGRESS, VLT("Backup: %s (%d %%)")},
    {IDS_ASK_CANCEL_JOB, VLT("Are you sure you want to cancel the job now?")},
    {IDS_ASK_DEFAULT_TARGET, VLT("Failed to find the Backup Target folder. Would you like to "
                                 "change it to the default folder now?")},
    {IDS_ASK_BACKUP_NOW, VLT("Will you backup folder(s) and files(s) now?")},
    {IDS_ERROR_READ_FOLDER, VLT("Failed to read the folder.")},
    {IDS_ERROR_SAME_TARGET, VLT("Not backed up: another item of the same name is backed up "
                                "into the same target folder.")},
    {IDS_ERROR_TARGET_OVERLAP,
     VLT("Not backed up: the item and the backup target lie inside one another.")},
    {IDS_ERROR_KIND_CHANGED, VLT("Not backed up: the target holds a folder where the source "
                                 "has a file, or a file where it has a folder.")},
    {IDS_MSG_SAME_TARGET, VLT("\"%s\" cannot be added: it would be backed up into the same "
                              "target folder as another item of the list.")},
    {IDS_MSG_TARGET_OVERLAP, VLT("\"%s\" cannot be used: the backup target and a backup item "
                                 "must not lie inside one another.")},
    {IDS_RESTORE_NOT_BELOW_ITEM, VLT("\"%s\" is not in any backup item.")},
    {IDS_RESTORE_NO_TARGET, VLT("No backup location is set, so \"%s\" has no backup.")},
    {IDS_RESTORE_HISTORY_PATH, VLT("\"%s\" is in a history folder: choose the file it is a "
                                   "version of.")},
    {IDS_RESTORE_EXISTS, VLT("\"%s\" already exists.")},
    {IDS_RESTORE_INTO_HISTORY, VLT("Nothing can be restored into the history folder \"%s\".")},
    {IDS_RESTORE_INTO_SOURCE, VLT("Nothing can be restored into the backup copy it is read from, "
                                  "\"%s\".")},
    {IDS_RESTORE_READ_FAILED, VLT("Failed to read the backup copy \"%s\".")},
    {IDS_RESTORE_KEEP_FAILED, VLT("\"%s\" could not be kept as a history copy, so it was not "
                                  "replaced.")},
    {IDS_RESTORE_COPY_FAILED, VLT("Failed to restore \"%s\".")},
    {IDS_RESTORE_NOTHING, VLT("There is no version to restore to \"%s\".")},
    {IDS_RESTORE_IN_TARGET, VLT("\"%s\" lies in the backup location.")},
    {IDS_TIP_RESTORE_BROWSE, VLT("Choose a file or folder")},
    {IDS_TIP_RESTORE_HERE, VLT("Restore")},
    {IDS_TIP_RESTORE_TO, VLT("Restore to ...")},
    {IDS_COLUMN_VERSION, VLT("Version")},
    {IDS_COLUMN_MODIFIED, VLT("Modified")},
    {IDS_COLUMN_SIZE, VLT("Size")},
    {IDS_TEXT_CURRENT_VERSION, VLT("Current backup")},
    {IDS_TEXT_RESTORE_HINT, VLT("Drop a file or folder here, or choose one, to see its versions.")},
    {IDS_TITLE_BROWSE_RESTORE_SOURCE, VLT("Select the file or folder to restore.")},
    {IDS_TITLE_BROWSE_RESTORE_TO, VLT("Select the folder to restore into.")},
    {IDS_ASK_RESTORE_REPLACE, VLT("\"%s\" already exists. Do you want to replace it? What it "
                                  "replaces is kept as a history copy in the backup.")},
    {IDS_MSG_RESTORED, VLT("Restored to \"%s\".")},
    {IDS_MSG_NO_VERSIONS, VLT("No backup of \"%s\" was found.")},
    {IDS_MSG_RESTORE_FAILED, VLT("Failed to restore \"%s\".")},
    {IDS_STATUS_RESTORING, VLT("Restoring ...")},
    {IDS_TITLE_APPLICATION, VLT("Vaultline")},
};

}  // namespace

String EnglishTexts::Text(uint32_t id) const {
  for (const EnglishText& entry : kEnglish) {
    if (entry.id == id) return entry.text;
  }
  return String();
}

}  // namespace vl
