#include <QtTest>

#include <QTemporaryDir>
#include <set>
#include <tuple>

#include "Cp1252.h"
#include "FakePlatform.h"
#include "LangText.h"
#include "WordList.h"
#include "WordListTexts.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& data) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(data), data.size());
}

std::string Word(const char* prefix, int i) {
  return prefix + std::to_string(i);
}

void FillWords(CWordList& list, int count) {
  for (int i = 0; i < count; ++i) list.AddWord(Word("f", i), Word("t", i), i % 3);
}

QString SaveQuestion(const QString& path) {
  return LangQText(kTxtSaveQuestion) + QLatin1String("\n") + path + QLatin1String(" ?");
}

QString WithPath(unsigned text, const QString& path) {
  QString s = LangQText(text);
  s.replace(s.indexOf(QLatin1String("%s")), 2, path);
  return s;
}

}  // namespace

class TestWordList : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

  // A list that belongs to a freshly written version 2 file with two words.
  void OpenTwoWordList(CWordList& list, const QString& path) {
    CWordList source;
    source.AddWord("hus", "house", 1);
    source.AddWord("katt", "cat", 0);
    source.SetOwner("Eva");
    source.SetTitle("Tv\xE5 ord");
    QCOMPARE(source.SaveTo(path, QStringLiteral("VK2")), 0);
    QCOMPARE(list.OpenFile(path), 0);
  }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(m_dir.isValid()); }

  // --- words --------------------------------------------------------------

  void fullTableAndSpareSlot() {
    CWordList list;
    QCOMPARE(list.GetCount(), 0);
    FillWords(list, 300);
    QCOMPARE(list.GetCount(), 300);
    const CWordList::SlotTable before = list.GetSlotTable();
    QCOMPARE(list.AddWord("extra", "extra", 0), -1);
    for (int i = 0; i < CWordList::kSlotCount; ++i)
      QCOMPARE(list.GetSlotTable()[i].m_foreign, before[i].m_foreign);
    QCOMPARE(list.FindForeign(0, "f299"), 299);

    QCOMPARE(list.SetWord(300, "spare", "spare", 0), 0);
    QCOMPARE(list.GetCount(), 300);
    QCOMPARE(list.SetWord(301, "x", "x", 0), -10);
    QCOMPARE(list.SetWord(-1, "x", "x", 0), -11);
    QCOMPARE(list.GetForeign(301), std::string());
    QCOMPARE(list.GetForeign(-1), std::string());
    QCOMPARE(list.GetTranslation(300), std::string("spare"));
    QCOMPARE(list.FindTranslation(300, "spare"), 300);
    QCOMPARE(list.FindForeign(301, "f1"), -1);
    QCOMPARE(list.FindForeign(-1, "f1"), -2);
  }

  void addAndSetMarkModified() {
    CWordList list;
    QCOMPARE(list.IsModified(), 0);
    QCOMPARE(list.AddWord("a", "b", 2), 0);
    QCOMPARE(list.IsModified(), 1);
    QCOMPARE(list.GetNumber(0), 1);
    QCOMPARE(list.GetMark(0), 2);
    list.SetModified(0);
    list.DeleteWord(0);
    list.ClearWords();
    QCOMPARE(list.IsModified(), 0);
  }

  void deleteMovesWordsAndMarks() {
    CWordList list;
    list.AddWord("a", "A", 1);
    list.AddWord("b", "B", 2);
    list.AddWord("c", "C", 0);
    QCOMPARE(list.DeleteWord(0), 0);
    QCOMPARE(list.GetCount(), 2);
    QCOMPARE(list.GetForeign(0), std::string("b"));
    QCOMPARE(list.GetTranslation(0), std::string("B"));
    QCOMPARE(list.GetMark(0), 2);
    QCOMPARE(list.GetForeign(1), std::string("c"));
    QCOMPARE(list.GetMark(1), 0);
    // Running numbers belong to the slot positions.
    QCOMPARE(list.GetNumber(0), 1);
    QCOMPARE(list.GetNumber(1), 2);
    QCOMPARE(list.GetSlotTable()[2].m_used, 0);
    QCOMPARE(list.GetForeign(2), std::string());
    QCOMPARE(list.GetTranslation(2), std::string());

    QCOMPARE(list.DeleteWord(1), 0);
    QCOMPARE(list.GetCount(), 1);
    QCOMPARE(list.GetForeign(0), std::string("b"));
    QCOMPARE(list.DeleteWord(301), -1);
    QCOMPARE(list.DeleteWord(-1), -2);
    QCOMPARE(list.GetCount(), 1);
  }

  void deleteFromFullListWithSpareSlot() {
    CWordList list;
    FillWords(list, 300);
    list.SetWord(300, "spare", "S", 0);
    QCOMPARE(list.DeleteWord(0), 0);
    QCOMPARE(list.GetForeign(298), std::string("f299"));
    QCOMPARE(list.GetForeign(299), std::string("spare"));
    QCOMPARE(list.GetSlotTable()[300].m_used, 0);
    QCOMPARE(list.DeleteWord(300), 0);
  }

  void findIsExactAndCaseSensitive() {
    CWordList list;
    QCOMPARE(list.FindForeign(0, "hus"), -1);
    list.AddWord("hus", "house", 0);
    list.AddWord("hund", "dog", 0);
    QCOMPARE(list.FindForeign(0, "Hus"), -1);
    QCOMPARE(list.FindForeign(0, "hus"), 0);
    QCOMPARE(list.FindForeign(1, "hus"), -1);
    QCOMPARE(list.FindTranslation(0, "dog"), 1);
    QCOMPARE(list.FindTranslation(0, "do"), -1);
  }

  void sortLikePairsEachEntryOnce() {
    CWordList list;
    list.AddWord("bank", "bench", 1);
    list.AddWord("apa", "monkey", 0);
    list.AddWord("bank", "bank (money)", 2);
    list.SetModified(0);
    list.SortLike({"apa", "bank", "bank"});
    QCOMPARE(list.GetCount(), 3);
    QCOMPARE(list.GetForeign(0), std::string("apa"));
    QCOMPARE(list.GetTranslation(1), std::string("bench"));
    QCOMPARE(list.GetMark(1), 1);
    QCOMPARE(list.GetTranslation(2), std::string("bank (money)"));
    QCOMPARE(list.GetMark(2), 2);
    QCOMPARE(list.GetNumber(2), 2);
    QCOMPARE(list.IsModified(), 0);

    // A sequence that misses words or names unknown ones loses nothing.
    list.SortLike({"zebra", "bank"});
    QCOMPARE(list.GetCount(), 3);
    QCOMPARE(list.GetTranslation(0), std::string("bench"));
    QCOMPARE(list.GetForeign(1), std::string("apa"));
    QCOMPARE(list.GetTranslation(2), std::string("bank (money)"));
  }

  void shuffleKeepsEveryWord() {
    CWordList list;
    FillWords(list, 300);
    list.SetModified(0);
    using Entry = std::tuple<std::string, std::string, int, int>;
    std::multiset<Entry> before;
    for (int i = 0; i < 300; ++i)
      before.insert(
          {list.GetForeign(i), list.GetTranslation(i), list.GetMark(i), list.GetNumber(i)});

    list.Shuffle(7);
    QCOMPARE(list.GetCount(), 300);
    QCOMPARE(list.IsModified(), 1);
    std::multiset<Entry> after;
    int moved = 0;
    for (int i = 0; i < 300; ++i) {
      after.insert(
          {list.GetForeign(i), list.GetTranslation(i), list.GetMark(i), list.GetNumber(i)});
      if (list.GetForeign(i) != Word("f", i)) ++moved;
    }
    QVERIFY(before == after);
    QVERIFY(moved > 250);

    CWordList again;
    FillWords(again, 300);
    again.Shuffle(7);
    for (int i = 0; i < 300; ++i) QCOMPARE(again.GetForeign(i), list.GetForeign(i));

    CWordList empty;
    empty.Shuffle();
    QCOMPARE(empty.GetCount(), 0);
  }

  // --- file operations ----------------------------------------------------

  void newListDefaults() {
    CFakePlatform platform;
    CWordList list(&platform);
    list.AddWord("a", "b", 0);
    list.SetDescription("old");
    list.SetModified(0);
    list.NewList();
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(list.GetCount(), 0);
    QCOMPARE(list.GetTitle(), LangText(kTxtUntitled));
    QCOMPARE(list.GetFileName(), LangQText(kTxtUntitled));
    QCOMPARE(list.GetPath(), LangQText(kTxtUntitled));
    QCOMPARE(list.GetDisplayName(), LangQText(kTxtUntitled));
    QCOMPARE(list.GetCreator(), std::string("N\\A"));
    QCOMPARE(list.GetDescription(), std::string());
    QCOMPARE(list.GetFirstLanguage(), LangText(kTxtFirstLanguage));
    QCOMPARE(list.GetSecondLanguage(), LangText(kTxtSecondLanguage));
    QCOMPARE(list.GetOwner(), CWordList::DefaultOwner());
    QVERIFY(!CWordList::DefaultOwner().empty());
    QCOMPARE(list.IsUntitled(), 1);
    QCOMPARE(list.IsModified(), 0);
  }

  void queryClose_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveTarget");  // empty: the save dialog is cancelled
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("written");
    QTest::newRow("unchanged") << false << 0 << QString() << 1 << false;
    QTest::newRow("no") << true << int(kIdNo) << QString() << 1 << false;
    QTest::newRow("cancel") << true << int(kIdCancel) << QString() << 2 << false;
    QTest::newRow("yes, saved") << true << int(kIdYes) << QStringLiteral("closed.vk2") << 1 << true;
    QTest::newRow("yes, save as cancelled") << true << int(kIdYes) << QString() << 2 << false;
    QTest::newRow("yes, save fails")
        << true << int(kIdYes) << QStringLiteral("missing/closed.vk2") << 2 << false;
  }

  void queryClose() {
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(QString, saveTarget);
    QFETCH(int, expected);
    QFETCH(bool, written);
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    list.AddWord("a", "b", 0);
    list.SetModified(modified ? 1 : 0);
    platform.m_answers.push_back(answer);
    const QString target = saveTarget.isEmpty() ? QString() : m_dir.filePath(saveTarget);
    QFile::remove(target);
    if (target.isEmpty())
      platform.QueueCancelFile();
    else
      platform.QueueFile(target, 1);

    QCOMPARE(list.QueryClose(), expected);
    if (!modified) {
      QVERIFY(platform.m_messages.empty());
      return;
    }
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages[0].text, SaveQuestion(LangQText(kTxtUntitled)));
    QCOMPARE(platform.m_messages[0].buttons, MessageButtons::YesNoCancel);
    QCOMPARE(platform.m_messages[0].icon, MessageIcon::Question);
    QCOMPARE(QFile::exists(target), written);
    QCOMPARE(list.IsModified(), written ? 0 : 1);
  }

  void saveQuestionStopsReplacing() {
    const QString path = Path("kept.vk2");
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    list.AddWord("a", "b", 0);

    platform.m_answers.push_back(kIdCancel);
    list.NewList();
    QCOMPARE(list.GetCount(), 1);
    platform.m_answers.push_back(kIdCancel);
    QCOMPARE(list.OpenFile(path), 2);
    QCOMPARE(list.GetCount(), 1);

    // Yes with a cancelled Save as stops as well.
    platform.m_answers.push_back(kIdYes);
    platform.QueueCancelFile();
    list.NewList();
    QCOMPARE(list.GetCount(), 1);

    platform.m_answers.push_back(kIdNo);
    list.NewList();
    QCOMPARE(list.GetCount(), 0);
    QCOMPARE(list.IsModified(), 0);
  }

  void openWithDialog() {
    const QString path = Path("dialog.vk2");
    CFakePlatform platform;
    CWordList list(&platform);
    OpenTwoWordList(list, path);
    list.SetModified(1);

    // Cancelling the dialog asks nothing and changes nothing.
    platform.QueueCancelFile();
    QCOMPARE(list.OpenWithDialog(), 2);
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(platform.m_dialogs.back().save, false);
    QCOMPARE(platform.m_dialogs.back().request.initialPath, path);
    QCOMPARE(platform.m_dialogs.back().request.filter, LangQText(kTxtOpenFilter));

    // The dialog comes first, then the save question.
    platform.QueueFile(path);
    platform.m_answers.push_back(kIdNo);
    QCOMPARE(list.OpenWithDialog(), 0);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(list.GetTitle(), std::string("Tv\xE5 ord"));
    QCOMPARE(list.GetExtension(), QStringLiteral("VK2"));
    QCOMPARE(list.GetCount(), 2);
    QCOMPARE(list.IsModified(), 0);
    QCOMPARE(platform.m_waitDepth, 0);
    QVERIFY(platform.m_waitCalls > 0);
  }

  void flagsAfterReading_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("untitled");
    QTest::addColumn<QString>("extension");
    QTest::newRow("vk2") << QStringLiteral("Lista.vk2")
                         << QByteArray(
                                "[INFO]\r\nVERSION=2.0\r\nANTAL=1\r\n[WORDS]\r\n1=a\r\n1B=b\r\n")
                         << false << QStringLiteral("VK2");
    QTest::newRow("vk1") << QStringLiteral("Lista.vk1")
                         << QByteArray(
                                "[INFO]\r\nVERSION=1.0\r\nANTAL=1\r\n[WORDS]\r\n1=a\r\n1T=b\r\n")
                         << false << QStringLiteral("VK1");
    QTest::newRow("ord") << QStringLiteral("Lista.ord")
                         << QByteArray("GLOSOR\r\n1\r\n\r\nb\r\na\r\n") << true
                         << QStringLiteral("ORD");
    QTest::newRow("txt") << QStringLiteral("Lista.txt") << QByteArray("a\tb\r\n") << true
                         << QStringLiteral("TXT");
    QTest::newRow("skv") << QStringLiteral("Lista.skv") << QByteArray("a;b\r\n") << true
                         << QStringLiteral("SKV");
    QTest::newRow("scv") << QStringLiteral("Lista.scv") << QByteArray("a;b") << true
                         << QStringLiteral("SCV");
  }

  void flagsAfterReading() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, untitled);
    QFETCH(QString, extension);
    const QString path = m_dir.filePath(name);
    WriteFile(path, content);
    CFakePlatform platform;
    CWordList list(&platform);
    list.SetOwner("previous owner");
    list.SetDescription("previous description");
    QCOMPARE(list.OpenFile(path), 0);
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(list.GetCount(), 1);
    QCOMPARE(list.GetForeign(0), std::string("a"));
    QCOMPARE(list.GetTranslation(0), std::string("b"));
    QCOMPARE(list.GetExtension(), extension);
    QCOMPARE(list.IsUntitled(), untitled ? 1 : 0);
    QCOMPARE(list.IsModified(), untitled ? 1 : 0);
    QCOMPARE(list.GetTitle(), std::string("Lista"));
    QCOMPARE(list.GetDisplayName(), untitled ? LangQText(kTxtUntitled) : name);
    QCOMPARE(list.GetPath(), untitled ? LangQText(kTxtUntitled) : path);
    QCOMPARE(list.GetFirstLanguage(), LangText(kTxtFirstLanguage));
    QCOMPARE(list.GetSecondLanguage(), LangText(kTxtSecondLanguage));
    QCOMPARE(list.GetOwner(), std::string());
    QCOMPARE(list.GetDescription(), std::string());

    // An imported list is never written back over its file by a plain Save.
    if (untitled) {
      platform.QueueCancelFile();
      QCOMPARE(list.Save(), 2);
      QCOMPARE(platform.m_dialogs.back().save, true);
      QCOMPARE(ReadAll(path), content);
    }
  }

  void rejectedFileKeepsPreviousList_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");  // null: no file at all
    QTest::newRow("vk2 of version 1")
        << QStringLiteral("bad.vk2") << QByteArray("[INFO]\r\nVERSION=1.0\r\n");
    QTest::newRow("vk1 without version") << QStringLiteral("bad.vk1") << QByteArray("[INFO]\r\n");
    QTest::newRow("ord without GLOSOR") << QStringLiteral("bad.ord") << QByteArray("ORD\r\n2\r\n");
    QTest::newRow("html") << QStringLiteral("bad.html") << QByteArray("<html></html>");
    QTest::newRow("unknown type") << QStringLiteral("bad.xyz") << QByteArray("x");
    QTest::newRow("missing vk2") << QStringLiteral("none.vk2") << QByteArray();
    QTest::newRow("missing txt") << QStringLiteral("none.txt") << QByteArray();
    QTest::newRow("missing ord") << QStringLiteral("none.ord") << QByteArray();
    QTest::newRow("missing skv") << QStringLiteral("none.skv") << QByteArray();
  }

  void rejectedFileKeepsPreviousList() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    const QString good = Path("good.vk2");
    const QString bad = m_dir.filePath(name);
    QFile::remove(bad);
    if (!content.isNull()) WriteFile(bad, content);

    CFakePlatform platform;
    CWordList list(&platform);
    OpenTwoWordList(list, good);
    const QByteArray goodBytes = ReadAll(good);

    QCOMPARE(list.OpenFile(bad), -2);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages[0].text, WithPath(kTxtFileRejected, bad));
    QCOMPARE(platform.m_messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(platform.m_messages[0].icon, MessageIcon::None);
    QCOMPARE(list.GetPath(), good);
    QCOMPARE(list.GetFileName(), QStringLiteral("good.vk2"));
    QCOMPARE(list.GetCount(), 2);
    QCOMPARE(list.GetOwner(), std::string("Eva"));
    QCOMPARE(list.IsModified(), 0);

    // A plain Save writes the list's own file; the rejected one is untouched.
    list.AddWord("ny", "new", 0);
    QCOMPARE(list.Save(), 0);
    QVERIFY(ReadAll(good) != goodBytes);
    QCOMPARE(ReadAll(bad), content.isNull() ? QByteArray() : content);
    QCOMPARE(QFile::exists(bad), !content.isNull());
  }

  void rejectedDirectory() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("folder.txt"));
    QVERIFY(QDir().mkdir(path));
    CFakePlatform platform;
    CWordList list(&platform);
    QCOMPARE(list.OpenFile(path), -2);
    QCOMPARE(platform.m_messages.size(), size_t(1));
  }

  void saveAsNaming_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("extension");
    QTest::newRow("entry 2 adds .vk1") << "Lista" << 2 << "Lista.vk1"
                                       << "VK1";
    QTest::newRow("typed VK2 stays") << "Lista.VK2" << 1 << "Lista.VK2"
                                     << "VK2";
    QTest::newRow("other extension gets .vk2") << "Lista.txt" << 1 << "Lista.txt.vk2"
                                               << "VK2";
    QTest::newRow("unknown entry is VK2") << "Lista" << 9 << "Lista.vk2"
                                          << "VK2";
  }

  void saveAsNaming() {
    QFETCH(QString, typed);
    QFETCH(int, entry);
    QFETCH(QString, written);
    QFETCH(QString, extension);
    QTemporaryDir dir;
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    list.AddWord("hus", "house", 0);
    platform.QueueFile(dir.filePath(typed), entry);
    QCOMPARE(list.SaveAs(true), 0);
    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    QCOMPARE(platform.m_dialogs[0].request.filter, LangQText(kTxtSaveFilter));
    QVERIFY(platform.m_dialogs[0].request.overwritePrompt);
    QCOMPARE(list.GetPath(), dir.filePath(written));
    QCOMPARE(list.GetFileName(), written);
    QCOMPARE(list.GetExtension(), extension);
    QVERIFY(QFile::exists(dir.filePath(written)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    QCOMPARE(list.GetTitle(), ToCp1252(written.chopped(4)));
    QCOMPARE(list.IsUntitled(), 0);
    QCOMPARE(list.IsModified(), 0);
    QCOMPARE(list.GetCreator(), LangText(kTxtProgramName));
  }

  void saveAsProposalAndCancel() {
    const QString path = Path("proposal.vk2");
    CFakePlatform platform;
    CWordList list(&platform);
    OpenTwoWordList(list, path);

    platform.QueueCancelFile();
    QCOMPARE(list.SaveAs(true), 2);
    QCOMPARE(platform.m_dialogs.back().request.initialPath, Path("proposal"));
    QCOMPARE(list.GetPath(), path);
    QCOMPARE(list.GetFileName(), QStringLiteral("proposal.vk2"));
    QCOMPARE(list.GetExtension(), QStringLiteral("VK2"));

    // A name without writing: nothing reaches the disk.
    platform.QueueFile(Path("later"), 2);
    QCOMPARE(list.SaveAs(false), 1);
    QCOMPARE(list.GetPath(), Path("later.vk1"));
    QVERIFY(!QFile::exists(Path("later.vk1")));
  }

  void exportKeepsTheOwnFile() {
    const QString path = Path("Lista.vk2");
    const QString html = Path("Lista.html");
    CFakePlatform platform;
    CWordList list(&platform);
    OpenTwoWordList(list, path);

    platform.QueueFile(html, 3);
    QCOMPARE(list.SaveAs(true), 0);
    QVERIFY(QFile::exists(html));
    QCOMPARE(list.GetPath(), path);
    QCOMPARE(list.GetFileName(), QStringLiteral("Lista.vk2"));
    QCOMPARE(list.GetExtension(), QStringLiteral("VK2"));
    QCOMPARE(list.IsModified(), 1);
    QCOMPARE(list.IsUntitled(), 0);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_messages[0].text, WithPath(kTxtExported, html));
    QCOMPARE(platform.m_messages[0].icon, MessageIcon::Information);
    QCOMPARE(platform.m_messages[0].buttons, MessageButtons::Ok);

    // A plain Save now writes the version 2 file again.
    list.AddWord("ny", "new", 0);
    const QByteArray page = ReadAll(html);
    QCOMPARE(list.Save(), 0);
    QCOMPARE(ReadAll(html), page);
    CWordList check;
    QCOMPARE(check.OpenFile(path), 0);
    QCOMPARE(check.GetCount(), 3);
  }

  void exportOfUntitledStaysUntitled() {
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    list.AddWord("a", "b", 0);
    platform.QueueFile(Path("untitled-export"), 5);
    QCOMPARE(list.SaveAs(true), 0);
    QVERIFY(QFile::exists(Path("untitled-export.txt")));
    QCOMPARE(list.IsUntitled(), 1);
    QCOMPARE(list.GetDisplayName(), LangQText(kTxtUntitled));
    platform.QueueCancelFile();
    QCOMPARE(list.Save(), 2);
    QCOMPARE(platform.m_dialogs.size(), size_t(2));
  }

  void failedWriteKeepsTarget() {
    CFakePlatform platform;
    CWordList list(&platform);
    list.NewList();
    list.AddWord("a", "b", 0);
    const QString target = Path("no-such-folder/Lista.vk2");
    platform.QueueFile(target, 1);
    QCOMPARE(list.Save(), -2);
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(list.GetPath(), target);
    QCOMPARE(list.IsModified(), 1);

    // A failed export keeps the export target until the next Save as.
    platform.QueueFile(Path("no-such-folder/Lista.html"), 3);
    QCOMPARE(list.SaveAs(true), -2);
    QCOMPARE(list.GetExtension(), QStringLiteral("HTML"));
    QVERIFY(platform.m_messages.empty());
  }

  void nullPlatformNeverAsks() {
    CWordList list;
    list.AddWord("a", "b", 0);
    QCOMPARE(list.AskSaveChanges(), int(kIdCancel));
    QCOMPARE(list.QueryClose(), 2);
    QCOMPARE(list.OpenWithDialog(), 2);
    QCOMPARE(list.SaveAs(true), 2);
    QCOMPARE(list.ReportFileError(QStringLiteral("x"), -2), -2);
  }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_WordList.moc"
