// Resource ids of the framework tests' own dialog templates and bitmap.
#pragma once

#define IDD_TEST_FIRST      101
#define IDD_TEST_SECOND     102
#define IDD_TEST_THIRD      103
#define IDD_TEST_EXTRA      104
#define IDD_TEST_MISSING    199

#define IDB_TEST_BITMAP     201

#define IDC_FIRST_EDIT      1001
#define IDC_FIRST_OPTION    1002
#define IDC_FIRST_END55     1003
#define IDC_FIRST_THROW     1004
#define IDC_FIRST_ALPHA     1005
#define IDC_FIRST_BETA      1006
#define IDC_FIRST_MESSAGE   1007

#define IDC_SECOND_LIST     1010
#define IDC_SECOND_COMBO    1011
#define IDC_SECOND_EDIT     1012

#define IDC_THIRD_ALLOW     1020

#define IDC_EXTRA_TEXT      1030
