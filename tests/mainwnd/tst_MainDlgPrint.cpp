// The main window's printing: print by menu, key and toolbar, the print
// format dialog, the print preview, and printing a file from the command line.
#include <QtTest>

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "MainWindowTest.h"
#include "RecordingPrinter.h"
#include "WidgetDriver.h"
#include "lang/LangText.h"
#include "mainwnd/MainWndIds.h"
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

QStringList Foreign(const CRecordingPrinter& printer) {
  QStringList words;
  for (const QString& text : printer.AllTexts())
    if (text.startsWith(u'f')) words.append(text);
  return words;
}

}  // namespace

class TestMainDlgPrint : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    ApplyTestDefaults(m_dir.path() + u'/');
    QVERIFY(SaveList(Path(u"djur.vk2"_s), Words(60)));
    QVERIFY(WriteFile(Path(u"broken.vk2"_s), "[INFO]\nVERSION=9\n"));
  }

  void cleanup() { StopModalScripts(); }

  // Menu, Ctrl+P and the toolbar print the whole list through the print
  // dialog, then hand the focus back as the mode wants it.
  void printCommand_data() {
    QTest::addColumn<QString>("via");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("focus");  // 0: none, the status says the mode
    QTest::newRow("menu, editing") << u"menu"_s << int(CMainDlg::Edit) << IDC_FOREIGN;
    QTest::newRow("Ctrl+P, settings") << u"key"_s << int(CMainDlg::Settings) << 0;
    QTest::newRow("toolbar, editing") << u"toolbar"_s << int(CMainDlg::Edit) << IDC_FOREIGN;
  }

  void printCommand() {
    QFETCH(QString, via);
    QFETCH(int, mode);
    QFETCH(int, focus);
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {}, Path(u"djur.vk2"_s));
    QVERIFY(dlg);
    if (mode == CMainDlg::Settings) dlg->OnCommand(ID_MODE_SETTINGS);
    CRecordingPrinter printer(kA4At300, 300);
    platform.m_printers.push_back(printer.Lend());
    if (via == u"menu"_s) {
      dlg->CommandAction(ID_PRINT)->trigger();
    } else if (via == u"key"_s) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    } else {
      QTest::mouseClick(ControlOf(*dlg, IDC_TB_PRINT), Qt::LeftButton);
    }
    QCOMPARE(platform.m_printDocuments, QStringList{u"Vokabit - djur.vk2"_s});
    QCOMPARE(printer.m_pages.size(), std::size_t(2));
    QCOMPARE(Foreign(printer).size(), 60);
    QVERIFY(platform.m_messages.empty());
    if (focus) {
      QCOMPARE(QApplication::focusWidget(), ControlOf(*dlg, focus));
    } else {
      QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(36));
    }
  }

  // The print format from the menu and from the options panel's button: the
  // title comes back into the list, which then has a change to save.
  void printFormatKeepsTheTitle_data() {
    QTest::addColumn<bool>("fromButton");
    QTest::addColumn<bool>("ok");
    QTest::newRow("menu, OK") << false << true;
    QTest::newRow("button, OK") << true << true;
    QTest::newRow("menu, Cancel") << false << false;
  }

  void printFormatKeepsTheTitle() {
    QFETCH(bool, fromButton);
    QFETCH(bool, ok);
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {}, Path(u"djur.vk2"_s));
    QVERIFY(dlg);
    const std::string title = dlg->WordList().GetTitle();
    bool opened = false;
    OnModalDialog([&](QDialog* format) {
      opened = qobject_cast<CPrintFormatDlg*>(format) != nullptr;
      QCOMPARE(TextOf(*dlg, IDC_STATUS_LEFT), LangQText(127));
      auto* edit = Child<QLineEdit>(format, CPrintFormatDlg::IDC_TITLE);
      edit->selectAll();
      Type(edit, u"Husdjur"_s);
      Click(format, ok ? 1 : 2);
    });
    if (fromButton) {
      dlg->OnCommand(ID_MODE_SETTINGS);
      QTest::mouseClick(ControlOf(*dlg, IDC_PRINT_FORMAT), Qt::LeftButton);
    } else {
      dlg->CommandAction(ID_PRINT_FORMAT)->trigger();
    }
    QVERIFY(opened);
    QCOMPARE(dlg->WordList().GetTitle(), ok ? std::string("Husdjur") : title);
    QCOMPARE(dlg->WordList().IsModified() != 0, ok);
    QCOMPARE(ShowsModified(*dlg), ok);
  }

  // The preview shows as many pages as printing gives, under its own title.
  void previewShowsThePrintedPages() {
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, Words(100));
    QVERIFY(dlg);
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
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("printed") << u"djur.vk2"_s << true << 0 << 2 << 0 << 0;
    QTest::newRow("print dialog cancelled") << u"djur.vk2"_s << false << 0 << 0 << 0 << 0;
    QTest::newRow("page refused") << u"djur.vk2"_s << true << 2 << 1 << 1 << 1;
    QTest::newRow("printer does not start") << u"djur.vk2"_s << true << -1 << 0 << 1 << 1;
    QTest::newRow("unreadable file") << u"broken.vk2"_s << true << 0 << 0 << 1 << 1;
  }

  void printFromTheCommandLine() {
    QFETCH(QString, file);
    QFETCH(bool, chosen);
    QFETCH(int, refusePage);
    QFETCH(int, pages);
    QFETCH(int, messages);
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
    QCOMPARE(int(platform.m_messages.size()), messages);
    if (messages && file == u"djur.vk2"_s) QCOMPARE(platform.m_messages[0].text, LangQText(623));
    QCOMPARE(printer.m_aborted, refusePage > 0);
    QCOMPARE(platform.m_printDocuments.size(), file == u"djur.vk2"_s ? 1 : 0);
    QCOMPARE(dlg.ExitCode(), exitCode);
  }
};

QTEST_MAIN(TestMainDlgPrint)
#include "tst_MainDlgPrint.moc"
