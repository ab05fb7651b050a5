#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "lang/LangText.h"
#include "lang/TextCodec.h"
#include "wordlist/IniFile.h"
#include "wordlist/WordListTexts.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray Range(int from, int to) {
  QByteArray bytes;
  for (int b = from; b <= to; ++b) bytes += char(b);
  return bytes;
}

// Golden files hold the catalog texts as placeholders.
QByteArray Expand(QByteArray golden) {
  golden.replace("@PROGRAM@", QByteArray::fromStdString(LangText(kTxtProgramName)));
  return golden.replace("@WEB@", QByteArray::fromStdString(LangText(kTxtWebAddress)));
}

// The golden files are named after what they hold, as these kinds.
const QStringList kKinds = {u"empty"_s,      u"one"_s,         u"three"_s,      u"high-bytes"_s,
                            u"blank-word"_s, u"line-breaks"_s, u"separators"_s, u"scripts"_s};

// A text written with the bytes of Windows-1252, as the list holds it (UTF-8).
std::string U(const QByteArray& cp1252) {
  return Cp1252ToUtf8(cp1252.toStdString());
}

enum Content {
  kEmpty,
  kOne,
  kThree,
  kHighBytes,
  kBlankWord,
  kBreaks,
  kSeparators,
  kScripts
};  // as kKinds

// Words of eight scripts, with the language names and a description of two
// lines; Windows-1252 cannot hold them.
const std::vector<TestWord> kScriptWords = {
    {"дом", "house", 1},         {"σοφία", "wisdom", 2},
    {"zażółć", "gęślą jaźń", 0}, {"İstanbul", "ılık, sıcak", 0},
    {"كتاب", "book", 1},         {"שָׁלוֹם", "peace", 0},
    {"日本語", "Japanese", 2},   {"勉強する", "to study", 0},
    {"€ ‚x‘", "ƒ Ÿ", 0}};

// Words that hold the separators and quotes of the interchange files.
const std::vector<TestWord> kSeparatorWords = {
    {"a;b\tc", "\"x\" y"}, {"plain", "e;f"}, {"\"", "\"\""}, {"end\"", "mid\"dle"}};

void Fill(CWordList& list, int content) {
  list.SetTitle("Titel");
  list.SetOwner("Eva");
  list.SetDescription("");
  list.SetFirstLanguage("Svenska");
  list.SetSecondLanguage("Engelska");
  if (content == kOne || content == kThree) (void)list.AddWord("hus", "house", 0);
  if (content == kThree) {
    (void)list.AddWord("katt", "cat", 2);
    (void)list.AddWord("<b>a=b</b>", "R&D \"x\" 2+2=4", -1);
  } else if (content == kHighBytes) {
    list.SetTitle(U("\xC5ret"));
    list.SetOwner(U("Bj\xF6rn"));
    list.SetDescription("rad 1\x1F\x1Erad 2");
    list.SetFirstLanguage(U("Fran\347ais"));
    list.SetSecondLanguage(U("Espa\xF1ol"));
    (void)list.AddWord(U(Range(0x80, 0xBF)), U(Range(0xC0, 0xFF)), 1);
  } else if (content == kBlankWord) {
    (void)list.AddWord("mus", "", 0);
    (void)list.AddWord("katt", "cat", 0);
    (void)list.AddWord(" \t", "space", 0);
  } else if (content == kBreaks) {
    // Line breaks pasted into one-line texts never split a line of the file.
    list.SetTitle("Tit\r\nel");
    list.SetOwner("E\nva");
    list.SetFirstLanguage("Sven\rska");
    list.SetSecondLanguage("Engelska\n");
    (void)list.AddWord("hus\nhouse", "house", 0);
    (void)list.AddWord("\r\n1=evil", "x\r\r\ny", 0);
  } else if (content == kSeparators) {
    for (const TestWord& w : kSeparatorWords) (void)list.AddWord(w.foreign, w.translation, 0);
  } else if (content == kScripts) {
    list.SetTitle("Слова");
    list.SetOwner("Ελένη");
    list.SetDescription("Рус\x1F\x1Eελ");
    list.SetFirstLanguage("Русский");
    list.SetSecondLanguage("English");
    for (const TestWord& w : kScriptWords) (void)list.AddWord(w.foreign, w.translation, w.mark);
  }
}

QStringList Information(const CWordList& l) {
  return {QString::fromStdString(l.GetTitle()), QString::fromStdString(l.GetOwner()),
          QString::fromStdString(l.GetDescription()), QString::fromStdString(l.GetFirstLanguage()),
          QString::fromStdString(l.GetSecondLanguage())};
}

// foreign + "|" + translation of a word.
QByteArray Pair(const CWordList& list, int i) {
  return QByteArray::fromStdString(list.GetForeign(i)) + "|" +
         QByteArray::fromStdString(list.GetTranslation(i));
}

}  // namespace

class TestListFileIo : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

  // Reads content as a file of the given extension into a list.
  FileResult Read(const QByteArray& extension, const QByteArray& content, CWordList& list) {
    const QString path = m_dir.filePath(u"input."_s + QString::fromLatin1(extension));
    if (!WriteFile(path, content)) return FileResult::Cancelled;
    return list.OpenFile(path);
  }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(m_dir.isValid()); }

  // Each type written byte for byte as its golden file; read back, each
  // type keeps what it can hold.
  void goldenFiles_data() {
    QTest::addColumn<QString>("golden");
    const QDir dir(qEnvironmentVariable("VOKABIT_TEST_DATA") + u"/listfiles"_s);
    for (const QString& name : dir.entryList(QDir::Files))
      QTest::newRow(qPrintable(name)) << dir.filePath(name);
    QVERIFY(dir.entryList(QDir::Files).size() >= 35);
  }

  void goldenFiles() {
    QFETCH(QString, golden);
    const QFileInfo info(golden);
    const QString type = info.suffix().toUpper();
    const int content = kKinds.indexOf(info.completeBaseName());
    QVERIFY(content >= 0);
    CWordList list;
    Fill(list, content);
    const QString path = m_dir.filePath(u"golden."_s + info.suffix());
    QCOMPARE(list.SaveTo(path, type), FileResult::Done);
    QCOMPARE(ReadAll(path), Expand(ReadAll(golden)));

    if (type == u"HTML"_s || content == kBreaks || content == kBlankWord) return;
    CWordList back;
    QCOMPARE(back.OpenFile(path), FileResult::Done);
    QStringList words = WordsOf(list);
    if (type != u"VK2"_s)
      for (QString& word : words) word = word.section(u'/', 0, -2) + u"/0"_s;
    QCOMPARE(WordsOf(back), words);
    if (type == u"VK2"_s) QCOMPARE(Information(back), Information(list));
  }

  void version2RoundTrip() {
    CWordList list;
    list.SetTitle("Title=with=equals");
    list.SetOwner("[MARKS]");
    list.SetDescription("line 1\x1F\x1Eline 2\x1F\x1E\x1F\x1E");
    list.SetFirstLanguage("F=O");
    list.SetSecondLanguage(U(Range(0x80, 0xFF)));
    const int marks[] = {-7, 0, 1, 2, 12345, 2147483647};
    for (int i = 0; i < 300; ++i)
      (void)list.AddWord(std::to_string(i + 2) + "=x " + std::to_string(i),
                         std::to_string(i) + "B=" + std::to_string(i % 7), marks[i % 6]);
    (void)list.SetWord(1, "[MARKS]", "1M=5", 0);
    (void)list.SetWord(2, std::string(100000, 'w'), "", 2);
    (void)list.SetWord(3, "", std::string("a\0b", 3), 1);
    const QString path = m_dir.filePath(u"round.vk2"_s);
    QCOMPARE(list.SaveTo(path, u"VK2"_s), FileResult::Done);

    CWordList back;
    QCOMPARE(back.OpenFile(path), FileResult::Done);
    QCOMPARE(Information(back), Information(list));
    QCOMPARE(back.GetCreator(), LangText(kTxtProgramName));
    QCOMPARE(WordsOf(back), WordsOf(list));
  }

  void reading_data() {
    QTest::addColumn<QByteArray>("extension");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("first");  // foreign + "|" + translation of word 0
    QTest::addColumn<QByteArray>("last");   // the same of the last word
    const auto row = [](const char* name, const char* extension, const QByteArray& content,
                        int result, int count, const QByteArray& first = QByteArray(),
                        const QByteArray& last = QByteArray()) {
      QTest::newRow(name) << QByteArray(extension) << content << result << count << first
                          << (last.isNull() ? first : last);
    };
    const QByteArray head = "[INFO]\r\nVERSION=2.0\r\n";
    const QByteArray twoWords = "[WORDS]\r\n1=a\r\n1B=b\r\n2=c\r\n2B=d\r\n";
    row("vk2 empty file", "vk2", "", -2, 0);
    row("vk2 version only", "vk2", head, 0, 0);
    row("vk2 ANTAL missing", "vk2", head + twoWords, 0, 0);
    row("vk2 ANTAL negative", "vk2", head + "ANTAL=-4\r\n" + twoWords, 0, 0);
    row("vk2 ANTAL smaller", "vk2", head + "ANTAL=1\r\n" + twoWords, 0, 1, "a|b");
    row("vk2 ANTAL larger", "vk2", head + "ANTAL=3\r\n" + twoWords, 0, 3, "a|b", "ERROR|ERROR");
    row("vk2 ANTAL 2^31", "vk2", head + "ANTAL=2147483648\r\n" + twoWords, 0, 300, "a|b",
        "ERROR|ERROR");
    row("vk2 LF lines, sections swapped", "vk2",
        "[WORDS]\n2B=d\n1=a\n2=c\n1B=b\n[INFO]\nANTAL=2\nVERSION=2.0\n", 0, 2, "a|b", "c|d");
    row("vk2 key inside a value", "vk2", head + "ANTAL=2\r\n[WORDS]\r\n1=x 2=y\r\n2=z\r\n", 0, 2,
        "x 2=y|ERROR", "z|ERROR");
    row("vk2 NUL bytes", "vk2", head + QByteArray("ANTAL=1\r\n[WORDS]\r\n1=a\0b\r\n1B=\0\r\n", 31),
        0, 1, QByteArray("a\0b|\0", 5));
    row("vk2 NUL in the version", "vk2", QByteArray("[INFO]\r\nVERSION=2.0\0\r\n", 22), -2, 0);
    row("vk2 version 1 file", "vk2", "[INFO]\r\nVERSION=1.0\r\nANTAL=0\r\n", -2, 0);
    const QByteArray longWord(100000, 'q');
    row("vk2 long line", "vk2", head + "ANTAL=1\r\n[WORDS]\r\n1=" + longWord + "\r\n1B=end\r\n", 0,
        1, longWord + "|end");
    row("vk1 ANTAL 2^31", "vk1", "[INFO]\nVERSION=1.0\nANTAL=2147483648\n[WORDS]\n1=a\n1T=b\n", 0,
        300, "a|b", "ERROR|ERROR");
    row("vk1 version 2 file", "vk1", head, -2, 0);
    row("ord count larger", "ord", "GLOSOR\r\n5\r\n\r\nhouse\r\nhus\r\ncat\r\nkatt\r\n", 0, 2,
        "hus|house", "katt|cat");
    row("ord count smaller", "ord", "GLOSOR\n1\n\nhouse\nhus\ncat\nkatt\n", 0, 1, "hus|house");
    row("ord blank lines and spaces", "ord",
        "xx GLOSOR xx\n\n\n 2 \n\n  house \n\t\nhus\ncat\n\nkatt", 0, 2, "hus|house", "katt|cat");
    row("ord negative count", "ord", "GLOSOR\n-2\nb\na\n", 0, 0);
    row("ord no count", "ord", "GLOSOR\nb\na\n", 0, 0);
    row("ord odd word dropped", "ord", "GLOSOR\n2\nb\na\nc\n", 0, 1, "a|b");
    row("ord without GLOSOR", "ord", "GLOSA\n1\nb\na\n", -2, 0);
    row("ord empty file", "ord", "", -2, 0);
    row("txt separators", "txt", "hund\tdog\r\nno tab\r\nkatt\t\tcat\r\nmus\t\r\nsista\tlast", 0, 4,
        "hund|dog", "sista|last");
    row("txt tab kept in translation", "txt", "katt\t\tcat\n", 0, 1, "katt|\tcat");
    row("txt empty translation", "txt", "mus\t\n", 0, 1, "mus|");
    row("txt empty file", "txt", "", 0, 0);
    row("txt no separator anywhere", "txt", "a;b\nc d\n", 0, 0);
    row("txt long line", "txt", QByteArray(100000, 'x') + "\t" + QByteArray(100000, 'y'), 0, 1,
        QByteArray(100000, 'x') + "|" + QByteArray(100000, 'y'));
    row("txt NUL bytes", "txt", QByteArray("a\0\tb\0\n", 6), 0, 1, QByteArray("a\0|b\0", 5));
    QByteArray many;
    for (int i = 0; i < 400; ++i) many += "w" + QByteArray::number(i) + ";t\n";
    row("skv more than 300", "skv", many, 0, 300, "w0|t", "w299|t");
    row("scv first separator splits", "scv", "a;b;c\r\n", 0, 1, "a|b;c");
    // What another program wrote is read in its encoding: by the byte order
    // mark, else UTF-8 when the file is UTF-8 throughout, else Windows-1252.
    row("txt in Windows-1252", "txt", "h\xE4st\th\xF6st\r\n", 0, 1, "häst|höst");
    row("txt, Windows-1252 that looks half UTF-8", "txt", "\xC3\xA4\t\xE4\n", 0, 1, "Ã¤|ä");
    row("txt, UTF-8 with mark", "txt", "\xEF\xBB\xBFh\xC3\xA4st\thorse \xE2\x82\xAC\r\n", 0, 1,
        "häst|horse €");
    row("ord, UTF-8, every plane", "ord", "GLOSOR\n1\n\n  \xF0\x9F\x98\x80 smile \nكتاب\n", 0, 1,
        "كتاب|😀 smile");
    const auto utf16 = [](const QString& text, bool bigEndian) {
      QByteArray bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
      for (const QChar ch : text) {
        const char high = char(ch.unicode() >> 8), low = char(ch.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
      }
      return bytes;
    };
    row("scv, UTF-16 BE", "scv", utf16(u"\"a;b\";שָׁלוֹם\n"_s, true), 0, 1, "a;b|שָׁלוֹם");
    row("ord, UTF-16 LE", "ord", utf16(u"GLOSOR\r\n1\r\n\r\nhouse\r\nдом\r\n"_s, false), 0, 1,
        "дом|house");
    // Quoted fields, as spreadsheets write them, are read without their
    // quotes; a quote that does not close a whole field is text.
    row("txt quoted fields", "txt", "\"a\tb\"\t\"c\"\"d\"\r\n", 0, 1, "a\tb|c\"d");
    row("skv quoted separator", "skv", "\"a;b\";c\n", 0, 1, "a;b|c");
    row("skv empty first field", "skv", "katt;cat\n;dog\n", 0, 2, "katt|cat", "|dog");
    row("skv empty quoted fields", "skv", "\"\";\"\"\n", 0, 1, "|");
    row("skv quote never closed", "skv", "\"a;b;c\n", 0, 1, "\"a|b;c");
    row("skv text after the quote", "skv", "\"a\"b;c\n", 0, 1, "\"a\"b|c");
    row("skv quoted part of a field", "skv", "a;\"b\";c\n", 0, 1, "a|\"b\";c");
    row("txt lone CR kept by the line", "txt", "a\rb\tc\r\r\n", 0, 1, "a b|c ");
  }

  void reading() {
    QFETCH(QByteArray, extension);
    QFETCH(QByteArray, content);
    QFETCH(int, result);
    QFETCH(int, count);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, last);
    CFakePlatform platform;
    CWordList list(&platform);
    QCOMPARE(Read(extension, content, list), result == 0 ? FileResult::Done : FileResult::Failed);
    QCOMPARE(platform.m_messages.size(), size_t(result == 0 ? 0 : 1));
    QCOMPARE(list.GetCount(), count);
    if (count > 0) {
      QCOMPARE(Pair(list, 0), first);
      QCOMPARE(Pair(list, count - 1), last);
    }
  }

  void version2Information() {
    CWordList list;
    const QByteArray file =
        "[INFO]\r\nVERSION=2.0\r\nCREATOR=Someone\r\nANTAL=2\r\nTITLE=Djur\r\nOWNER=Eva\r\n"
        "DESCRIPTION=a\036b\r\n\r\n[MARKS]\r\n1M=-3\r\n2M=x\r\n\r\n[WORDS]\r\nF=Svenska\r\n"
        "O=Tyska\r\n1=hund\r\n1B=Hund\r\n2=katt\r\n2B=Katze\r\n";
    QCOMPARE(Read("vk2", file, list), FileResult::Done);
    QCOMPARE((QList<std::string>{list.GetCreator(), list.GetTitle(), list.GetOwner(),
                                 list.GetDescription(), list.GetFirstLanguage(),
                                 list.GetSecondLanguage()}),
             (QList<std::string>{"Someone", "Djur", "Eva", "a\036b", "Svenska", "Tyska"}));
    QCOMPARE(WordsOf(list), (QStringList{u"hund/Hund/-3"_s, u"katt/Katze/0"_s}));

    // Without the O= line both names fall back to the defaults.
    CWordList noSecond;
    QCOMPARE(Read("vk2", QByteArray(file).replace("O=Tyska\r\n", ""), noSecond), FileResult::Done);
    QCOMPARE(noSecond.GetFirstLanguage(), LangText(kTxtFirstLanguage));
    QCOMPARE(noSecond.GetSecondLanguage(), LangText(kTxtSecondLanguage));

    // A [MARKS] header at the very end without a line feed is no header.
    const QByteArray moved = "[INFO]\nVERSION=2.0\nANTAL=1\n[WORDS]\n1=a\n1B=b\n1M=2\n[MARKS]";
    CWordList noMarks, withMarks;
    QCOMPARE(Read("vk2", moved, noMarks), FileResult::Done);
    QCOMPARE(noMarks.GetMark(0), 0);
    QCOMPARE(Read("vk2", moved + "\n", withMarks), FileResult::Done);
    QCOMPARE(withMarks.GetMark(0), 2);
  }

  // A native file whose texts Windows-1252 cannot hold is UTF-8 with a line
  // that says so; every other native file is Windows-1252, as always.
  void nativeFilesInBothEncodings() {
    const QString path = qEnvironmentVariable("VOKABIT_TEST_DATA") + u"/listfiles/scripts.vk2"_s;
    const QByteArray file = ReadAll(path);
    // A reader that knows nothing of the line takes the file key by key.
    QCOMPARE(GetIniValue("INFO", "VERSION", path), std::string("2.0"));
    QCOMPARE(GetIniInt("INFO", "ANTAL", path), 9);
    QCOMPARE(GetIniValue("WORDS", "7", path), std::string("日本語"));

    // The name may be written in any case; a byte order mark that an editor
    // added says UTF-8 as well. Without either the file is Windows-1252.
    const QList<std::pair<QByteArray, QString>> variants = {
        {QByteArray(file).replace("ENCODING=UTF-8", "ENCODING= utf-8 "), u"дом"_s},
        {"\xEF\xBB\xBF" + QByteArray(file).replace("ENCODING=UTF-8\r\n", ""), u"дом"_s},
        {QByteArray(file).replace("ENCODING=UTF-8\r\n", ""), u"Ð´Ð¾Ð¼"_s}};
    for (const auto& [bytes, word] : variants) {
      CWordList variant;
      QCOMPARE(Read("vk2", bytes, variant), FileResult::Done);
      QCOMPARE(QString::fromStdString(variant.GetForeign(0)), word);
    }

    // A byte that is no UTF-8 in a UTF-8 file is not lost.
    CWordList stray;
    QCOMPARE(Read("vk1", "[INFO]\nVERSION=1.0\nENCODING=UTF-8\nANTAL=1\n[WORDS]\n1=\xD0\xB4\xE4\n",
                  stray),
             FileResult::Done);
    QCOMPARE(WordsOf(stray), QStringList{u"дä/ERROR/0"_s});
  }

  void unreadableFiles() {
    CFakePlatform platform;
    CWordList list(&platform);
    QTemporaryDir dir;
    for (const char* folder : {"folder.vk2", "folder.txt"}) {
      QVERIFY(QDir().mkdir(dir.filePath(QLatin1String(folder))));
      QCOMPARE(list.OpenFile(dir.filePath(QLatin1String(folder))), FileResult::Failed);
    }
    // A pipe nobody writes to is refused at once; opening it to read would
    // wait for a writer for ever.
    for (const char* pipe : {"pipe.vk2", "pipe.ord"}) {
      const QString path = dir.filePath(QLatin1String(pipe));
      QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
      QCOMPARE(list.OpenFile(path), FileResult::Failed);
      QCOMPARE(platform.m_messages.back().text, WithPath(kTxtFileRejected, path));
    }

    // Larger than any list can be: refused without reading it all.
    QFile large(dir.filePath(u"large.txt"_s));
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(64 * 1024 * 1024));
    large.close();
    QCOMPARE(list.OpenFile(large.fileName()), FileResult::Failed);
    QCOMPARE(platform.m_messages.size(), size_t(5));

    if (geteuid() == 0) QSKIP("Root reads files without read permission");
    const QString locked = dir.filePath(u"locked.vk2"_s);
    QVERIFY(WriteFile(locked, "[INFO]\r\nVERSION=2.0\r\n"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    QCOMPARE(list.OpenFile(locked), FileResult::Failed);
  }

  // Every type, as a file smaller than any write buffer (about 5 to 12 KiB)
  // and as one far larger.
  void failingWritesLeaveTheOldFile_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("wordLength");
    for (const char* type : {"VK2", "VK1", "HTML", "ORD", "TXT", "SKV"}) {
      QTest::addRow("%s small", type) << QString::fromLatin1(type) << 6;
      QTest::addRow("%s large", type) << QString::fromLatin1(type) << 200;
    }
  }

  void failingWritesLeaveTheOldFile() {
    QFETCH(QString, type);
    QFETCH(int, wordLength);
    QTemporaryDir dir;
    CWordList list;
    for (int i = 0; i < 300; ++i)
      (void)list.AddWord(std::string(wordLength, 'a'), std::string(wordLength, 'b'), 1);

    // Targets that cannot be created at all.
    const QString notAFolder = dir.filePath(u"file"_s);
    QVERIFY(WriteFile(notAFolder, "keep"));
    for (const QString& target : {dir.filePath(u"missing/list.x"_s), notAFolder + u"/list.x"_s,
                                  u"/proc/vokabit-test.x"_s, dir.path()})
      QCOMPARE(list.SaveTo(target, type), FileResult::Failed);
    QCOMPARE(ReadAll(notAFolder), QByteArray("keep"));

    // A file system that fills up part-way: the file size limit makes every
    // write past 4 KiB fail, long after the file was created.
    const QString path = dir.filePath(u"old.list"_s);
    QVERIFY(WriteFile(path, "old content"));
    FileResult result = FileResult::Done;
    {
      const CFileSizeLimit limit(4096);
      result = list.SaveTo(path, type);
    }
    QCOMPARE(result, FileResult::Failed);
    QCOMPARE(ReadAll(path), QByteArray("old content"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
  }

  // The same on a real file system with 4 KiB left.
  void aFullDiskLeavesTheOldFile() {
    CSmallFileSystem disk(64 * 1024);
    if (!disk.IsMounted()) QSKIP("A small file system cannot be mounted here (no privileges)");
    const QStringList types = {u"VK2"_s, u"VK1"_s, u"HTML"_s, u"ORD"_s, u"TXT"_s, u"SKV"_s};
    for (const QString& type : types)
      QVERIFY(WriteFile(disk.FilePath(u"old."_s + type), "old " + type.toLatin1()));
    QVERIFY(disk.FillUpTo(4096));
    for (const int length : {6, 200}) {
      CWordList list;
      for (int i = 0; i < 300; ++i)
        (void)list.AddWord(std::string(length, 'a'), std::string(length, 'b'), 2);
      for (const QString& type : types) {
        const QString path = disk.FilePath(u"old."_s + type);
        QCOMPARE(list.SaveTo(path, type), FileResult::Failed);
        QCOMPARE(ReadAll(path), "old " + type.toLatin1());
      }
    }
    QCOMPARE(QDir(disk.FilePath(QString())).entryList(QDir::Files | QDir::Hidden).size(),
             types.size() + 1);
  }

  void devicesAreWrittenInPlace() {
    // A device is written in place, never replaced by a regular file. The
    // test makes its own devices rather than touch /dev.
    QTemporaryDir dir;
    const QByteArray full = QFile::encodeName(dir.filePath(u"full"_s));
    const QByteArray null = QFile::encodeName(dir.filePath(u"null"_s));
    if (mknod(full.constData(), S_IFCHR | 0600, makedev(1, 7)) != 0)
      QSKIP("Cannot make a device node here");
    QCOMPARE(mknod(null.constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
    if (!QFile(QFile::decodeName(null)).open(QIODevice::WriteOnly))
      QSKIP("Device nodes cannot be opened here");

    CWordList list;
    (void)list.AddWord("a", "b", 0);
    // A pipe is written to whoever reads it, and refused at once when
    // nobody does.
    const QString pipe = dir.filePath(u"pipe"_s);
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QCOMPARE(list.SaveTo(pipe, u"TXT"_s), FileResult::Failed);
    const int reader = open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    QCOMPARE(list.SaveTo(pipe, u"TXT"_s), FileResult::Done);
    char got[16] = {};
    QCOMPARE(read(reader, got, sizeof got), ssize_t(5));
    close(reader);
    QCOMPARE(QByteArray(got), QByteArray("a\tb\r\n"));
    QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    QCOMPARE(list.SaveTo(QFile::decodeName(full), u"VK2"_s), FileResult::Failed);
    QCOMPARE(list.SaveTo(QFile::decodeName(null), u"TXT"_s), FileResult::Done);
    for (const QByteArray& device : {full, null}) {
      struct stat info {};
      QCOMPARE(stat(device.constData(), &info), 0);
      QVERIFY(S_ISCHR(info.st_mode));
    }
  }
};

QTEST_GUILESS_MAIN(TestListFileIo)
#include "tst_ListFileIo.moc"
