#include <QtTest>

#include "lang/TextCodec.h"

using namespace Qt::StringLiterals;

namespace {

std::string B(const QByteArray& bytes) {
  return bytes.toStdString();
}

}  // namespace

class TestTextCodec : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyWindows1252ByteSurvives() {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(char(b));
    const std::string text = Cp1252ToUtf8(all);
    QVERIFY(IsValidUtf8(text));
    const QString chars = QString::fromStdString(text);
    QCOMPARE(chars.size(), 256);
    QCOMPARE(chars.at(0x80), QChar(0x20AC));  // euro sign
    QCOMPARE(chars.at(0x81), QChar(0x0081));  // undefined: the C1 control
    QCOMPARE(chars.at(0x9F), QChar(0x0178));  // Y diaeresis
    QCOMPARE(chars.at(0xE5), QChar(0x00E5));
    std::string back;
    QVERIFY(Utf8ToCp1252(text, back));
    QCOMPARE(back, all);

    // Exactly those 256 characters have a byte.
    int withByte = 0;
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
      if (u >= 0xD800 && u <= 0xDFFF) continue;
      withByte += Utf8ToCp1252(QString(QChar(char16_t(u))).toStdString(), back) ? 1 : 0;
    }
    QCOMPARE(withByte, 256);
  }

  void charactersWithoutAByteAreRefused_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("Cyrillic") << QByteArray("a\xD0\x96");
    QTest::newRow("U+0080, whose byte is the euro's") << QByteArray("\xC2\x80");
    QTest::newRow("outside the basic plane") << QByteArray("\xF0\x9F\x98\x80");
    QTest::newRow("not UTF-8") << QByteArray("\xE5r");
    QTest::newRow("cut off") << QByteArray("\xE2\x82");
  }

  void charactersWithoutAByteAreRefused() {
    QFETCH(QByteArray, text);
    std::string out;
    QVERIFY(!Utf8ToCp1252(B(text), out));
  }

  void utf8IsCheckedStrictly_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("repaired");  // invalid bytes read as Windows-1252
    QTest::newRow("ASCII and NUL") << QByteArray("a\0b", 3) << true << QByteArray("a\0b", 3);
    QTest::newRow("every length") << QByteArray("\xC3\xA5\xE2\x82\xAC\xF0\x9F\x98\x80") << true
                                  << QByteArray("\xC3\xA5\xE2\x82\xAC\xF0\x9F\x98\x80");
    QTest::newRow("overlong") << QByteArray("\xC0\xAF") << false << QByteArray("\xC3\x80\xC2\xAF");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false
                               << QByteArray("\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false
                                     << QByteArray("\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC");
    QTest::newRow("cut off at the end")
        << QByteArray("ok\xE2\x82") << false << QByteArray("ok\xC3\xA2\xE2\x80\x9A");
    QTest::newRow("stray byte between letters")
        << QByteArray("\xD0\x96\xE4\xD0\x96") << false << QByteArray("\xD0\x96\xC3\xA4\xD0\x96");
  }

  void utf8IsCheckedStrictly() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(QByteArray, repaired);
    QCOMPARE(IsValidUtf8(B(bytes)), valid);
    QCOMPARE(QByteArray::fromStdString(RepairedUtf8(B(bytes))), repaired);
  }

  void textFilesAreDecodedByMarkOrContent_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF\xD0\x96;\xC3\xA5") << u"Ж;å"_s;
    QTest::newRow("UTF-8 without mark") << QByteArray("\xCE\xB1\tx") << u"α\tx"_s;
    QTest::newRow("mark, then a stray byte") << QByteArray("\xEF\xBB\xBF\xD0\x96 \xE4") << u"Ж ä"_s;
    QTest::newRow("Windows-1252") << QByteArray("h\xE4st\t\x80") << u"häst\t€"_s;
    QTest::newRow("a mark alone") << QByteArray("\xEF\xBB\xBF") << QString();
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE\x16\x04;\x00\x3D\xD8\x00\xDE", 10)
                               << u"Ж;😀"_s;
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\x04\x16\x00\n\x65\xE5", 8) << u"Ж\n日"_s;
    QTest::newRow("UTF-16, the first pair of surrogates")
        << QByteArray("\xFF\xFE\x00\xD8\x00\xDC", 6) << u"\U00010000"_s;
    // A surrogate without its partner, and an odd byte at the end.
    QTest::newRow("UTF-16 damaged")
        << QByteArray("\xFF\xFE\x00\xD8x\x00y", 7) << u"\uFFFDx\uFFFD"_s;
  }

  void textFilesAreDecodedByMarkOrContent() {
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    const std::string decoded = DecodeTextFile(B(file));
    QVERIFY(IsValidUtf8(decoded));
    QCOMPARE(QString::fromStdString(decoded), text);
  }
};

QTEST_APPLESS_MAIN(TestTextCodec)
#include "tst_TextCodec.moc"
