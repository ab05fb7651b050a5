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

  // Each row: the file, and what is read, names first and then every word as
  // "foreign|translation", one a line ('*': the default names).
  void reading_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("header");
    QTest::addColumn<QByteArray>("read");
    const auto row = [](const char* name, const QByteArray& content, const QByteArray& read,
                        bool header = true) { QTest::newRow(name) << content << header << read; };
    row("German spreadsheet",
        kBom +
            "Schwedisch;Deutsch\r\nkatt;\"katt, kisse\"\r\ns\xC3\xA4ga;\"s\xC3\xA4ga \"\"hej\"\"\"",
        "Schwedisch|Deutsch\nkatt|katt, kisse\ns\xE4ga|s\xE4ga \"hej\"");
    row("Windows-1252 without mark", "Svenska;Tyska\r\nh\xE4st;Pferd\r\n",
        "Svenska|Tyska\nh\xE4st|Pferd");
    row("UTF-8 without mark", "Svenska,Tyska\nh\xC3\xA4st,Pferd\n", "Svenska|Tyska\nh\xE4st|Pferd");
    row("quotes, stray fields and line breaks",
        "Ordlista\nA,B,C\nkatt,\"cat, kitty\"\n\"\"\"hej\"\"\",\"\"\"\"\nensam\n  katt , "
        "cat,Katze,\n"
        "sa\"y,\"ab\"cd\n\"rad ett\r\nrad tv\xE5\",x\n\"a\rb\n\nc\",y\nsista,last",
        "A|B\nkatt|cat, kitty\n\"hej\"|\"\n  katt | cat\nsa\"y|abcd\nrad ett rad tv\xE5|x\n"
        "a b  c|y\nsista|last");
    row("quoted semicolons in a comma file", "dog,\"hund; vovve\"\ncat,\"katt; kisse\"\n",
        "dog|hund; vovve\ncat|katt; kisse");
    row("tabs, commas inside", "Svenska\tEngelska\nhund\tdog, hound\n",
        "Svenska|Engelska\nhund|dog, hound");
    row("semicolons, commas unquoted", "katt;katt, kisse\n", "*\nkatt|katt, kisse", false);
    row("CR line ends", "A;B\rkatt;cat\rhund;dog", "A|B\nkatt|cat\nhund|dog");
    row("blank rows skipped", "\r\n;\r\nA;B\r\n\r\nkatt;cat\r\n;;\r\n\r\n;dog\r\n",
        "A|B\nkatt|cat\n|dog");
    row("quote left open", "A,B\nx,\"open\nmore", "A|B\nx|open more");
    row("header only", "Svenska,Engelska\r\n", "Svenska|Engelska");
    row("empty file", "", "*");
    row("quoted empty word", "\"\",\"\"\n", "*\n|", false);
    QByteArray many = "A;B\n", kept = "A|B";
    for (int i = 0; i < 301; ++i) many += "w" + QByteArray::number(i) + ";t\n";
    for (int i = 0; i < 300; ++i) kept += "\nw" + QByteArray::number(i) + "|t";
    row("301 rows", many, kept);
  }

  void reading() {
    QFETCH(QByteArray, content);
    QFETCH(bool, header);
    QFETCH(QByteArray, read);
    CFakePlatform platform;
    CWordList list(&platform);
    list.SetCsvQuestion(Answer(true, nullptr, header));
    QCOMPARE(list.OpenFile(Write(content)), FileResult::Done);
    QVERIFY(platform.m_messages.empty());
    QByteArray got = Names(list);
    for (int i = 0; i < list.GetCount(); ++i) got += '\n' + Pair(list, i);
    const std::string names = LangText(kTxtFirstLanguage) + '|' + LangText(kTxtSecondLanguage);
    QCOMPARE(got, Utf8(read).replace('*', names));
  }

  // Declined, nothing is read and the list stays as it was; taken, the list is
  // an untitled, modified one of every character of the file, and the
  // question saw the file's text without its byte order mark.
  void openingAsksAndReportsLikeOtherInterchangeFiles() {
    CFakePlatform platform;
    CWordList list(&platform);
    list.SetOwner("Eva");
    (void)list.AddWord("gammal", "old", 1);
    list.SetModified(0);
    const QByteArray text = "Svenska;\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\nsol;\xE6\x97\xA5\r\n";
    const QString path = Write(kBom + text);
    CsvOptions seen{'x', false};
    list.SetCsvQuestion(Answer(false, &seen));
    QCOMPARE(list.OpenFile(path), FileResult::Cancelled);
    QVERIFY(seen.delimiter == ';' && seen.header);
    QCOMPARE(WordsOf(list), QStringList{u"gammal/old/1"_s});
    QVERIFY(!list.IsModified());

    QString askedPath;
    QByteArray askedData;
    list.SetCsvQuestion([&](const QString& asked, std::string_view data, CsvOptions&) {
      askedPath = asked;
      askedData = QByteArray(data.data(), qsizetype(data.size()));
      return true;
    });
    QCOMPARE(list.OpenFile(path), FileResult::Done);
    QCOMPARE(askedPath + u'|' + QString::fromUtf8(askedData),
             path + u'|' + QString::fromUtf8(text));
    QCOMPARE(Names(list) + '|' + Pair(list, 0),
             text.left(text.indexOf('\r')).replace(';', '|') + "|sol|\xE6\x97\xA5");
    QVERIFY(list.IsUntitled() && list.IsModified() && list.GetOwner().empty());
  }

  // Written with a byte order mark and quoted where the reader needs it; read
  // back, the list is the same but for the line breaks.
  void writesWhatItReads() {
    const QList<QByteArray> texts = QByteArray(
                                        "Fran\347ais||katt, kisse|s\xE4ga \"hej\"| "
                                        "leading|trailing |a;b\tc|\"|||rad\r\nett\nx|\x80 \x81")
                                        .split('|');
    CWordList list;
    list.SetFirstLanguage(Utf8(texts[0]).toStdString());
    list.SetSecondLanguage(Utf8(texts[1]).toStdString());
    for (qsizetype i = 2; i + 1 < texts.size(); i += 2)
      (void)list.AddWord(Utf8(texts[i]).toStdString(), Utf8(texts[i + 1]).toStdString());
    const QString path = m_dir.filePath(u"golden.csv"_s);
    QCOMPARE(list.SaveTo(path, u"CSV"_s), FileResult::Done);
    QCOMPARE(ReadAll(path), kBom +
                                "Fran\303\247ais,\r\n"
                                "\"katt, kisse\",\"s\xC3\xA4ga \"\"hej\"\"\"\r\n"
                                "\" leading\",\"trailing \"\r\n"
                                "a;b\tc,\"\"\"\"\r\n"
                                "\"\",\r\n"
                                "rad ett x,\xE2\x82\xAC \xC2\x81\r\n");
    CWordList back;
    QCOMPARE(back.OpenFile(path), FileResult::Done);
    QCOMPARE(Names(back), Names(list));
    QCOMPARE(back.GetCount(), list.GetCount());
    for (int i = 0; i < list.GetCount(); ++i)
      QCOMPARE(Pair(back, i), Pair(list, i).replace("\r\n", " ").replace('\n', ' '));
  }
};

QTEST_GUILESS_MAIN(TestCsvFile)
#include "tst_CsvFile.moc"
