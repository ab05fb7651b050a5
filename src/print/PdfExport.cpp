#include "PdfExport.h"

#include <string_view>

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "ListPrinter.h"
#include "PrintTexts.h"
#include "lang/LangText.h"
#include "platform/Platform.h"
#include "wordlist/FileBytes.h"
#include "wordlist/WordList.h"

namespace {

class CPdfTarget : public CPrintTarget {
 public:
  explicit CPdfTarget(QPdfWriter& writer) : m_writer(writer) {}
  QPaintDevice* Device() override { return &m_writer; }
  bool NewPage() override { return m_writer.newPage(); }
  void Abort() override {}  // nothing reaches the file unless the job succeeds

 private:
  QPdfWriter& m_writer;
};

}  // namespace

bool WriteListPdf(const CWordList& list, const QString& path) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(CListPrinter::kResolution);
    const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    // The margins of Qt's own PDF printer, so that the file matches what
    // printing to a PDF file from the print dialog gives.
    writer.setPageLayout(QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4),
                                     QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Point));
    writer.setTitle(QString::fromStdString(list.GetTitle()));
    writer.setCreator(LangQText(kTxtPrintProgramName));
    CPdfTarget target(writer);
    if (!PrintPages(list, target)) return false;
  }
  const QByteArray& bytes = buffer.data();
  if (!WriteWholeFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size()))))
    return false;
  return true;
}
