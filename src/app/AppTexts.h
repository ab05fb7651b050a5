#pragma once
// Texts of the start of the program, the language choice, the tip of the
// day and the About box.

// String table: the header of the start-up warnings.
inline constexpr unsigned kStrStartupErrors = 57372;
// String table: OK in the language choice without a usable selection.
inline constexpr unsigned kStrSelectLanguage = 57371;
// The settings file cannot be read; "%s" = its path.
inline constexpr unsigned kTxtSettingsDamaged = 503;
// A language catalog is missing or damaged.
inline constexpr unsigned kTxtCatalogDamaged = 504;
// The second text of the start-up picture and the red line of the About box.
inline constexpr unsigned kTxtSlogan = 474;
// The program's display name.
inline constexpr unsigned kTxtProgramDisplayName = 103;

// Tip of the day
inline constexpr unsigned kTxtTipHeading = 122;
inline constexpr unsigned kTxtTipCaption = 123;
inline constexpr unsigned kTxtTipClose = 124;
inline constexpr unsigned kTxtTipNext = 125;
inline constexpr unsigned kTxtTipShowAtStart = 126;
inline constexpr unsigned kTxtTipsFileName = 451;  // below the "TipsFile" folder
inline constexpr unsigned kTxtTipsMissing = 452;
inline constexpr unsigned kTxtTipsUnreadable = 453;
inline constexpr unsigned kTxtTipsNone = 651;  // the tips file holds no tip line

// About box
inline constexpr unsigned kTxtAboutVersion = 457;  // label of the version
inline constexpr unsigned kTxtAboutMadeBy = 458;   // label of the maker
inline constexpr unsigned kTxtAboutMaker = 118;    // the maker
inline constexpr unsigned kTxtAboutWeb = 119;      // label of the web link
inline constexpr unsigned kTxtAboutMail = 120;     // label of the e-mail link
inline constexpr unsigned kTxtAboutText = 500;     // text about the program
inline constexpr unsigned kTxtAboutOk = 399;       // OK button

// Qt's own texts: the locale whose translations of Qt serve the language
// ("sv", "en", "de"), and the program's own translations of the Qt texts
// users meet most, for languages whose Qt translations lack them.
inline constexpr unsigned kTxtQtLocale = 650;
inline constexpr unsigned kTxtQtOk = 652;
inline constexpr unsigned kTxtQtCancel = 653;
inline constexpr unsigned kTxtQtYes = 654;
inline constexpr unsigned kTxtQtNo = 655;
inline constexpr unsigned kTxtQtOpen = 656;
inline constexpr unsigned kTxtQtSave = 657;
inline constexpr unsigned kTxtQtClose = 658;
inline constexpr unsigned kTxtQtUndo = 659;
inline constexpr unsigned kTxtQtRedo = 660;
inline constexpr unsigned kTxtQtCut = 661;
inline constexpr unsigned kTxtQtCopy = 662;
inline constexpr unsigned kTxtQtPaste = 663;
inline constexpr unsigned kTxtQtDelete = 664;
inline constexpr unsigned kTxtQtSelectAll = 665;
inline constexpr unsigned kTxtQtLookIn = 666;
inline constexpr unsigned kTxtQtComputer = 667;
inline constexpr unsigned kTxtQtFolder = 668;
