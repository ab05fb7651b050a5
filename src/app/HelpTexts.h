#pragma once
// Language texts of the help window.
inline constexpr unsigned kTxtHelpWindow = 38;     // "Help": window title without a page
inline constexpr unsigned kTxtHelpContents = 133;  // "Help contents": the Contents button
inline constexpr unsigned kTxtHelpBack = 540;      // "Back"
inline constexpr unsigned kTxtHelpForward = 541;   // "Forward"
inline constexpr unsigned kTxtHelpNotFound = 542;  // page missing; "%s" = the file
inline constexpr unsigned kTxtHelpFolder = 543;    // help folder of the language: "en", "sv", "de"
