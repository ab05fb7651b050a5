#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "controls/WordListBox.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "platform/ProgramHelp.h"
#include "wordlist/CsvPreviewDlg.h"
#include "wordlist/ImportDlg.h"
#include "wordlist/WordListDialogTexts.h"

using namespace Qt::StringLiterals;

namespace {

const std::string kSheet =
    "\xEF\xBB\xBFSchwedisch;Deutsch\r\nkatt;\"katt, kisse\"\r\ns\xC3\xA4ga;\"s\xC3\xA4ga "
    "\"\"hej\"\"\"\r\n";

// The preview as "first|second" lines: the headings, then every row.
QStringList Shown(const CCsvPreviewDlg& dlg) {
  auto* rows = Child<QTreeWidget>(&dlg, CCsvPreviewDlg::IDC_CSV_PREVIEW);
  const QTreeWidgetItem* head = rows->headerItem();
  QStringList lines{head->text(0) + u'|' + head->text(1)};
  for (int i = 0; i < rows->topLevelItemCount(); ++i)
    lines << rows->topLevelItem(i)->text(0) + u'|' + rows->topLevelItem(i)->text(1);
  return lines;
}

QString CountText(int count) {
  return WithPath(kTxtCsvWordCount, QString::number(count));
}

CsvOptions Options(char delimiter, bool header) {
  CsvOptions options;
  options.delimiter = delimiter;
  options.header = header;
  return options;
}

}  // namespace

class TestCsvPreviewDlg : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cleanup() { StopModalScripts(); }

  // The choices change the preview at once, by keyboard, and the preview is
  // what the reader makes of the file. (OK and Cancel of the question a list
  // asks are played through in the main window's test of opening a CSV file.)
  void choicesShowTheRowsAsTheyWillBeRead() {
    CFakePlatform platform;
    CCsvPreviewDlg dlg(platform, u"/data/sheet.csv"_s, kSheet, Options(';', true));
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    auto* delimiter = Child<QComboBox>(&dlg, CCsvPreviewDlg::IDC_CSV_DELIMITER);
    auto* header = Child<QCheckBox>(&dlg, CCsvPreviewDlg::IDC_CSV_HEADER);
    auto* count = Child<QLabel>(&dlg, CCsvPreviewDlg::IDC_CSV_COUNT);
    QCOMPARE(dlg.windowTitle(), LangQText(kTxtCsvCaption));
    QCOMPARE(Child<QLabel>(&dlg, CCsvPreviewDlg::IDC_CSV_FILE)->toolTip(), u"/data/sheet.csv"_s);
    QCOMPARE(delimiter->currentText(), LangQText(kTxtCsvSemicolon));
    QVERIFY(delimiter->hasFocus());
    QCOMPARE(Shown(dlg), (QStringList{u"Schwedisch|Deutsch"_s, u"katt|katt, kisse"_s,
                                      u"s\u00e4ga|s\u00e4ga \"hej\""_s}));
    QCOMPARE(count->text(), CountText(2));

    // Alt+F clears the header choice: the first row becomes a word.
    QTest::keyClick(&dlg, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(!header->isChecked());
    const QString defaults = LangQText(47) + u'|' + LangQText(48);
    QCOMPARE(Shown(dlg).mid(0, 2), (QStringList{defaults, u"Schwedisch|Deutsch"_s}));
    QCOMPARE(count->text(), CountText(3));

    // Up picks the comma, which splits the quoted comma's row only.
    QTest::keyClick(delimiter, Qt::Key_Up);
    QCOMPARE(delimiter->currentText(), LangQText(kTxtCsvComma));
    QCOMPARE(Shown(dlg), (QStringList{defaults, u"katt;\"katt| kisse\""_s}));
    QCOMPARE(dlg.GetOptions().delimiter, ',');
    QVERIFY(!dlg.GetOptions().header);
    QTest::keyClick(delimiter, Qt::Key_F1);
    const std::vector<std::pair<QString, unsigned>> help{{ProgramHelpFile(), 131222u}};
    QVERIFY(platform.m_help == help);

    // A long file says what is left out.
    std::string sheet = "A\tB\n";
    for (int i = 0; i < 412; ++i) sheet += "w" + std::to_string(i) + "\tt\n";
    CCsvPreviewDlg long_(platform, u"long.csv"_s, sheet, Options('\t', true));
    QCOMPARE(Child<QTreeWidget>(&long_, CCsvPreviewDlg::IDC_CSV_PREVIEW)->topLevelItemCount(), 300);
    QCOMPARE(Child<QLabel>(&long_, CCsvPreviewDlg::IDC_CSV_COUNT)->text(),
             CountText(300) + u'\n' + WithPath(kTxtCsvTooMany, u"412"_s));
  }

  // The import dialog shows a CSV file first too; cancelled, it stays as
  // it was.
  void importPreviewsACsvFile() {
    QTemporaryDir dir;
    const QString sheet = dir.filePath(u"sheet.csv"_s);
    QVERIFY(WriteFile(sheet, QByteArray::fromStdString(kSheet)));
    CFakePlatform platform;
    platform.QueueFile(sheet);
    platform.QueueFile(sheet);
    CImportDlg dlg(platform);
    auto* box = Child<CWordListBox>(&dlg, 1162);
    const auto isPreview = [](QDialog* dialog) {
      return qobject_cast<CCsvPreviewDlg*>(dialog) != nullptr;
    };
    OnModalDialog(
        [](QDialog* dialog) {
          dialog->findChild<QCheckBox*>()->setChecked(false);
          dialog->accept();
        },
        isPreview);
    dlg.BrowseForList();
    QCOMPARE(box->count(), 3);
    QCOMPARE(box->LineText(0), std::string("Schwedisch\tDeutsch"));

    OnModalDialog([](QDialog* dialog) { dialog->reject(); }, isPreview);
    dlg.BrowseForList();
    QCOMPARE(platform.m_dialogs.size(), std::size_t(2));
    QCOMPARE(box->count(), 3);
    QCOMPARE(Child<QLabel>(&dlg, CImportDlg::IDC_IMPORT_FILE)->text(), sheet);
    QVERIFY(Child<QPushButton>(&dlg, 1)->isEnabled());
    QVERIFY(platform.m_messages.empty());
  }

  void everyLanguageFits() {
    CFakePlatform platform;
    for (int language = 0; language < 3; ++language) {
      QVERIFY(VKLangSetLanguage(language) == 0);
      CCsvPreviewDlg dlg(platform, u"sheet.csv"_s, kSheet, Options(',', true));
      QList<const QWidget*> widgets;
      for (int id : {CCsvPreviewDlg::IDC_CSV_FILE, CCsvPreviewDlg::IDC_CSV_DELIMITER_LABEL,
                     CCsvPreviewDlg::IDC_CSV_DELIMITER, CCsvPreviewDlg::IDC_CSV_HEADER,
                     CCsvPreviewDlg::IDC_CSV_PREVIEW_LABEL, CCsvPreviewDlg::IDC_CSV_COUNT, 1, 2})
        widgets << Child<QWidget>(&dlg, id);
      QVERIFY2(LayoutProblem(widgets).isEmpty(), qPrintable(LayoutProblem(widgets)));
    }
  }
};

QTEST_MAIN(TestCsvPreviewDlg)
#include "tst_CsvPreviewDlg.moc"
