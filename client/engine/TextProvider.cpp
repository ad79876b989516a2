#include "client/engine/TextProvider.h"

namespace vl {
namespace {

struct EnglishText {
  uint32_t id;
  const Char* text;
};

constexpr EnglishText kEnglish[] = {
    {IDS_ANALYZING, VLT("Analyzing : %s")},
    {IDS_DELETE_FOLDER_FAILED, VLT("Failed to delete the target folder.")},
    {IDS_DELETE_FILE_FAILED, VLT("Failed to delete the target file.")},
    {IDS_COPY_FAILED, VLT("Failed to copy the file(s).")},
    {IDS_CREATE_FOLDER_FAILED, VLT("Failed to create the target folder.")},
    {IDS_BACKUP_PROGRESS, VLT("Backup: %s (%d %%)")},
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
