// Numeric resource ids: dialog templates, their controls, bitmaps and the PNG image.
// Plain #defines because windres reads this file as well as the compiler.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

#define IDB_FACE_PROBE          1000
#define IDB_RANGE_PICKER        1003
#define IDR_PNG_REMDUPS         1021

#define IDD_SELECT              2009
#define IDD_SELECT_N            2013
#define IDD_SELCHARS            2014
#define IDD_CHANGECASE          2015

#define IDC_RANGE_PICKER        2018
#define IDC_RANGE_ADDRESS       2019

#define IDC_OPTION_1            2021
#define IDC_OPTION_2            2022
#define IDC_OPTION_3            2023
#define IDC_OPTION_4            2024
#define IDC_OPTION_5            2025
