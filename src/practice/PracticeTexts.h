#pragma once
// Language texts of practice: the feedback after an answer in the caption of
// the answer group box, the caption of the answer button and the left status
// pane.

inline constexpr unsigned kTxtCopyGroup = 89;          // group box: copy the right answer
inline constexpr unsigned kTxtCopyButton = 90;         // answer button while copying
inline constexpr unsigned kTxtStatusWrongOnce = 91;    // status: wrong, try again
inline constexpr unsigned kTxtStatusRight = 92;        // status: right
inline constexpr unsigned kTxtRightGroup = 94;         // group box after a right answer
inline constexpr unsigned kTxtAnswerButtonAgain = 95;  // answer button after copying
inline constexpr unsigned kTxtWrongOnceGroup = 96;     // group box: wrong, try again
inline constexpr unsigned kTxtStatusWrongTwice = 192;  // status: wrong twice, copy the answer
