// Printing: the page layout on a recording printer, and the print format
// dialog driven as the user drives it.
#include <QtTest>

#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "FakePlatform.h"

#include "RecordingPrinter.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "platform/HelpTopics.h"
#include "platform/ProgramHelp.h"
#include "print/ListPrinter.h"
#include "print/PrintDialogTexts.h"
#include "print/PrintFormatDlg.h"
#include "print/PrintSample.h"
#include "print/PrintTexts.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;
using Dlg = CPrintFormatDlg;

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
  int width, h, top, bottom, x2, footerY;

  Geometry(CRecordingPrinter& device, int textSize)
      : width(device.width()),
        h(QFontMetrics(CListPrinter::PrintFont(textSize), &device).height()),
        top(kTop + h + h / 8),
        bottom(device.height() - kBottom),
        x2(kLeft + (width - kRight - kRight) / 2),
        footerY(bottom - kBottom - h) {}
  // Line n of the words on a page, from 0.
  int WordY(int n) const { return top + h + h / 2 + (n + 1) * (h + 10); }
  // How many words a page holds.
  int Capacity() const {
    int n = 0;
    while (WordY(n) < bottom - (2 * h + 10) - kBottom) ++n;
    return n;
  }
  QLine HeaderLine() const { return QLine(kLeft, top, width - kRight, top); }
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

QString Stored(QLatin1String name) {
  return ReadSetting(SettingsRoot::CurrentUser, kKeyPrint, name);
}

// The six options, in the order of the boxes below.
const QLatin1String kOptions[6] = {kValueShowFileName, kValueShowPagenumber, kValueShowTextFO,
                                   kValueShowOnlyTOv,  kValueShowOnlyF,      kValueShowOnlyO};

// The six check boxes, in a fixed order, as a string of 0 and 1.
QString Checks(const QWidget& dlg) {
  QString state;
  for (int id : {Dlg::IDC_SHOW_TITLE, Dlg::IDC_SHOW_PAGE_NUMBER, Dlg::IDC_COLUMN_HEADINGS,
                 Dlg::IDC_SINGLE_HEADING, Dlg::IDC_ONLY_FOREIGN, Dlg::IDC_ONLY_TRANSLATIONS})
    state += Child<QCheckBox>(&dlg, id)->isChecked() ? u'1' : u'0';
  return state;
}

// What the sample page shows, as painted.
QStringList SampleTexts(const Dlg& dlg) {
  CRecordingPrinter device(QSize(400, 400), 96);
  QPainter painter(&device);
  dlg.Sample()->render(&painter);
  painter.end();
  QStringList texts = device.AllTexts();
  for (QString& text : texts) text = text.trimmed();
  return texts;
}

// The first of the sample's words in a text of the catalog.
QString FirstWord(unsigned text) {
  return LangQText(text).section(u',', 0, 0).trimmed();
}

}  // namespace

class TestPrint : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_config;

 private Q_SLOTS:
  // Every test starts from the print format the program starts with.
  void init() {
    m_config = FreshSettings();
    QVERIFY(m_config);
    ApplyTestDefaults(m_config->path() + u'/');
  }

 private:
  // The layout tests print with margins of their own.
  static void UseTestMargins() {
    SetPrint(kValueMarginLeft, QString::number(kLeft));
    SetPrint(kValueMarginRight, QString::number(kRight));
    SetPrint(kValueMarginTop, QString::number(kTop));
    SetPrint(kValueMarginBottom, QString::number(kBottom));
    SetPrint(kValueTextSize, u"12"_s);
  }

 private Q_SLOTS:

  // Every text and line of a page at its place, for each combination of the
  // options; the same margins at twice the resolution are half as wide.
  void pageLayout_data() {
    // The options as 0 and 1: file name, page number, column headings,
    // single heading, only foreign, only translations.
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QStringList>("headings");  // text or text number, in column order
    QTest::addColumn<QString>("columns");       // F foreign, T translation, in column order
    // The list's own language names head its columns.
    const QStringList both = {u"Franska"_s, u"Svenska"_s};
    QTest::newRow("as installed") << u"111000"_s << 300 << both << u"FT"_s;
    QTest::newRow("600 dpi") << u"111000"_s << 600 << both << u"FT"_s;
    QTest::newRow("no header texts, no heading") << u"000000"_s << 300 << QStringList() << u"FT"_s;
    QTest::newRow("single heading") << u"110100"_s << 300 << QStringList{u"450"_s} << u"FT"_s;
    QTest::newRow("column headings before the single one") << u"111100"_s << 300 << both << u"FT"_s;
    QTest::newRow("only foreign") << u"111010"_s << 300 << both << u"F"_s;
    QTest::newRow("only translations, headings swapped")
        << u"111001"_s << 300 << QStringList{u"Svenska"_s, u"Franska"_s} << u"T"_s;
    QTest::newRow("both only options: foreign words under their heading")
        << u"111011"_s << 300 << both << u"F"_s;
  }

  void pageLayout() {
    UseTestMargins();
    QFETCH(QString, options);
    QFETCH(int, dpi);
    QFETCH(QStringList, headings);
    QFETCH(QString, columns);
    for (int i = 0; i < 6; ++i) SetPrint(kOptions[i], options[i] == u'1' ? u"TRUE"_s : u"FALSE"_s);
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
    for (qsizetype c = 0; c < headings.size(); ++c) {
      bool number = false;
      const unsigned text = headings[c].toUInt(&number);
      expected.append(At(number ? LangQText(text) : headings[c], c ? g.x2 : kLeft, g.top + g.h));
    }
    for (int i = 0; i < 3; ++i) {
      for (int c = 0; c < columns.size(); ++c) {
        const std::string word = columns[c] == u'F' ? list.GetForeign(i) : list.GetTranslation(i);
        expected.append(At(QString::fromStdString(word), c == 0 ? kLeft : g.x2, g.WordY(i)));
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
    UseTestMargins();
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
      const QStringList texts = page.Texts();
      QVERIFY(texts.contains(u"Page %1 of %2"_s.arg(p + 1).arg(pages)) &&
              texts.contains(u"Franska"_s) && texts.contains(Footer()));
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
  void oddSettings() {
    const std::tuple<QLatin1String, QString, int> odd[] = {{kValueTextSize, u"99999"_s, 1000},
                                                           {kValueMarginTop, u"99999999999"_s, 12}};
    for (const auto& [name, value, pointSize] : odd) {
      UseTestMargins();
      SetPrint(name, value);
      CRecordingPrinter printer(kA4At300, 300);
      QVERIFY(PrintPages(NumberedList(3), printer));
      QCOMPARE(printer.m_pages.size(), std::size_t(3));
      QCOMPARE(printer.AllTexts().filter(QRegularExpression(u"^f\\d"_s)),
               (QStringList{u"f001"_s, u"f002"_s, u"f003"_s}));
      QCOMPARE(printer.m_pages[0].texts[0].font.pointSize(), pointSize);
    }
  }

  // The rules between the boxes, by mouse and by key, and what the sample
  // page then shows.
  void checkBoxRules_data() {
    QTest::addColumn<QString>("stored");  // the six boxes as stored, like Checks()
    QTest::addColumn<int>("clicked");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("sampleWords");  // F foreign, T translations
    QTest::newRow("only foreign unchecks only translations")
        << u"111001"_s << Dlg::IDC_ONLY_FOREIGN << false << u"111010"_s << u"F"_s;
    QTest::newRow("only translations unchecks only foreign, by key")
        << u"111010"_s << Dlg::IDC_ONLY_TRANSLATIONS << true << u"111001"_s << u"T"_s;
    QTest::newRow("both columns again")
        << u"111010"_s << Dlg::IDC_ONLY_FOREIGN << false << u"111000"_s << u"FT"_s;
    QTest::newRow("column headings off: single heading on")
        << u"111000"_s << Dlg::IDC_COLUMN_HEADINGS << true << u"110100"_s << u"FT"_s;
    QTest::newRow("single heading on: column headings off")
        << u"110000"_s << Dlg::IDC_SINGLE_HEADING << false << u"110100"_s << u"FT"_s;
    // The other box takes the opposite of the clicked one; it is not toggled.
    QTest::newRow("both headings stored on")
        << u"111100"_s << Dlg::IDC_SINGLE_HEADING << false << u"111000"_s << u"FT"_s;
    QTest::newRow("page number only repaints")
        << u"111000"_s << Dlg::IDC_SHOW_PAGE_NUMBER << true << u"101000"_s << u"FT"_s;
  }

  void checkBoxRules() {
    QFETCH(QString, stored);
    QFETCH(int, clicked);
    QFETCH(bool, byKey);
    QFETCH(QString, expected);
    QFETCH(QString, sampleWords);
    for (int i = 0; i < 6; ++i) SetPrint(kOptions[i], stored[i] == u'1' ? u"TRUE"_s : u"FALSE"_s);
    CFakePlatform platform;
    Dlg dlg(platform, "Djur");
    QCOMPARE(Checks(dlg), stored);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto* box = Child<QCheckBox>(&dlg, clicked);
    if (byKey) {
      box->setFocus();
      QTest::keyClick(box, Qt::Key_Space);
    } else {
      QTest::mouseClick(box, Qt::LeftButton);
    }
    QCOMPARE(Checks(dlg), expected);

    const QStringList sample = SampleTexts(dlg);
    QCOMPARE(sample.count(FirstWord(kTxtSampleForeignWords)), int(sampleWords.contains(u'F')));
    QCOMPARE(sample.count(FirstWord(kTxtSampleTranslations)), int(sampleWords.contains(u'T')));
    QCOMPARE(sample.contains(LangQText(kTxtSamplePageNumber)), expected[1] == u'1');
    QCOMPARE(sample.contains(LangQText(kTxtSampleForeignHeading)), expected[2] == u'1');
    QCOMPARE(sample.contains(LangQText(kTxtSampleTranslationHeading)), expected[2] == u'1');
    QCOMPARE(sample.contains(LangQText(kTxtSampleSingleHeading)),
             expected[2] == u'0' && expected[3] == u'1');
    QVERIFY(sample.contains(LangQText(kTxtSampleFooter)));
  }

  // OK stores every value as shown; an unchecked page number goes under its
  // other spelling, which is the same value. The title comes back even when
  // it is not to be printed.
  void okStoresTheFormat() {
    CFakePlatform platform;
    Dlg dlg(platform, "Djur");
    const int result = RunModal(dlg, [&] {
      QVERIFY(Child<QLineEdit>(&dlg, Dlg::IDC_TITLE)->isEnabled());
      Child<QLineEdit>(&dlg, Dlg::IDC_TITLE)->selectAll();
      Type(Child<QLineEdit>(&dlg, Dlg::IDC_TITLE), u"Fåglar"_s);
      Click(&dlg, Dlg::IDC_SHOW_TITLE);
      QVERIFY(!Child<QLineEdit>(&dlg, Dlg::IDC_TITLE)->isEnabled());
      Click(&dlg, Dlg::IDC_SHOW_PAGE_NUMBER);
      Click(&dlg, Dlg::IDC_ONLY_TRANSLATIONS);
      Child<QLineEdit>(&dlg, Dlg::IDC_MARGIN_TOP)->clear();
      Type(Child<QLineEdit>(&dlg, Dlg::IDC_MARGIN_LEFT), u"7x-"_s);  // digits only
      Type(Child<QLineEdit>(&dlg, Dlg::IDC_TEXT_SIZE), u"14"_s);
      QTest::keyClick(&dlg, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dlg.GetTitle(), std::string("Fåglar"));
    QStringList stored;
    for (QLatin1String name : kOptions) stored << Stored(name);
    for (QLatin1String name :
         {kValueMarginTop, kValueMarginBottom, kValueMarginLeft, kValueMarginRight, kValueTextSize})
      stored << Stored(name);
    QCOMPARE(stored.join(u' '), u"FALSE FALSE TRUE FALSE FALSE TRUE  50 507 50 014"_s);
    QVERIFY(ReadAll(SettingsFilePath(SettingsRoot::CurrentUser)).count("ShowPage") == 1);
  }

  // Cancel, and Escape, leave the stored format and the title as they were;
  // F1 opens the dialog's topic.
  void cancelStoresNothing() {
    const QByteArray before = ReadAll(SettingsFilePath(SettingsRoot::CurrentUser));
    QVERIFY(!before.isEmpty());
    CFakePlatform platform;
    Dlg dlg(platform, "Djur", nullptr);
    const int result = RunModal(dlg, [&] {
      Type(Child<QLineEdit>(&dlg, Dlg::IDC_TITLE), u"X"_s);
      Click(&dlg, Dlg::IDC_ONLY_FOREIGN);
      Type(Child<QLineEdit>(&dlg, Dlg::IDC_MARGIN_TOP), u"9"_s);
      QTest::keyClick(Child<QLineEdit>(&dlg, Dlg::IDC_MARGIN_TOP), Qt::Key_F1);
      QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(dlg.GetTitle(), std::string("Djur"));
    QCOMPARE(ReadAll(SettingsFilePath(SettingsRoot::CurrentUser)), before);
    const std::vector<std::pair<QString, unsigned>> help{{ProgramHelpFile(), kHelpPrintFormat}};
    QVERIFY(platform.m_help == help);
  }
};

QTEST_MAIN(TestPrint)
#include "tst_Print.moc"
