// The dialogs of a list's words: import, the CSV preview and the list's
// properties, and what they do to a list.
#include <QtTest>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "controls/WordListBox.h"
#include "lang/LangText.h"
#include "wordlist/CsvPreviewDlg.h"
#include "wordlist/ImportDlg.h"
#include "wordlist/ListProperties.h"
#include "wordlist/ListPropertiesDlg.h"
#include "wordlist/WordImport.h"
#include "wordlist/WordListDialogTexts.h"

using namespace Qt::StringLiterals;

namespace {

const std::string kSheet =
    "\xEF\xBB\xBFSchwedisch;Deutsch\r\nkatt;\"katt, kisse\"\r\ns\xC3\xA4ga;\"\"\"hej\"\"\"\r\n";

// The preview as "first|second" lines: the headings, then every row, then
// the count below.
QStringList Shown(const CCsvPreviewDlg& dlg) {
  auto* rows = Child<QTreeWidget>(&dlg, CCsvPreviewDlg::IDC_CSV_PREVIEW);
  QStringList lines{rows->headerItem()->text(0) + u'|' + rows->headerItem()->text(1)};
  for (int i = 0; i < rows->topLevelItemCount(); ++i)
    lines << rows->topLevelItem(i)->text(0) + u'|' + rows->topLevelItem(i)->text(1);
  return lines << Child<QLabel>(&dlg, CCsvPreviewDlg::IDC_CSV_COUNT)->text();
}

// The values the dialog shows, top to bottom: file name, format, creator,
// folder, word count, file size (in bytes) and title.
QString ShownProperties(const QWidget& dlg) {
  QStringList shown;
  for (int id : {1119, 1120, 1121, 1122, 1156, 1157, 1124})
    shown << Child<QWidget>(&dlg, id)->property("text").toString();
  return shown.join(u'|').replace(u' ' + LangQText(511), QString());
}

}  // namespace

class TestListDialogs : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  CFakePlatform m_platform;
  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private Q_SLOTS:
  void cleanup() { StopModalScripts(); }

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

  // The choices change the preview at once, by keyboard, and the preview is
  // what the reader makes of the file; a long file says what is left out.
  // (OK and Cancel of the question a list asks are played through in the
  // main window's test of opening a CSV file.)
  void choicesShowTheRowsAsTheyWillBeRead() {
    CCsvPreviewDlg dlg(m_platform, u"/data/sheet.csv"_s, kSheet, CsvOptions{';', true});
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    auto* delimiter = Child<QComboBox>(&dlg, CCsvPreviewDlg::IDC_CSV_DELIMITER);
    QCOMPARE(Shown(dlg), (QStringList{u"Schwedisch|Deutsch"_s, u"katt|katt, kisse"_s,
                                      u"s\u00e4ga|\"hej\""_s, WithPath(kTxtCsvWordCount, u"2"_s)}));
    // Alt+F clears the header choice: the first row becomes a word. Up picks
    // the comma, which splits the quoted comma's row only.
    QTest::keyClick(&dlg, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(!Child<QCheckBox>(&dlg, CCsvPreviewDlg::IDC_CSV_HEADER)->isChecked());
    QTest::keyClick(delimiter, Qt::Key_Up);
    QCOMPARE(Shown(dlg),
             (QStringList{LangQText(47) + u'|' + LangQText(48), u"katt;\"katt| kisse\""_s,
                          WithPath(kTxtCsvWordCount, u"1"_s)}));
    QVERIFY(dlg.GetOptions().delimiter == ',' && !dlg.GetOptions().header);

    std::string sheet = "A\tB\n";
    for (int i = 0; i < 412; ++i) sheet += "w" + std::to_string(i) + "\tt\n";
    CCsvPreviewDlg long_(m_platform, u"long.csv"_s, sheet, CsvOptions{'\t', true});
    QCOMPARE(Shown(long_).size(), 302);
    QCOMPARE(Shown(long_).last(),
             WithPath(kTxtCsvWordCount, u"300"_s) + u'\n' + WithPath(kTxtCsvTooMany, u"412"_s));
  }

  // The import dialog asks about a CSV file too: declined, nothing is read.
  void importAsksAboutACsvFile() {
    const QString sheet = Path(u"sheet.csv"_s);
    QVERIFY(WriteFile(sheet, QByteArray::fromStdString(kSheet)));
    m_platform.QueueFile(sheet);
    CImportDlg dlg(m_platform);
    OnModalDialog([](QDialog* preview) { preview->reject(); },
                  [](QDialog* d) { return qobject_cast<CCsvPreviewDlg*>(d) != nullptr; });
    dlg.BrowseForList();
    QCOMPARE(Child<CWordListBox>(&dlg, 1162)->count(), 0);
  }

  // A new list shows what is not known, and Cancel after changes changes
  // nothing; a saved one shows its file (types by any case; the folder is
  // what precedes the name at the end).
  // A change to the title alone hands back the description byte for byte;
  // any script may be pasted, a control character is refused. (A typed line
  // break is played through in the main window's properties test.)
  void showsTheListAndTakesItsEdits() {
    QCOMPARE(ListFormatText(u"vk1"_s) + ListFormatText(u"Ord"_s) + ListFormatText(u"TXT"_s),
             LangQText(447) + LangQText(449) + LangQText(445));
    QCOMPARE(ListFolderText(u"/d/d/d"_s, u"d"_s) + ListFolderText(u"/e/f.vk2"_s, u"g"_s),
             u"/d/d//e/"_s);
    CWordList list;
    list.NewList();
    CFakePlatform platform;
    CListPropertiesDlg dlg(platform);
    dlg.SetFromList(list);
    const QString untitled = LangQText(104);
    QCOMPARE(ShownProperties(dlg),
             u"%1|%2|%3|%3|0|0|%1"_s.arg(untitled, LangQText(445), LangQText(446)));
    Child<QLineEdit>(&dlg, 1124)->setText(u"Annat"_s);
    dlg.reject();
    QVERIFY(!dlg.ApplyTo(list) && !list.IsModified());

    (void)list.AddWord("f", "t");
    list.SetDescription("rad 1\x1Erad 2\x1F\x1Erad 3");
    QTemporaryDir dir;
    const QString path = dir.filePath(u"m\u00e5nga.vk2"_s);
    QCOMPARE(list.SaveTo(path, u"VK2"_s), FileResult::Done);
    QCOMPARE(list.OpenFile(path), FileResult::Done);
    dlg.SetFromList(list);
    QCOMPARE(ShownProperties(dlg), u"m\u00e5nga.vk2|%1|%2|%3/|1|%4|%5"_s.arg(
                                       LangQText(448), LangQText(103), dir.path(),
                                       QString::number(QFileInfo(path).size()), untitled));

    Child<QLineEdit>(&dlg, 1124)->setText(u"Djur"_s);
    dlg.accept();
    QVERIFY(dlg.ApplyTo(list) && list.IsModified());
    QCOMPARE(list.GetTitle() + '|' + list.GetDescription(),
             std::string("Djur|rad 1\x1Erad 2\x1F\x1Erad 3"));
    dlg.SetFromList(list);
    auto* edit = Child<QPlainTextEdit>(&dlg, 1126);
    edit->moveCursor(QTextCursor::End);
    for (const QString& pasted : {u" строка"_s, u"\u0001"_s}) {
      QGuiApplication::clipboard()->setText(pasted);
      edit->paste();
    }
    dlg.accept();
    QVERIFY(dlg.ApplyTo(list));
    QCOMPARE(list.GetDescription(), std::string("rad 1\x1F\x1Erad 2\x1F\x1Erad 3 строка"));
  }
};

QTEST_MAIN(TestListDialogs)
#include "tst_ListDialogs.moc"
