#include <QtTest>

#include <QTemporaryDir>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "lang/LangText.h"
#include "wordlist/IniFile.h"
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

}  // namespace

class TestWordList : public QObject {
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
    QCOMPARE(list.GetCount(), 300);
    for (int bad : {301, -1}) {
      QCOMPARE(list.SetWord(bad, "x", "x", 0), WordResult::BadIndex);
      QCOMPARE(list.DeleteWord(bad), WordResult::BadIndex);
      QCOMPARE(list.GetForeign(bad) + list.GetTranslation(bad), std::string());
      QCOMPARE(list.FindForeign(bad, "f1"), -1);
    }
    QCOMPARE(list.FindTranslation(300, "spare"), 300);

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
    QCOMPARE(list.GetForeign(2) + list.GetTranslation(2), std::string());
    // Deleting and clearing leave the modified flag to the caller.
    list.ClearWords();
    QCOMPARE(list.GetCount(), 0);
    QVERIFY(!list.IsModified());
    QCOMPARE(list.FindForeign(0, "b"), -1);

    // Finding is exact and case sensitive, from the given index on.
    list = ListOf({{"bank", "bench", 1}, {"apa", "monkey"}, {"bank", "bank (money)", 2}});
    QCOMPARE(list.FindForeign(0, "Bank"), -1);
    QCOMPARE(list.FindForeign(1, "bank"), 2);
    QCOMPARE(list.FindTranslation(0, "monkey") * 10 + list.FindTranslation(0, "monke"), 10 - 1);

    // Sorting like a sequence takes each entry once; a sequence that misses
    // words or names unknown ones loses nothing.
    list.SetModified(0);
    list.SortLike({"apa", "bank", "bank"});
    QCOMPARE(WordsOf(list),
             (QStringList{u"apa/monkey/0"_s, u"bank/bench/1"_s, u"bank/bank (money)/2"_s}));
    QCOMPARE(list.GetNumber(2), 2);
    QVERIFY(!list.IsModified());
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
    QVERIFY(list.IsModified());
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
    QCOMPARE(Target(list), UntitledTarget(false));
    QCOMPARE(list.GetDisplayName(), LangQText(kTxtUntitled));
    QCOMPARE(list.GetCreator(), std::string("N\\A"));
    QVERIFY(!CWordList::DefaultOwner().empty());
    QCOMPARE(Information(list), LangQText(kTxtUntitled) + u'|' +
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
    const QString target = saveTarget.isEmpty() ? QString() : Path(saveTarget);
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
    QCOMPARE(list.OpenFile(Path(u"kept.vk2"_s)), FileResult::Cancelled);
    platform.QueueCancelFile();
    list.NewList();
    QCOMPARE(list.GetCount(), 1);
    list.NewList();
    QCOMPARE(list.GetCount(), 0);
    QVERIFY(!list.IsModified());
    QCOMPARE(platform.m_messages.size(), size_t(4));
    // Without a platform nothing is asked, and nothing closes unsaved.
    CWordList silent;
    (void)silent.AddWord("a", "b", 0);
    QVERIFY(!silent.QueryClose());
    QCOMPARE(silent.OpenWithDialog(), FileResult::Cancelled);
    QCOMPARE(silent.SaveAs(true), FileResult::Cancelled);
  }

  void openWithDialog() {
    const QString path = Path(u"dialog.vk2"_s);
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
    QCOMPARE(list.GetTitle(), std::string("Två ord"));
    QCOMPARE(Target(list), path + u"|dialog.vk2|VK2|0|0"_s);
    QCOMPARE(platform.m_waitDepth, 0);
    QVERIFY(platform.m_waitCalls > 0);
  }

  void flagsAfterReading_data() {
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("untitled");
    const QByteArray vk = "[INFO]\r\nVERSION=2.0\r\nANTAL=1\r\n[WORDS]\r\n1=a\r\n1B=b\r\n";
    QTest::newRow("vk2") << u"vk2"_s << vk << false;
    QTest::newRow("vk1") << u"vk1"_s << QByteArray(vk).replace("2.0", "1.0").replace("1B", "1T")
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
    const QString path = Path(name);
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
    const QString good = Path(u"good.vk2"_s);
    const QString bad = Path(name);
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
    row("Lista", 1, "", "Lista.vk2", "VERSION=2.0\r\n");
    row("Lista", 2, "Mina ord", "Lista.vk1", "VERSION=1.0\r\n");
    row("Lista", 3, "", "Lista.html", "<td>hus</td>");
    row("Lista", 4, "Mina ord", "Lista.ord", "GLOSOR\r\n");
    row("Lista", 5, "", "Lista.txt", "hus\thouse\r\n");
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
    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    QCOMPARE(platform.m_dialogs[0].request.filter, LangQText(kTxtSaveFilter));
    QVERIFY(platform.m_dialogs[0].request.overwritePrompt);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    QVERIFY(ReadAll(dir.filePath(written)).contains(line));
    QCOMPARE(QString::fromStdString(list.GetTitle()),
             title.isEmpty() ? written.left(written.lastIndexOf(u'.')).replace(u"\r\n"_s, u" "_s)
                             : title);
    // A list file becomes the list's own; an export leaves the list as it
    // was and says where it wrote.
    if (entry <= 2 || entry > 7) {
      QCOMPARE(Target(list), dir.filePath(written) + u'|' + written + u'|' +
                                 written.right(3).toUpper() + u"|0|0"_s);
      QCOMPARE(list.GetCreator(), LangText(kTxtProgramName));
      QVERIFY(platform.m_messages.empty());
    } else {
      QCOMPARE(Target(list), UntitledTarget(true));
      QCOMPARE(platform.m_messages.size(), size_t(1));
      QCOMPARE(platform.m_messages[0].text, WithPath(kTxtExported, dir.filePath(written)));
      QCOMPARE(platform.m_messages[0].icon, MessageIcon::Information);
    }
  }

  void saveAsProposalAndExport() {
    const QString path = Path(u"Lista.vk2"_s);
    CFakePlatform platform;
    CWordList list(&platform);
    OpenTwoWordList(list, path);
    platform.QueueCancelFile();
    QCOMPARE(list.SaveAs(true), FileResult::Cancelled);
    QCOMPARE(platform.m_dialogs.back().request.initialPath, Path(u"Lista"_s));
    QCOMPARE(Target(list), path + u"|Lista.vk2|VK2|0|0"_s);

    // An export keeps the list's own file: a plain Save writes it again.
    const QString html = Path(u"Lista.html"_s);
    platform.QueueFile(html, 3);
    QCOMPARE(list.SaveAs(true), FileResult::Done);
    QCOMPARE(Target(list), path + u"|Lista.vk2|VK2|0|1"_s);
    (void)list.AddWord("ny", "new", 0);
    const QByteArray page = ReadAll(html);
    QCOMPARE(list.Save(), FileResult::Done);
    QCOMPARE(ReadAll(html), page);
    QCOMPARE(GetIniInt("INFO", "ANTAL", path), 3);

    // A name without writing: nothing reaches the disk.
    platform.QueueFile(Path(u"later"_s), 2);
    QCOMPARE(list.SaveAs(false), FileResult::Done);
    QCOMPARE(list.GetPath(), Path(u"later.vk1"_s));
    QVERIFY(!QFile::exists(Path(u"later.vk1"_s)));
  }

  void failedWriteKeepsTarget() {
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    (void)list.AddWord("a", "b", 0);
    const QString target = Path(u"no-such-folder/Lista.vk2"_s);
    platform.QueueFile(target, 1);
    QCOMPARE(list.Save(), FileResult::Failed);
    QCOMPARE(list.GetPath(), target);
    QVERIFY(list.IsModified());

    // A failed export keeps the export target until the next Save as.
    platform.QueueFile(Path(u"no-such-folder/Lista.html"_s), 3);
    QCOMPARE(list.SaveAs(true), FileResult::Failed);
    QCOMPARE(list.GetExtension(), u"HTML"_s);
    QVERIFY(platform.m_messages.empty());

    // A title taken from a file name is one line, version 1 having none.
    const QString twoLines = Path(u"two\nlines.vk1"_s);
    QCOMPARE(ListOf({{"a", "b"}}).SaveTo(twoLines, u"VK1"_s), FileResult::Done);
    CWordList read;
    QCOMPARE(read.OpenFile(twoLines), FileResult::Done);
    QCOMPARE(read.GetTitle(), std::string("two lines"));
  }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_WordList.moc"
