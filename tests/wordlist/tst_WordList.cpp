#include <QtTest>

#include <QTemporaryDir>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "lang/LangText.h"
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

// What the list says about itself: "title|owner|description|first|second".
QString Information(const CWordList& list) {
  return QString::fromStdString(list.GetTitle() + '|' + list.GetOwner() + '|' +
                                list.GetDescription() + '|' + list.GetFirstLanguage() + '|' +
                                list.GetSecondLanguage());
}

QString DefaultLanguages() {
  return LangQText(kTxtFirstLanguage) + u'|' + LangQText(kTxtSecondLanguage);
}

}  // namespace

class TestWordList : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

  // A list that belongs to a freshly written version 2 file with two words.
  void OpenTwoWordList(CWordList& list, const QString& path) {
    CWordList source = ListOf({{"hus", "house", 1}, {"katt", "cat"}});
    source.SetOwner("Eva");
    source.SetTitle("Tv\xC3\xA5 ord");
    QCOMPARE(source.SaveTo(path, u"VK2"_s), FileResult::Done);
    QCOMPARE(list.OpenFile(path), FileResult::Done);
  }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(m_dir.isValid()); }

  // --- words --------------------------------------------------------------

  void fullTableAndSpareSlot() {
    CWordList list;
    FillWords(list, 300);
    const CWordList::SlotTable before = list.GetSlotTable();
    QCOMPARE(list.AddWord("extra", "extra", 0), WordResult::ListFull);
    for (int i = 0; i < CWordList::kSlotCount; ++i)
      QCOMPARE(list.GetSlotTable()[i].m_foreign, before[i].m_foreign);
    QCOMPARE(list.FindForeign(0, "f299"), 299);

    QCOMPARE(list.SetWord(300, "spare", "spare", 0), WordResult::Done);
    QCOMPARE(list.GetCount(), 300);
    QCOMPARE(list.SetWord(301, "x", "x", 0), WordResult::BadIndex);
    QCOMPARE(list.SetWord(-1, "x", "x", 0), WordResult::BadIndex);
    QCOMPARE(list.GetForeign(301) + list.GetForeign(-1), std::string());
    QCOMPARE(list.GetTranslation(300), std::string("spare"));
    QCOMPARE(list.FindTranslation(300, "spare"), 300);
    QCOMPARE(list.FindForeign(301, "f1"), -1);
    QCOMPARE(list.FindForeign(-1, "f1"), -1);

    // Deleting from the full table moves the spare slot down and empties it.
    QCOMPARE(list.DeleteWord(0), WordResult::Done);
    QCOMPARE(list.GetForeign(298) + list.GetForeign(299), std::string("f299spare"));
    QCOMPARE(list.GetSlotTable()[300].m_used, 0);
    QCOMPARE(list.DeleteWord(300), WordResult::Done);
  }

  void deleteMovesWordsAndMarks() {
    CWordList list = ListOf({{"a", "A", 1}, {"b", "B", 2}, {"c", "C"}});
    QCOMPARE(list.IsModified(), true);  // adding marks the list
    list.SetModified(0);
    QCOMPARE(list.DeleteWord(0), WordResult::Done);
    QCOMPARE(WordsOf(list), (QStringList{u"b/B/2"_s, u"c/C/0"_s}));
    // Running numbers belong to the slot positions.
    QCOMPARE(list.GetNumber(0) * 10 + list.GetNumber(1), 12);
    QCOMPARE(list.GetSlotTable()[2].m_used, 0);
    QCOMPARE(list.GetForeign(2) + list.GetTranslation(2), std::string());

    QCOMPARE(list.DeleteWord(1), WordResult::Done);
    QCOMPARE(list.DeleteWord(301), WordResult::BadIndex);
    QCOMPARE(list.DeleteWord(-1), WordResult::BadIndex);
    QCOMPARE(WordsOf(list), QStringList{u"b/B/2"_s});
    // Deleting and clearing leave the modified flag to the caller.
    list.ClearWords();
    QCOMPARE(list.GetCount(), 0);
    QCOMPARE(list.IsModified(), false);
  }

  void findIsExactAndCaseSensitive() {
    CWordList list;
    QCOMPARE(list.FindForeign(0, "hus"), -1);
    list = ListOf({{"hus", "house"}, {"hund", "dog"}});
    QCOMPARE(list.FindForeign(0, "Hus"), -1);
    QCOMPARE(list.FindForeign(0, "hus"), 0);
    QCOMPARE(list.FindForeign(1, "hus"), -1);
    QCOMPARE(list.FindTranslation(0, "dog"), 1);
    QCOMPARE(list.FindTranslation(0, "do"), -1);
  }

  void sortLikePairsEachEntryOnce() {
    CWordList list = ListOf({{"bank", "bench", 1}, {"apa", "monkey"}, {"bank", "bank (money)", 2}});
    list.SetModified(0);
    list.SortLike({"apa", "bank", "bank"});
    QCOMPARE(WordsOf(list),
             (QStringList{u"apa/monkey/0"_s, u"bank/bench/1"_s, u"bank/bank (money)/2"_s}));
    QCOMPARE(list.GetNumber(2), 2);
    QCOMPARE(list.IsModified(), false);

    // A sequence that misses words or names unknown ones loses nothing.
    list.SortLike({"zebra", "bank"});
    QCOMPARE(WordsOf(list),
             (QStringList{u"bank/bench/1"_s, u"apa/monkey/0"_s, u"bank/bank (money)/2"_s}));
  }

  void shuffleKeepsEveryWord() {
    CWordList list;
    FillWords(list, 300);
    list.SetModified(0);
    const auto entries = [&list] {
      QStringList all = WordsOf(list);
      for (int i = 0; i < 300; ++i) all[i] += u'/' + QString::number(list.GetNumber(i));
      return all;
    };
    QStringList before = entries();
    list.Shuffle(7);
    QCOMPARE(list.IsModified(), true);
    QStringList after = entries();
    int moved = 0;
    for (int i = 0; i < 300; ++i) moved += after[i] != before[i];
    QVERIFY(moved > 250);
    before.sort();
    after.sort();
    QCOMPARE(after, before);

    CWordList again;
    FillWords(again, 300);
    again.Shuffle(7);
    QCOMPARE(WordsOf(again), WordsOf(list));
    CWordList empty;
    empty.Shuffle();
    QCOMPARE(empty.GetCount(), 0);
  }

  // --- file operations ----------------------------------------------------

  void newListDefaults() {
    CFakePlatform platform;
    CWordList list(&platform);
    (void)list.AddWord("a", "b", 0);
    list.SetDescription("old");
    list.SetModified(0);
    list.NewList();
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(list.GetCount(), 0);
    const QString untitled = LangQText(kTxtUntitled);
    QCOMPARE(Target(list), untitled + u'|' + untitled + u"||1|0"_s);
    QCOMPARE(list.GetDisplayName(), untitled);
    QCOMPARE(list.GetCreator(), std::string("N\\A"));
    QVERIFY(!CWordList::DefaultOwner().empty());
    QCOMPARE(Information(list), untitled + u'|' +
                                    QString::fromStdString(CWordList::DefaultOwner()) + u"||"_s +
                                    DefaultLanguages());
  }

  void queryClose_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveTarget");  // empty: the save dialog is cancelled
    QTest::addColumn<int>("filter");          // the type chosen in the save dialog
    QTest::addColumn<bool>("expected");
    QTest::addColumn<bool>("written");
    QTest::newRow("unchanged") << false << 0 << QString() << 1 << true << false;
    QTest::newRow("no") << true << int(kIdNo) << QString() << 1 << true << false;
    QTest::newRow("cancel") << true << int(kIdCancel) << QString() << 1 << false << false;
    QTest::newRow("yes, saved") << true << int(kIdYes) << u"closed.vk2"_s << 1 << true << true;
    QTest::newRow("yes, save as cancelled")
        << true << int(kIdYes) << QString() << 1 << false << false;
    QTest::newRow("yes, save fails")
        << true << int(kIdYes) << u"missing/closed.vk2"_s << 1 << false << false;
    // An export is no save: the list would be lost with the window.
    QTest::newRow("yes, only exported")
        << true << int(kIdYes) << u"closed.html"_s << 3 << false << true;
  }

  void queryClose() {
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(QString, saveTarget);
    QFETCH(int, filter);
    QFETCH(bool, expected);
    QFETCH(bool, written);
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    (void)list.AddWord("a", "b", 0);
    list.SetModified(modified);
    platform.m_answers.push_back(answer);
    const QString target = saveTarget.isEmpty() ? QString() : m_dir.filePath(saveTarget);
    QFile::remove(target);
    platform.QueueFile(target, filter);

    QCOMPARE(list.QueryClose(), expected);
    // An export says where it wrote.
    QCOMPARE(platform.m_messages.size(), size_t(modified ? (filter == 3 ? 2 : 1) : 0));
    if (!modified) return;
    QCOMPARE(platform.m_messages[0].text,
             LangQText(kTxtSaveQuestion) + u'\n' + LangQText(kTxtUntitled) + u" ?"_s);
    QCOMPARE(platform.m_messages[0].buttons, MessageButtons::YesNoCancel);
    QCOMPARE(platform.m_messages[0].icon, MessageIcon::Question);
    QCOMPARE(QFile::exists(target), written);
    QCOMPARE(list.IsModified(), expected == 1 && written ? 0 : 1);
  }

  void saveQuestionStopsReplacing() {
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    (void)list.AddWord("a", "b", 0);
    // Cancel stops New and Open; so does Yes with a cancelled Save as.
    platform.m_answers = {kIdCancel, kIdCancel, kIdYes, kIdNo};
    list.NewList();
    QCOMPARE(list.OpenFile(Path("kept.vk2")), FileResult::Cancelled);
    platform.QueueCancelFile();
    list.NewList();
    QCOMPARE(list.GetCount(), 1);
    list.NewList();
    QCOMPARE(list.GetCount(), 0);
    QCOMPARE(list.IsModified(), false);
    QCOMPARE(platform.m_messages.size(), size_t(4));
  }

  void openWithDialog() {
    const QString path = Path("dialog.vk2");
    CFakePlatform platform;
    CWordList list(&platform);
    OpenTwoWordList(list, path);
    list.SetModified(1);

    // Cancelling the dialog asks nothing and changes nothing.
    platform.QueueCancelFile();
    QCOMPARE(list.OpenWithDialog(), FileResult::Cancelled);
    QVERIFY(platform.m_messages.empty());
    QVERIFY(!platform.m_dialogs.back().save);
    QCOMPARE(platform.m_dialogs.back().request.initialPath, path);
    QCOMPARE(platform.m_dialogs.back().request.filter, LangQText(kTxtOpenFilter));

    // The dialog comes first, then the save question.
    platform.QueueFile(path);
    platform.m_answers.push_back(kIdNo);
    QCOMPARE(list.OpenWithDialog(), FileResult::Done);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(list.GetTitle(), std::string("Tv\xC3\xA5 ord"));
    QCOMPARE(Target(list), path + u"|dialog.vk2|VK2|0|0"_s);
    QCOMPARE(list.GetCount(), 2);
    QCOMPARE(platform.m_waitDepth, 0);
    QVERIFY(platform.m_waitCalls > 0);
  }

  void flagsAfterReading_data() {
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("untitled");
    QTest::newRow("vk2") << u"vk2"_s
                         << QByteArray(
                                "[INFO]\r\nVERSION=2.0\r\nANTAL=1\r\n[WORDS]\r\n1=a\r\n1B=b\r\n")
                         << false;
    QTest::newRow("vk1") << u"vk1"_s
                         << QByteArray(
                                "[INFO]\r\nVERSION=1.0\r\nANTAL=1\r\n[WORDS]\r\n1=a\r\n1T=b\r\n")
                         << false;
    QTest::newRow("ord") << u"ord"_s << QByteArray("GLOSOR\r\n1\r\n\r\nb\r\na\r\n") << true;
    QTest::newRow("txt") << u"txt"_s << QByteArray("a\tb\r\n") << true;
    QTest::newRow("skv") << u"skv"_s << QByteArray("a;b\r\n") << true;
    QTest::newRow("scv") << u"scv"_s << QByteArray("a;b") << true;
  }

  void flagsAfterReading() {
    QFETCH(QString, extension);
    QFETCH(QByteArray, content);
    QFETCH(bool, untitled);
    const QString name = u"Lista."_s + extension;
    const QString path = m_dir.filePath(name);
    QVERIFY(WriteFile(path, content));
    CFakePlatform platform;
    CWordList list(&platform);
    list.SetOwner("previous owner");
    list.SetDescription("previous description");
    QCOMPARE(list.OpenFile(path), FileResult::Done);
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(WordsOf(list), QStringList{u"a/b/0"_s});
    const QString untitledName = LangQText(kTxtUntitled);
    QCOMPARE(Target(list), (untitled ? untitledName + u'|' + untitledName : path + u'|' + name) +
                               u'|' + extension.toUpper() + (untitled ? u"|1|1"_s : u"|0|0"_s));
    QCOMPARE(list.GetDisplayName(), untitled ? untitledName : name);
    QCOMPARE(Information(list), u"Lista|||"_s + DefaultLanguages());

    // An imported list is never written back over its file by a plain Save.
    if (untitled) {
      platform.QueueCancelFile();
      QCOMPARE(list.Save(), FileResult::Cancelled);
      QVERIFY(platform.m_dialogs.back().save);
      QCOMPARE(ReadAll(path), content);
    }
  }

  void rejectedFileKeepsPreviousList_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");  // null: no file at all
    QTest::newRow("vk2 of version 1") << u"bad.vk2"_s << QByteArray("[INFO]\r\nVERSION=1.0\r\n");
    QTest::newRow("vk1 without version") << u"bad.vk1"_s << QByteArray("[INFO]\r\n");
    QTest::newRow("ord without GLOSOR") << u"bad.ord"_s << QByteArray("ORD\r\n2\r\n");
    QTest::newRow("html") << u"bad.html"_s << QByteArray("<html></html>");
    QTest::newRow("unknown type") << u"bad.xyz"_s << QByteArray("x");
    for (const char* missing : {"none.vk2", "none.txt", "none.ord", "none.skv"})
      QTest::newRow(missing) << QString::fromLatin1(missing) << QByteArray();
  }

  void rejectedFileKeepsPreviousList() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    const QString good = Path("good.vk2");
    const QString bad = m_dir.filePath(name);
    QFile::remove(bad);
    if (!content.isNull()) QVERIFY(WriteFile(bad, content));

    CFakePlatform platform;
    CWordList list(&platform);
    OpenTwoWordList(list, good);
    const QByteArray goodBytes = ReadAll(good);

    QCOMPARE(list.OpenFile(bad), FileResult::Failed);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages[0].text, WithPath(kTxtFileRejected, bad));
    QCOMPARE(platform.m_messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(platform.m_messages[0].icon, MessageIcon::None);
    QCOMPARE(Target(list), good + u"|good.vk2|VK2|0|0"_s);
    QCOMPARE(list.GetCount(), 2);
    QCOMPARE(list.GetOwner(), std::string("Eva"));

    // A plain Save writes the list's own file; the rejected one is untouched.
    (void)list.AddWord("ny", "new", 0);
    QCOMPARE(list.Save(), FileResult::Done);
    QVERIFY(ReadAll(good) != goodBytes);
    QCOMPARE(ReadAll(bad), content.isNull() ? QByteArray() : content);
    QCOMPARE(QFile::exists(bad), !content.isNull());
  }

  void saveAsNaming_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("written");
    QTest::newRow("entry 2 adds .vk1") << u"Lista"_s << 2 << u"Lista.vk1"_s;
    QTest::newRow("typed VK2 stays") << u"Lista.VK2"_s << 1 << u"Lista.VK2"_s;
    QTest::newRow("other extension gets .vk2") << u"Lista.txt"_s << 1 << u"Lista.txt.vk2"_s;
    QTest::newRow("unknown entry is VK2") << u"Lista"_s << 9 << u"Lista.vk2"_s;
  }

  void saveAsNaming() {
    QFETCH(QString, typed);
    QFETCH(int, entry);
    QFETCH(QString, written);
    QTemporaryDir dir;
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    (void)list.AddWord("hus", "house", 0);
    platform.QueueFile(dir.filePath(typed), entry);
    QCOMPARE(list.SaveAs(true), FileResult::Done);
    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    QCOMPARE(platform.m_dialogs[0].request.filter, LangQText(kTxtSaveFilter));
    QVERIFY(platform.m_dialogs[0].request.overwritePrompt);
    QCOMPARE(Target(list), dir.filePath(written) + u'|' + written + u'|' +
                               written.right(3).toUpper() + u"|0|0"_s);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(list.GetTitle(), written.chopped(4).toStdString());
    QCOMPARE(list.GetCreator(), LangText(kTxtProgramName));
  }

  void saveAsProposalAndCancel() {
    const QString path = Path("proposal.vk2");
    CFakePlatform platform;
    CWordList list(&platform);
    OpenTwoWordList(list, path);

    platform.QueueCancelFile();
    QCOMPARE(list.SaveAs(true), FileResult::Cancelled);
    QCOMPARE(platform.m_dialogs.back().request.initialPath, Path("proposal"));
    QCOMPARE(Target(list), path + u"|proposal.vk2|VK2|0|0"_s);

    // A name without writing: nothing reaches the disk.
    platform.QueueFile(Path("later"), 2);
    QCOMPARE(list.SaveAs(false), FileResult::Done);
    QCOMPARE(list.GetPath(), Path("later.vk1"));
    QVERIFY(!QFile::exists(Path("later.vk1")));
  }

  // A title taken from a file name is one line too.
  void fileNameWithLineBreakMakesOneLineTitle() {
    // Version 1 has no title of its own.
    const QString path = m_dir.filePath(u"two\nlines.vk1"_s);
    QCOMPARE(ListOf({{"a", "b"}}).SaveTo(path, u"VK1"_s), FileResult::Done);
    CWordList list;
    QCOMPARE(list.OpenFile(path), FileResult::Done);
    QCOMPARE(list.GetTitle(), std::string("two lines"));
    CFakePlatform platform;
    CWordList untitled(&platform);
    untitled.NewList();
    platform.QueueFile(m_dir.filePath(u"new\r\nname"_s), 1);
    QCOMPARE(untitled.SaveAs(false), FileResult::Done);
    QCOMPARE(untitled.GetTitle(), std::string("new name"));
  }

  void exportKeepsTheOwnFile() {
    const QString path = Path("Lista.vk2");
    const QString html = Path("Lista.html");
    CFakePlatform platform;
    CWordList list(&platform);
    OpenTwoWordList(list, path);

    platform.QueueFile(html, 3);
    QCOMPARE(list.SaveAs(true), FileResult::Done);
    QVERIFY(QFile::exists(html));
    QCOMPARE(Target(list), path + u"|Lista.vk2|VK2|0|1"_s);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages[0].text, WithPath(kTxtExported, html));
    QCOMPARE(platform.m_messages[0].icon, MessageIcon::Information);
    QCOMPARE(platform.m_messages[0].buttons, MessageButtons::Ok);

    // A plain Save now writes the version 2 file again.
    (void)list.AddWord("ny", "new", 0);
    const QByteArray page = ReadAll(html);
    QCOMPARE(list.Save(), FileResult::Done);
    QCOMPARE(ReadAll(html), page);
    CWordList check;
    QCOMPARE(check.OpenFile(path), FileResult::Done);
    QCOMPARE(check.GetCount(), 3);

    // An untitled list stays untitled after an export.
    list.NewList();
    (void)list.AddWord("a", "b", 0);
    platform.QueueFile(Path("untitled-export"), 5);
    QCOMPARE(list.SaveAs(true), FileResult::Done);
    QVERIFY(QFile::exists(Path("untitled-export.txt")));
    QCOMPARE(list.IsUntitled(), true);
    QCOMPARE(list.GetDisplayName(), LangQText(kTxtUntitled));
    const size_t dialogs = platform.m_dialogs.size();
    platform.QueueCancelFile();
    QCOMPARE(list.Save(), FileResult::Cancelled);
    QCOMPARE(platform.m_dialogs.size(), dialogs + 1);
  }

  void failedWriteKeepsTarget() {
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    (void)list.AddWord("a", "b", 0);
    const QString target = Path("no-such-folder/Lista.vk2");
    platform.QueueFile(target, 1);
    QCOMPARE(list.Save(), FileResult::Failed);
    QCOMPARE(list.GetPath(), target);
    QCOMPARE(list.IsModified(), true);

    // A failed export keeps the export target until the next Save as.
    platform.QueueFile(Path("no-such-folder/Lista.html"), 3);
    QCOMPARE(list.SaveAs(true), FileResult::Failed);
    QCOMPARE(list.GetExtension(), u"HTML"_s);
    QVERIFY(platform.m_messages.empty());
  }

  void nullPlatformNeverAsks() {
    CWordList list;
    (void)list.AddWord("a", "b", 0);
    QVERIFY(!list.QueryClose());
    QCOMPARE(list.OpenWithDialog(), FileResult::Cancelled);
    QCOMPARE(list.SaveAs(true), FileResult::Cancelled);
  }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_WordList.moc"
