#pragma once
// Language texts of the search and special character dialogs.

// Search dialog
inline constexpr unsigned kTxtSearchOk = 212;
inline constexpr unsigned kTxtSearchCaption = 213;
inline constexpr unsigned kTxtSearchLabel = 216;

// Special character dialog
inline constexpr unsigned kTxtSpecialCaption = 469;
inline constexpr unsigned kTxtSpecialCharLabel = 470;
inline constexpr unsigned kTxtSpecialGridLabel = 471;
inline constexpr unsigned kTxtSpecialBlockLabel = 730;
// Names of the character grid's blocks
inline constexpr unsigned kTxtBlockLatin1 = 731;
inline constexpr unsigned kTxtBlockLatinExtA = 732;
inline constexpr unsigned kTxtBlockLatinExtB = 733;
inline constexpr unsigned kTxtBlockIpa = 734;
inline constexpr unsigned kTxtBlockCombining = 735;
inline constexpr unsigned kTxtBlockGreek = 736;
inline constexpr unsigned kTxtBlockCyrillic = 737;
inline constexpr unsigned kTxtBlockHebrew = 738;
inline constexpr unsigned kTxtBlockArabic = 739;
inline constexpr unsigned kTxtBlockVietnamese = 740;
inline constexpr unsigned kTxtBlockPunctuation = 741;
inline constexpr unsigned kTxtBlockKana = 742;

// Common buttons
inline constexpr unsigned kTxtDlgOk = 399;
inline constexpr unsigned kTxtDlgCancel = 400;

// Edits refuse characters that a list file cannot hold and say so.
inline constexpr unsigned kTxtDlgCharRefused = 502;
