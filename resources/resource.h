/* Varendo resource ids: the single place where template, control and command numbers are defined. */
#ifndef VARENDO_RESOURCE_H
#define VARENDO_RESOURCE_H

/* Plain numbers only, no windows.h: portable code and the resource compiler both include this. */

/* Icon group, menu and dialog templates */
#define IDI_VARENDO                     100
#define IDD_EFFORT_TOOL                 101
#define IDD_HIDDENPOWER_TOOL            102
#define IDR_MAINMENU                    200
#define IDD_MAIN                        203

/* Status bar of the main window (created at run time, not part of the template) */
#define IDC_STATUSBAR                   1

/* Effort level calculator (IDD_EFFORT_TOOL). Each output id is its input id + 5. */
#define IDC_EFFCALC_HP_LABEL            1000
#define IDC_EFFCALC_ATK_LABEL           1001
#define IDC_EFFCALC_DEF_LABEL           1002
#define IDC_EFFCALC_SPE_LABEL           1003
#define IDC_EFFCALC_SPC_LABEL           1004
#define IDC_EFFCALC_INPUT_HEADER        1005
#define IDC_EFFCALC_OUTPUT_HEADER       1006
#define IDC_EFFCALC_ARROW               1007
#define IDC_EFFCALC_EXP_HP              1008
#define IDC_EFFCALC_EXP_ATK             1009
#define IDC_EFFCALC_EXP_DEF             1010
#define IDC_EFFCALC_EXP_SPE             1011
#define IDC_EFFCALC_EXP_SPC             1012
#define IDC_EFFCALC_LV_HP               1013
#define IDC_EFFCALC_LV_ATK              1014
#define IDC_EFFCALC_LV_DEF              1015
#define IDC_EFFCALC_LV_SPE              1016
#define IDC_EFFCALC_LV_SPC              1017
#define IDC_EFFCALC_AUTOFILL            1018
#define IDC_EFFCALC_CLOSE               1019

/* Hidden power calculator (IDD_HIDDENPOWER_TOOL) */
#define IDC_HPCALC_HP_LABEL             1020
#define IDC_HPCALC_ATK_LABEL            1021
#define IDC_HPCALC_DEF_LABEL            1022
#define IDC_HPCALC_SPA_LABEL            1023
#define IDC_HPCALC_SPD_LABEL            1024
#define IDC_HPCALC_SPE_LABEL            1025
#define IDC_HPCALC_SPC_LABEL            1026
#define IDC_HPCALC_HEADER               1027
#define IDC_HPCALC_HP                   1028
#define IDC_HPCALC_ATK                  1029
#define IDC_HPCALC_DEF                  1030
#define IDC_HPCALC_SPA                  1031
#define IDC_HPCALC_SPD                  1032
#define IDC_HPCALC_SPE                  1033
#define IDC_HPCALC_SPC                  1034
#define IDC_HPCALC_TYPE_LABEL           1035
#define IDC_HPCALC_POWER_LABEL          1036
#define IDC_HPCALC_TYPE                 1037
#define IDC_HPCALC_POWER                1038
#define IDC_HPCALC_CLOSE                1039

/* Main window (IDD_MAIN). The numbers are not contiguous per stat; the
   string table keys its hints by these same numbers. 1115 is unused. */
#define IDC_SPECIES                     1044
#define IDC_NATURE                      1045
#define IDC_SPECIES_LABEL               1046
#define IDC_NATURE_LABEL                1047
#define IDC_LEVEL_LABEL                 1048
#define IDC_LEVEL                       1049
#define IDC_LEVEL_SPIN                  1050
#define IDC_STAT_HEADER                 1051
#define IDC_STAT_HP_LABEL               1052
#define IDC_STAT_HP                     1053
#define IDC_STAT_HP_SPIN                1054
#define IDC_STAT_ATK_LABEL              1055
#define IDC_STAT_ATK                    1056
#define IDC_STAT_ATK_SPIN               1057
#define IDC_SHINY                       1058
#define IDC_ADD                         1059
#define IDC_LIST                        1060
#define IDC_STAT_DEF_LABEL              1061
#define IDC_STAT_DEF                    1062
#define IDC_STAT_DEF_SPIN               1063
#define IDC_GENDER_LABEL                1064
#define IDC_GENDER                      1065
#define IDC_HP_TYPE_CHOICE_LABEL        1066
#define IDC_STAT_SPA_LABEL              1067
#define IDC_STAT_SPA                    1068
#define IDC_STAT_SPA_SPIN               1069
#define IDC_LIST_LABEL                  1070
#define IDC_HP_TYPE_CHOICE              1071
#define IDC_CHARACTERISTIC_LABEL        1072
#define IDC_STAT_SPD_LABEL              1073
#define IDC_STAT_SPD                    1074
#define IDC_STAT_SPD_SPIN               1075
#define IDC_STAT_SPE_LABEL              1076
#define IDC_STAT_SPE                    1077
#define IDC_STAT_SPE_SPIN               1078
#define IDC_STAT_SPC_LABEL              1079
#define IDC_STAT_SPC                    1080
#define IDC_STAT_SPC_SPIN               1081
#define IDC_EFFORT_HEADER               1082
#define IDC_EFFORT_HP                   1083
#define IDC_EFFORT_HP_SPIN              1084
#define IDC_EFFORT_ATK                  1085
#define IDC_EFFORT_ATK_SPIN             1086
#define IDC_EFFORT_DEF                  1087
#define IDC_EFFORT_DEF_SPIN             1088
#define IDC_EFFORT_SPA                  1089
#define IDC_EFFORT_SPA_SPIN             1090
#define IDC_EFFORT_SPD                  1091
#define IDC_EFFORT_SPD_SPIN             1092
#define IDC_EFFORT_SPE                  1093
#define IDC_EFFORT_SPE_SPIN             1094
#define IDC_EFFORT_SPC                  1095
#define IDC_EFFORT_SPC_SPIN             1096
#define IDC_EDIT                        1097
#define IDC_DELETE                      1098
#define IDC_CHARACTERISTIC              1099
#define IDC_IV_HEADER                   1100
#define IDC_HP_HEADER                   1109
#define IDC_HP_TYPE_LABEL               1110
#define IDC_HP_TYPE                     1111
#define IDC_HP_POWER_LABEL              1112
#define IDC_HP_POWER                    1113
#define IDC_IV_HP                       1114
#define IDC_IV_ATK                      1116
#define IDC_IV_DEF                      1117
#define IDC_IV_SPA                      1118
#define IDC_IV_SPD                      1119
#define IDC_IV_SPE                      1120
#define IDC_IV_SPC                      1121

/* Menu commands. The mode ids (32801-32807) and the sort ids (32808-32812)
   stay contiguous so that a command can be classed by its range. */
#define IDM_EXIT                        32800
#define IDM_MODE_RGBY                   32801
#define IDM_MODE_GSC                    32802
#define IDM_MODE_RS                     32803
#define IDM_MODE_EMERALD                32804
#define IDM_MODE_FIRERED                32805
#define IDM_MODE_LEAFGREEN              32806
#define IDM_MODE_DP                     32807
#define IDM_SORT_KANA                   32808
#define IDM_SORT_NATIONAL               32809
#define IDM_SORT_JOHTO                  32810
#define IDM_SORT_HOENN                  32811
#define IDM_SORT_SINNOH                 32812
#define IDM_TOOL_EFFORT                 32813
#define IDM_TOOL_HIDDENPOWER            32814
#define IDM_HELP_CONTENTS               32815
#define IDM_HELP_KEYWORD                32816
#define IDM_ABOUT                       32817

#endif /* VARENDO_RESOURCE_H */
