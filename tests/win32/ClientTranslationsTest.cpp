// The built client's string tables, tray menu and icons, looked up language by language with
// no fallback: a text missing in Korean or Japanese must fail here, not quietly show English.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "client/engine/TextProvider.h"
#include "resources/client/resource.h"
#include "tests/win32/ClientLauncher.h"
#include "tests/win32/ClientModuleTest.h"

namespace vl::test {
namespace {

const LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const LANGID kKorean = MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);
const LANGID kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

// Every text of the client, in its English wording.
const std::map<UINT, String>& EnglishTexts() {
  static const std::map<UINT, String> texts = {
      {IDP_OLE_INIT_FAILED,
       L"Failed to initialize OLE library. Make sure that the OLE library is the correct "
       L"version."},
      {IDS_ASK_EXIT, L"Are you sure you want to exit now?"},
      {IDS_TIP_CLOSE, L"Close"},
      {IDS_TIP_OK, L"OK"},
      {IDS_TIP_CANCEL, L"Cancel"},
      {IDR_MAINFRAME,
       L"Vaultline\n\nVaultline\nVaultline Files (*.bsf)\n.bsf\nVaultline.Document\n"
       L"Vaultline.Document"},
      {IDS_TIP_SOURCE_LINE, L"Click to open backup source path."},
      {IDS_TIP_MINIMIZE, L"Minimize"},
      {IDS_TIP_ADD, L"Add"},
      {IDS_TIP_BACKUP_LOCATION, L"Backup location"},
      {IDS_TIP_BACKUP, L"Backup"},
      {IDS_TIP_STOP, L"Stop"},
      {IDS_MSG_ALREADY_REGISTERED, L"The folder is already registered."},
      {IDS_ASK_DELETE_ITEM, L"Are you sure you want to delete the backup item?"},
      {IDS_TITLE_BROWSE_TARGET, L"Select a backup target folder."},
      {IDS_MSG_SELECT_ITEM, L"Select a folder or file to be backed up."},
      {IDS_STATUS_ANALYZING, L"Analyzing : %s"},
      {IDS_MSG_NOTHING_TO_BACK_UP, L"There is no item to be backed up."},
      {IDS_MSG_JOB_CANCELLED, L"The job has been cancelled by the user."},
      {IDS_COLUMN_FILE_NAME, L"File Name"},
      {IDS_COLUMN_ERROR, L"Error"},
      {IDS_REPORT_SUCCESS, L"The process has been completed successfully"},
      {IDS_REPORT_ERROR, L"Error occurred"},
      {IDS_TIP_RESET_DESTINATION, L"Reset backup destination"},
      {IDS_ERROR_DELETE_FOLDER, L"Failed to delete the target folder."},
      {IDS_ERROR_DELETE_FILE, L"Failed to delete the target file."},
      {IDS_ERROR_COPY, L"Failed to copy the file(s)."},
      {IDS_ERROR_CREATE_FOLDER, L"Failed to create the target folder."},
      {IDS_STATUS_PROGRESS, L"Backup: %s (%d %%)"},
      {IDS_ASK_CANCEL_JOB, L"Are you sure you want to cancel the job now?"},
      {IDS_MSG_JOB_IN_PROGRESS, L"A job is in progress. Please try again after it is completed."},
      {IDS_MSG_PERIOD_RANGE, L"Please set the time period. ( 1 ~ 24 hours )"},
      {IDS_MSG_IDLE_TIME_RANGE, L"Please set the idle time duration.( 1 ~ 120 minutes )"},
      {IDS_ASK_DEFAULT_TARGET,
       L"Failed to find the Backup Target folder. Would you like to change it to the default "
       L"folder now?"},
      {IDS_ASK_SYNCHRONIZE,
       L"Backup folder will be synchronized, based on the original folders. \nNote: Deleted "
       L"file/folder from backup original folder, and the backup history folder will be "
       L"deleted. "},
      {IDS_TIP_SETUP_NAS, L"Setup NAS"},
      {IDS_MSG_NAS_BAD_ADDRESS, L"Enter a valid NAS address."},
      {IDS_MSG_NAS_NO_SHARE, L"Enter a share name."},
      {IDS_MSG_NAS_BAD_SHARE_CHARS,
       L"'\\/:*?\"<>|' characters can not be used for share name."},
      {IDS_ASK_REALTIME_BACKUP_NOW,
       L"Real time backup is \u2018on\u2019. Will you backup changed folder(s) and files(s) "
       L"now?"},
      {IDS_ASK_BACKUP_NOW, L"Will you backup folder(s) and files(s) now?"},
      {IDS_ASK_NAS_RECONNECT, L"Will you connect with new infomation after disconnecting?"},
      {IDS_MSG_NAS_CONNECTED, L"NAS was connected successfully."},
      {IDS_MSG_NAS_NOT_CONNECTED,
       L"NAS was not connected successfully. Please check connection info or status"},
      {IDS_MSG_ONLY_FOLDERS, L"You can add only folders on the list."},
      {IDS_ERROR_READ_FOLDER, L"Failed to read the folder."},
      {IDS_ERROR_SAME_TARGET,
       L"Not backed up: another item of the same name is backed up into the same target "
       L"folder."},
      {IDS_ERROR_TARGET_OVERLAP,
       L"Not backed up: the item and the backup target lie inside one another."},
      {IDS_ERROR_KIND_CHANGED,
       L"Not backed up: the target holds a folder where the source has a file, or a file "
       L"where it has a folder."},
      {IDS_MSG_SAME_TARGET,
       L"\"%s\" cannot be added: it would be backed up into the same target folder as "
       L"another item of the list."},
      {IDS_MSG_TARGET_OVERLAP,
       L"\"%s\" cannot be used: the backup target and a backup item must not lie inside "
       L"one another."},
      {IDS_RESTORE_NOT_BELOW_ITEM, L"\"%s\" is not in any backup item."},
      {IDS_RESTORE_NO_TARGET, L"No backup location is set, so \"%s\" has no backup."},
      {IDS_RESTORE_HISTORY_PATH,
       L"\"%s\" is in a history folder: choose the file it is a version of."},
      {IDS_RESTORE_EXISTS, L"\"%s\" already exists."},
      {IDS_RESTORE_INTO_HISTORY, L"Nothing can be restored into the history folder \"%s\"."},
      {IDS_RESTORE_INTO_SOURCE,
       L"Nothing can be restored into the backup copy it is read from, \"%s\"."},
      {IDS_RESTORE_READ_FAILED, L"Failed to read the backup copy \"%s\"."},
      {IDS_RESTORE_KEEP_FAILED,
       L"\"%s\" could not be kept as a history copy, so it was not replaced."},
      {IDS_RESTORE_COPY_FAILED, L"Failed to restore \"%s\"."},
      {IDS_RESTORE_NOTHING, L"There is no version to restore to \"%s\"."},
      {IDS_RESTORE_IN_TARGET, L"\"%s\" lies in the backup location."},
      {IDS_TIP_RESTORE_BROWSE, L"Choose a file or folder"},
      {IDS_TIP_RESTORE_HERE, L"Restore"},
      {IDS_TIP_RESTORE_TO, L"Restore to ..."},
      {IDS_COLUMN_VERSION, L"Version"},
      {IDS_COLUMN_MODIFIED, L"Modified"},
      {IDS_COLUMN_SIZE, L"Size"},
      {IDS_TEXT_CURRENT_VERSION, L"Current backup"},
      {IDS_TEXT_RESTORE_HINT, L"Drop a file or folder here, or choose one, to see its versions."},
      {IDS_TITLE_BROWSE_RESTORE_SOURCE, L"Select the file or folder to restore."},
      {IDS_TITLE_BROWSE_RESTORE_TO, L"Select the folder to restore into."},
      {IDS_ASK_RESTORE_REPLACE,
       L"\"%s\" already exists. Do you want to replace it? What it replaces is kept as a "
       L"history copy in the backup."},
      {IDS_MSG_RESTORED, L"Restored to \"%s\"."},
      {IDS_MSG_NO_VERSIONS, L"No backup of \"%s\" was found."},
      {IDS_MSG_RESTORE_FAILED, L"Failed to restore \"%s\"."},
      {IDS_STATUS_RESTORING, L"Restoring ..."},
      {IDS_TITLE_APPLICATION, L"Vaultline"},
      {IDS_TITLE_BROWSE_ITEM,
       L"You can select folders only. If you add file(s), drag and drop file(s) to the "
       L"previous window."},
  };
  return texts;
}

// Texts that are names rather than words, and stay as they are in every language.
bool SameInEveryLanguage(UINT id, LANGID lang) {
  return id == IDR_MAINFRAME || id == IDS_TITLE_APPLICATION ||
         (id == IDS_TIP_OK && lang == kJapanese);
}

// The printf conversions of a text in order, "%%" included, each as written.
std::vector<String> FormatSpecifiers(const String& text) {
  std::vector<String> specs;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'%') continue;
    size_t end = i + 1;
    if (end < text.size() && text[end] == L'%') {
      specs.push_back(L"%%");
      i = end;
      continue;
    }
    while (end < text.size() && wcschr(L"-+ #0123456789.*hlLIjzt", text[end])) ++end;
    if (end < text.size()) ++end;  // the conversion letter
    specs.push_back(text.substr(i, end - i));
    i = end - 1;
  }
  return specs;
}

size_t LineBreaks(const String& text) { return std::count(text.begin(), text.end(), L'\n'); }

bool HasScriptOf(const String& text, LANGID lang) {
  for (wchar_t c : text) {
    if (lang == kKorean && c >= 0xAC00 && c <= 0xD7A3) return true;
    if (lang == kJapanese && ((c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF)))
      return true;
  }
  return false;
}

std::string Narrow(const String& text) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), size, nullptr,
                      nullptr);
  return out;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD lang, LONG_PTR param) {
  reinterpret_cast<std::set<LANGID>*>(param)->insert(lang);
  return TRUE;
}

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
  if (IS_INTRESOURCE(name))
    reinterpret_cast<std::vector<UINT>*>(param)->push_back(UINT(ULONG_PTR(name)));
  return TRUE;
}

class ClientTranslations : public ClientModuleTest {
 protected:

  std::set<LANGID> Languages(LPCWSTR type, UINT id) const {
    std::set<LANGID> langs;
    EnumResourceLanguagesW(m_module, type, MAKEINTRESOURCEW(id), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&langs));
    return langs;
  }

  // The resource exactly in lang; empty when that language has none.
  std::string Resource(LPCWSTR type, UINT id, LANGID lang) const {
    if (Languages(type, id).count(lang) == 0) return std::string();
    return Bytes(FindResourceExW(m_module, type, MAKEINTRESOURCEW(id), lang));
  }

  // The entries of a string-table block in lang, indexed 0 to 15 within the block.
  std::vector<String> Block(UINT block, LANGID lang) const {
    std::vector<String> entries(16);
    const std::string data = Resource(RT_STRING, block, lang);
    const wchar_t* p = reinterpret_cast<const wchar_t*>(data.data());
    const wchar_t* end = p + data.size() / sizeof(wchar_t);
    for (String& entry : entries) {
      if (p >= end) break;
      const size_t length = *p++;
      if (p + length > end) break;
      entry.assign(p, length);
      p += length;
    }
    return entries;
  }

  String Text(UINT id, LANGID lang) const { return Block(id / 16 + 1, lang)[id % 16]; }

};

TEST_F(ClientTranslations, EnglishTextsAreTheProductsWording) {
  for (const auto& [id, english] : EnglishTexts())
    EXPECT_EQ(Text(id, kEnglish), english) << "string " << id;
}

TEST_F(ClientTranslations, EveryTextIsTranslatedWithTheSameFormat) {
  for (LANGID lang : {kKorean, kJapanese}) {
    for (const auto& [id, english] : EnglishTexts()) {
      const String text = Text(id, lang);
      SCOPED_TRACE("string " + std::to_string(id) + " lang " + std::to_string(lang) + ": " +
                   Narrow(text));
      ASSERT_FALSE(text.empty());
      EXPECT_EQ(FormatSpecifiers(text), FormatSpecifiers(english));
      EXPECT_EQ(LineBreaks(text), LineBreaks(english));
      if (SameInEveryLanguage(id, lang)) {
        EXPECT_EQ(text, english);
      } else {
        EXPECT_TRUE(HasScriptOf(text, lang));
      }
    }
  }
}

TEST_F(ClientTranslations, TablesHoldExactlyTheKnownTextsInEachLanguage) {
  std::vector<UINT> blocks;
  EnumResourceNamesW(m_module, RT_STRING, CollectName, reinterpret_cast<LONG_PTR>(&blocks));
  ASSERT_FALSE(blocks.empty());
  for (LANGID lang : {kEnglish, kKorean, kJapanese}) {
    std::set<UINT> present;
    for (UINT block : blocks) {
      const std::vector<String> entries = Block(block, lang);
      for (UINT i = 0; i < 16; ++i)
        if (!entries[i].empty()) present.insert((block - 1) * 16 + i);
    }
    std::set<UINT> expected;
    for (const auto& entry : EnglishTexts()) expected.insert(entry.first);
    EXPECT_EQ(present, expected) << "lang " << lang;
  }
}

// The console tool and the host tests speak the engine's built-in English: each of its texts
// must be the one the client's English table has under the same id.
TEST_F(ClientTranslations, BuiltInEnglishIsTheTablesWording) {
  const vl::EnglishTexts builtIn;
  size_t texts = 0;
  for (UINT id = 0; id <= 0xFFFF; ++id) {
    const String text = builtIn.Text(id);
    if (text.empty()) continue;
    ++texts;
    EXPECT_EQ(text, Text(id, kEnglish)) << "string " << id;
  }
  EXPECT_GT(texts, 0u);
}

TEST_F(ClientTranslations, FormatSpecifiersAreReadInOrder) {
  EXPECT_EQ(FormatSpecifiers(L"Backup: %s (%d %%)"),
            (std::vector<String>{L"%s", L"%d", L"%%"}));
  EXPECT_EQ(FormatSpecifiers(L"%3.2f KB %I64d %ls"),
            (std::vector<String>{L"%3.2f", L"%I64d", L"%ls"}));
  EXPECT_TRUE(FormatSpecifiers(L"( 1 ~ 24 hours )").empty());
}

struct MenuItem {
  UINT id;  // 0 for a separator
  bool separator;
};

std::vector<MenuItem> Items(HMENU menu) {
  std::vector<MenuItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID;
    GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
    items.push_back({info.wID, (info.fType & MFT_SEPARATOR) != 0});
  }
  return items;
}

String ItemText(HMENU menu, UINT position) {
  wchar_t buffer[128] = {};
  GetMenuStringW(menu, position, buffer, 128, MF_BYPOSITION);
  return buffer;
}

TEST_F(ClientTranslations, TrayMenuInEachLanguage) {
  const std::map<LANGID, std::vector<UINT>> expected = {
      {kEnglish, {ID_TRAY_OPEN, ID_TRAY_SETTINGS, ID_TRAY_RESTORE, 0, ID_TRAY_EXIT}},
      {kKorean, {ID_TRAY_OPEN, ID_TRAY_SETTINGS, ID_TRAY_RESTORE, ID_TRAY_ABOUT, 0, ID_TRAY_EXIT}},
      {kJapanese, {ID_TRAY_OPEN, ID_TRAY_SETTINGS, ID_TRAY_RESTORE, 0, ID_TRAY_EXIT}},
  };
  EXPECT_EQ(Languages(RT_MENU, IDR_TRAYMENU), (std::set<LANGID>{kEnglish, kKorean, kJapanese}));
  for (const auto& [lang, ids] : expected) {
    SCOPED_TRACE("lang " + std::to_string(lang));
    const std::string data = Resource(RT_MENU, IDR_TRAYMENU, lang);
    ASSERT_FALSE(data.empty());
    HMENU menu = LoadMenuIndirectW(data.data());
    ASSERT_NE(menu, nullptr) << GetLastError();
    ASSERT_EQ(GetMenuItemCount(menu), 1);
    EXPECT_EQ(ItemText(menu, 0), L"TRAYMENU");
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);
    const std::vector<MenuItem> items = Items(popup);
    ASSERT_EQ(items.size(), ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
      EXPECT_EQ(items[i].separator, ids[i] == 0) << i;
      if (ids[i] != 0) {
        EXPECT_EQ(items[i].id, ids[i]) << i;
        EXPECT_EQ(GetMenuState(popup, UINT(i), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), 0u)
            << i;
        EXPECT_NE(ItemText(popup, UINT(i)).find(L'&'), String::npos) << i;
      }
    }
    // Item 0 is the default: the one a double-click on the tray icon runs.
    EXPECT_EQ(GetMenuDefaultItem(popup, TRUE, 0), 0u);
    EXPECT_EQ(GetMenuDefaultItem(popup, FALSE, 0), UINT(ID_TRAY_OPEN));
    if (lang == kEnglish) {
      EXPECT_EQ(ItemText(popup, 0), L"&Vaultline ...");
      EXPECT_EQ(ItemText(popup, 1), L"&Settings ...");
      EXPECT_EQ(ItemText(popup, 2), L"&Restore ...");
      EXPECT_EQ(ItemText(popup, 4), L"E&xit");
    } else {
      for (size_t i = 1; i < ids.size(); ++i) {
        if (ids[i] != 0) {
          EXPECT_TRUE(HasScriptOf(ItemText(popup, UINT(i)), lang)) << i;
        }
      }
    }
    DestroyMenu(menu);
  }
}

// The sizes an icon group lists, smallest first.
std::vector<int> GroupSizes(const std::string& group) {
  std::vector<int> sizes;
  if (group.size() < 6) return sizes;
  const size_t count = static_cast<unsigned char>(group[4]) |
                       (static_cast<unsigned char>(group[5]) << 8);
  for (size_t i = 0; i < count && 6 + i * 14 + 14 <= group.size(); ++i) {
    const int width = static_cast<unsigned char>(group[6 + i * 14]);
    sizes.push_back(width == 0 ? 256 : width);
  }
  std::sort(sizes.begin(), sizes.end());
  return sizes;
}

int IconWidth(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

TEST_F(ClientTranslations, IconsLoadAtTheirSizes) {
  // Each icon with the sizes it is drawn at; every one must also load at 16 and 32.
  const std::map<UINT, std::vector<int>> icons = {
      {IDR_MAINFRAME, {16, 32}},   {IDI_BACKUP_RUNNING, {16, 32}}, {IDI_DELETE_MARK, {9, 16}},
      {IDI_ITEM_FILE, {16, 32}},   {IDI_ITEM_FOLDER, {16, 32}},
  };
  for (const auto& [id, drawn] : icons) {
    SCOPED_TRACE("icon " + std::to_string(id));
    std::string group;
    for (LANGID lang : Languages(RT_GROUP_ICON, id)) group = Resource(RT_GROUP_ICON, id, lang);
    EXPECT_EQ(GroupSizes(group), drawn);
    std::set<int> sizes(drawn.begin(), drawn.end());
    sizes.insert(16);
    sizes.insert(32);
    for (int size : sizes) {
      HICON icon = static_cast<HICON>(
          LoadImageW(m_module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr) << size;
      EXPECT_EQ(IconWidth(icon), size);
      DestroyIcon(icon);
    }
  }
}

}  // namespace
}  // namespace vl::test
