// The main window's printing: print by menu, key and toolbar, the print
// format dialog, the print preview, and printing a file from the command line.
#include <QtTest>

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "MainWindowTest.h"
#include "RecordingPrinter.h"
#include "print/ListPrinter.h"
#include "print/PrintFormatDlg.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kA4At300(2480, 3508);

std::vector<TestWord> Words(int count) {
  std::vector<TestWord> words;
  for (int i = 1; i <= count; ++i) words.push_back({"f" + std::to_string(i), "t"});
  return words;
}

}  // namespace

class TestMainDlgPrint : public CMainWindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(PrepareFolder());
    QVERIFY(SaveList(Path(u"djur.vk2"_s), Words(60)));
    QVERIFY(WriteFile(Path(u"broken.vk2"_s), "[INFO]\nVERSION=9\n"));
  }

  void cleanup() { StopModalScripts(); }

  // Menu, toolbar and Ctrl+P print the whole list through the print dialog,
  // then hand the focus back as the mode wants it.
  void printCommandsPrintTheWholeList() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {}, Path(u"djur.vk2"_s));
    const auto printed = [&platform](const std::function<void()>& command) {
      CRecordingPrinter printer(kA4At300, 300);
      platform.m_printers.push_back(printer.Lend());
      command();
      const QStringList texts = printer.AllTexts();
      return printer.m_pages.size() == 2 && texts.contains(u"f1"_s) && texts.contains(u"f60"_s);
    };
    QVERIFY(printed([&] { dlg->CommandAction(ID_PRINT)->trigger(); }));
    QCOMPARE(QApplication::focusWidget(), ControlOf(*dlg, IDC_FOREIGN));
    QVERIFY(printed([&] { QTest::mouseClick(ControlOf(*dlg, IDC_TB_PRINT), Qt::LeftButton); }));
    dlg->OnCommand(ID_MODE_SETTINGS);
    QVERIFY(printed(
        [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier); }));
    QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(36));
    QCOMPARE(platform.m_printDocuments, QStringList(3, u"Vokabit - djur.vk2"_s));
    QVERIFY(platform.m_messages.empty());
  }

  // The print format from the menu and from the options panel's button: the
  // title comes back into the list, which then has a change to save; Cancel
  // changes nothing.
  void printFormatKeepsTheTitle() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {}, Path(u"djur.vk2"_s));
    const std::string title = dlg->WordList().GetTitle();
    for (const int button : {2, 1}) {
      OnModalDialog([button](QDialog* format) {
        auto* edit = Child<QLineEdit>(format, CPrintFormatDlg::IDC_TITLE);
        edit->selectAll();
        Type(edit, u"Husdjur"_s);
        Click(format, button);
      });
      if (button == 2) {
        dlg->CommandAction(ID_PRINT_FORMAT)->trigger();
      } else {
        dlg->OnCommand(ID_MODE_SETTINGS);
        QTest::mouseClick(ControlOf(*dlg, IDC_PRINT_FORMAT), Qt::LeftButton);
      }
      QCOMPARE(dlg->WordList().GetTitle(), button == 1 ? std::string("Husdjur") : title);
      QCOMPARE(ShowsModified(*dlg), button == 1);
    }
  }

  // The preview shows as many pages as printing gives, under its own title.
  void previewShowsThePrintedPages() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, Words(100));
    int shown = -1;
    int printed = 0;
    QString caption;
    OnModalDialog(
        [&](QDialog* preview) {
          caption = preview->windowTitle();
          shown = preview->findChild<QPrintPreviewWidget*>()->pageCount();
          CListPrinter layout(dlg->WordList());
          layout.PreparePrint(*static_cast<QPrintPreviewDialog*>(preview)->printer());
          printed = layout.PageCount();
        },
        [](QDialog* d) { return qobject_cast<QPrintPreviewDialog*>(d) != nullptr; });
    dlg->CommandAction(ID_FILE_PRINT_PREVIEW)->trigger();
    QCOMPARE(caption, LangQText(622));
    QVERIFY(printed >= 3);
    QCOMPARE(shown, printed);
  }

  // "vokabit /p FILE": the file is printed through the print dialog and the
  // window ends without being shown; the exit status tells whether it worked.
  void printFromTheCommandLine_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<int>("refusePage");  // -1: the printer does not start
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("exitCode");  // 1 comes with one message
    QTest::newRow("printed") << u"djur.vk2"_s << true << 0 << 2 << 0;
    QTest::newRow("print dialog cancelled") << u"djur.vk2"_s << false << 0 << 0 << 0;
    QTest::newRow("page refused") << u"djur.vk2"_s << true << 2 << 1 << 1;
    QTest::newRow("printer does not start") << u"djur.vk2"_s << true << -1 << 0 << 1;
    QTest::newRow("unreadable file") << u"broken.vk2"_s << true << 0 << 0 << 1;
  }

  void printFromTheCommandLine() {
    QFETCH(QString, file);
    QFETCH(bool, chosen);
    QFETCH(int, refusePage);
    QFETCH(int, pages);
    QFETCH(int, exitCode);
    CFakePlatform platform;
    CRecordingPrinter printer(kA4At300, 300);
    printer.m_refusePage = refusePage;
    printer.m_refuseStart = refusePage < 0;
    if (chosen) platform.m_printers.push_back(printer.Lend());
    CMainDlg dlg(platform, AppDialogs());
    dlg.SetStartFile(Path(file), true);
    dlg.exec();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(int(printer.m_pages.size()), pages);
    QCOMPARE(int(platform.m_messages.size()), exitCode);
    if (exitCode && file == u"djur.vk2"_s) QCOMPARE(platform.m_messages[0].text, LangQText(623));
    QCOMPARE(printer.m_aborted, refusePage > 0);
    QCOMPARE(platform.m_printDocuments.size(), file == u"djur.vk2"_s ? 1 : 0);
    QCOMPARE(dlg.ExitCode(), exitCode);
  }
};

QTEST_MAIN(TestMainDlgPrint)
#include "tst_MainDlgPrint.moc"
