#pragma once
// Printing the word list: the one page layout that the printer, the print
// preview and the PDF output share, and the print job around it.
//
// Every coordinate is in device units of the paint device (dots of the
// printer), origin at the top left of its printable area; the margins of the
// print format are device units too.
#include <initializer_list>

#include <QFont>
#include <QString>

class CPlatform;
class CPrintTarget;
class CWordList;
class QPaintDevice;
class QPainter;

// The boolean options of the print format: each is on exactly when its
// setting is "TRUE".
struct PrintOptions {
  bool showFileName = false;
  bool showPageNumber = false;
  bool showTextFO = false;   // column headings (texts 47 and 48)
  bool showOnlyTOv = false;  // the single heading, without column headings
  bool showOnlyF = false;
  bool showOnlyO = false;  // ignored when showOnlyF is on

  static PrintOptions Read();
};

class CListPrinter {
 public:
  // Dots per inch of the program's printer, preview and PDF output, so that
  // the margins of the print format mean the same on each of them.
  static constexpr int kResolution = 300;
  // Points, when "TextSize" is 0 or empty.
  static constexpr int kDefaultTextSize = 12;
  // Larger sizes and margins give nothing printable, only overflowing
  // arithmetic and font engines; they are held at these.
  static constexpr int kMaxTextSize = 1000;
  static constexpr int kMaxMargin = 1000000;

  explicit CListPrinter(const CWordList& list);

  // Reads the text size and margins, makes the fonts for device, takes its
  // page size and counts the pages; the next page is the first.
  void PreparePrint(QPaintDevice& device);
  int PageCount() const { return m_pageCount; }
  // Draws the next page (header, the words from m_nextWord on, footer) with
  // the options as they are stored now.
  void PrintPage(QPainter& painter, int pageNumber);
  void EndPrint();

  // The fonts of the job: "Times New Roman" at size points, or the serif face
  // fontconfig puts in its place.
  static QFont PrintFont(int size);

 private:
  void PrintHeader(QPainter& painter, int pageNumber, const PrintOptions& options);
  // Headings and words from first on, drawn only when painter is given.
  // Returns the first word that did not fit, or the word count. A page takes
  // at least one word, so that a layout without room still ends.
  int LayOutBody(QPainter* painter, int first, const PrintOptions& options) const;
  void PrintFooter(QPainter& painter);
  // text with its top left corner at (x, y); right aligned, x is its right end.
  static void DrawText(QPainter& painter, int x, int y, const QString& text, int ascent,
                       bool rightAligned = false);

  const CWordList& m_list;
  int m_marginLeft = 0;
  int m_marginRight = 0;
  int m_marginTop = 0;
  int m_marginBottom = 0;
  int m_pageWidth = 0;
  int m_pageHeight = 0;
  QFont m_headerFont;
  QFont m_bodyFont;
  QFont m_footerFont;
  // Character height and ascent of each font on the device.
  int m_headerHeight = 0;
  int m_headerAscent = 0;
  int m_bodyHeight = 0;
  int m_bodyAscent = 0;
  int m_footerHeight = 0;
  int m_footerAscent = 0;
  int m_nextWord = 0;
  int m_pageCount = 1;
};

// Draws every page of the list on target in one document. False when the
// document could not be started or a page was refused; the document is then
// aborted.
bool PrintPages(const CWordList& list, CPrintTarget& target);

enum class PrintResult { Printed, Cancelled, Failed };

// The print command: the platform's print dialog, then every page. A job
// that fails is reported to the user.
PrintResult PrintWordList(const CWordList& list, CPlatform& platform);

// "Vokabit - words.vk2": the name of the print document.
QString PrintDocumentName(const CWordList& list);

// format with each "%s" or "%d" replaced by the next of args, in order.
QString FillTextFormat(const QString& format, std::initializer_list<QString> args);
