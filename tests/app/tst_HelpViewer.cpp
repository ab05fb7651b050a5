#include <QtTest>

#include <QDesktopServices>
#include <QDialog>
#include <QLineEdit>
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

namespace {

QString HelpDir() {
  return DataDirectory() + QStringLiteral("/help");
}
QString HelpFile() {
  return HelpDir() + QStringLiteral("/index.html");
}
QString PageName(const QUrl& url) {
  return QFileInfo(url.toLocalFile()).fileName();
}

QString ReadText(const QString& path) {
  return QString::fromUtf8(ReadAll(path));
}

void WriteText(const QString& path, const QString& text) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QVERIFY(WriteFile(path, text.toUtf8()));
}

// The first capture of every match of pattern in text.
QStringList Captures(const QString& text, const QString& pattern) {
  QStringList found;
  const QRegularExpression re(pattern, QRegularExpression::MultilineOption);
  for (auto it = re.globalMatch(text); it.hasNext();) found.append(it.next().captured(1));
  return found;
}

QStringList Anchors(const QString& html) {
  return Captures(html, QStringLiteral("\\b(?:id|name)=\"([^\"]+)\""));
}

// The language folders the help offers, from its languages.txt.
QStringList LanguageFolders() {
  QStringList folders = Captures(ReadText(HelpDir() + QStringLiteral("/languages.txt")),
                                 QStringLiteral("^\\s*([^#\\s]\\S*)"));
  folders.removeDuplicates();
  return folders;
}

bool AnyMessageBox() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  return std::any_of(windows.begin(), windows.end(),
                     [](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; });
}

}  // namespace

class TestHelpViewer : public QObject {
  Q_OBJECT

  QList<QUrl> m_opened;

 public Q_SLOTS:
  void OpenExternal(const QUrl& url) { m_opened.append(url); }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY2(QFileInfo::exists(HelpFile()), qPrintable(HelpFile()));
    QVERIFY(!LanguageFolders().isEmpty());
  }

  void cleanup() { SetHelpLanguage(QString()); }

  // Every context number the program uses opens an existing page, in every
  // language, and the page's anchor exists.
  void everyTopicHasAPageInEveryLanguage() {
    for (const QString& language : LanguageFolders()) {
      QCOMPARE(HelpLanguageFolder(HelpDir(), language), language);
      QVERIFY(QFileInfo::exists(HelpDir() + u'/' + language + QStringLiteral("/index.html")));
      for (unsigned context : kHelpTopics) {
        const QUrl url = HelpPageUrl(HelpFile(), language, context);
        const QString where = language + u' ' + QString::number(context);
        QVERIFY2(url.isLocalFile(), qPrintable(where));
        QCOMPARE(QFileInfo(url.toLocalFile()).absoluteDir().dirName(), language);
        QVERIFY2(QFileInfo(url.toLocalFile()).isFile(), qPrintable(where));
        if (url.hasFragment())
          QVERIFY2(Anchors(ReadText(url.toLocalFile())).contains(url.fragment()),
                   qPrintable(where));
      }
    }
    // The names the language choice lists lead to the same folders.
    QCOMPARE(HelpLanguageFolder(HelpDir(), QStringLiteral("Svenska")), QStringLiteral("sv"));
    QCOMPARE(HelpLanguageFolder(HelpDir(), QStringLiteral("deutsch")), QStringLiteral("de"));
  }

  // Each page's links lead to files and anchors that exist, and every
  // language has the same pages.
  void pagesAreCompleteAndTheirLinksResolve() {
    const QStringList folders = LanguageFolders();
    const QStringList pages =
        QDir(HelpDir() + u'/' + folders.first()).entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(pages.contains(QStringLiteral("index.html")));
    QStringList files{HelpFile()};
    for (const QString& folder : folders) {
      const QDir dir(HelpDir() + u'/' + folder);
      QCOMPARE(dir.entryList({QStringLiteral("*.html")}, QDir::Files), pages);
      for (const QString& page : pages) files.append(dir.filePath(page));
    }

    for (const QString& file : files) {
      const QString html = ReadText(file);
      QVERIFY2(html.contains(QStringLiteral("charset=\"utf-8\"")), qPrintable(file));
      QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(file));
      // Help works offline and runs nothing.
      QVERIFY2(!html.contains(QStringLiteral("<script"), Qt::CaseInsensitive), qPrintable(file));
      for (const QString& link : Captures(html, QStringLiteral("\\bhref=\"([^\"]*)\""))) {
        const QUrl url(link);
        if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") ||
            url.scheme() == QLatin1String("mailto"))
          continue;
        const QString where = file + QStringLiteral(": ") + link;
        QVERIFY2(url.isRelative() && !link.isEmpty(), qPrintable(where));
        const QString target =
            url.path().isEmpty()
                ? file
                : QDir::cleanPath(QFileInfo(file).absolutePath() + u'/' + url.path());
        QVERIFY2(QFileInfo(target).isFile(), qPrintable(where));
        if (url.hasFragment())
          QVERIFY2(Anchors(ReadText(target)).contains(url.fragment()), qPrintable(where));
      }
    }
  }

  // Language folders, names and the map come from the help folder itself; a
  // language's own map wins over the shared one.
  void resolvesPagesOfAnyHelpFolder() {
    QTemporaryDir dir;
    const QString root = dir.path();
    WriteText(root + QStringLiteral("/languages.txt"), QStringLiteral("# x\nbb Bbish\naa Aish\n"));
    WriteText(root + QStringLiteral("/map.txt"),
              QStringLiteral("5 five.html#part  note\n\n6 six.html\n"));
    WriteText(root + QStringLiteral("/aa/map.txt"), QStringLiteral("5 other.html\n"));
    WriteText(root + QStringLiteral("/aa/index.html"), QString());
    WriteText(root + QStringLiteral("/bb/index.html"), QString());
    const QString helpFile = root + QStringLiteral("/index.html");

    QCOMPARE(HelpLanguageFolder(root, QStringLiteral("AISH")), QStringLiteral("aa"));
    QCOMPARE(HelpLanguageFolder(root, QStringLiteral("Cish")), QStringLiteral("bb"));
    QCOMPARE(HelpLanguageFolder(root, QStringLiteral("..")), QStringLiteral("bb"));
    QCOMPARE(HelpPageUrl(helpFile, QStringLiteral("bb"), 0).toLocalFile(),
             root + QStringLiteral("/bb/index.html"));
    const QUrl five = HelpPageUrl(helpFile, QStringLiteral("Bbish"), 5);
    QCOMPARE(five.toLocalFile(), root + QStringLiteral("/bb/five.html"));
    QCOMPARE(five.fragment(), QStringLiteral("part"));
    QCOMPARE(PageName(HelpPageUrl(helpFile, QStringLiteral("aa"), 5)),
             QStringLiteral("other.html"));
    QCOMPARE(PageName(HelpPageUrl(helpFile, QStringLiteral("aa"), 6)), QStringLiteral("six.html"));
    QVERIFY(HelpPageUrl(helpFile, QStringLiteral("aa"), 7).isEmpty());
    QVERIFY(HelpPageUrl(QString(), QStringLiteral("aa"), 0).isEmpty());

    // Without language folders the pages lie beside the contents page.
    QTemporaryDir flat;
    WriteText(flat.path() + QStringLiteral("/map.txt"), QStringLiteral("9 nine.html\n"));
    const QString flatFile = flat.path() + QStringLiteral("/start.html");
    QCOMPARE(HelpPageUrl(flatFile, QStringLiteral("aa"), 0).toLocalFile(), flatFile);
    QCOMPARE(PageName(HelpPageUrl(flatFile, QString(), 9)), QStringLiteral("nine.html"));
  }

  // One window serves every request; Back, Forward and Contents move between
  // its pages, page links open inside it, web and mail links on the desktop.
  void showsAndNavigatesPagesInOneWindow() {
    SetHelpLanguage(QStringLiteral("Svenska"));
    ShowHelp(nullptr, HelpFile(), kHelpContents);
    CHelpViewer* viewer = CHelpViewer::Instance();
    QVERIFY(viewer && viewer->isVisible() && !viewer->IsPageMissing());
    QCOMPARE(viewer->CurrentPage().toLocalFile(), HelpDir() + QStringLiteral("/sv/index.html"));
    // Read as UTF-8; the page's title names the window.
    QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("Välja språk")));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Hjälp för Vokabit"));

    ShowHelp(nullptr, HelpFile(), kHelpSpecialChars);
    QCOMPARE(CHelpViewer::Instance(), viewer);
    QCOMPARE(PageName(viewer->CurrentPage()), QStringLiteral("specialchars.html"));
    const auto button = [viewer](const char* name) {
      return viewer->findChild<QToolButton*>(QLatin1String(name));
    };
    QTest::mouseClick(button("helpBack"), Qt::LeftButton);
    QCOMPARE(PageName(viewer->CurrentPage()), QStringLiteral("index.html"));
    QTest::mouseClick(button("helpForward"), Qt::LeftButton);
    QCOMPARE(PageName(viewer->CurrentPage()), QStringLiteral("specialchars.html"));
    QTest::mouseClick(button("helpContents"), Qt::LeftButton);
    QCOMPARE(PageName(viewer->CurrentPage()), QStringLiteral("index.html"));

    SetHelpLanguage(QStringLiteral("de"));
    ShowHelp(nullptr, HelpFile(), kHelpEditMode);
    QCOMPARE(viewer->CurrentPage().toLocalFile(), HelpDir() + QStringLiteral("/de/edit.html"));
    QTextBrowser* browser = viewer->Browser();
    Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("search.html#x")));
    QCOMPARE(PageName(viewer->CurrentPage()), QStringLiteral("search.html"));
    QCOMPARE(viewer->CurrentPage().fragment(), QStringLiteral("x"));

    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "OpenExternal");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "OpenExternal");
    const QList<QUrl> external{QUrl(QStringLiteral("mailto:a@example.org")),
                               QUrl(QStringLiteral("https://example.org/"))};
    for (const QUrl& url : external) Q_EMIT browser->anchorClicked(url);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(m_opened, external);
    QCOMPARE(PageName(viewer->CurrentPage()), QStringLiteral("search.html"));
  }

  // A new program language reaches an open help window: its buttons and the
  // page it shows, at the same place, with no way back to the old language.
  void followsALanguageChange() {
    QCOMPARE(SetProgramLanguage(1), 0);  // English
    ShowHelp(nullptr, HelpFile(), kHelpEditMode);
    CHelpViewer* viewer = CHelpViewer::Instance();
    Q_EMIT viewer->Browser()->anchorClicked(QUrl(QStringLiteral("files.html#csv")));
    auto* back = viewer->findChild<QToolButton*>(QStringLiteral("helpBack"));
    QVERIFY(back->isEnabled());
    QCOMPARE(back->text(), QStringLiteral("Back"));

    QCOMPARE(SetProgramLanguage(2), 0);  // Deutsch
    QTRY_COMPARE(viewer->CurrentPage().toLocalFile(), HelpDir() + QStringLiteral("/de/files.html"));
    QCOMPARE(viewer->CurrentPage().fragment(), QStringLiteral("csv"));
    QCOMPARE(back->text(), QStringLiteral("Zurück"));
    QVERIFY(!back->isEnabled());
    QVERIFY(viewer->windowTitle().contains(QStringLiteral("Listen öffnen")));
    QCOMPARE(SetProgramLanguage(1), 0);
    QTRY_COMPARE(back->text(), QStringLiteral("Back"));
  }

  // A missing help file, an unmapped topic or a broken link shows a page in
  // the help window: no message box, no empty window.
  void missingPagesShowNoMessage() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral("No document")));
    const QString missing = QDir::tempPath() + QStringLiteral("/no-such-help/index.html");
    ShowHelp(nullptr, missing, kHelpContents);
    CHelpViewer* viewer = CHelpViewer::Instance();
    QVERIFY(viewer->IsPageMissing());
    QVERIFY(viewer->Browser()->toPlainText().contains(QDir::toNativeSeparators(missing)));

    for (const auto& [file, context] :
         {std::pair{missing, kHelpSearch}, {HelpFile(), 4242u}, {QString(), kHelpContents}}) {
      ShowHelp(nullptr, file, context);
      QVERIFY(viewer->IsPageMissing());
    }
    ShowHelp(nullptr, HelpFile(), kHelpContents);
    Q_EMIT viewer->Browser()->anchorClicked(QUrl(QStringLiteral("gone.html")));
    QVERIFY(viewer->IsPageMissing());
    viewer->Browser()->backward();
    QVERIFY(!viewer->IsPageMissing());
    QVERIFY(!AnyMessageBox());
  }

  // Help asked for in a modal dialog is not locked out by it and outlives
  // it; a new help window opens at the size the user left the last one.
  void followsTheWindowThatAskedForHelp() {
    QWidget main;
    main.show();
    auto* dialog = new QDialog(&main);
    dialog->setWindowModality(Qt::ApplicationModal);
    auto* field = new QLineEdit(dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));

    ShowHelp(field, HelpFile(), kHelpSearch);
    QPointer<CHelpViewer> viewer = CHelpViewer::Instance();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QVERIFY(
        dialog->windowHandle()->isAncestorOf(viewer->windowHandle(), QWindow::IncludeTransients));

    dialog->hide();
    delete dialog;
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(main.windowHandle()->isAncestorOf(viewer->windowHandle(), QWindow::IncludeTransients));
    ShowHelp(&main, HelpFile(), kHelpPracticeMode);
    QCOMPARE(CHelpViewer::Instance(), viewer.data());
    QCOMPARE(PageName(viewer->CurrentPage()), QStringLiteral("practice.html"));

    viewer->resize(520, 410);
    viewer->close();
    delete viewer;
    ShowHelp(&main, HelpFile(), kHelpContents);
    QCOMPARE(CHelpViewer::Instance()->size(), QSize(520, 410));
  }

  // F1 in one of the program's modal dialogs, through the platform the
  // program uses: the help window comes up over the dialog and takes clicks
  // while the dialog stays open.
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
      QTest::mouseClick(viewer->findChild<QToolButton*>(QStringLiteral("helpContents")),
                        Qt::LeftButton);
      page = PageName(viewer->CurrentPage());
      dialog.reject();
    });
    QVERIFY(followed);
    QCOMPARE(page, QStringLiteral("index.html"));
  }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_HelpViewer.moc"
