#include <QtTest>

#include <QTemporaryDir>

#include "IniFile.h"

class TestIniFile : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void lookup_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");

    const QByteArray list = "[INFO]\r\nVERSION=2.0\r\nTITLE=a=b\r\n\r\n[WORDS]\r\n1=x\r\n1B=y\r\n";
    QTest::newRow("value") << list << QByteArray("INFO") << QByteArray("VERSION")
                           << QByteArray("2.0");
    QTest::newRow("value keeps later =")
        << list << QByteArray("INFO") << QByteArray("TITLE") << QByteArray("a=b");
    QTest::newRow("key of another section")
        << list << QByteArray("INFO") << QByteArray("1B") << QByteArray("y");
    QTest::newRow("missing key") << list << QByteArray("INFO") << QByteArray("OWNER")
                                 << QByteArray("ERROR");
    QTest::newRow("missing section")
        << list << QByteArray("MARKS") << QByteArray("1") << QByteArray("ERROR");
    QTest::newRow("empty file") << QByteArray() << QByteArray("INFO") << QByteArray("VERSION")
                                << QByteArray("ERROR");
    QTest::newRow("LF lines") << QByteArray("[INFO]\nVERSION=2.0\n") << QByteArray("INFO")
                              << QByteArray("VERSION") << QByteArray("2.0");
    QTest::newRow("last line without line feed")
        << QByteArray("[INFO]\nVERSION=2.0") << QByteArray("INFO") << QByteArray("VERSION")
        << QByteArray("2.0");
    QTest::newRow("header without line feed is missing")
        << QByteArray("VERSION=2.0\n[INFO]") << QByteArray("INFO") << QByteArray("VERSION")
        << QByteArray("ERROR");
    QTest::newRow("header with a space is another header")
        << QByteArray("[INFO] \nVERSION=2.0\n") << QByteArray("INFO") << QByteArray("VERSION")
        << QByteArray("ERROR");
    // A value holding "KEY=" must not stand in for the key's own line.
    QTest::newRow("key only at line start")
        << QByteArray("[WORDS]\n1=2+2=4\n2=right\n") << QByteArray("WORDS") << QByteArray("2")
        << QByteArray("right");
    QTest::newRow("key is not a prefix of a longer key")
        << QByteArray("[WORDS]\n10=ten\n1B=one\n") << QByteArray("WORDS") << QByteArray("1")
        << QByteArray("ERROR");
    QTest::newRow("first line of a key wins")
        << QByteArray("[A]\nK=first\nK=second\n") << QByteArray("A") << QByteArray("K")
        << QByteArray("first");
    QTest::newRow("empty value") << QByteArray("[A]\r\nK=\r\n") << QByteArray("A")
                                 << QByteArray("K") << QByteArray("");
    QTest::newRow("lone CR stays in the value")
        << QByteArray("[A]\nK=a\rb\n") << QByteArray("A") << QByteArray("K") << QByteArray("a\rb");
    QTest::newRow("NUL byte in a value") << QByteArray("[A]\nK=a\0b\n", 10) << QByteArray("A")
                                         << QByteArray("K") << QByteArray("a\0b", 3);
    QTest::newRow("long line read whole")
        << QByteArray("[A]\nK=" + QByteArray(100000, 'x') + "\nL=1\n") << QByteArray("A")
        << QByteArray("L") << QByteArray("1");
  }

  void lookup() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    const CIniFile ini(file.toStdString());
    QCOMPARE(QByteArray::fromStdString(ini.Value(section.toStdString(), key.toStdString())), value);
  }

  void integers_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << QByteArray("12") << 12;
    QTest::newRow("sign and tail") << QByteArray("+7x") << 7;
    QTest::newRow("negative") << QByteArray("-3") << -3;
    QTest::newRow("leading space") << QByteArray(" 4") << 4;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("ERROR text") << QByteArray("ERROR") << -1;
    QTest::newRow("NULL text") << QByteArray("NULL") << -1;
    QTest::newRow("2^31 clamps") << QByteArray("2147483648") << 2147483647;
    QTest::newRow("huge negative clamps")
        << QByteArray("-99999999999999999999") << (-2147483647 - 1);
  }

  void integers() {
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    const CIniFile ini("[INFO]\nANTAL=" + value.toStdString() + "\n");
    QCOMPARE(ini.Int("INFO", "ANTAL"), expected);
  }

  void missingKeyIsMinusOne() {
    const CIniFile ini(std::string("[INFO]\n"));
    QCOMPARE(ini.Int("INFO", "ANTAL"), -1);
  }

  void fileLookups() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.vk2"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[INFO]\r\nANTAL=3\r\nTITLE=T\r\n");
    file.close();
    QCOMPARE(GetIniValue("INFO", "TITLE", path), std::string("T"));
    QCOMPARE(GetIniInt("INFO", "ANTAL", path), 3);
    QCOMPARE(GetIniValue("INFO", "TITLE", dir.filePath(QStringLiteral("none"))),
             std::string("ERROR"));
    QCOMPARE(GetIniInt("INFO", "ANTAL", dir.path()), -1);
  }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_IniFile.moc"
