#pragma once
// Language texts of the print format dialog and the print preview.

inline constexpr unsigned kTxtFormatCaption = 401;
inline constexpr unsigned kTxtFormatShowTitle = 402;         // check box 1109
inline constexpr unsigned kTxtFormatShowPageNumber = 403;    // check box 1108
inline constexpr unsigned kTxtFormatHeadings = 404;          // label 1186
inline constexpr unsigned kTxtFormatColumnHeadings = 405;    // check box 1112
inline constexpr unsigned kTxtFormatSingleHeading = 406;     // check box 1113
inline constexpr unsigned kTxtFormatColumns = 407;           // label 1187
inline constexpr unsigned kTxtFormatOnlyForeign = 408;       // check box 1111
inline constexpr unsigned kTxtFormatOnlyTranslations = 409;  // check box 1110
inline constexpr unsigned kTxtFormatMargins = 410;           // group box 1188
inline constexpr unsigned kTxtFormatMarginTop = 411;
inline constexpr unsigned kTxtFormatMarginBottom = 412;
inline constexpr unsigned kTxtFormatMarginLeft = 413;
inline constexpr unsigned kTxtFormatMarginRight = 414;
inline constexpr unsigned kTxtFormatMarginUnit = 415;
inline constexpr unsigned kTxtFormatTextSize = 416;       // label 1197
inline constexpr unsigned kTxtFormatTextSizeLabel = 417;  // label 1198
inline constexpr unsigned kTxtFormatOk = 399;
inline constexpr unsigned kTxtFormatCancel = 400;
// The title edit refuses characters that a list file cannot hold.
inline constexpr unsigned kTxtFormatCharRefused = 502;

// The sample page: its name for screen readers, and what it shows.
inline constexpr unsigned kTxtSamplePage = 624;
inline constexpr unsigned kTxtSampleTitle = 625;
inline constexpr unsigned kTxtSamplePageNumber = 626;
// The column headings name the languages of the sample words, as a list's
// language names head its printed columns.
inline constexpr unsigned kTxtSampleForeignHeading = 627;
inline constexpr unsigned kTxtSampleTranslationHeading = 781;
inline constexpr unsigned kTxtSampleSingleHeading = 450;
inline constexpr unsigned kTxtSampleForeignWords = 628;  // four, separated by commas
inline constexpr unsigned kTxtSampleTranslations = 629;  // four, separated by commas
inline constexpr unsigned kTxtSampleFooter = 103;        // the program's name

inline constexpr unsigned kTxtPreviewCaption = 622;
