#pragma once
// Resources of the skinned test dialog (SkinTestResources.rc).
#define IDD_SKIN_TEST 300
#define IDI_SKIN_DELETE_MARK 169
#define IDI_SKIN_FILE 187
#define IDI_SKIN_FOLDER 188
#define IDC_SKIN_CLOSE 1004
#define IDC_SKIN_CHECK 1010
#define IDC_SKIN_LIST 1022
#define IDC_SKIN_LINK 1023
#define IDC_SKIN_EMPTY_LINK 1025
#define IDC_SKIN_BACKUP 1029
#define IDC_SKIN_OPTION 1041
