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
    row("value keeps later =", list, "INFO", "TITLE", "a=b");
    row("key of another section", list, "INFO", "1B", "y");
    row("missing key", list, "INFO", "OWNER", "ERROR");
    row("last line without line feed", "[INFO]\nVERSION=2.0", "INFO", "VERSION", "2.0");
    row("header without line feed is missing", "VERSION=2.0\n[INFO]", "INFO", "VERSION", "ERROR");
    // Neither a longer key nor a value holding "KEY=" stands in for the key's own line.
    row("key only whole and at line start", "[W]\n10=ten\n3=1=x\n1=one\n", "W", "1", "one");
    // The first of a key repeated among the hundreds of lines of a full list.
    QByteArray full = "[WORDS]\r\n";
    for (int i = 1; i <= 300; ++i) full += QByteArray::number(i) + "=w\r\n1=other\r\n";
    row("first of a key repeated in a long file", full, "WORDS", "1", "w");
    row("long line read whole; CR and NUL stay in a value",
        "[A]\nK=" + QByteArray(100000, 'x') + QByteArray("\nL=a\r\0b\n", 9), "A", "L",
        QByteArray("a\r\0b", 4));
  }

  void lookup() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    const CIniFile ini(file.toStdString());
    QCOMPARE(QByteArray::fromStdString(ini.Value(section.toStdString(), key.toStdString())), value);
  }

  // Numbers read like atoi, clamped; the missing key (H) and the stored texts ERROR
  // and NULL read as -1.
  void integers() {
    const CIniFile ini(
        "[I]\nA=+7x\nB=-3\nC=abc\nD=ERROR\nE=NULL\nF=2147483648\nG=-99999999999999999999\n");
    QStringList read;
    for (const char* key : {"A", "B", "C", "D", "E", "F", "G", "H"})
      read << QString::number(ini.Int("I", key));
    QCOMPARE(read.join(u' '), u"7 -3 0 -1 -1 2147483647 -2147483648 -1"_s);
  }

  void fileLookups() {
    QTemporaryDir dir;
    QCOMPARE(GetIniValue("INFO", "TITLE", dir.filePath(u"none"_s)), std::string("ERROR"));
    QCOMPARE(GetIniInt("INFO", "ANTAL", dir.path()), -1);
  }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_IniFile.moc"
