#pragma once
// The printed pages of a word list as a PDF file.
#include <QString>

class CWordList;

// Writes the list's print layout, with the print format of the settings, to
// path as a PDF: one PDF page per printed page, CListPrinter::kResolution
// dots per inch, A4 (Letter where the locale measures in inches). The old
// file is replaced only once the new one is complete. False when the file
// could not be written.
[[nodiscard]] bool WriteListPdf(const CWordList& list, const QString& path);
