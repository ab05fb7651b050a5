#pragma once
// Language texts of the main window.

inline constexpr unsigned kTxtMenuFile = 1;
inline constexpr unsigned kTxtMenuNew = 4;
inline constexpr unsigned kTxtMenuOpen = 5;
inline constexpr unsigned kTxtMenuSave = 6;
inline constexpr unsigned kTxtMenuSaveAs = 7;
inline constexpr unsigned kTxtMenuRecent = 12;
inline constexpr unsigned kTxtMenuExit = 13;
inline constexpr unsigned kTxtFirstLanguage = 47;
inline constexpr unsigned kTxtSecondLanguage = 48;
inline constexpr unsigned kTxtProgramName = 103;
inline constexpr unsigned kTxtUntitled = 104;
inline constexpr unsigned kTxtSaveFailed = 300;
inline constexpr unsigned kTxtOpenFailed = 301;
