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
    QCOMPARE(list.GetCount() + list.FindTranslation(300, "spare"), 300 + 300);
    for (int bad : {301, -1}) {
      QCOMPARE(list.SetWord(bad, "x", "x", 0), WordResult::BadIndex);
      QCOMPARE(list.DeleteWord(bad), WordResult::BadIndex);
      QCOMPARE(list.GetForeign(bad) + list.GetTranslation(bad), std::string());
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
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_WordList.moc"
