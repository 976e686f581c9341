// Resource and control ids of Varnok. The numbers are fixed: the code finds
// every template, string, image and control by them.
#pragma once

// Static texts that the code never addresses
#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif

// Dialog templates
#define IDD_ABOUTBOX                100
#define IDD_CONVERTER_DIALOG        102
#define IDD_OPTION_DIALOG           129

// Strings
#define IDS_ABOUTBOX                101  // system-menu item that opens the About box
#define IDS_BASE                    102
#define IDS_WATERTEMP               103
#define IDS_CELSIUS                 104
#define IDS_GRAVITY                 105
#define IDS_POTENTIAL               106
#define IDS_SALINITY                107
#define IDS_PERMILLE                108
#define IDS_DEPTH                   109
#define IDS_METRE                   110
#define IDS_UNIT_FORMAT             111  // "[%s]"
#define IDS_BASE_FORMAT             112  // "基準%s"
#define IDS_CAPTION                 113

// Icon and accelerators
#define IDR_MAINFRAME               128
#define IDR_ACCELERATOR             130

// Window backgrounds
#define IDB_MAIN_BACKGROUND         132
#define IDB_OPTION_BACKGROUND       133

// Button faces
#define IDB_CANCEL_UP               134
#define IDB_CANCEL_DOWN             135
#define IDB_CANCEL_DISABLED         136
#define IDB_OK_UP                   138
#define IDB_OK_DISABLED             140
#define IDB_CALC_DOWN               142
#define IDB_CALC_UP                 143
#define IDB_CALC_DISABLED           144
#define IDB_OFF_DOWN                145
#define IDB_OPT_UP                  147
#define IDB_OPT_DOWN                148
#define IDB_OPT_DISABLED            149
#define IDB_OFF_UP                  150
#define IDB_OFF_DISABLED            152
#define IDB_OK_DOWN                 153
#define IDB_CALC_FOCUS              181
#define IDB_CANCEL_FOCUS            182
#define IDB_OFF_FOCUS               183
#define IDB_OPT_FOCUS               184
#define IDB_OK_FOCUS                185

// Digit glyphs, 27 x 45 pixels
#define IDB_DIGIT_8                 167
#define IDB_DIGIT_0                 168
#define IDB_DIGIT_1                 169
#define IDB_DIGIT_2                 170
#define IDB_DIGIT_3                 171
#define IDB_DIGIT_4                 172
#define IDB_DIGIT_5                 173
#define IDB_DIGIT_6                 174
#define IDB_DIGIT_7                 175
#define IDB_DIGIT_9                 176
#define IDB_GLYPH_POINT             177
#define IDB_GLYPH_BLANK             178
#define IDB_GLYPH_E                 179
#define IDB_GLYPH_MINUS             180

// Controls of the settings dialog
#define IDC_EDIT_SALINITY           1000
#define IDC_EDIT_DEPTH              1002
#define IDC_EDIT_BASE_GRAVITY       1004
#define IDC_EDIT_BASE_TEMP          1006
#define IDC_LABEL_SALINITY          1010
#define IDC_LABEL_PERMILLE          1011
#define IDC_LABEL_BASE_TEMP         1012
#define IDC_LABEL_CELSIUS           1013
#define IDC_LABEL_DEPTH             1014
#define IDC_LABEL_METRE             1015
#define IDC_LABEL_BASE_GRAVITY      1016

// Controls of the main window
#define IDC_EDIT_WATERTEMP          1002
#define IDC_CALC                    1005
#define IDC_OPTION                  1008
#define IDC_POTENTIAL               1009
#define IDC_LABEL_WATERTEMP         1012
#define IDC_LABEL_BASE              1017
#define IDC_LABEL_DEGREE            1018
#define IDC_LABEL_GRAVITY           1019
#define IDC_VALUE_BASE_TEMP         1020
#define IDC_VALUE_BASE_GRAVITY      1021
#define IDC_DIGIT_1                 1023  // leftmost place
#define IDC_DIGIT_2                 1024
#define IDC_DIGIT_3                 1025
#define IDC_DIGIT_4                 1026
#define IDC_DIGIT_5                 1027
#define IDC_DIGIT_6                 1028
#define IDC_DIGIT_7                 1029  // rightmost place
#define IDC_LABEL_POTENTIAL         1030

// System menu
#define IDM_ABOUTBOX                0x0010
