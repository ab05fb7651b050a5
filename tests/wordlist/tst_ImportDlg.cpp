#include <QtTest>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "controls/WordListBox.h"
#include "lang/LangText.h"
#include "platform/ProgramHelp.h"
#include "wordlist/ImportDlg.h"
#include "wordlist/WordImport.h"

using namespace Qt::StringLiterals;

class TestImportDlg : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(m_dir.isValid()); }

  // --- what the import does to the open list -------------------------------

  void addsNewWordsAndReportsTheRest() {
    CWordList open = ListOf({{"hund", "dog"}, {"bil", "car"}});
    open.SetModified(0);
    const ImportResult result =
        ImportWordsInto(open, ListOf({{"katt", "cat", 1},
                                      {"hund", "dog"},   // both sides present
                                      {"vovve", "dog"},  // translation present
                                      {"häst", "horse", 2},
                                      {"katt", "kitty"}}));  // added just before
    QCOMPARE(result.added, 2);
    QCOMPARE(result.skipped, std::string("hund\tdog\nvovve\tdog\nkatt\tkitty\n"));
    QCOMPARE(WordsOf(open), (QStringList{u"hund/dog/0"_s, u"bil/car/0"_s, u"katt/cat/1"_s,
                                         u"h\u00e4st/horse/2"_s}));
    QVERIFY(open.IsModified());
    QCOMPARE(ImportReport(result), u"2 "_s + LangQText(305) + u"\n\n"_s + LangQText(306) +
                                       u"\nhund\tdog\nvovve\tdog\nkatt\tkitty\n"_s);

    // Nothing chosen still counts as an import.
    open.SetModified(0);
    const ImportResult none = ImportWordsInto(open, CWordList());
    QCOMPARE(none.added, 0);
    QVERIFY(open.IsModified());
    QCOMPARE(ImportReport(none), u"0 "_s + LangQText(305));
  }

  void aFullListTakesWhatFits() {
    CWordList open;
    for (int i = 0; i < 299; ++i)
      (void)open.AddWord("f" + std::to_string(i), "t" + std::to_string(i));
    std::vector<TestWord> chosen;
    QStringList named;
    for (int i = 0; i < 25; ++i) {
      chosen.push_back({"n" + std::to_string(i), "m" + std::to_string(i)});
      if (i >= 1 && i <= 20) named << u"n%1\tm%1"_s.arg(i);
    }
    const ImportResult result = ImportWordsInto(open, ListOf(chosen));
    QCOMPARE(result.added, 1);
    QCOMPARE(std::count(result.skipped.begin(), result.skipped.end(), '\n'), 24);
    QCOMPARE(open.GetCount(), CWordList::kMaxWords);
    QCOMPARE(open.GetForeign(299), std::string("n0"));
    // The report names the first 20 words left out, so that it fits the screen; one word has a
    // form of its own.
    QCOMPARE(ImportReport(result), u"1 "_s + LangQText(780) + u"\n\n"_s + LangQText(306) + u'\n' +
                                       named.join(u'\n') + u"\n\u2026"_s);
  }

  // --- the dialog -----------------------------------------------------------

  // Two words of one foreign word keep their own translations.
  void choosesWordsOfTheOpenedFile() {
    const QString path = Path(u"djur.vk2"_s);
    QVERIFY(SaveList(path, {{"katt", "cat", 1}, {"bank", "bench"}, {"bank", "bank", 2}}));
    CFakePlatform platform;
    platform.QueueFile(path);
    CImportDlg dlg(platform, nullptr);
    QCOMPARE(dlg.windowTitle(), LangQText(420));
    auto* box = Child<CWordListBox>(&dlg, 1162);
    auto* file = Child<QLabel>(&dlg, 1161);
    QCOMPARE(file->text(), LangQText(421));
    const int result = RunModal(dlg, [&] {
      // The file dialog comes with the dialog.
      QTRY_COMPARE(box->count(), 3);
      QCOMPARE(platform.m_dialogs[0].request.title, LangQText(53));
      QCOMPARE(platform.m_dialogs[0].request.filter, LangQText(108));
      QCOMPARE(file->text(), path);
      QCOMPARE(box->LineText(2), std::string("bank\tbank"));
      // Each click toggles a line.
      for (int row : {0, 2, 1, 1}) ClickRow(box, row);
      QCOMPARE(box->SelectedRows(), (std::vector<int>{0, 2}));
      QTest::keyClick(box, Qt::Key_F1);
      QTest::keyClick(box, Qt::Key_Return);  // Enter imports
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(WordsOf(dlg.GetChosenWords()), (QStringList{u"katt/cat/1"_s, u"bank/bank/2"_s}));
    QVERIFY(platform.m_messages.empty());
    const std::vector<std::pair<QString, unsigned>> help{{ProgramHelpFile(), 131206u}};
    QVERIFY(platform.m_help == help);
  }

  void anotherFileReplacesTheWords() {
    const QString first = Path(u"first.vk2"_s);
    QVERIFY(SaveList(first, {{"ett", "one"}, {"två", "two"}}));
    // A text file reads as a modified list, which must not raise the save
    // question when the next file replaces it.
    const QString second = Path(u"second.txt"_s);
    QVERIFY(WriteFile(second, "r\xf6\x64\tred\nbl\xe5\tblue\ngr\xf6n\tgreen\n"));
    CFakePlatform platform;
    platform.QueueFile(first);
    platform.QueueFile(second);
    CImportDlg dlg(platform);
    auto* box = Child<CWordListBox>(&dlg, 1162);
    RunModal(dlg, [&] {
      QTRY_COMPARE(box->count(), 2);
      ClickRow(box, 0);
      Click(&dlg, 3);
      QCOMPARE(box->count(), 3);
      QVERIFY(box->SelectedRows().empty());
      ClickRow(box, 2);
      dlg.accept();
    });
    QCOMPARE(WordsOf(dlg.GetChosenWords()), QStringList{u"gr\u00f6n/green/0"_s});
    QVERIFY(platform.m_messages.empty());
  }

  void cancelledFileDialogLeavesAnEmptyChoice() {
    CFakePlatform platform;
    platform.QueueCancelFile();
    CImportDlg dlg(platform);
    const int result = RunModal(dlg, [&] {
      QTRY_COMPARE(platform.m_dialogs.size(), std::size_t(1));
      QCOMPARE(Child<CWordListBox>(&dlg, 1162)->count(), 0);
      QCOMPARE(Child<QLabel>(&dlg, 1161)->text(), LangQText(421));
      QVERIFY(Child<QPushButton>(&dlg, 1)->isEnabled());
      Click(&dlg, 1);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dlg.GetChosenWords().GetCount(), 0);
  }

  void rejectedFileBlocksTheImport() {
    const QString good = Path(u"good.vk2"_s);
    const QString bad = Path(u"bad.vk2"_s);
    QVERIFY(SaveList(good, {{"sol", "sun"}}));
    QVERIFY(WriteFile(bad, "this is no word list\r\n"));
    CFakePlatform platform;
    platform.QueueFile(good);
    platform.QueueFile(bad);
    CImportDlg dlg(platform);
    auto* box = Child<CWordListBox>(&dlg, 1162);
    const int result = RunModal(dlg, [&] {
      QTRY_COMPARE(box->count(), 1);
      dlg.BrowseForList();
      QCOMPARE(platform.m_messages.size(), std::size_t(1));  // the loader's own message
      QVERIFY(platform.m_messages[0].text.contains(bad));
      QCOMPARE(Child<QLabel>(&dlg, 1161)->text(), LangQText(510));
      QVERIFY(!Child<QPushButton>(&dlg, 1)->isEnabled());
      QCOMPARE(box->count(), 1);  // the old lines stay, but cannot be imported
      ClickRow(box, 0);
      QTest::keyClick(box, Qt::Key_Return);
      dlg.accept();
      QVERIFY(dlg.isVisible());
    });
    QVERIFY(result != int(QDialog::Accepted));
    QCOMPARE(dlg.GetChosenWords().GetCount(), 0);
  }
};

QTEST_MAIN(TestImportDlg)
#include "tst_ImportDlg.moc"
