#pragma once
// The desktop's printers as Qt offers them: the print dialog behind the
// platform seam, and the print preview. One printer serves the whole session,
// so the printer, paper and copies chosen last are offered again.
#include <memory>

#include <QString>

class CPlatform;
class CPrintTarget;
class CWordList;
class QWidget;

// The platform's print dialog for a document: whole documents only (no page
// range, no selection); printing to a PDF file stays offered, as it is the
// desktop's way to a file. Null on Cancel.
std::unique_ptr<CPrintTarget> ShowQtPrintDialog(QWidget* parent, const QString& documentName);

// Shows exactly the pages that printing the list gives on the session's
// printer; the preview's own print button prints them.
void ShowPrintPreview(QWidget* parent, const CWordList& list, CPlatform& platform);
