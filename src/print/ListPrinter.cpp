#include "ListPrinter.h"

#include <algorithm>
#include <memory>

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include "PrintTexts.h"
#include "lang/LangText.h"
#include "platform/Platform.h"
#include "settings/SettingValues.h"
#include "settings/SettingsKeys.h"
#include "wordlist/WordList.h"

namespace {

bool IsOn(QLatin1String name) {
  return ReadBoolSetting(kKeyPrint, name);
}

int NumberSetting(QLatin1String name, int limit) {
  return std::clamp(ReadIntSetting(kKeyPrint, name), -limit, limit);
}

}  // namespace

PrintOptions PrintOptions::Read() {
  PrintOptions options;
  options.showFileName = IsOn(kValueShowFileName);
  options.showPageNumber = IsOn(kValueShowPagenumber);
  options.showTextFO = IsOn(kValueShowTextFO);
  options.showOnlyTOv = IsOn(kValueShowOnlyTOv);
  options.showOnlyF = IsOn(kValueShowOnlyF);
  options.showOnlyO = IsOn(kValueShowOnlyO);
  return options;
}

QString FillTextFormat(const QString& format, std::initializer_list<QString> args) {
  QString result;
  const QString* next = args.begin();
  for (qsizetype i = 0; i < format.size(); ++i) {
    if (format[i] == QLatin1Char('%') && i + 1 < format.size() &&
        (format[i + 1] == QLatin1Char('s') || format[i + 1] == QLatin1Char('d')) &&
        next != args.end()) {
      result += *next++;
      ++i;
    } else {
      result += format[i];
    }
  }
  return result;
}

CListPrinter::CListPrinter(const CWordList& list) : m_list(list) {}

QFont CListPrinter::PrintFont(int size) {
  // No style hint: fontconfig then puts its substitute for the face in
  // (a metric-compatible Times or the serif face); a hint would put its own
  // generic family first.
  QFont font(QStringLiteral("Times New Roman"));
  font.setPointSize(size);
  return font;
}

void CListPrinter::PreparePrint(QPaintDevice& device) {
  const int size = NumberSetting(kValueTextSize, kMaxTextSize);
  m_headerFont = m_bodyFont = m_footerFont = PrintFont(size > 0 ? size : kDefaultTextSize);
  m_marginLeft = NumberSetting(kValueMarginLeft, kMaxMargin);
  m_marginRight = NumberSetting(kValueMarginRight, kMaxMargin);
  m_marginTop = NumberSetting(kValueMarginTop, kMaxMargin);
  m_marginBottom = NumberSetting(kValueMarginBottom, kMaxMargin);
  m_pageWidth = device.width();
  m_pageHeight = device.height();

  const QFontMetrics header(m_headerFont, &device);
  const QFontMetrics body(m_bodyFont, &device);
  const QFontMetrics footer(m_footerFont, &device);
  m_headerHeight = header.height();
  m_headerAscent = header.ascent();
  m_bodyHeight = body.height();
  m_bodyAscent = body.ascent();
  m_footerHeight = footer.height();
  m_footerAscent = footer.ascent();

  // The page count is what the layout itself makes of the whole list.
  const PrintOptions options = PrintOptions::Read();
  const int count = m_list.GetCount();
  m_pageCount = 0;
  int next = 0;
  do {
    next = LayOutBody(nullptr, next, options);
    ++m_pageCount;
  } while (next < count);
  m_nextWord = 0;
}

void CListPrinter::DrawText(QPainter& painter, int x, int y, const QString& text, int ascent,
                            bool rightAligned) {
  if (text.isEmpty()) return;
  if (rightAligned) x -= QFontMetrics(painter.font(), painter.device()).horizontalAdvance(text);
  // Each text runs in the direction of its first letter, so that an Arabic
  // or Hebrew word with Latin letters in it reads as its readers expect.
  const Qt::LayoutDirection direction = painter.layoutDirection();
  painter.setLayoutDirection(Qt::LayoutDirectionAuto);
  painter.drawText(QPoint(x, y + ascent), text);
  painter.setLayoutDirection(direction);
}

void CListPrinter::PrintPage(QPainter& painter, int pageNumber) {
  const PrintOptions options = PrintOptions::Read();
  painter.setPen(QPen(Qt::black, 1));
  PrintHeader(painter, pageNumber, options);
  painter.setFont(m_bodyFont);
  m_nextWord = LayOutBody(&painter, m_nextWord, options);
  PrintFooter(painter);
}

void CListPrinter::PrintHeader(QPainter& painter, int pageNumber, const PrintOptions& options) {
  painter.setFont(m_headerFont);
  if (options.showFileName) {
    DrawText(painter, m_marginLeft, m_marginTop, QString::fromStdString(m_list.GetTitle()),
             m_headerAscent);
  }
  if (options.showPageNumber) {
    const QString text = FillTextFormat(
        LangQText(kTxtPrintPageOf),
        {LangQText(kTxtPrintPage), QString::number(pageNumber), QString::number(m_pageCount)});
    DrawText(painter, m_pageWidth - m_marginRight, m_marginTop, text, m_headerAscent, true);
  }
  const int d = m_headerHeight + m_headerHeight / 8;
  painter.drawLine(QPoint(m_marginLeft, m_marginTop + d),
                   QPoint(m_pageWidth - m_marginRight, m_marginTop + d));
}

int CListPrinter::LayOutBody(QPainter* painter, int first, const PrintOptions& options) const {
  const int d = m_headerHeight + m_headerHeight / 8;
  const int left = m_marginLeft;
  const int top = m_marginTop + d;
  const int right = m_pageWidth - m_marginRight;
  const int bottom = m_pageHeight - m_marginBottom;
  const int h = m_bodyHeight;
  const int x1 = left;
  // The right margin counts twice here, as on every page printed so far.
  const int x2 = left + (right - m_marginRight) / 2;
  const bool onlyForeign = options.showOnlyF;
  const bool onlyTranslations = !onlyForeign && options.showOnlyO;

  if (painter) {
    const int y = top + h;
    if (options.showTextFO) {
      // The list's own language names, as the columns are headed on screen.
      const QString foreign = QString::fromStdString(m_list.GetFirstLanguage());
      const QString translation = QString::fromStdString(m_list.GetSecondLanguage());
      // With only translations the heading of their column comes first;
      // with both "only" options on, only foreign words print, under their own
      // heading.
      const bool swap = onlyTranslations;
      DrawText(*painter, x1, y, swap ? translation : foreign, m_bodyAscent);
      DrawText(*painter, x2, y, swap ? foreign : translation, m_bodyAscent);
    } else if (options.showOnlyTOv) {
      DrawText(*painter, x1, y, LangQText(kTxtPrintSingleHeading), m_bodyAscent);
    }
  }

  int y = top + h + h / 2;
  const int count = m_list.GetCount();
  for (int i = first; i < count; ++i) {
    y += h + 10;
    // The bottom margin counts twice here, as on every page printed so far.
    if (y >= bottom - (2 * h + 10) - m_marginBottom && i > first) return i;
    if (!painter) continue;
    if (onlyForeign) {
      DrawText(*painter, x1, y, QString::fromStdString(m_list.GetForeign(i)), m_bodyAscent);
    } else if (onlyTranslations) {
      DrawText(*painter, x1, y, QString::fromStdString(m_list.GetTranslation(i)), m_bodyAscent);
    } else {
      DrawText(*painter, x1, y, QString::fromStdString(m_list.GetForeign(i)), m_bodyAscent);
      DrawText(*painter, x2, y, QString::fromStdString(m_list.GetTranslation(i)), m_bodyAscent);
    }
  }
  return count;
}

void CListPrinter::PrintFooter(QPainter& painter) {
  painter.setFont(m_footerFont);
  const QString text =
      LangQText(kTxtPrintWebAddress) + QStringLiteral(" - ") + LangQText(kTxtPrintProgramName);
  const int bottom = m_pageHeight - m_marginBottom;
  const int right = m_pageWidth - m_marginRight;
  const int y = bottom - m_marginBottom - m_footerHeight;
  painter.drawLine(QPoint(m_marginLeft, y - 10), QPoint(right - m_marginRight, y - 10));
  DrawText(painter, m_marginLeft, y, text, m_footerAscent);
}

void CListPrinter::EndPrint() {
  m_headerFont = m_bodyFont = m_footerFont = QFont();
}

bool PrintPages(const CWordList& list, CPrintTarget& target) {
  QPaintDevice* device = target.Device();
  QPainter painter;
  if (!device || !painter.begin(device)) return false;
  CListPrinter printer(list);
  printer.PreparePrint(*device);
  bool refused = false;
  for (int page = 1; page <= printer.PageCount(); ++page) {
    if (page > 1 && !target.NewPage()) {
      refused = true;
      break;
    }
    printer.PrintPage(painter, page);
  }
  printer.EndPrint();
  if (refused) {
    target.Abort();
    painter.end();
    return false;
  }
  return painter.end();
}

QString PrintDocumentName(const CWordList& list) {
  return LangQText(kTxtPrintProgramName) + QStringLiteral(" - ") + list.GetFileName();
}

PrintResult PrintWordList(const CWordList& list, CPlatform& platform) {
  const std::unique_ptr<CPrintTarget> target = platform.ShowPrintDialog(PrintDocumentName(list));
  if (!target) return PrintResult::Cancelled;
  if (PrintPages(list, *target)) return PrintResult::Printed;
  platform.MessageBox(LangQText(kTxtPrintFailed), MessageButtons::Ok, MessageIcon::Warning);
  return PrintResult::Failed;
}
