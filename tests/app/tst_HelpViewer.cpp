#include <QtTest>

#include <QDesktopServices>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>

#include "TestFiles.h"
#include "WidgetDriver.h"
#include "app/HelpViewer.h"
#include "app/ProgramLanguage.h"
#include "lang/DataDir.h"
#include "mainwnd/SearchDlg.h"
#include "platform/HelpTopics.h"
#include "platform/QtPlatform.h"

using namespace Qt::StringLiterals;

namespace {

const QString kHelpDir = DataDirectory() + u"/help"_s;
const QString kHelpFile = kHelpDir + u"/index.html"_s;
QString PageName(const QUrl& url) {
  return QFileInfo(url.toLocalFile()).fileName();
}
QString ReadText(const QString& path) {
  return QString::fromUtf8(ReadAll(path));
}

// The first capture of every match of pattern in text.
QStringList Captures(const QString& text, const QString& pattern) {
  QStringList found;
  const QRegularExpression re(pattern, QRegularExpression::MultilineOption);
  for (auto it = re.globalMatch(text); it.hasNext();) found.append(it.next().captured(1));
  return found;
}

QToolButton* Button(CHelpViewer* viewer, const QString& name) {
  return viewer->findChild<QToolButton*>(name);
}

}  // namespace

class TestHelpViewer : public QObject {
  Q_OBJECT

  QList<QUrl> m_opened;

 public Q_SLOTS:
  void OpenExternal(const QUrl& url) { m_opened.append(url); }

 private Q_SLOTS:
  void cleanup() { SetHelpLanguage(QString()); }

  // Every language has the same pages, with the topic of every context
  // number the program uses, and every link between pages: a page and an
  // anchor that exist.
  void everyTopicAndLinkLeadsToAPageInEveryLanguage() {
    QStringList folders =
        Captures(ReadText(kHelpDir + u"/languages.txt"_s), u"^\\s*([^#\\s]\\S*)"_s);
    folders.removeDuplicates();
    QCOMPARE(folders.size(), 3);
    const QStringList pages = QDir(kHelpDir + u'/' + folders.first()).entryList({u"*.html"_s});
    const auto leads = [](const QString& file, const QString& anchor) {
      return QFileInfo(file).isFile() &&
             (anchor.isEmpty() ||
              Captures(ReadText(file), u"\\b(?:id|name)=\"([^\"]+)\""_s).contains(anchor));
    };
    const QRegularExpression link(u"\\bhref=\"(?![a-z]+:)([^\"#]*)#?([^\"]*)\""_s);
    for (const QString& folder : folders) {
      QCOMPARE(QDir(kHelpDir + u'/' + folder).entryList({u"*.html"_s}), pages);
      for (unsigned context : kHelpTopics) {
        const QUrl url = HelpPageUrl(kHelpFile, folder, context);
        QVERIFY2(leads(url.toLocalFile(), url.fragment()), qPrintable(url.toString()));
      }
      for (const QString& page : pages) {
        const QString file = kHelpDir + u'/' + folder + u'/' + page;
        for (auto it = link.globalMatch(ReadText(file)); it.hasNext();) {
          const QRegularExpressionMatch m = it.next();
          const QString target =
              m.captured(1).isEmpty() ? file : QFileInfo(file).path() + u'/' + m.captured(1);
          QVERIFY2(leads(target, m.captured(2)), qPrintable(file + u' ' + m.captured(0)));
        }
      }
    }
    QCOMPARE(HelpLanguageFolder(kHelpDir, u"deutsch"_s), u"de"_s);
  }

  // A language's own map wins over the shared one; ".." is no language.
  void resolvesPagesOfAnyHelpFolder() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(u"aa"_s) && QDir(dir.path()).mkpath(u"bb"_s));
    QVERIFY(WriteFile(dir.filePath(u"languages.txt"_s), "bb Bbish\naa Aish\n"));
    QVERIFY(WriteFile(dir.filePath(u"map.txt"_s), "5 five.html\n"));
    QVERIFY(WriteFile(dir.filePath(u"aa/map.txt"_s), "5 other.html  note\n"));
    const QString helpFile = dir.filePath(u"index.html"_s);
    QCOMPARE(HelpLanguageFolder(dir.path(), u".."_s), u"bb"_s);
    QCOMPARE(PageName(HelpPageUrl(helpFile, u"Aish"_s, 5)), u"other.html"_s);
    QCOMPARE(PageName(HelpPageUrl(helpFile, u"bb"_s, 5)), u"five.html"_s);
  }

  // One window serves every request; Back and Forward move between its
  // pages, page links open inside it, web and mail links on the desktop. A
  // missing file, topic or page shows a page there: no message box.
  void showsAndNavigatesPagesInOneWindow() {
    SetHelpLanguage(u"Svenska"_s);
    ShowHelp(nullptr, kHelpFile, kHelpContents);
    CHelpViewer* viewer = CHelpViewer::Instance();
    QVERIFY(viewer && viewer->isVisible() && !viewer->IsPageMissing());
    QCOMPARE(viewer->CurrentPage().toLocalFile(), kHelpDir + u"/sv/index.html"_s);
    // Read as UTF-8; the page's title names the window.
    QVERIFY(viewer->Browser()->toPlainText().contains(u"Välja språk"_s));
    QCOMPARE(viewer->windowTitle(), u"Hjälp för Vokabit"_s);

    ShowHelp(nullptr, kHelpFile, kHelpSpecialChars);
    QCOMPARE(CHelpViewer::Instance(), viewer);
    QTest::mouseClick(Button(viewer, u"helpBack"_s), Qt::LeftButton);
    QCOMPARE(PageName(viewer->CurrentPage()), u"index.html"_s);
    QTest::mouseClick(Button(viewer, u"helpForward"_s), Qt::LeftButton);
    QCOMPARE(PageName(viewer->CurrentPage()), u"specialchars.html"_s);

    QTextBrowser* browser = viewer->Browser();
    Q_EMIT browser->anchorClicked(QUrl(u"search.html#x"_s));
    QCOMPARE(PageName(viewer->CurrentPage()) + viewer->CurrentPage().fragment(), u"search.htmlx"_s);
    const QList<QUrl> external{QUrl(u"mailto:a@example.org"_s), QUrl(u"https://example.org/"_s)};
    for (const QUrl& url : external) {
      QDesktopServices::setUrlHandler(url.scheme(), this, "OpenExternal");
      Q_EMIT browser->anchorClicked(url);
      QDesktopServices::unsetUrlHandler(url.scheme());
    }
    QCOMPARE(m_opened, external);
    QCOMPARE(PageName(viewer->CurrentPage()), u"search.html"_s);

    QTest::failOnWarning(QRegularExpression(u"No document"_s));
    const QString missing = QDir::tempPath() + u"/no-such-help/index.html"_s;
    ShowHelp(nullptr, missing, kHelpContents);
    QVERIFY(viewer->IsPageMissing());
    QVERIFY(browser->toPlainText().contains(QDir::toNativeSeparators(missing)));
    ShowHelp(nullptr, kHelpFile, kHelpContents);
    Q_EMIT browser->anchorClicked(QUrl(u"gone.html"_s));
    QVERIFY(viewer->IsPageMissing());
    for (QWidget* window : QApplication::topLevelWidgets())
      QVERIFY(!qobject_cast<QMessageBox*>(window));
  }

  // A new program language reaches an open help window: its buttons and the
  // page it shows, at the same place, with no way back to the old language.
  void followsALanguageChange() {
    QCOMPARE(SetProgramLanguage(1), 0);  // English
    ShowHelp(nullptr, kHelpFile, kHelpEditMode);
    CHelpViewer* viewer = CHelpViewer::Instance();
    Q_EMIT viewer->Browser()->anchorClicked(QUrl(u"files.html#csv"_s));
    QToolButton* back = Button(viewer, u"helpBack"_s);
    QVERIFY(back->isEnabled());
    QCOMPARE(back->text(), u"Back"_s);

    QCOMPARE(SetProgramLanguage(2), 0);  // Deutsch
    QTRY_COMPARE(viewer->CurrentPage().toLocalFile(), kHelpDir + u"/de/files.html"_s);
    QCOMPARE(viewer->CurrentPage().fragment(), u"csv"_s);
    QCOMPARE(back->text(), u"Zurück"_s);
    QVERIFY(!back->isEnabled());
    QVERIFY(viewer->windowTitle().contains(u"Listen öffnen"_s));
  }

  // F1 in one of the program's modal dialogs, through the platform the
  // program uses: the help window comes up over the dialog and takes clicks
  // while the dialog stays open, and outlives it; a new help window opens at
  // the size the user left the last one.
  void helpFromAModalDialogWorksWhileItIsOpen() {
    QWidget main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    CQtPlatform platform;
    platform.SetParentWindow(&main);
    platform.SetHelpHandler(&ShowHelp);
    CSearchDlg dialog(platform, &main);
    bool followed = false;
    QString page;
    RunModal(dialog, [&] {
      QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_F1);
      CHelpViewer* viewer = CHelpViewer::Instance();
      if (!viewer || !QTest::qWaitForWindowExposed(viewer)) return;
      followed =
          dialog.windowHandle()->isAncestorOf(viewer->windowHandle(), QWindow::IncludeTransients);
      QTest::mouseClick(Button(viewer, u"helpContents"_s), Qt::LeftButton);
      page = PageName(viewer->CurrentPage());
      dialog.reject();
    });
    QVERIFY(followed);
    QCOMPARE(page, u"index.html"_s);
    QPointer<CHelpViewer> viewer = CHelpViewer::Instance();
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(main.windowHandle()->isAncestorOf(viewer->windowHandle(), QWindow::IncludeTransients));
    viewer->resize(520, 410);
    viewer->close();
    delete viewer;
    ShowHelp(&main, kHelpFile, kHelpContents);
    QCOMPARE(CHelpViewer::Instance()->size(), QSize(520, 410));
  }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_HelpViewer.moc"
