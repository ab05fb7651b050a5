#include "QtPrinter.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include "ListPrinter.h"
#include "PrintDialogTexts.h"
#include "PrintTexts.h"
#include "lang/LangText.h"
#include "platform/Platform.h"
#include "wordlist/WordList.h"

namespace {

// Lives as long as the application, which deletes it with its children.
class CSessionPrinter : public QObject {
 public:
  CSessionPrinter() : QObject(qApp), m_printer(QPrinter::HighResolution) {
    // The margins of the print format are dots of this resolution.
    m_printer.setResolution(CListPrinter::kResolution);
    m_printer.setCreator(LangQText(kTxtPrintProgramName));
  }
  QPrinter m_printer;
};

QPrinter& SessionPrinter() {
  static CSessionPrinter* session = new CSessionPrinter;
  return session->m_printer;
}

class CQtPrintTarget : public CPrintTarget {
 public:
  explicit CQtPrintTarget(QPrinter& printer) : m_printer(printer) {}
  QPaintDevice* Device() override { return &m_printer; }
  bool NewPage() override { return m_printer.newPage(); }
  void Abort() override { m_printer.abort(); }

 private:
  QPrinter& m_printer;
};

}  // namespace

std::unique_ptr<CPrintTarget> ShowQtPrintDialog(QWidget* parent, const QString& documentName) {
  QPrinter& printer = SessionPrinter();
  printer.setDocName(documentName);
  printer.setPrintRange(QPrinter::AllPages);
  QPrintDialog dialog(&printer, parent);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                    QAbstractPrintDialog::PrintCollateCopies);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  // The dialog may resolve the printer anew; the margins must keep their dots.
  printer.setResolution(CListPrinter::kResolution);
  return std::make_unique<CQtPrintTarget>(printer);
}

void ShowPrintPreview(QWidget* parent, const CWordList& list, CPlatform& platform) {
  QPrinter& printer = SessionPrinter();
  printer.setDocName(PrintDocumentName(list));
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(LangQText(kTxtPreviewCaption));
  QObject::connect(
      &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&list, &platform](QPrinter* target) {
        target->setResolution(CListPrinter::kResolution);
        CQtPrintTarget pages(*target);
        if (!PrintPages(list, pages)) {
          platform.MessageBox(LangQText(kTxtPrintFailed), MessageButtons::Ok, MessageIcon::Warning);
        }
      });
  // Large enough to read a whole page.
  if (const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    dialog.resize(std::min(area.width() * 3 / 4, 1000), area.height() * 9 / 10);
  }
  dialog.exec();
}
