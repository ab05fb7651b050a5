#include <QtTest>

#include "lang/Cp1252.h"

class TestCp1252 : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyByteSurvivesARoundTrip() {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(char(b));

    const QString text = FromCp1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC));  // euro sign
    QCOMPARE(text.at(0x81), QChar(0x0081));  // undefined: the C1 control
    QCOMPARE(text.at(0x96), QChar(0x2013));  // en dash
    QCOMPARE(text.at(0x9D), QChar(0x009D));
    QCOMPARE(text.at(0x9F), QChar(0x0178));  // Y diaeresis
    QCOMPARE(text.at(0xE5), QChar(0x00E5));  // a ring

    std::string back;
    QVERIFY(ToCp1252(text, back));
    QCOMPARE(back, all);
    QCOMPARE(ToCp1252(text), all);
  }

  void refusesCharactersWithoutAByte() {
    std::string out;
    QChar bad;

    // Only the first offender is reported; the rest of the text still converts.
    QVERIFY(!ToCp1252(QString::fromUtf8("a\u2192b\u2190c"), out, &bad));
    QCOMPARE(out, std::string("abc"));
    QCOMPARE(bad, QChar(0x2192));

    // U+0080 is a C1 control whose byte belongs to the euro sign.
    QVERIFY(!ToCp1252(QString::fromUtf8("x\u0080y"), out, &bad));
    QCOMPARE(out, std::string("xy"));

    // A character outside the basic plane goes as a whole, both halves.
    QVERIFY(!ToCp1252(QString::fromUtf8("a\U0001F600b"), out, &bad));
    QCOMPARE(out, std::string("ab"));
    QVERIFY(bad.isHighSurrogate());

    QVERIFY(!ToCp1252(QString::fromUtf8("\u0100"), out));  // no place for bad: fine
    QCOMPARE(out, std::string());
    QCOMPARE(ToCp1252(QString::fromUtf8("Stra\u00DFe \u2192 Weg")), std::string("Stra\337e  Weg"));
  }

  void acceptsExactlyTheCodePage() {
    int accepted = 0;
    for (int u = 0; u <= 0xFFFF; ++u) {
      const QChar ch{char16_t(u)};
      if (!IsCp1252(ch)) continue;
      ++accepted;
      QCOMPARE(FromCp1252(ToCp1252(QString(ch))), QString(ch));
    }
    QCOMPARE(accepted, 256);
  }
};

QTEST_APPLESS_MAIN(TestCp1252)
#include "tst_Cp1252.moc"
