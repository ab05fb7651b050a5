// The word list, its own file formats, the interchange files and the reader
// of ini-style files, with golden files for what is written.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QtTest>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "lang/LangText.h"
#include "lang/TextCodec.h"
#include "wordlist/CsvFile.h"
#include "wordlist/FileBytes.h"
#include "wordlist/IniFile.h"
#include "wordlist/ListFileIo.h"
#include "wordlist/WordListTexts.h"

using namespace Qt::StringLiterals;

namespace {

void FillWords(CWordList& list, int count) {
  for (int i = 0; i < count; ++i)
    (void)list.AddWord("f" + std::to_string(i), "t" + std::to_string(i), i % 3);
}

// Where the list belongs: "path|file name|extension|untitled|modified".
QString Target(const CWordList& list) {
  return QStringList{list.GetPath(), list.GetFileName(), list.GetExtension(),
                     QString::number(list.IsUntitled()), QString::number(list.IsModified())}
      .join(u'|');
}

QString UntitledTarget(bool modified) {
  const QString untitled = LangQText(kTxtUntitled);
  return untitled + u'|' + untitled + u"||1|"_s + QString::number(modified);
}

// What the list says about itself: "title|owner|description|first|second".
QString Information(const CWordList& list) {
  return QString::fromStdString(list.GetTitle() + '|' + list.GetOwner() + '|' +
                                list.GetDescription() + '|' + list.GetFirstLanguage() + '|' +
                                list.GetSecondLanguage());
}

QString DefaultLanguages() {
  return LangQText(kTxtFirstLanguage) + u'|' + LangQText(kTxtSecondLanguage);
}

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

const QByteArray kBom = "\xEF\xBB\xBF";

// "first|second" language names, and "foreign|translation" of word i.
QByteArray Names(const CWordList& list) {
  return QByteArray::fromStdString(list.GetFirstLanguage() + '|' + list.GetSecondLanguage());
}

QByteArray Pair(const CWordList& list, int i) {
  return QByteArray::fromStdString(list.GetForeign(i) + '|' + list.GetTranslation(i));
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

class TestWordListFiles : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString Path(const QString& name) const { return m_dir.filePath(name); }

  // A list that belongs to a freshly written version 2 file with two words.
  void OpenTwoWordList(CWordList& list, const QString& path) {
    CWordList source = ListOf({{"hus", "house", 1}, {"katt", "cat"}});
    source.SetOwner("Eva");
    source.SetTitle("Två ord");
    QCOMPARE(source.SaveTo(path, u"VK2"_s), FileResult::Done);
    QCOMPARE(list.OpenFile(path), FileResult::Done);
  }

  // Reads content as a file of the given extension into a list.
  FileResult Read(const QByteArray& extension, const QByteArray& content, CWordList& list) {
    const QString path = m_dir.filePath(u"input."_s + QString::fromLatin1(extension));
    if (!WriteFile(path, content)) return FileResult::Cancelled;
    return list.OpenFile(path);
  }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(m_dir.isValid()); }

  // --- words --------------------------------------------------------------

  void fullTableAndSpareSlot() {
    CWordList list;
    FillWords(list, 300);
    QCOMPARE(list.AddWord("extra", "extra", 0), WordResult::ListFull);
    QCOMPARE(list.GetSlotTable()[300].m_used, 0);
    QCOMPARE(list.FindForeign(0, "f299"), 299);

    QCOMPARE(list.SetWord(300, "spare", "spare", 0), WordResult::Done);
    QCOMPARE(list.GetCount() + list.FindTranslation(300, "spare"), 300 + 300);
    QCOMPARE(list.FindForeign(0, "none") + list.FindTranslation(0, "none"), -2);
    for (int bad : {301, -1}) {
      QCOMPARE(list.SetWord(bad, "x", "x", 0), WordResult::BadIndex);
      QCOMPARE(list.DeleteWord(bad), WordResult::BadIndex);
      QCOMPARE(list.GetForeign(bad) + list.GetTranslation(bad), std::string());
      QCOMPARE(list.GetNumber(bad) + list.GetMark(bad), 0);
      QCOMPARE(list.FindForeign(bad, "f1"), -1);
    }

    // Deleting from the full table moves the spare slot down and empties it.
    QCOMPARE(list.DeleteWord(0), WordResult::Done);
    QCOMPARE(list.GetForeign(298) + list.GetForeign(299), std::string("f299spare"));
    QCOMPARE(list.GetSlotTable()[300].m_used, 0);
    QCOMPARE(list.DeleteWord(300), WordResult::Done);
  }

  void deleteFindAndSort() {
    CWordList list = ListOf({{"a", "A", 1}, {"b", "B", 2}, {"c", "C"}});
    QVERIFY(list.IsModified());  // adding marks the list
    list.SetModified(0);
    QCOMPARE(list.DeleteWord(0), WordResult::Done);
    QCOMPARE(WordsOf(list), (QStringList{u"b/B/2"_s, u"c/C/0"_s}));
    // Running numbers belong to the slot positions.
    QCOMPARE(list.GetNumber(0) * 10 + list.GetNumber(1), 12);
    QCOMPARE(list.GetSlotTable()[2].m_used, 0);
    // Deleting and clearing leave the modified flag to the caller.
    list.ClearWords();
    QVERIFY(list.GetCount() == 0 && !list.IsModified() && list.FindForeign(0, "b") == -1);

    // Finding is exact and case sensitive, from the given index on.
    list = ListOf({{"bank", "bench", 1}, {"apa", "monkey"}, {"bank", "bank (money)", 2}});
    QCOMPARE((QList<int>{list.FindForeign(0, "Bank"), list.FindForeign(1, "bank"),
                         list.FindTranslation(0, "monkey"), list.FindTranslation(0, "monke")}),
             (QList<int>{-1, 2, 1, -1}));

    // Sorting like a sequence takes each entry once; a sequence that misses
    // words or names unknown ones loses nothing.
    list.SetModified(0);
    list.SortLike({"apa", "bank", "bank"});
    QCOMPARE(WordsOf(list),
             (QStringList{u"apa/monkey/0"_s, u"bank/bench/1"_s, u"bank/bank (money)/2"_s}));
    QVERIFY(list.GetNumber(2) == 2 && !list.IsModified());
    list.SortLike({"zebra", "bank"});
    QCOMPARE(WordsOf(list),
             (QStringList{u"bank/bench/1"_s, u"apa/monkey/0"_s, u"bank/bank (money)/2"_s}));
  }

  // Every word stays, with its running number; the same seed, the same order.
  void shuffleKeepsEveryWord() {
    CWordList list, again;
    FillWords(list, 300);
    FillWords(again, 300);
    list.SetModified(0);
    const auto entries = [&list] {
      QStringList all = WordsOf(list);
      for (int i = 0; i < 300; ++i) all[i] += u'/' + QString::number(list.GetNumber(i));
      return all;
    };
    QStringList before = entries();
    list.Shuffle(7);
    again.Shuffle(7);
    QVERIFY(list.IsModified());
    QCOMPARE(WordsOf(again), WordsOf(list));
    QStringList after = entries();
    int moved = 0;
    for (int i = 0; i < 300; ++i) moved += after[i] != before[i];
    before.sort();
    after.sort();
    QVERIFY(moved > 250 && after == before);
  }

  // --- file operations ----------------------------------------------------

  // The save question of a modified list, and what Yes does when saving
  // does not come about (No, Cancel and an unchanged list are played through
  // in the main window's file command test). An export is no save: the list
  // would be lost with the window.
  void queryClose_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("target");  // of the save dialog; empty: cancelled
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    const auto row = [](const char* name, int answer, const QString& target, bool closes,
                        bool written) {
      QTest::newRow(name) << answer << target << closes << written;
    };
    row("yes, saved", kIdYes, u"closed.vk2"_s, true, true);
    row("yes, save as cancelled", kIdYes, QString(), false, false);
    row("yes, save fails", kIdYes, u"missing/closed.vk2"_s, false, false);
    row("yes, only exported", kIdYes, u"closed.html"_s, false, true);
  }

  void queryClose() {
    QFETCH(int, answer);
    QFETCH(QString, target);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    (void)list.AddWord("a", "b", 0);
    list.SetModified(1);
    platform.m_answers.push_back(answer);
    const QString path = target.isEmpty() ? QString() : Path(target);
    QFile::remove(path);
    platform.QueueFile(path, path.endsWith(u"html"_s) ? 3 : 1);
    QCOMPARE(list.QueryClose(), closes);
    // An export says where it wrote.
    QCOMPARE(platform.m_messages.size(), size_t(path.endsWith(u"html"_s) ? 2 : 1));
    QCOMPARE(platform.m_messages[0].text,
             LangQText(kTxtSaveQuestion) + u'\n' + LangQText(kTxtUntitled) + u" ?"_s);
    QCOMPARE(QFile::exists(path), written);
    QCOMPARE(list.IsModified(), closes && written ? 0 : 1);
  }

  // Cancel stops New and Open; so does Yes with a cancelled Save as, and a
  // cancelled open dialog, before any question. A new
  // list is empty, untitled, unmodified, with the default information.
  // Without a platform nothing is asked, and nothing closes unsaved.
  void saveQuestionStopsReplacing() {
    CFakePlatform platform;
    CWordList list(&platform);
    (void)list.AddWord("a", "b", 0);
    list.SetDescription("old");
    platform.m_answers = {kIdCancel, kIdCancel, kIdYes, kIdNo};
    list.NewList();
    QCOMPARE(list.OpenFile(Path(u"kept.vk2"_s)), FileResult::Cancelled);
    platform.QueueCancelFile();
    list.NewList();
    QCOMPARE(list.GetCount(), 1);
    // A cancelled open dialog asks nothing.
    platform.QueueCancelFile();
    QCOMPARE(list.OpenWithDialog(), FileResult::Cancelled);
    list.NewList();
    QCOMPARE(platform.m_messages.size(), size_t(4));
    QCOMPARE(list.GetCount(), 0);
    QCOMPARE(Target(list), UntitledTarget(false));
    QCOMPARE(list.GetDisplayName() + u'|' + QString::fromStdString(list.GetCreator()),
             LangQText(kTxtUntitled) + u"|N\\A"_s);
    QVERIFY(!CWordList::DefaultOwner().empty());
    QCOMPARE(Information(list), LangQText(kTxtUntitled) + u'|' +
                                    QString::fromStdString(CWordList::DefaultOwner()) + u"||"_s +
                                    DefaultLanguages());
    CWordList silent;
    (void)silent.AddWord("a", "b", 0);
    QVERIFY(!silent.QueryClose());
    QCOMPARE(silent.OpenWithDialog(), FileResult::Cancelled);
    QCOMPARE(silent.SaveAs(true), FileResult::Cancelled);
  }

  // A list file becomes the list's own; an interchange file is read as an
  // untitled list, never written back over its file by a plain Save; a file
  // that cannot be read leaves the previous list and its file as they were.
  void openingReplacesOrKeepsTheList_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");  // null: no file at all
    QTest::addColumn<int>("read");            // 0: rejected, 1: own file, 2: untitled
    const QByteArray vk = "[INFO]\r\nVERSION=2.0\r\nANTAL=1\r\n[WORDS]\r\n1=a\r\n1B=b\r\n";
    QTest::newRow("vk2") << u"Lista.vk2"_s << vk << 1;
    QTest::newRow("vk1") << u"Lista.vk1"_s
                         << QByteArray(vk).replace("2.0", "1.0").replace("1B", "1T") << 1;
    QTest::newRow("ord") << u"Lista.ord"_s << QByteArray("GLOSOR\r\n1\r\n\r\nb\r\na\r\n") << 2;
    QTest::newRow("txt") << u"Lista.txt"_s << QByteArray("a\tb\r\n") << 2;
    QTest::newRow("skv") << u"Lista.skv"_s << QByteArray("a;b\r\n") << 2;
    QTest::newRow("vk1 named on two lines")
        << u"Li\nsta.vk1"_s << QByteArray(vk).replace("2.0", "1.0").replace("1B", "1T") << 1;
    QTest::newRow("vk2 of version 1")
        << u"bad.vk2"_s << QByteArray("[INFO]\r\nVERSION=1.0\r\n") << 0;
    QTest::newRow("ord without GLOSOR") << u"bad.ord"_s << QByteArray("ORD\r\n2\r\n") << 0;
    QTest::newRow("unknown type") << u"bad.xyz"_s << QByteArray("x") << 0;
    QTest::newRow("missing") << u"none.txt"_s << QByteArray() << 0;
  }

  void openingReplacesOrKeepsTheList() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(int, read);
    const QString good = Path(u"good.vk2"_s), path = Path(name);
    QFile::remove(path);
    if (!content.isNull()) QVERIFY(WriteFile(path, content));
    CFakePlatform platform;
    CWordList list(&platform);
    OpenTwoWordList(list, good);
    list.SetDescription("previous description");
    list.SetModified(1);
    const QByteArray goodBytes = ReadAll(good);
    // The open dialog starts at the list's file and comes before the save
    // question; reading shows the wait cursor.
    platform.QueueFile(path);
    platform.m_answers.push_back(kIdNo);
    const FileResult result = list.OpenWithDialog();
    QCOMPARE(platform.m_dialogs.back().request.initialPath, good);
    QCOMPARE(platform.m_messages.size(), size_t(read == 0 ? 2 : 1));
    QVERIFY(platform.m_waitDepth == 0 && platform.m_waitCalls > 0);
    if (read == 0) {
      QCOMPARE(result, FileResult::Failed);
      QCOMPARE(platform.m_messages[1].text, WithPath(kTxtFileRejected, path));
      QCOMPARE(Target(list), good + u"|good.vk2|VK2|0|1"_s);
      QCOMPARE(list.GetCount() + list.GetOwner().size(), size_t(2 + 3));
      // A plain Save writes the list's own file; the rejected one is untouched.
      (void)list.AddWord("ny", "new", 0);
      QCOMPARE(list.Save(), FileResult::Done);
      QVERIFY(ReadAll(good) != goodBytes);
      QCOMPARE(ReadAll(path), content.isNull() ? QByteArray() : content);
      QCOMPARE(QFile::exists(path), !content.isNull());
      return;
    }
    QCOMPARE(result, FileResult::Done);
    QCOMPARE(WordsOf(list), QStringList{u"a/b/0"_s});
    const QString untitled = LangQText(kTxtUntitled), type = name.right(3).toUpper();
    QCOMPARE(Target(list), (read == 2 ? untitled + u'|' + untitled + u'|' + type + u"|1|1"_s
                                      : path + u'|' + name + u'|' + type + u"|0|0"_s));
    QCOMPARE(list.GetDisplayName(), read == 2 ? untitled : name);
    // A title taken from a file name is one line.
    QCOMPARE(Information(list),
             name.left(name.size() - 4).replace(u'\n', u' ') + u"|||"_s + DefaultLanguages());
    if (read == 2) {
      platform.QueueCancelFile();
      QCOMPARE(list.Save(), FileResult::Cancelled);
      QVERIFY(platform.m_dialogs.back().save);
      QCOMPARE(ReadAll(path), content);
    }
  }

  // Each entry of the dialog's filter writes its own type; a title the user
  // set stays, the untitled one gives way to the file name (one line of it).
  void saveAsNaming_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("title");  // empty: the list is untitled
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("line");  // a line the file holds
    const auto row = [](const char* typed, int entry, const char* title, const char* written,
                        const char* line) {
      QTest::addRow("%s, entry %d, title '%s'", typed, entry, title)
          << QString::fromUtf8(typed) << entry << QString::fromUtf8(title)
          << QString::fromUtf8(written) << QByteArray(line);
    };
    row("Lista", 2, "Mina ord", "Lista.vk1", "VERSION=1.0\r\n");
    row("Lista", 3, "", "Lista.html", "<td>hus</td>");
    row("Lista", 4, "Mina ord", "Lista.ord", "GLOSOR\r\n");
    row("Lista", 6, "", "Lista.skv", "hus;house\r\n");
    row("Lista", 7, "", "Lista.csv", "hus,house\r\n");
    row("Lista.VK2", 1, "Mina ord", "Lista.VK2", "TITLE=Mina ord\r\n");
    row("Lista.txt", 1, "", "Lista.txt.vk2", "TITLE=Lista.txt\r\n");
    row("Lista", 9, "", "Lista.vk2", "VERSION=2.0\r\n");
    row("new\r\nname", 1, "", "new\r\nname.vk2", "TITLE=new name\r\n");
  }

  void saveAsNaming() {
    QFETCH(QString, typed);
    QFETCH(int, entry);
    QFETCH(QString, title);
    QFETCH(QString, written);
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    if (!title.isEmpty()) list.SetTitle(title.toStdString());
    (void)list.AddWord("hus", "house", 0);
    platform.QueueFile(dir.filePath(typed), entry);
    QCOMPARE(list.SaveAs(true), FileResult::Done);
    QVERIFY(platform.m_dialogs[0].request.overwritePrompt);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    QVERIFY(ReadAll(dir.filePath(written)).contains(line));
    QCOMPARE(QString::fromStdString(list.GetTitle()),
             title.isEmpty() ? written.left(written.lastIndexOf(u'.')).replace(u"\r\n"_s, u" "_s)
                             : title);
    // A list file becomes the list's own; an export leaves the list as it
    // was and says where it wrote.
    const bool own = entry <= 2 || entry > 7;
    QCOMPARE(Target(list), own ? dir.filePath(written) + u'|' + written + u'|' +
                                     written.right(3).toUpper() + u"|0|0"_s
                               : UntitledTarget(true));
    QCOMPARE(list.GetCreator(), own ? LangText(kTxtProgramName) : std::string("N\\A"));
    QCOMPARE(platform.m_messages.size(), size_t(own ? 0 : 1));
    if (!own) QCOMPARE(platform.m_messages[0].text, WithPath(kTxtExported, dir.filePath(written)));
  }

  // Save as proposes the file's name; an export keeps the list's own file,
  // which a plain Save writes again, while a failed one keeps the export
  // target; a name without writing reaches no disk. A failed save keeps the
  // chosen target.
  void saveAsKeepsOrTakesTheTarget() {
    const QString path = Path(u"Lista.vk2"_s), html = Path(u"Lista.html"_s);
    CFakePlatform platform;
    CWordList list(&platform);
    OpenTwoWordList(list, path);
    platform.QueueCancelFile();
    QCOMPARE(list.SaveAs(true), FileResult::Cancelled);
    QCOMPARE(platform.m_dialogs.back().request.initialPath, Path(u"Lista"_s));
    platform.QueueFile(html, 3);
    QCOMPARE(list.SaveAs(true), FileResult::Done);
    QCOMPARE(Target(list), path + u"|Lista.vk2|VK2|0|1"_s);
    (void)list.AddWord("ny", "new", 0);
    const QByteArray page = ReadAll(html);
    QCOMPARE(list.Save(), FileResult::Done);
    QCOMPARE(ReadAll(html), page);
    QCOMPARE(GetIniInt("INFO", "ANTAL", path), 3);
    platform.QueueFile(Path(u"no-such-folder/Lista.html"_s), 3);
    QCOMPARE(list.SaveAs(true), FileResult::Failed);
    QCOMPARE(list.GetExtension(), u"HTML"_s);         // until the next Save as
    QCOMPARE(platform.m_messages.size(), size_t(1));  // the first export's
    platform.QueueFile(Path(u"later"_s), 2);
    QCOMPARE(list.SaveAs(false), FileResult::Done);
    QCOMPARE(list.GetPath(), Path(u"later.vk1"_s));
    QVERIFY(!QFile::exists(Path(u"later.vk1"_s)));

    CWordList fresh(&platform);
    (void)fresh.AddWord("a", "b", 0);
    platform.QueueFile(Path(u"no-such-folder/Lista.vk2"_s), 1);
    QCOMPARE(fresh.Save(), FileResult::Failed);
    QVERIFY(fresh.GetPath() == Path(u"no-such-folder/Lista.vk2"_s) && fresh.IsModified());
  }

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
        "xx GLOSOR xx\n\n\n 2 \n\n  house \r\r\n\t\nhus\ncat\n\nkatt", 0, 2, "hus|house",
        "katt|cat");
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
    row("skv quote never closed before the separator", "skv", "\";b\n", 0, 1, "\"|b");
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
    ListFileSource source;  // the reader itself stops at a full list
    source.type = QString::fromLatin1(extension.toUpper());
    ListFileContent raw;
    (void)CListFileIo::ReadBytes(source, content.toStdString(), raw);
    QVERIFY(raw.words.size() <= size_t(CWordList::kMaxWords));
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

    // A file of the largest size is read; one byte more is refused.
    QFile large(dir.filePath(u"large.txt"_s));
    QVERIFY(large.open(QIODevice::WriteOnly) && large.write("a\tb\n") == 4);
    QVERIFY(large.resize(kMaxListFileBytes) && large.flush());
    QCOMPARE(list.OpenFile(large.fileName()), FileResult::Done);
    list.SetModified(false);
    QVERIFY(large.resize(kMaxListFileBytes + 1) && large.flush());
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

  // Each row: the file, and what is read, names first and then every word as
  // "foreign|translation", one a line ('*': the default names).
  void csvReading_data() {
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
    // The delimiter: the one whose rows split alike wins a tie, empty first
    // fields count, and only the first 20 rows are looked at.
    row("commas split alike", "a,b;c\nd;e,f;g\n", "a|b;c\nd;e|f;g");
    row("first fields empty", ";x\n;y\n", "|x\n|y");
    row("quoted fields count", "\"a,b\";c\n\"d,e\";f\n", "a,b|c\nd,e|f");
    QByteArray tabs = QByteArray("a\tb\n").repeated(10) + QByteArray("c;d\n").repeated(15);
    row("twenty rows decide", tabs, "a|b" + QByteArray("\na|b").repeated(9));
    QByteArray many = "A;B\n", kept = "A|B";
    for (int i = 0; i < 301; ++i) many += "w" + QByteArray::number(i) + ";t\n";
    for (int i = 0; i < 300; ++i) kept += "\nw" + QByteArray::number(i) + "|t";
    row("301 rows", many, kept);
  }

  void csvReading() {
    QFETCH(QByteArray, content);
    QFETCH(bool, header);
    QFETCH(QByteArray, read);
    CFakePlatform platform;
    CWordList list(&platform);
    list.SetCsvQuestion(Answer(true, nullptr, header));
    QCOMPARE(Read("csv", content, list), FileResult::Done);
    QVERIFY(platform.m_messages.empty());
    QByteArray got = Names(list);
    for (int i = 0; i < list.GetCount(); ++i) got += '\n' + Pair(list, i);
    const std::string names = LangText(kTxtFirstLanguage) + '|' + LangText(kTxtSecondLanguage);
    QCOMPARE(got, QByteArray::fromStdString(U(read)).replace('*', names));
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
    const QString path = m_dir.filePath(u"input.csv"_s);
    QVERIFY(WriteFile(path, kBom + text));
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
    list.SetFirstLanguage(U(texts[0]));
    list.SetSecondLanguage(U(texts[1]));
    for (qsizetype i = 2; i + 1 < texts.size(); i += 2)
      (void)list.AddWord(U(texts[i]), U(texts[i + 1]));
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
    QCOMPARE(GetIniValue("INFO", "TITLE", m_dir.filePath(u"none"_s)), std::string("ERROR"));
    QCOMPARE(GetIniInt("INFO", "ANTAL", m_dir.path()), -1);
  }
};

QTEST_GUILESS_MAIN(TestWordListFiles)
#include "tst_WordListFiles.moc"
