#include <QImage>
#include <QTest>
#include <QTextBoundaryFinder>

#include "controls/WordListBox.h"

using namespace Qt::StringLiterals;

namespace {

// Whether any pixel of the band [x0, x1) of the line's rectangle differs from back.
bool InkIn(const QImage& image, const QRect& line, int x0, int x1, const QColor& back) {
  for (int y = line.top(); y <= line.bottom(); ++y)
    for (int x = x0; x < x1; ++x)
      if (image.pixel(x, y) != back.rgba()) return true;
  return false;
}

}  // namespace

class TestWordListBox : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void shortenText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("unchanged");
    // Cut between whole characters: never between a letter and its accents,
    // inside a surrogate pair or inside a joined emoji.
    QTest::newRow("accents typed apart") << QStringLiteral("e\u0301").repeated(60) << 60 << false;
    QTest::newRow("one letter with its accents") << u"e\u0301\u0302\u0303"_s << 1 << true;
    QTest::newRow("joined emoji")
        << QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467").repeated(30) << 90 << false;
  }

  void shortenText() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(bool, unchanged);
    const QFontMetrics metrics(QApplication::font());
    const QString shortened = CWordListBox::ShortenText(metrics, text, width);
    if (unchanged) {
      QCOMPARE(shortened, text);
      return;
    }
    QVERIFY(shortened.endsWith(QStringLiteral("...")));
    const QString head = shortened.chopped(3);
    QVERIFY(!head.isEmpty());
    QVERIFY(text.startsWith(head));
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    graphemes.setPosition(head.size());
    QVERIFY(graphemes.isAtBoundary());
    // The head is as long as the column allows, one more character would not fit.
    if (head.size() > 1)
      QVERIFY(metrics.horizontalAdvance(shortened) + CWordListBox::kShortenMargin <= width);
    QVERIFY(metrics.horizontalAdvance(text.left(graphemes.toNextBoundary())) +
                metrics.horizontalAdvance(QStringLiteral("...")) + CWordListBox::kShortenMargin >
            width);
  }

  void linesAreDrawnInTwoColumns() {
    CWordListBox list;
    list.resize(300, 120);
    list.AddLine(u"Donaudampfschifffahrtsgesellschaftskapit\u00e4n\tcaptain"_s, 0);
    // Right-to-left words run from the right end of their column.
    list.AddLine(QStringLiteral("\u0643\u062a\u0627\u0628\t\u05e9\u05dc\u05d5\u05dd"), 0);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    QImage image(list.size(), QImage::Format_ARGB32);
    list.render(&image);
    const QColor base = list.palette().color(QPalette::Base);
    const int right = list.viewport()->width();
    const QPoint offset = list.viewport()->mapTo(&list, QPoint(0, 0));
    const QRect first = list.visualItemRect(list.item(0)).translated(offset);
    const int middle = offset.x() + right / 2;

    // The cut foreign word ends before the middle, the translation starts there.
    QVERIFY(InkIn(image, first, offset.x() + 20, middle - 4, base));
    QVERIFY(!InkIn(image, first, middle - 4, middle, base));
    QVERIFY(InkIn(image, first, middle, middle + 10, base));

    const QRect second = list.visualItemRect(list.item(1)).translated(offset);
    const int end = offset.x() + right;
    QVERIFY(!InkIn(image, second, offset.x(), middle - 60, base));
    QVERIFY(InkIn(image, second, middle - 60, middle - 10, base));
    QVERIFY(!InkIn(image, second, middle - 10, middle + 60, base));
    QVERIFY(InkIn(image, second, middle + 60, end - 10, base));
    QVERIFY(!InkIn(image, second, end - 10, end, base));
  }
};

QTEST_MAIN(TestWordListBox)
#include "tst_WordListBox.moc"
