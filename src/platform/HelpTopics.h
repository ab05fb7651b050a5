#pragma once
// Help topics by context number. The help folder's map file (map.txt) turns
// each number into a page; 0 always means the contents page.

inline constexpr unsigned kHelpContents = 0;

inline constexpr unsigned kHelpEditMode = 131202;      // main window, editing words
inline constexpr unsigned kHelpSettingsMode = 131203;  // main window, practice options
inline constexpr unsigned kHelpPracticeMode = 131204;  // main window, practising
inline constexpr unsigned kHelpSearch = 131205;        // search dialog
inline constexpr unsigned kHelpImport = 131206;        // import of words from another list
inline constexpr unsigned kHelpLanguage = 131207;      // language choice
inline constexpr unsigned kHelpResults = 131209;       // practice results
inline constexpr unsigned kHelpPrintFormat = 131216;   // print format
inline constexpr unsigned kHelpProperties = 131217;    // list properties
inline constexpr unsigned kHelpDirection = 131218;     // practice direction
inline constexpr unsigned kHelpSpecialChars = 131219;  // special characters
inline constexpr unsigned kHelpStartup = 131220;       // start-up dialog
inline constexpr unsigned kHelpTipOfTheDay = 131221;   // tip of the day
inline constexpr unsigned kHelpCsvImport = 131222;     // preview of a CSV file

// Every topic above except the contents, for code that walks them all.
inline constexpr unsigned kHelpTopics[] = {
    kHelpEditMode,     kHelpSettingsMode, kHelpPracticeMode, kHelpSearch,     kHelpImport,
    kHelpLanguage,     kHelpResults,      kHelpPrintFormat,  kHelpProperties, kHelpDirection,
    kHelpSpecialChars, kHelpStartup,      kHelpTipOfTheDay,  kHelpCsvImport,
};
