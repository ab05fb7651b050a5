#pragma once
// Language texts of the printed page and the print job.

inline constexpr unsigned kTxtPrintProgramName = 103;    // document name, footer
inline constexpr unsigned kTxtPrintPage = 110;           // "Page", before the page number
inline constexpr unsigned kTxtPrintWebAddress = 111;     // footer
inline constexpr unsigned kTxtPrintSingleHeading = 450;  // "Translate:"
// "%s %d of %d": text 110, the page number and the page count, in the word
// order of each language.
inline constexpr unsigned kTxtPrintPageOf = 620;
inline constexpr unsigned kTxtPrintFailed = 623;  // the job could not start or was refused
