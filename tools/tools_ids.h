// Control ids of the tool windows' dialog templates. Plain #defines so that
// the resource script can use them as well as the C++ code.
#pragma once

// Dialog templates of the tool windows.
#define IDD_HIDDEN_POWER 102
#define IDD_ABOUT 204

// Hidden power calculator (template 102).
#define IDC_HPCALC_HEADING 1027
#define IDC_HPCALC_LABEL_HP 1020
#define IDC_HPCALC_LABEL_ATTACK 1021
#define IDC_HPCALC_LABEL_DEFENSE 1022
#define IDC_HPCALC_LABEL_SPATK 1023
#define IDC_HPCALC_LABEL_SPDEF 1024
#define IDC_HPCALC_LABEL_SPEED 1025
#define IDC_HPCALC_IV_HP 1028
#define IDC_HPCALC_IV_ATTACK 1029
#define IDC_HPCALC_IV_DEFENSE 1030
#define IDC_HPCALC_IV_SPATK 1031
#define IDC_HPCALC_IV_SPDEF 1032
#define IDC_HPCALC_IV_SPEED 1033
#define IDC_HPCALC_LABEL_TYPE 1035
#define IDC_HPCALC_LABEL_POWER 1036
#define IDC_HPCALC_TYPE 1037
#define IDC_HPCALC_POWER 1038
#define IDC_HPCALC_CLOSE 1039

// About box (template 204).
#define IDC_ABOUT_ICON 1123
#define IDC_ABOUT_NAME 1124
#define IDC_ABOUT_VERSION 1125
#define IDC_ABOUT_COPYRIGHT 1126
#define IDC_ABOUT_NOTICE 1127
#define IDC_ABOUT_EXTRA 1128

// The program's icon group, defined by the main resource script and shown
// by the about box.
#define IDI_TESSAVAR_ICON 100

// The maker's copyright line: the about box's template text and the version
// resource's "LegalCopyright" value.
#define TESSAVAR_COPYRIGHT_TEXT "Copyright (C) 2026 Tessavar developers"
