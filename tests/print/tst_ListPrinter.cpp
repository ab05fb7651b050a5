#include <QtTest>

#include <QFontMetrics>
#include <QTemporaryDir>

#include "RecordingPrinter.h"
#include "TestFiles.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "print/ListPrinter.h"
#include "print/PrintTexts.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

namespace {

// A4 at 300 dots per inch.
constexpr QSize kA4At300(2480, 3508);
constexpr int kLeft = 40, kRight = 60, kTop = 30, kBottom = 50;

void SetPrint(QLatin1String name, const QString& value) {
  WriteSetting(SettingsRoot::CurrentUser, kKeyPrint, name, value);
}

// The page as the layout lays it out, worked out here from the page, the
// margins and the font: every page starts from the whole page.
struct Geometry {
  int width, height, h, d, top, bottom, x1, x2, footerY;

  Geometry(CRecordingPrinter& device, int textSize) {
    const QFontMetrics metrics(CListPrinter::PrintFont(textSize), &device);
    width = device.width();
    height = device.height();
    h = metrics.height();
    d = h + h / 8;
    top = kTop + d;
    bottom = height - kBottom;
    x1 = kLeft;
    x2 = kLeft + (width - kRight - kRight) / 2;
    footerY = bottom - kBottom - h;
  }
  // Line n of the words on a page, from 0.
  int WordY(int n) const { return top + h + h / 2 + (n + 1) * (h + 10); }
  // How many words a page holds.
  int Capacity() const {
    int n = 0;
    while (WordY(n) < bottom - (2 * h + 10) - kBottom) ++n;
    return n;
  }
  QLine HeaderLine() const { return QLine(kLeft, kTop + d, width - kRight, kTop + d); }
  QLine FooterLine() const { return QLine(kLeft, footerY - 10, width - 2 * kRight, footerY - 10); }
};

QString At(const QString& text, int x, int y) {
  return u"%1 @%2,%3"_s.arg(text).arg(x).arg(y);
}

QStringList Placed(const RecordedPage& page) {
  QStringList result;
  for (const RecordedText& t : page.texts) result.append(At(t.text, t.topLeft.x(), t.topLeft.y()));
  result.sort();
  return result;
}

QString Footer() {
  return LangQText(kTxtPrintWebAddress) + u" - "_s + LangQText(kTxtPrintProgramName);
}

CWordList NumberedList(int count) {
  std::vector<TestWord> words;
  for (int i = 1; i <= count; ++i) {
    const std::string n = QString::number(i).rightJustified(3, u'0').toStdString();
    words.push_back({"f" + n, "t" + n});
  }
  CWordList list = ListOf(words);
  list.SetTitle("Djur");
  list.SetFirstLanguage("Franska");
  list.SetSecondLanguage("Svenska");
  return list;
}

}  // namespace

class TestListPrinter : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_config;

 private Q_SLOTS:
  // Every test starts from the print format the program starts with, with
  // margins of its own.
  void init() {
    m_config = FreshSettings();
    QVERIFY(m_config);
    ApplyTestDefaults(m_config->path() + u'/');
    SetPrint(kValueMarginLeft, QString::number(kLeft));
    SetPrint(kValueMarginRight, QString::number(kRight));
    SetPrint(kValueMarginTop, QString::number(kTop));
    SetPrint(kValueMarginBottom, QString::number(kBottom));
    SetPrint(kValueTextSize, u"12"_s);
  }

  // Every text and line of a page at its place, for each combination of the
  // options; the same margins at twice the resolution are half as wide.
  void pageLayout_data() {
    // The options as 0 and 1: file name, page number, column headings,
    // single heading, only foreign, only translations.
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QStringList>("headings");  // text or text number @ column
    QTest::addColumn<QString>("columns");       // F foreign, T translation, in column order
    // The list's own language names head its columns.
    const QStringList both = {u"Franska@1"_s, u"Svenska@2"_s};
    QTest::newRow("as installed") << u"111000"_s << 300 << both << u"FT"_s;
    QTest::newRow("600 dpi") << u"111000"_s << 600 << both << u"FT"_s;
    QTest::newRow("no header texts, no heading") << u"000000"_s << 300 << QStringList() << u"FT"_s;
    QTest::newRow("single heading") << u"110100"_s << 300 << QStringList{u"450@1"_s} << u"FT"_s;
    QTest::newRow("column headings before the single one") << u"111100"_s << 300 << both << u"FT"_s;
    QTest::newRow("only foreign") << u"111010"_s << 300 << both << u"F"_s;
    QTest::newRow("only translations, headings swapped")
        << u"111001"_s << 300 << QStringList{u"Svenska@1"_s, u"Franska@2"_s} << u"T"_s;
    QTest::newRow("both only options: foreign words under their heading")
        << u"111011"_s << 300 << both << u"F"_s;
  }

  void pageLayout() {
    QFETCH(QString, options);
    QFETCH(int, dpi);
    QFETCH(QStringList, headings);
    QFETCH(QString, columns);
    const QLatin1String names[6] = {kValueShowFileName, kValueShowPagenumber, kValueShowTextFO,
                                    kValueShowOnlyTOv,  kValueShowOnlyF,      kValueShowOnlyO};
    for (int i = 0; i < 6; ++i) SetPrint(names[i], options[i] == u'1' ? u"TRUE"_s : u"FALSE"_s);
    const CWordList list = NumberedList(3);
    CRecordingPrinter printer(kA4At300 * dpi / 300, dpi);
    QVERIFY(PrintPages(list, printer));
    QCOMPARE(printer.m_pages.size(), std::size_t(1));
    QCOMPARE(printer.m_documentsEnded, 1);

    const Geometry g(printer, 12);
    QStringList expected;
    if (options[0] == u'1') expected.append(At(u"Djur"_s, kLeft, kTop));
    if (options[1] == u'1') {
      const QString number = u"Page 1 of 1"_s;
      const QFontMetrics metrics(CListPrinter::PrintFont(12), &printer);
      expected.append(At(number, g.width - kRight - metrics.horizontalAdvance(number), kTop));
    }
    for (const QString& heading : headings) {
      const QStringList parts = heading.split(u'@');
      bool number = false;
      const unsigned text = parts[0].toUInt(&number);
      expected.append(
          At(number ? LangQText(text) : parts[0], parts[1] == u"1"_s ? g.x1 : g.x2, g.top + g.h));
    }
    for (int i = 0; i < 3; ++i) {
      for (int c = 0; c < columns.size(); ++c) {
        const std::string word = columns[c] == u'F' ? list.GetForeign(i) : list.GetTranslation(i);
        expected.append(At(QString::fromStdString(word), c == 0 ? g.x1 : g.x2, g.WordY(i)));
      }
    }
    expected.append(At(Footer(), kLeft, g.footerY));
    expected.sort();
    const RecordedPage& page = printer.m_pages[0];
    QCOMPARE(Placed(page), expected);
    QCOMPARE(page.lines, (std::vector<QLine>{g.HeaderLine(), g.FooterLine()}));
    for (const RecordedText& text : page.texts) QCOMPARE(text.font.pointSize(), 12);
  }

  // Page breaks: every word once, in order, each page from its first line;
  // the page count of the header is the number of pages printed.
  void pageBreaks_data() {
    QTest::addColumn<int>("words");   // -1: exactly one page full, -2: one more
    QTest::addColumn<bool>("tight");  // the page ends where line 11 would start
    QTest::newRow("empty list") << 0 << false;
    QTest::newRow("one page full") << -1 << false;
    QTest::newRow("one word more") << -2 << false;
    QTest::newRow("300 words") << 300 << false;
    QTest::newRow("a line exactly at the limit is full") << 11 << true;
  }

  void pageBreaks() {
    QFETCH(int, words);
    QFETCH(bool, tight);
    QSize size = kA4At300;
    if (tight) {
      CRecordingPrinter a4(kA4At300, 300);
      const Geometry g(a4, 12);
      size.setHeight(g.WordY(10) + 2 * kBottom + 2 * g.h + 10);
    }
    CRecordingPrinter printer(size, 300);
    const Geometry g(printer, 12);
    const int capacity = g.Capacity();
    QVERIFY(capacity > 5);
    if (tight) QCOMPARE(capacity, 10);
    if (words < 0) words = capacity - 1 - words;
    const CWordList list = NumberedList(words);
    QVERIFY(PrintPages(list, printer));

    const int pages = std::max(1, (words + capacity - 1) / capacity);
    QCOMPARE(int(printer.m_pages.size()), pages);
    QStringList printed;
    for (int p = 0; p < pages; ++p) {
      const RecordedPage& page = printer.m_pages[std::size_t(p)];
      QVERIFY(page.Find(u"Page %1 of %2"_s.arg(p + 1).arg(pages)));
      QVERIFY(page.Find(u"Franska"_s));
      QVERIFY(page.Find(Footer()));
      QCOMPARE(page.lines.size(), std::size_t(2));
      int line = 0;
      for (const RecordedText& text : page.texts) {
        if (!text.text.startsWith(u'f')) continue;
        QCOMPARE(text.topLeft.y(), g.WordY(line++));
        printed.append(text.text);
      }
      QCOMPARE(line, p + 1 < pages ? capacity : words - p * capacity);
    }
    QStringList all;
    for (int i = 0; i < words; ++i) all.append(QString::fromStdString(list.GetForeign(i)));
    QCOMPARE(printed, all);
  }

  // Values the dialog never writes: a page without room for one word still
  // takes one, so the job ends with every word printed.
  void oddSettings_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("size beyond the page") << u"TextSize"_s << u"99999"_s << 3 << 1000;
    QTest::newRow("top margin beyond int") << u"MarginTop"_s << u"99999999999"_s << 3 << 12;
  }

  void oddSettings() {
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(int, pages);
    QFETCH(int, pointSize);
    SetPrint(QLatin1String(name.toLatin1()), value);
    CRecordingPrinter printer(kA4At300, 300);
    const CWordList list = NumberedList(3);
    QVERIFY(PrintPages(list, printer));
    QCOMPARE(int(printer.m_pages.size()), pages);
    QStringList words;
    for (const QString& text : printer.AllTexts())
      if (text.startsWith(u'f')) words.append(text);
    QCOMPARE(words, (QStringList{u"f001"_s, u"f002"_s, u"f003"_s}));
    QCOMPARE(printer.m_pages[0].texts[0].font.pointSize(), pointSize);
  }
};

QTEST_MAIN(TestListPrinter)
#include "tst_ListPrinter.moc"
