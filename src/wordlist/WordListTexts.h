#pragma once
// Language texts used by the word list and its file formats. Kept out of
// WordList.h so that a file that includes another subsystem's texts as well
// does not see the shared numbers twice.

inline constexpr unsigned kTxtFirstLanguage = 47;   // default name of the first language
inline constexpr unsigned kTxtSecondLanguage = 48;  // default name of the second language
inline constexpr unsigned kTxtProgramName = 103;    // creator of written lists, page title
inline constexpr unsigned kTxtUntitled = 104;       // name, path and title of a new list
inline constexpr unsigned kTxtSaveFilter = 107;  // save dialog filter: VK2 VK1 HTML ORD TXT SKV CSV
inline constexpr unsigned kTxtOpenFilter = 108;  // open dialog filter
inline constexpr unsigned kTxtWebAddress = 111;  // product web page, HTML footer
inline constexpr unsigned kTxtSaveQuestion = 250;  // "%s\n%s ?" with the path
inline constexpr unsigned kTxtExported = 270;      // export confirmation, "%s" = path
inline constexpr unsigned kTxtSaveFailed = 300;    // the list could not be written
inline constexpr unsigned kTxtFileRejected = 302;  // "%s" = path of an unreadable list
