#pragma once
// Language texts of the import and list properties dialogs and of the import
// report. The open filter (108) is in WordListTexts.h.

// Import dialog and report
inline constexpr unsigned kTxtImportFileTitle = 53;   // title of the file dialog
inline constexpr unsigned kTxtImportClassNone = 189;  // class names read out with each line
inline constexpr unsigned kTxtImportClass1 = 190;
inline constexpr unsigned kTxtImportClass2 = 191;
inline constexpr unsigned kTxtImportedCount = 305;  // "%d %s": after the number added
inline constexpr unsigned kTxtImportedOne = 780;    // the same after the number 1
inline constexpr unsigned kTxtImportSkipped = 306;  // heading of the words left out
inline constexpr unsigned kTxtImportCaption = 420;
inline constexpr unsigned kTxtImportNoFileYet = 421;  // static 1161 before any file
inline constexpr unsigned kTxtImportOk = 422;
inline constexpr unsigned kTxtImportOtherFile = 423;
inline constexpr unsigned kTxtImportNoFileOpen = 510;  // static 1161 after a rejected file

// Preview of a CSV file before it is read
inline constexpr unsigned kTxtCsvCaption = 700;
inline constexpr unsigned kTxtCsvDelimiter = 701;
inline constexpr unsigned kTxtCsvComma = 702;      // delimiter choices, in the order of
inline constexpr unsigned kTxtCsvSemicolon = 703;  // CCsvFile::kDelimiters
inline constexpr unsigned kTxtCsvTab = 704;
inline constexpr unsigned kTxtCsvHeader = 705;
inline constexpr unsigned kTxtCsvPreview = 706;
inline constexpr unsigned kTxtCsvWordCount = 707;  // "%s" = words read
inline constexpr unsigned kTxtCsvTooMany = 708;    // "%s" = word rows in the file

// Common buttons
inline constexpr unsigned kTxtDialogOk = 399;
inline constexpr unsigned kTxtDialogCancel = 400;

// List properties dialog
inline constexpr unsigned kTxtPropCaption = 436;  // followed directly by the list name
inline constexpr unsigned kTxtPropFormat = 437;
inline constexpr unsigned kTxtPropCreator = 438;
inline constexpr unsigned kTxtPropFolder = 439;
inline constexpr unsigned kTxtPropWords = 440;
inline constexpr unsigned kTxtPropSize = 441;
inline constexpr unsigned kTxtPropTitle = 442;
inline constexpr unsigned kTxtPropOwner = 443;
inline constexpr unsigned kTxtPropDescription = 444;
inline constexpr unsigned kTxtPropOtherFormat = 445;
inline constexpr unsigned kTxtPropNotAvailable = 446;
inline constexpr unsigned kTxtPropFormatVk1 = 447;
inline constexpr unsigned kTxtPropFormatVk2 = 448;
inline constexpr unsigned kTxtPropFormatOrd = 449;
inline constexpr unsigned kTxtPropBytes = 511;  // unit after the file size

// Edits refuse characters that a list file cannot hold and say so.
inline constexpr unsigned kTxtListCharRefused = 502;
