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

// Common buttons
inline constexpr unsigned kTxtDlgOk = 399;
inline constexpr unsigned kTxtDlgCancel = 400;

// Edits refuse characters that a list file cannot hold and say so.
inline constexpr unsigned kTxtDlgCharRefused = 502;
