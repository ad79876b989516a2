#pragma once
// Resources of the Windows-side unit tests (TestResources.rc).
#define IDD_TEST_DIALOG 200
#define IDC_TEST_LABEL 201
