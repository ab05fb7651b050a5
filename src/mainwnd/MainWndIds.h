#pragma once
// Command and control ids of the main window.

// File commands
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_MODE_EDIT = 32777;
inline constexpr int ID_MODE_SETTINGS = 32778;
inline constexpr int ID_LIST_PROPERTIES = 32812;
inline constexpr int ID_PRINT = 1007;
inline constexpr int ID_PRINT_FORMAT = 32794;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_RECENT_FIRST = 32790;  // to 32793
inline constexpr int ID_RECENT_LAST = 32793;

// Edit commands
inline constexpr int ID_NEW_WORD = 32807;
inline constexpr int ID_ADD_WORD = 32808;
inline constexpr int ID_DELETE_WORDS = 32809;
inline constexpr int ID_SEARCH = 57636;
inline constexpr int ID_IMPORT = 32810;

// Practice and view
inline constexpr int ID_START_PRACTICE = 1158;
inline constexpr int ID_RESTART = 32811;
inline constexpr int ID_TOOLBAR_TEXT = 32799;

// Help
inline constexpr int ID_TIP = 32797;
inline constexpr int ID_HELP_CONTENTS = 1009;
inline constexpr int ID_HELP_TOPIC = 32818;
inline constexpr int ID_HELP_F1 = 32788;
inline constexpr int ID_WEB_PRODUCT = 32784;
inline constexpr int ID_WEB_MAKER = 32785;
inline constexpr int ID_ABOUT = 32781;

// Keys without menu items
inline constexpr int ID_ENTER = 32782;
inline constexpr int ID_SUGGESTIONS = 32816;
inline constexpr int ID_ESCAPE = 32819;

// The language choice of the view menu
inline constexpr int IDM_LANGUAGE = 0x20;

// Toolbar buttons
inline constexpr int IDC_TB_NEW = 1000;
inline constexpr int IDC_TB_OPEN = 1001;
inline constexpr int IDC_TB_SAVE = 1002;
inline constexpr int IDC_TB_PRACTICE = 1158;
inline constexpr int IDC_TB_EDIT = 1005;
inline constexpr int IDC_TB_SETTINGS = 1006;
inline constexpr int IDC_TB_PRINT = 1007;
inline constexpr int IDC_TB_HELP = 1009;
inline constexpr int IDC_TB_EXIT = 1010;

// Frame of the window
inline constexpr int IDC_LINE_TOP = 1102;
inline constexpr int IDC_LINE_TOOLBAR = 1104;
inline constexpr int IDC_SEPARATOR_FILE = 1105;
inline constexpr int IDC_SEPARATOR_MODE = 1106;
inline constexpr int IDC_MODE_PICTURE = 1143;
inline constexpr int IDC_STATUS_LEFT = 1103;
inline constexpr int IDC_STATUS_MIDDLE = 1107;
inline constexpr int IDC_STATUS_RIGHT = 1108;
inline constexpr int IDC_SIZE_GRIP = 1096;

// Word editing panel
inline constexpr int IDC_SEARCH = 5;
inline constexpr int IDC_IMPORT = 6;
inline constexpr int IDC_WORDLIST = 1016;
inline constexpr int IDC_EDIT_GROUP = 1020;
inline constexpr int IDC_WORD_COUNT = 1124;
inline constexpr int IDC_FOREIGN = 1008;
inline constexpr int IDC_TRANSLATION = 1012;
inline constexpr int IDC_ADD = 1014;
inline constexpr int IDC_NEW_WORD = 1013;
inline constexpr int IDC_DELETE = 1015;
inline constexpr int IDC_CLASS = 1153;
inline constexpr int IDC_SORT = 1125;
inline constexpr int IDC_FIRST_LANGUAGE = 1146;
inline constexpr int IDC_SECOND_LANGUAGE = 1147;

// Special character buttons
inline constexpr int IDC_SPECIAL1 = 1171;
inline constexpr int IDC_SPECIAL2 = 1172;
inline constexpr int IDC_SPECIAL3 = 1173;
inline constexpr int IDC_SPECIAL4 = 1174;

// Practice panel
inline constexpr int IDC_ANSWER = 1054;
inline constexpr int IDC_ANSWER_BUTTON = 1055;
inline constexpr int IDC_QUESTION = 1056;
inline constexpr int IDC_DIRECTION = 1057;
inline constexpr int IDC_COUNT_TOTAL = 1058;
inline constexpr int IDC_COUNT_CURRENT = 1059;
inline constexpr int IDC_COUNT_RIGHT = 1060;
inline constexpr int IDC_COUNT_WRONG = 1061;
inline constexpr int IDC_ANSWER_GROUP = 1071;
inline constexpr int IDC_QUESTION_GROUP = 1072;
inline constexpr int IDC_COUNTERS_GROUP = 1073;
inline constexpr int IDC_LABEL_TOTAL = 1074;
inline constexpr int IDC_LABEL_CURRENT = 1075;
inline constexpr int IDC_LABEL_RIGHT = 1076;
inline constexpr int IDC_LABEL_WRONG = 1077;
inline constexpr int IDC_HIDDEN_GROUP = 1078;
inline constexpr int IDC_CLASS_PICTURE = 1154;
inline constexpr int IDC_SUGGEST_BUTTON = 1180;
inline constexpr int IDC_SUGGESTIONS = 1181;

// Practice options panel
inline constexpr int IDC_PRINT_FORMAT = 4;
inline constexpr int IDC_LANGUAGE = 7;
inline constexpr int IDC_WRONG_SOUND_PATH = 1028;
inline constexpr int IDC_RIGHT_SOUND_PATH = 1029;
inline constexpr int IDC_CHOOSE_WRONG_SOUND = 1030;
inline constexpr int IDC_CHOOSE_RIGHT_SOUND = 1031;
inline constexpr int IDC_WRONG_SOUND_CHECK = 1032;
inline constexpr int IDC_RIGHT_SOUND_CHECK = 1033;
inline constexpr int IDC_SOUNDS_GROUP = 1036;
inline constexpr int IDC_SHUFFLE = 1037;
inline constexpr int IDC_PRINT_GROUP = 1038;
inline constexpr int IDC_MATCH_CASE = 1047;
inline constexpr int IDC_PLAY_WRONG = 1048;
inline constexpr int IDC_PLAY_RIGHT = 1049;
inline constexpr int IDC_LANGUAGE_GROUP = 1052;
inline constexpr int IDC_WORDS_GROUP = 1080;
inline constexpr int IDC_ONLY_WORDS = 1120;
inline constexpr int IDC_ALL_WORDS = 1121;
inline constexpr int IDC_ONLY_COUNT = 1122;
inline constexpr int IDC_ONLY_AFTER = 1123;
inline constexpr int IDC_SHOW_CLASS = 1126;
inline constexpr int IDC_CHECK_WHILE_TYPING = 1127;
inline constexpr int IDC_PAUSE = 1175;
inline constexpr int IDC_PAUSE_BEFORE = 1176;
inline constexpr int IDC_PAUSE_AFTER = 1177;
