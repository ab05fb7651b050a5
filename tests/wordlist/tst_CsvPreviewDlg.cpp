#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "controls/WordListBox.h"
#include "lang/LangText.h"
#include "wordlist/CsvPreviewDlg.h"
#include "wordlist/ImportDlg.h"
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

}  // namespace

class TestCsvPreviewDlg : public QObject {
  Q_OBJECT

  CFakePlatform m_platform;

 private Q_SLOTS:
  void cleanup() { StopModalScripts(); }

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
    QTemporaryDir dir;
    const QString sheet = dir.filePath(u"sheet.csv"_s);
    QVERIFY(WriteFile(sheet, QByteArray::fromStdString(kSheet)));
    m_platform.QueueFile(sheet);
    CImportDlg dlg(m_platform);
    OnModalDialog([](QDialog* preview) { preview->reject(); },
                  [](QDialog* d) { return qobject_cast<CCsvPreviewDlg*>(d) != nullptr; });
    dlg.BrowseForList();
    QCOMPARE(Child<CWordListBox>(&dlg, 1162)->count(), 0);
  }
};

QTEST_MAIN(TestCsvPreviewDlg)
#include "tst_CsvPreviewDlg.moc"
