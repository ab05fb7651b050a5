#include <QtTest>

#include <QLabel>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "controls/WordListBox.h"
#include "lang/LangText.h"
#include "wordlist/ImportDlg.h"
#include "wordlist/WordImport.h"

using namespace Qt::StringLiterals;

class TestImportDlg : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private Q_SLOTS:
  // New words are added, marks kept; a word whose foreign word or
  // translation is there already, also from the import itself, is reported.
  // A full list takes what fits; the report names the first 20 words left
  // out, so that it fits the screen, and one word has a form of its own.
  void addsNewWordsAndReportsTheRest() {
    CWordList open = ListOf({{"hund", "dog"}, {"bil", "car"}});
    const ImportResult result = ImportWordsInto(open, ListOf({{"katt", "cat", 1},
                                                              {"hund", "dog"},
                                                              {"vovve", "dog"},
                                                              {"häst", "horse", 2},
                                                              {"katt", "kitty"}}));
    QCOMPARE(WordsOf(open), (QStringList{u"hund/dog/0"_s, u"bil/car/0"_s, u"katt/cat/1"_s,
                                         u"h\u00e4st/horse/2"_s}));
    QCOMPARE(ImportReport(result), u"2 "_s + LangQText(305) + u"\n\n"_s + LangQText(306) +
                                       u"\nhund\tdog\nvovve\tdog\nkatt\tkitty\n"_s);
    // Nothing chosen still counts as an import.
    open.SetModified(0);
    QCOMPARE(ImportReport(ImportWordsInto(open, CWordList())), u"0 "_s + LangQText(305));
    QVERIFY(open.IsModified());

    while (open.GetCount() < 299) (void)open.AddWord("f" + std::to_string(open.GetCount()), "t");
    std::vector<TestWord> chosen;
    for (int i = 0; i < 25; ++i)
      chosen.push_back({"n" + std::to_string(i), "m" + std::to_string(i)});
    const ImportResult full = ImportWordsInto(open, ListOf(chosen));
    QCOMPARE(std::count(full.skipped.begin(), full.skipped.end(), '\n'), 24);
    QCOMPARE(open.GetForeign(299), std::string("n0"));
    const QString report = ImportReport(full);
    QVERIFY(
        report.startsWith(u"1 "_s + LangQText(780) + u"\n\n"_s + LangQText(306) + u"\nn1\tm1\n"_s));
    QVERIFY(report.endsWith(u"\nn20\tm20\n\u2026"_s) && report.count(u'\n') == 23);
  }

  // The file dialog comes with the dialog; each click toggles a line, Enter
  // imports (an enabled OK), and two words of one foreign word keep their own translations.
  void choosesWordsOfTheOpenedFile() {
    const QString path = Path(u"djur.vk2"_s);
    QVERIFY(SaveList(path, {{"katt", "cat", 1}, {"bank", "bench"}, {"bank", "bank", 2}}));
    CFakePlatform platform;
    platform.QueueFile(path);
    CImportDlg dlg(platform, nullptr);
    auto* box = Child<CWordListBox>(&dlg, 1162);
    QCOMPARE(RunModal(dlg,
                      [&] {
                        QTRY_COMPARE(box->count(), 3);
                        for (int row : {0, 2, 1, 1}) ClickRow(box, row);
                        QTest::keyClick(box, Qt::Key_Return);
                      }),
             int(QDialog::Accepted));
    QCOMPARE(WordsOf(dlg.GetChosenWords()), (QStringList{u"katt/cat/1"_s, u"bank/bank/2"_s}));
  }

  // A text file reads as a modified list, which must not raise the save
  // question when the next file replaces it; a rejected file leaves its
  // lines but blocks the import.
  void anotherFileReplacesTheWordsARejectedOneBlocks() {
    const QString text = Path(u"first.txt"_s), good = Path(u"good.vk2"_s), bad = Path(u"bad.vk2"_s);
    QVERIFY(WriteFile(text, "r\xf6\x64\tred\nbl\xe5\tblue\ngr\xf6n\tgreen\n"));
    QVERIFY(SaveList(good, {{"sol", "sun"}}));
    QVERIFY(WriteFile(bad, "this is no word list\r\n"));
    CFakePlatform platform;
    for (const QString& file : {text, good, bad}) platform.QueueFile(file);
    CImportDlg dlg(platform);
    auto* box = Child<CWordListBox>(&dlg, 1162);
    QVERIFY(RunModal(dlg, [&] {
              QTRY_COMPARE(box->count(), 3);
              ClickRow(box, 2);
              dlg.BrowseForList();
              QCOMPARE(box->count(), 1);
              QVERIFY(box->SelectedRows().empty());
              ClickRow(box, 0);
              dlg.BrowseForList();
              QCOMPARE(platform.m_messages.size(), std::size_t(1));  // the loader's own message
              QCOMPARE(Child<QLabel>(&dlg, 1161)->text(), LangQText(510));
              QTest::keyClick(box, Qt::Key_Return);
              QVERIFY(dlg.isVisible());
            }) != int(QDialog::Accepted));
    QCOMPARE(dlg.GetChosenWords().GetCount(), 0);
  }
};

QTEST_MAIN(TestImportDlg)
#include "tst_ImportDlg.moc"
