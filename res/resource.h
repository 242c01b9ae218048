// Ids of the main window's resources, controls and menu commands. Plain
// #defines so that the resource script can use them as well as the C++ code.
#pragma once

// The tool windows' ids and the icon group IDI_TESSAVAR_ICON.
#include "../tools/tools_ids.h"

// Resources.
#define IDM_MAIN_MENU 200
#define IDD_MAIN_WINDOW 203
#define IDA_MAIN_ACCELERATORS 205

// The status bar, created at run time.
#define IDC_STATUS_BAR 1

// Names and clues.
#define IDC_SPECIES_LABEL 1046
#define IDC_SPECIES 1044
#define IDC_NATURE_LABEL 1047
#define IDC_NATURE 1045
#define IDC_CHARACTERISTIC_LABEL 1072
#define IDC_CHARACTERISTIC 1099
#define IDC_HP_TYPE_CLUE_LABEL 1066
#define IDC_HP_TYPE_CLUE 1071
#define IDC_JUDGE_GROUP 1121
#define IDC_OVERALL_VERDICT 1101
#define IDC_BEST_STAT_CAPTION (-1)
#define IDC_BEST_HP 1122
#define IDC_BEST_ATTACK 1123
#define IDC_BEST_DEFENSE 1124
#define IDC_BEST_SPATK 1125
#define IDC_BEST_SPDEF 1126
#define IDC_BEST_SPEED 1127
#define IDC_BEST_VERDICT 1102

// Level and column headings.
#define IDC_LEVEL_LABEL 1048
#define IDC_LEVEL 1049
#define IDC_LEVEL_SPIN 1050
#define IDC_STAT_HEADING 1051
#define IDC_EV_HEADING 1082
#define IDC_IV_HEADING 1100

// The six stat rows: label, stat field and its up-down, EV field and its
// up-down, IV result field, nature mark.
#define IDC_HP_ROW_LABEL 1052
#define IDC_HP_STAT 1053
#define IDC_HP_STAT_SPIN 1054
#define IDC_HP_EV 1083
#define IDC_HP_EV_SPIN 1084
#define IDC_HP_IV 1114

#define IDC_ATTACK_ROW_LABEL 1055
#define IDC_ATTACK_STAT 1056
#define IDC_ATTACK_STAT_SPIN 1057
#define IDC_ATTACK_EV 1085
#define IDC_ATTACK_EV_SPIN 1086
#define IDC_ATTACK_IV 1116
#define IDC_ATTACK_MARK 1058

#define IDC_DEFENSE_ROW_LABEL 1061
#define IDC_DEFENSE_STAT 1062
#define IDC_DEFENSE_STAT_SPIN 1063
#define IDC_DEFENSE_EV 1087
#define IDC_DEFENSE_EV_SPIN 1088
#define IDC_DEFENSE_IV 1117
#define IDC_DEFENSE_MARK 1064

#define IDC_SPATK_ROW_LABEL 1067
#define IDC_SPATK_STAT 1068
#define IDC_SPATK_STAT_SPIN 1069
#define IDC_SPATK_EV 1089
#define IDC_SPATK_EV_SPIN 1090
#define IDC_SPATK_IV 1118
#define IDC_SPATK_MARK 1079

#define IDC_SPDEF_ROW_LABEL 1073
#define IDC_SPDEF_STAT 1074
#define IDC_SPDEF_STAT_SPIN 1075
#define IDC_SPDEF_EV 1091
#define IDC_SPDEF_EV_SPIN 1092
#define IDC_SPDEF_IV 1119
#define IDC_SPDEF_MARK 1080

#define IDC_SPEED_ROW_LABEL 1076
#define IDC_SPEED_STAT 1077
#define IDC_SPEED_STAT_SPIN 1078
#define IDC_SPEED_EV 1093
#define IDC_SPEED_EV_SPIN 1094
#define IDC_SPEED_IV 1120
#define IDC_SPEED_MARK 1081

// Hidden power result.
#define IDC_HIDDEN_POWER_HEADING 1109
#define IDC_HIDDEN_POWER_TYPE_LABEL 1110
#define IDC_HIDDEN_POWER_TYPE 1111
#define IDC_HIDDEN_POWER_POWER_LABEL 1112
#define IDC_HIDDEN_POWER_POWER 1113

// What the player does not know, and what to check next: the effort values
// unknown box, the natures still possible, the next-level column.
#define IDC_EFFORT_UNKNOWN 1140
#define IDC_NATURE_CANDIDATES 1141
#define IDC_NEXT_LEVEL_HEADING 1142
#define IDC_HP_NEXT 1143
#define IDC_ATTACK_NEXT 1144
#define IDC_DEFENSE_NEXT 1145
#define IDC_SPATK_NEXT 1146
#define IDC_SPDEF_NEXT 1147
#define IDC_SPEED_NEXT 1148

// Generations 7 to 9: the per-stat judge (a label and a verdict list per
// stat, in the judge group) and the marks of stats read after hyper training
// (a caption and a check box per stat, on the level row).
#define IDC_HP_VERDICT_LABEL 1150
#define IDC_HP_VERDICT 1151
#define IDC_ATTACK_VERDICT_LABEL 1152
#define IDC_ATTACK_VERDICT 1153
#define IDC_DEFENSE_VERDICT_LABEL 1154
#define IDC_DEFENSE_VERDICT 1155
#define IDC_SPATK_VERDICT_LABEL 1156
#define IDC_SPATK_VERDICT 1157
#define IDC_SPDEF_VERDICT_LABEL 1158
#define IDC_SPDEF_VERDICT 1159
#define IDC_SPEED_VERDICT_LABEL 1160
#define IDC_SPEED_VERDICT 1161
#define IDC_TRAINED_CAPTION 1162
#define IDC_HP_TRAINED 1163
#define IDC_ATTACK_TRAINED 1164
#define IDC_DEFENSE_TRAINED 1165
#define IDC_SPATK_TRAINED 1166
#define IDC_SPDEF_TRAINED 1167
#define IDC_SPEED_TRAINED 1168

// The status list and its buttons.
#define IDC_ADD_ROW 1059
#define IDC_EDIT_ROW 1097
#define IDC_DELETE_ROWS 1098
#define IDC_STATUS_LIST_LABEL 1070
#define IDC_STATUS_LIST 1060

// Menu commands.
#define IDM_EXIT 32800
#define IDM_MODE_GEN3 32801
#define IDM_MODE_GEN4 32802
#define IDM_MODE_GEN5 32803
#define IDM_MODE_GEN6 32804
#define IDM_SORT_KANA 32805
#define IDM_SORT_NATIONAL 32806
#define IDM_SORT_RS_HOENN 32807
#define IDM_SORT_DP_SINNOH 32808
#define IDM_SORT_PT_SINNOH 32809
#define IDM_SORT_HGSS_JOHTO 32810
#define IDM_SORT_BW_UNOVA 32811
#define IDM_SORT_B2W2_UNOVA 32812
#define IDM_SORT_XY_CENTRAL_KALOS 32813
#define IDM_SORT_XY_COASTAL_KALOS 32814
#define IDM_SORT_XY_MOUNTAIN_KALOS 32815
#define IDM_SORT_ORAS_HOENN 32816
#define IDM_HIDDEN_POWER 32817
#define IDM_HELP_CONTENTS 32818
#define IDM_HELP_INDEX 32819
#define IDM_ABOUT 32820
#define IDM_OPEN 32821
#define IDM_SAVE 32822
#define IDM_SAVE_AS 32823
#define IDM_RESTORE 32824
#define IDM_COPY_RESULT 32825
// The commands of generations 7 to 9: three modes and nine regional orders.
// Their groups' radio marks go by position in the submenus, so these ids need
// not follow on from the groups' first ones.
#define IDM_MODE_GEN7 32826
#define IDM_MODE_GEN8 32827
#define IDM_MODE_GEN9 32828
#define IDM_SORT_SM_ALOLA 32829
#define IDM_SORT_USUM_ALOLA 32830
#define IDM_SORT_GALAR 32831
#define IDM_SORT_ISLE_OF_ARMOR 32832
#define IDM_SORT_CROWN_TUNDRA 32833
#define IDM_SORT_BDSP_SINNOH 32834
#define IDM_SORT_PALDEA 32835
#define IDM_SORT_KITAKAMI 32836
#define IDM_SORT_BLUEBERRY 32837
// The kept inputs in the submenu of 前回の入力を復元, newest first (five).
#define IDM_RESTORE_KEPT 32838
// The highest command id of the menu.
#define IDM_LAST_COMMAND 32842
