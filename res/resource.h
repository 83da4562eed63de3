// Numeric resource ids: dialog templates, their controls, bitmaps and the PNG image.
// Plain #defines because windres reads this file as well as the compiler.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The range picker's face, the merge pictures and the ribbon image are drawn for the display scales 125%, 150%
// and 200% as well, under their id plus 100, 200 and 300 (res/make_images.py, framework/Dpi.h).
#define IDB_FACE_PROBE           1000
#define IDB_RANGE_PICKER         1003
#define IDB_MERGE_ALL_BEFORE     1008
#define IDB_MERGE_ALL_AFTER      1009
#define IDB_MERGE_COLUMNS_BEFORE 1010
#define IDB_MERGE_COLUMNS_AFTER  1011
#define IDB_MERGE_ROWS_BEFORE    1012
#define IDB_MERGE_ROWS_AFTER     1013
#define IDR_PNG_REMDUPS          1021

#define IDD_SELECT_MERGE         106
#define IDD_SELECT               2009
#define IDD_DUP_COLUMNS          2011
#define IDD_DUP_ACTION           2012
#define IDD_SELECT_N             2013
#define IDD_SELCHARS             2014
#define IDD_CHANGECASE           2015
#define IDD_MERGE_BY_ROW         2016
#define IDD_MERGE_BY_COLUMN      2017
#define IDD_MERGE_IN_A_CELL      2018

#define IDC_CLEAR_SOURCES        1001
#define IDC_MERGE_TARGETS        1002

#define IDC_RANGE_PICKER         2018
#define IDC_RANGE_ADDRESS        2019
// The merge option pages use the same two ids for the separator's button and edit.
#define IDC_ADD_NEW_LINE         2018
#define IDC_SEPARATOR            2019

#define IDC_OPTION_1             2021
#define IDC_OPTION_2             2022
#define IDC_OPTION_3             2023
#define IDC_OPTION_4             2024
#define IDC_OPTION_5             2025

// Remove Duplicates: "Choose Columns" and "Choose Action".
#define IDC_CHECK_ALL            2018
#define IDC_COLUMN_LIST          2020
#define IDC_ACTION_SELECT        2021
#define IDC_ACTION_COLOR         2022
#define IDC_ACTION_DELETE        2023
#define IDC_COLOR_LIST           1003
