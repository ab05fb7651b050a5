#pragma once
// Language texts of the practice dialogs: the choice of direction before an
// exercise and the results after it.

// Direction dialog
inline constexpr unsigned kTxtDirectionCaption = 424;          // "Choose exercise"
inline constexpr unsigned kTxtDirectionForeign = 425;          // button: write the foreign words
inline constexpr unsigned kTxtDirectionTranslation = 426;      // button: write the translations
inline constexpr unsigned kTxtDirectionCancel = 400;           // button: cancel
inline constexpr unsigned kTxtDirectionChoose = 220;           // hint line at rest
inline constexpr unsigned kTxtDirectionHintCancel = 221;       // hint line over the cancel button
inline constexpr unsigned kTxtDirectionHintForeign = 222;      // hint line over "foreign words"
inline constexpr unsigned kTxtDirectionHintTranslation = 223;  // hint over "translations"

// Results dialog
inline constexpr unsigned kTxtResultsCaption = 427;        // caption and the counts' frame
inline constexpr unsigned kTxtResultsWrongWords = 428;     // frame of the wrong words
inline constexpr unsigned kTxtResultsQuestions = 429;      // label: number of questions
inline constexpr unsigned kTxtResultsRightFirst = 430;     // label: right at the first attempt
inline constexpr unsigned kTxtResultsWrong = 431;          // label: wrong answers
inline constexpr unsigned kTxtResultsRightSecond = 432;    // label: right at the second attempt
inline constexpr unsigned kTxtResultsOk = 399;             // button: close
inline constexpr unsigned kTxtResultsPractiseAgain = 433;  // button: practise the wrong words
inline constexpr unsigned kTxtResultsSave = 434;           // button: save the wrong words
inline constexpr unsigned kTxtResultsNoWrong = 435;        // the only line when nothing was wrong
inline constexpr unsigned kTxtResultsSaveFailed = 300;     // message: the file could not be saved
// Names of the word classes, read out with each wrong word.
inline constexpr unsigned kTxtResultsClassNone = 189;
inline constexpr unsigned kTxtResultsClass1 = 190;
inline constexpr unsigned kTxtResultsClass2 = 191;
