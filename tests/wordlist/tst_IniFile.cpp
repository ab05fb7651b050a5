#include <QtTest>

#include <QTemporaryDir>

#include "TestFiles.h"
#include "wordlist/IniFile.h"

using namespace Qt::StringLiterals;

class TestIniFile : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void lookup_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");

    const auto row = [](const char* name, const QByteArray& file, const char* section,
                        const char* key, const QByteArray& value) {
      QTest::newRow(name) << file << QByteArray(section) << QByteArray(key) << value;
    };
    const QByteArray list = "[INFO]\r\nVERSION=2.0\r\nTITLE=a=b\r\n\r\n[WORDS]\r\n1=x\r\n1B=y\r\n";
    row("value", list, "INFO", "VERSION", "2.0");
    row("value keeps later =", list, "INFO", "TITLE", "a=b");
    row("key of another section", list, "INFO", "1B", "y");
    row("missing key", list, "INFO", "OWNER", "ERROR");
    row("missing section", list, "MARKS", "1", "ERROR");
    row("empty file", "", "INFO", "VERSION", "ERROR");
    row("LF lines", "[INFO]\nVERSION=2.0\n", "INFO", "VERSION", "2.0");
    row("last line without line feed", "[INFO]\nVERSION=2.0", "INFO", "VERSION", "2.0");
    row("header without line feed is missing", "VERSION=2.0\n[INFO]", "INFO", "VERSION", "ERROR");
    row("header with a space is another header", "[INFO] \nVERSION=2.0\n", "INFO", "VERSION",
        "ERROR");
    // A value holding "KEY=" must not stand in for the key's own line.
    row("key only at line start", "[WORDS]\n1=2+2=4\n2=right\n", "WORDS", "2", "right");
    row("key is not a prefix of a longer key", "[WORDS]\n10=ten\n1B=one\n", "WORDS", "1", "ERROR");
    row("first line of a key wins", "[A]\nK=first\nK=second\n", "A", "K", "first");
    // Among the hundreds of lines of a full list too.
    QByteArray full = "[WORDS]\r\n";
    for (int i = 1; i <= 300; ++i) full += QByteArray::number(i) + "=w\r\n1=other\r\n";
    row("first of a key repeated in a long file", full, "WORDS", "1", "w");
    row("empty value", "[A]\r\nK=\r\n", "A", "K", "");
    row("lone CR stays in the value", "[A]\nK=a\rb\n", "A", "K", "a\rb");
    row("NUL byte in a value", QByteArray("[A]\nK=a\0b\n", 10), "A", "K", QByteArray("a\0b", 3));
    row("long line read whole", "[A]\nK=" + QByteArray(100000, 'x') + "\nL=1\n", "A", "L", "1");
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
    QTest::newRow("missing key") << QByteArray() << -1;
    QTest::newRow("huge negative clamps")
        << QByteArray("-99999999999999999999") << (-2147483647 - 1);
  }

  void integers() {
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    const CIniFile ini(value.isNull() ? std::string("[INFO]\n")
                                      : "[INFO]\nANTAL=" + value.toStdString() + "\n");
    QCOMPARE(ini.Int("INFO", "ANTAL"), expected);
  }

  void fileLookups() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.vk2"_s);
    QVERIFY(WriteFile(path, "[INFO]\r\nANTAL=3\r\nTITLE=T\r\n"));
    QCOMPARE(GetIniValue("INFO", "TITLE", path), std::string("T"));
    QCOMPARE(GetIniInt("INFO", "ANTAL", path), 3);
    QCOMPARE(GetIniValue("INFO", "TITLE", dir.filePath(u"none"_s)), std::string("ERROR"));
    QCOMPARE(GetIniInt("INFO", "ANTAL", dir.path()), -1);
  }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_IniFile.moc"
