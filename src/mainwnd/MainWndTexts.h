#pragma once
// Language texts of the main window.

// Messages of the main window
inline constexpr unsigned kTxtListFull = 600;           // a word added to a full list
inline constexpr unsigned kTxtSettingsNotSaved = 601;   // %s = the settings file
inline constexpr unsigned kTxtRecentMissing = 602;      // %s = the recent file that is gone
inline constexpr unsigned kTxtNothingToPractise = 603;  // status: the options choose no words

// Menus
inline constexpr unsigned kTxtMenuFile = 1;
inline constexpr unsigned kTxtMenuPractice = 2;
inline constexpr unsigned kTxtMenuHelp = 3;
inline constexpr unsigned kTxtMenuNew = 4;
inline constexpr unsigned kTxtMenuOpen = 5;
inline constexpr unsigned kTxtMenuSave = 6;
inline constexpr unsigned kTxtMenuSaveAs = 7;
inline constexpr unsigned kTxtMenuEditMode = 8;
inline constexpr unsigned kTxtMenuSettingsMode = 9;
inline constexpr unsigned kTxtMenuPrint = 10;
inline constexpr unsigned kTxtMenuPrintFormat = 11;
inline constexpr unsigned kTxtMenuPrintPreview = 621;
inline constexpr unsigned kTxtMenuRecent = 12;
inline constexpr unsigned kTxtMenuExit = 13;
inline constexpr unsigned kTxtMenuInternet = 16;
inline constexpr unsigned kTxtMenuWebProduct = 17;
inline constexpr unsigned kTxtMenuWebMaker = 18;
inline constexpr unsigned kTxtMenuAbout = 19;
inline constexpr unsigned kTxtMenuTip = 20;
// String table: the language choice in the View menu, understandable in every
// language so that the way back is always found.
inline constexpr unsigned kStrMenuLanguage = 102;
inline constexpr unsigned kTxtMenuEdit = 21;
inline constexpr unsigned kTxtMenuAdd = 23;
inline constexpr unsigned kTxtMenuChange = 24;
inline constexpr unsigned kTxtMenuDelete = 25;
inline constexpr unsigned kTxtMenuProperties = 129;
inline constexpr unsigned kTxtMenuStartPractice = 130;
inline constexpr unsigned kTxtMenuView = 131;
inline constexpr unsigned kTxtMenuToolbarText = 132;
inline constexpr unsigned kTxtMenuHelpContents = 133;
inline constexpr unsigned kTxtMenuHelpTopic = 134;
inline constexpr unsigned kTxtMenuNewWord = 135;
inline constexpr unsigned kTxtMenuSearch = 136;
inline constexpr unsigned kTxtMenuImport = 137;
inline constexpr unsigned kTxtMenuRestart = 138;

// Toolbar captions and tooltips, in the order of the buttons
inline constexpr unsigned kTxtToolbarNew = 30;
inline constexpr unsigned kTxtToolbarOpen = 31;
inline constexpr unsigned kTxtToolbarSave = 32;
inline constexpr unsigned kTxtToolbarPractice = 33;
inline constexpr unsigned kTxtToolbarEdit = 35;
inline constexpr unsigned kTxtToolbarSettings = 36;
inline constexpr unsigned kTxtToolbarPrint = 37;
inline constexpr unsigned kTxtToolbarHelp = 38;
inline constexpr unsigned kTxtToolbarExit = 39;
inline constexpr unsigned kTxtTipNew = 171;
inline constexpr unsigned kTxtTipOpen = 172;
inline constexpr unsigned kTxtTipSave = 173;
inline constexpr unsigned kTxtTipPractice = 174;
inline constexpr unsigned kTxtTipEdit = 176;
inline constexpr unsigned kTxtTipSettings = 177;
inline constexpr unsigned kTxtTipPrint = 178;
inline constexpr unsigned kTxtTipHelp = 179;
inline constexpr unsigned kTxtTipExit = 180;

// Word editing panel
inline constexpr unsigned kTxtSearchButton = 40;
inline constexpr unsigned kTxtImportButton = 41;
inline constexpr unsigned kTxtSpecialGroup = 42;
inline constexpr unsigned kTxtAdd = 49;
inline constexpr unsigned kTxtNewWord = 50;
inline constexpr unsigned kTxtDelete = 51;
inline constexpr unsigned kTxtChange = 52;
inline constexpr unsigned kTxtSortCheck = 55;
inline constexpr unsigned kTxtWordCountBefore = 100;
inline constexpr unsigned kTxtWordCountAfter = 101;
inline constexpr unsigned kTxtClassNone = 189;
inline constexpr unsigned kTxtClass1 = 190;
inline constexpr unsigned kTxtClass2 = 191;

// Practice options panel
inline constexpr unsigned kTxtWrongSoundCheck = 60;
inline constexpr unsigned kTxtRightSoundCheck = 61;
inline constexpr unsigned kTxtChooseWrongSound = 62;
inline constexpr unsigned kTxtChooseRightSound = 63;
inline constexpr unsigned kTxtSoundsGroup = 64;
inline constexpr unsigned kTxtLanguageGroup = 65;
inline constexpr unsigned kTxtWordsGroup = 66;
inline constexpr unsigned kTxtAllWords = 67;
inline constexpr unsigned kTxtOnlyWords = 68;
inline constexpr unsigned kTxtOnlyWordsAfter = 69;
inline constexpr unsigned kTxtShuffle = 70;
inline constexpr unsigned kTxtMatchCase = 71;
inline constexpr unsigned kTxtPrintFormatButton = 72;
inline constexpr unsigned kTxtLanguageButton = 73;
inline constexpr unsigned kTxtPrintGroup = 74;
inline constexpr unsigned kTxtShowClass = 207;
inline constexpr unsigned kTxtCheckWhileTyping = 208;
inline constexpr unsigned kTxtPauseBefore = 209;
inline constexpr unsigned kTxtPauseAfter = 248;

// Practice panel
inline constexpr unsigned kTxtAnswerButton = 80;
inline constexpr unsigned kTxtQuestionGroup = 81;
inline constexpr unsigned kTxtCountersGroup = 82;
inline constexpr unsigned kTxtCounterQuestions = 83;
inline constexpr unsigned kTxtCounterCurrent = 84;
inline constexpr unsigned kTxtCounterRight = 85;
inline constexpr unsigned kTxtCounterWrong = 86;
inline constexpr unsigned kTxtHiddenGroup = 87;
inline constexpr unsigned kTxtAnswerGroup = 88;

// Status texts
inline constexpr unsigned kTxtStatusOpen = 31;
inline constexpr unsigned kTxtStatusSettings = 36;
inline constexpr unsigned kTxtStatusPrint = 37;
inline constexpr unsigned kTxtStatusHelp = 38;
inline constexpr unsigned kTxtStatusImport = 53;
inline constexpr unsigned kTxtStatusSaveAs = 54;
inline constexpr unsigned kTxtStatusForeign = 164;
inline constexpr unsigned kTxtStatusTranslation = 165;
inline constexpr unsigned kTxtStatusClassFocus = 193;
inline constexpr unsigned kTxtStatusSearch = 213;
inline constexpr unsigned kTxtSpecialHint = 181;

// Messages (the list's own are in WordListTexts.h)
inline constexpr unsigned kTxtOpenFailed = 301;

// Hover help of the middle status pane (the toolbar's tooltips serve too)
inline constexpr unsigned kTxtHoverSearch = 150;
inline constexpr unsigned kTxtHoverImport = 151;
inline constexpr unsigned kTxtHoverAdd = 152;
inline constexpr unsigned kTxtHoverNewWord = 153;
inline constexpr unsigned kTxtHoverDelete = 154;
inline constexpr unsigned kTxtHoverChooseWrongSound = 155;
inline constexpr unsigned kTxtHoverChooseRightSound = 156;
inline constexpr unsigned kTxtHoverAllWords = 157;
inline constexpr unsigned kTxtHoverOnlyWords = 158;
inline constexpr unsigned kTxtHoverShuffle = 159;
inline constexpr unsigned kTxtHoverMatchCase = 160;
inline constexpr unsigned kTxtHoverPrintFormat = 161;
inline constexpr unsigned kTxtHoverLanguage = 162;
inline constexpr unsigned kTxtHoverAnswerButton = 163;
inline constexpr unsigned kTxtHoverPlayWrong = 167;
inline constexpr unsigned kTxtHoverPlayRight = 168;
inline constexpr unsigned kTxtHoverForeign = 169;
inline constexpr unsigned kTxtHoverTranslation = 170;
inline constexpr unsigned kTxtHoverWordList = 185;
inline constexpr unsigned kTxtHoverFirstLanguage = 186;
inline constexpr unsigned kTxtHoverSecondLanguage = 187;
inline constexpr unsigned kTxtHoverSort = 188;
inline constexpr unsigned kTxtHoverWordCount = 194;
inline constexpr unsigned kTxtHoverClass = 195;
inline constexpr unsigned kTxtHoverSoundPath = 196;
inline constexpr unsigned kTxtHoverWrongSound = 197;
inline constexpr unsigned kTxtHoverRightSound = 198;
inline constexpr unsigned kTxtHoverSpecialSettings = 199;
inline constexpr unsigned kTxtHoverSpecial = 200;
inline constexpr unsigned kTxtHoverPause = 202;
inline constexpr unsigned kTxtHoverShowClass = 203;
inline constexpr unsigned kTxtHoverCheckWhileTyping = 204;

// Edits refuse characters that a list file cannot hold and say so.
inline constexpr unsigned kTxtCharRefused = 502;
// Search and deleting
inline constexpr unsigned kTxtStatusWordList = 215;
inline constexpr unsigned kTxtStatusChange = 166;
inline constexpr unsigned kTxtDuplicate = 252;
inline constexpr unsigned kTxtNotFound = 304;
// Practice
inline constexpr unsigned kTxtEmptyList = 251;
inline constexpr unsigned kTxtWriteForeign = 105;
inline constexpr unsigned kTxtWriteTranslation = 106;
inline constexpr unsigned kTxtChooseSound = 475;
inline constexpr unsigned kTxtStatusSpecialChar = 214;
inline constexpr unsigned kTxtStatusProperties = 128;
inline constexpr unsigned kTxtStatusPrintFormat = 127;
