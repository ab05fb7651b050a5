#include <QtTest>

#include <QTemporaryDir>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "lang/LangText.h"
#include "lang/TextCodec.h"
#include "wordlist/CsvFile.h"
#include "wordlist/WordListTexts.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray kBom = "\xEF\xBB\xBF";

// "first|second" language names, and "foreign|translation" of word i.
QByteArray Names(const CWordList& list) {
  return QByteArray::fromStdString(list.GetFirstLanguage() + '|' + list.GetSecondLanguage());
}

QByteArray Pair(const CWordList& list, int i) {
  return QByteArray::fromStdString(list.GetForeign(i) + '|' + list.GetTranslation(i));
}

// Expected texts are written in Windows-1252, as one byte a letter; the
// list holds them in UTF-8.
QByteArray Utf8(const QByteArray& cp1252) {
  return QByteArray::fromStdString(Cp1252ToUtf8(cp1252.toStdString()));
}

QByteArray DefaultNames() {
  return QByteArray::fromStdString(LangText(kTxtFirstLanguage) + '|' +
                                   LangText(kTxtSecondLanguage));
}

// A question that takes whatever options it was given, and keeps them.
CsvQuestion Answer(bool accept, CsvOptions* seen = nullptr, bool header = true) {
  return [=](const QString&, std::string_view, CsvOptions& options) {
    if (seen) *seen = options;
    options.header = header;
    return accept;
  };
}

}  // namespace

class TestCsvFile : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

  QString Write(const QByteArray& content) {
    const QString path = m_dir.filePath(u"input.csv"_s);
    return WriteFile(path, content) ? path : QString();
  }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(m_dir.isValid()); }

  void reading_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("header");
    QTest::addColumn<QByteArray>("names");  // null: the default names
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("first");  // foreign|translation of the first word
    QTest::addColumn<QByteArray>("last");   // null: the same as first
    const auto row = [](const char* name, const QByteArray& content, const QByteArray& names,
                        int count, const QByteArray& first = QByteArray(),
                        const QByteArray& last = QByteArray(), bool header = true) {
      QTest::newRow(name) << content << header << names << count << first
                          << (last.isNull() ? first : last);
    };
    row("German spreadsheet",
        kBom +
            "Schwedisch;Deutsch\r\nkatt;\"katt, kisse\"\r\ns\xC3\xA4ga;\"s\xC3\xA4ga "
            "\"\"hej\"\"\"\r\n",
        "Schwedisch|Deutsch", 2, "katt|katt, kisse", "s\xE4ga|s\xE4ga \"hej\"");
    row("Windows-1252 without mark", "Svenska;Tyska\r\nh\xE4st;Pferd\r\nk\xF6tt;Fleisch\r\n",
        "Svenska|Tyska", 2, "h\xE4st|Pferd", "k\xF6tt|Fleisch");
    row("UTF-8 without mark", "Svenska,Tyska\nh\xC3\xA4st,Pferd\n", "Svenska|Tyska", 1,
        "h\xE4st|Pferd");
    row("quoted commas", "Svenska,Engelska\nkatt,\"cat, kitty\"\n\"a, b\",c\n", "Svenska|Engelska",
        2, "katt|cat, kitty", "a, b|c");
    row("quoted semicolons in a comma file", "dog,\"hund; vovve\"\ncat,\"katt; kisse\"\n",
        "dog|hund; vovve", 1, "cat|katt; kisse");
    row("tabs, commas inside", "Svenska\tEngelska\nhund\tdog, hound\nkatt\tcat, kitty\n",
        "Svenska|Engelska", 2, "hund|dog, hound", "katt|cat, kitty");
    row("semicolons, commas unquoted", "katt;katt, kisse\nhund;hund, vovve\n", QByteArray(), 2,
        "katt|katt, kisse", "hund|hund, vovve", false);
    row("quoted line breaks", "A,B\n\"rad ett\r\nrad tv\xE5\",x\n\"a\rb\n\nc\",y\n", "A|B", 2,
        "rad ett rad tv\xE5|x", "a b  c|y");
    row("doubled quotes at both ends", "A,B\n\"\"\"hej\"\"\",\"\"\"\"\n", "A|B", 1, "\"hej\"|\"");
    row("last row without line end", "A,B\r\nhund,dog\r\nsista,last", "A|B", 2, "hund|dog",
        "sista|last");
    row("CR line ends", "A;B\rkatt;cat\rhund;dog", "A|B", 2, "katt|cat", "hund|dog");
    row("header only", "Svenska,Engelska\r\n", "Svenska|Engelska", 0);
    row("empty file", "", QByteArray(), 0);
    row("blank rows skipped", "\r\n;\r\nA;B\r\n\r\nkatt;cat\r\n;;\r\n\r\n;dog\r\n", "A|B", 2,
        "katt|cat", "|dog");
    row("rows of one field", "Ordlista\nA,B\nensam\nkatt,cat\n", "A|B", 1, "katt|cat");
    row("further columns ignored", "A,B,C\nkatt,cat,Katze,\n", "A|B", 1, "katt|cat");
    row("leading spaces as typed", "A,B\n  katt , cat\n", "A|B", 1, "  katt | cat");
    row("stray quotes kept", "A,B\nsa\"y,\"ab\"cd\n", "A|B", 1, "sa\"y|abcd");
    row("quote left open", "A,B\nx,\"open\nmore", "A|B", 1, "x|open more");
    row("quoted empty word", "\"\",\"\"\n", QByteArray(), 1, "|", QByteArray(), false);
    row("no header", "katt,cat\nhund,dog\n", QByteArray(), 2, "katt|cat", "hund|dog", false);
    QByteArray many = "A;B\n";
    for (int i = 0; i < 301; ++i) many += "w" + QByteArray::number(i) + ";t\n";
    row("301 rows", many, "A|B", 300, "w0|t", "w299|t");
  }

  void reading() {
    QFETCH(QByteArray, content);
    QFETCH(bool, header);
    QFETCH(QByteArray, names);
    QFETCH(int, count);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, last);
    CFakePlatform platform;
    CWordList list(&platform);
    list.SetCsvQuestion(Answer(true, nullptr, header));
    QCOMPARE(list.OpenFile(Write(content)), FileResult::Done);
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(Names(list), names.isNull() ? DefaultNames() : Utf8(names));
    QCOMPARE(list.GetCount(), count);
    if (count > 0) {
      QCOMPARE(Pair(list, 0), Utf8(first));
      QCOMPARE(Pair(list, count - 1), Utf8(last));
    }
  }

  void openingAsksAndReportsLikeOtherInterchangeFiles() {
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    list.SetOwner("Eva");
    (void)list.AddWord("gammal", "old", 1);
    list.SetModified(0);
    const QByteArray content =
        kBom +
        "Svenska;\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\nsol;\xE6\x97\xA5\r\nm\xC3\xA5ne;moon\r\n";
    const QString path = Write(content);

    // Declined: nothing read, nothing said, the list as it was.
    CsvOptions seen;
    seen.delimiter = 'x';
    list.SetCsvQuestion(Answer(false, &seen));
    QCOMPARE(list.OpenFile(path), FileResult::Cancelled);
    QCOMPARE(seen.delimiter, ';');
    QVERIFY(seen.header);
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(WordsOf(list), QStringList{u"gammal/old/1"_s});
    QVERIFY(!list.IsModified());

    // Taken: an untitled, modified list with every character of the file.
    // The preview is given the file's text, without its byte order mark.
    QString askedPath;
    QByteArray askedData;
    list.SetCsvQuestion([&](const QString& asked, std::string_view data, CsvOptions&) {
      askedPath = asked;
      askedData = QByteArray(data.data(), qsizetype(data.size()));
      return true;
    });
    QCOMPARE(list.OpenFile(path), FileResult::Done);
    QCOMPARE(askedPath, path);
    QCOMPARE(askedData, content.mid(kBom.size()));
    QCOMPARE(Names(list), QByteArray("Svenska|\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"));
    QCOMPARE(WordsOf(list), (QStringList{u"sol/\u65E5/0"_s, u"m\u00e5ne/moon/0"_s}));
    QVERIFY(list.IsUntitled() && list.IsModified());
    QCOMPARE(list.GetDisplayName(), LangQText(kTxtUntitled));
    QCOMPARE(list.GetOwner(), std::string());
    QVERIFY(platform.m_messages.empty());
  }

  void goldenFiles_data() {
    QTest::addColumn<QList<QByteArray>>("texts");  // the two names, then the words
    QTest::addColumn<QByteArray>("golden");
    QTest::newRow("empty") << QList<QByteArray>{"Svenska", "Engelska"}
                           << kBom + "Svenska,Engelska\r\n";
    QTest::newRow("one word") << QList<QByteArray>{"Svenska", "Engelska", "hus", "house"}
                              << kBom + "Svenska,Engelska\r\nhus,house\r\n";
    QTest::newRow("words to quote")
        << QList<QByteArray>{"Fran\xE7" "ais", "",
                             "katt, kisse", "s\xE4ga \"hej\"",
                             " leading", "trailing ",
                             "a;b\tc", "\"",
                             "", "",
                             "rad\r\nett\nx", "\x80 \x81"}
        << kBom +
               "Fran\xC3\xA7" "ais,\r\n"
               "\"katt, kisse\",\"s\xC3\xA4ga \"\"hej\"\"\"\r\n"
               "\" leading\",\"trailing \"\r\n"
               "a;b\tc,\"\"\"\"\r\n"
               "\"\",\r\n"
               "rad ett x,\xE2\x82\xAC \xC2\x81\r\n";
  }

  void goldenFiles() {
    QFETCH(QList<QByteArray>, texts);
    QFETCH(QByteArray, golden);
    CWordList list;
    list.SetFirstLanguage(Utf8(texts[0]).toStdString());
    list.SetSecondLanguage(Utf8(texts[1]).toStdString());
    for (qsizetype i = 2; i + 1 < texts.size(); i += 2)
      (void)list.AddWord(Utf8(texts[i]).toStdString(), Utf8(texts[i + 1]).toStdString());
    const QString path = m_dir.filePath(u"golden.csv"_s);
    QCOMPARE(list.SaveTo(path, u"CSV"_s), FileResult::Done);
    QCOMPARE(ReadAll(path), golden);

    // Read back, the list is the same but for the line breaks.
    CWordList back;
    QCOMPARE(back.OpenFile(path), FileResult::Done);
    QCOMPARE(Names(back), Names(list));
    QCOMPARE(back.GetCount(), list.GetCount());
    for (int i = 0; i < list.GetCount(); ++i) {
      QByteArray pair = Pair(list, i);
      pair.replace("\r\n", " ").replace('\n', ' ');
      QCOMPARE(Pair(back, i), pair);
    }
  }
};

QTEST_GUILESS_MAIN(TestCsvFile)
#include "tst_CsvFile.moc"
