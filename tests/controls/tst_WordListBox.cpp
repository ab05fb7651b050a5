#include <QAccessible>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTextBoundaryFinder>

#include "controls/Pictures.h"
#include "controls/WordListBox.h"

namespace {

QImage Render(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_ARGB32);
  widget.render(&image);
  return image;
}

QPoint ViewportOffset(const CWordListBox& list) {
  return list.viewport()->mapTo(&list, QPoint(0, 0));
}

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
    QTest::newRow("fits") << QStringLiteral("hus") << 200 << true;
    QTest::newRow("one character too wide") << QStringLiteral("W") << 1 << true;
    QTest::newRow("cut") << QStringLiteral("Donaudampfschifffahrtsgesellschaft") << 120 << false;
    QTest::newRow("very long") << QString(5000, QLatin1Char('m')) << 300 << false;
    // Cut between whole characters: never between a letter and its accents,
    // inside a surrogate pair or inside a joined emoji.
    QTest::newRow("accents typed apart") << QStringLiteral("e\u0301").repeated(60) << 60 << false;
    QTest::newRow("Hebrew with points")
        << QStringLiteral("\u05e9\u05b8\u05c1\u05dc\u05d5\u05b9\u05dd").repeated(20) << 70 << false;
    QTest::newRow("one letter with its accents")
        << QStringLiteral("e\u0301\u0302\u0303") << 1 << true;
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
    const QString longWord = QStringLiteral("Donaudampfschifffahrtsgesellschaftskapit\u00e4n");
    list.AddLine(longWord + QStringLiteral("\tcaptain"), 0);
    list.AddLine(longWord, 0);  // no tab: the whole line, left column only
    // Right-to-left words run from the right end of their column.
    list.AddLine(QStringLiteral("\u0643\u062a\u0627\u0628\t\u05e9\u05dc\u05d5\u05dd"), 0);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    const QImage image = Render(list);
    const QColor base = list.palette().color(QPalette::Base);
    const int right = list.viewport()->width();
    const QPoint offset = ViewportOffset(list);
    const QRect first = list.visualItemRect(list.item(0)).translated(offset);
    const QRect second = list.visualItemRect(list.item(1)).translated(offset);
    const int middle = offset.x() + right / 2;

    // The cut foreign word ends before the middle, the translation starts there.
    QVERIFY(InkIn(image, first, offset.x() + 20, middle - 4, base));
    QVERIFY(!InkIn(image, first, middle - 4, middle, base));
    QVERIFY(InkIn(image, first, middle, middle + 10, base));
    QVERIFY(!InkIn(image, first, offset.x(), offset.x() + 20, base));

    // Without a tab the text runs on past the middle, uncut.
    QVERIFY(InkIn(image, second, middle, offset.x() + right, base));

    const QRect third = list.visualItemRect(list.item(2)).translated(offset);
    const int end = offset.x() + right;
    QVERIFY(!InkIn(image, third, offset.x(), middle - 60, base));
    QVERIFY(InkIn(image, third, middle - 60, middle - 10, base));
    QVERIFY(!InkIn(image, third, middle - 10, middle + 60, base));
    QVERIFY(InkIn(image, third, middle + 60, end - 10, base));
    QVERIFY(!InkIn(image, third, end - 10, end, base));
  }

  void linesKeepTextDataAndPlace() {
    CWordListBox list;
    QCOMPARE(list.AddLine(std::string("été\tsummer"), 2), 0);
    QCOMPARE(list.AddLine(std::string("Straße\tstreet"), 1), 1);
    QCOMPARE(list.AddLine(std::string("€\teuro"), 0, 1), 1);
    QCOMPARE(list.item(0)->text(), QStringLiteral("\u00e9t\u00e9\tsummer"));
    QCOMPARE(list.LineText(1) + list.LineText(2), std::string("€\teuroStraße\tstreet"));
    QCOMPARE(list.ItemData(0) * 10 + list.ItemData(2), 21);
  }

  void screenReadersHearWordTranslationAndClass() {
    CWordListBox list;
    list.SetClassNames({QStringLiteral("none"), QStringLiteral("noun"), QStringLiteral("verb")});
    list.AddLine(QStringLiteral("laufen\tto run"), 2);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&list);
    QVERIFY(access);
    QAccessibleInterface* cell = nullptr;
    for (int i = 0; i < access->childCount() && !cell; ++i) {
      QAccessibleInterface* child = access->child(i);
      if (child && child->text(QAccessible::Name) == QStringLiteral("laufen, to run")) cell = child;
    }
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("verb"));
    // Names in another language are heard for the lines already there.
    list.SetClassNames({QStringLiteral("keine"), QStringLiteral("Nomen"), QStringLiteral("Verb")});
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("Verb"));
  }
};

QTEST_MAIN(TestWordListBox)
#include "tst_WordListBox.moc"
