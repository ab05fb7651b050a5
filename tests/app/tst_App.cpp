// The program's start and its own windows: the command line, the start-up
// routine of a start without a list file, the start with a file, the
// program's language with Qt's own texts; the start-up picture with the
// language choice and how it closes; the About box with the build's version
// and its two links, which open what the settings hold at the moment of the
// click; the tip of the day: the tips file's rules, the stored position, the
// time stamp and the start-up switch; the help window.
#include <sys/stat.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "app/AboutDlg.h"
#include "app/AppTexts.h"
#include "app/CommandLineInfo.h"
#include "app/HelpViewer.h"
#include "app/LanguageDlg.h"
#include "app/ProgramLanguage.h"
#include "app/StartupDlg.h"
#include "app/StartupRoutine.h"
#include "app/TipDlg.h"
#include "app/TipsFile.h"
#include "controls/ColorStatic.h"
#include "controls/HoverButton.h"
#include "lang/DataDir.h"
#include "lang/LangLibrary.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "mainwnd/SearchDlg.h"
#include "platform/HelpTopics.h"
#include "platform/QtPlatform.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

namespace {

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kWhite = 0xFFFFFF;
constexpr int kGerman = 2;
constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
constexpr int kSwedish = 0;
constexpr int kEnglish = 1;

// Records what the routine shows, as short names ("!" after a red status,
// "choice" where the language choice ran), and answers the language choices
// from a script: a language to choose and store, or "" for Cancel.
class CRecordingView : public CStartupView {
 public:
  QStringList m_shown;
  QStringList m_choices;

  void SetStatus(const QString& text) override {
    static const QMap<QString, QString> names = {
        {u"Checking dllfiles..."_s, u"dll"_s},
        {u"Checking registry..."_s, u"registry"_s},
        {u"Loading current language..."_s, u"loading"_s},
        {u"No language selected."_s, u"none"_s},
        {u"Error loading language!"_s, u"error"_s},
        {u"Warning: The file vklang.dll is too old!"_s, u"old lang"_s},
        {u"Warning: The file vkfiles.dll is too old!"_s, u"old files"_s},
        {u"Searching for helpfile..."_s, u"help"_s},
        {u"Startar..."_s, u"start"_s}};
    m_shown << names.value(text, text) + (m_red ? u"!"_s : QString());
  }
  void SetStatusRed(bool red) override { m_red = red; }
  bool ChooseLanguage() override {
    m_shown << u"choice"_s;
    const QString choice = m_choices.isEmpty() ? QString() : m_choices.takeFirst();
    if (choice.isEmpty()) return false;
    // As the language dialog does once the library took the language.
    VKLangSetLanguage(choice.toInt());
    WriteSetting(kUser, kKeySetups, kValueLanguage, choice);
    return true;
  }

 private:
  bool m_red = false;
};

StartupSetup Setup(std::uint32_t langVersion = 16, std::uint32_t filesVersion = 12) {
  StartupSetup setup;
  setup.programDirectory = u"/usr/share/vokabit/"_s;
  setup.programPath = u"/usr/bin/vokabit"_s;
  setup.langVersion = [langVersion] { return langVersion; };
  setup.filesVersion = [filesVersion] { return filesVersion; };
  return setup;
}

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

class TestApp : public QObject {
  Q_OBJECT

  QList<QUrl> m_opened;

  std::unique_ptr<QTemporaryDir> m_dir;
  // The tips file of the current language in the test's tips folder.
  QString TipsPath() const { return m_dir->filePath(LangQText(kTxtTipsFileName)); }
  bool WriteTips(const QByteArray& content) {
    QDir().mkpath(QFileInfo(TipsPath()).absolutePath());
    return WriteFile(TipsPath(), content);
  }
  QString TipOf(const CTipDlg& dlg) const { return Child<QLabel>(&dlg, CTipDlg::IDC_TIP)->text(); }

 public Q_SLOTS:
  void OpenExternal(const QUrl& url) { m_opened.append(url); }

 private Q_SLOTS:
  void init() {
    m_dir = FreshSettings();
    QVERIFY(m_dir);
    // Tips come from the test's folder.
    for (QLatin1String key : {kKeyVokabit30, kKeyTip}) CreateSettingsKey(kUser, key);
    WriteSetting(kUser, kKeyVokabit30, kValueTipsFile, m_dir->path() + u'/');
  }
  void cleanup() {
    StopModalScripts();
    SetHelpLanguage(QString());
  }

  // A stored language that fails to load asks for another: OK without a
  // choice asks for one and keeps the dialog, a language chosen by keyboard
  // is taken and stored, and the picture ends with its own status.
  void aFailingLanguageIsChosenAgainAndTheStartGoesOn() {
    CFakePlatform platform;
    // Before any choice, the language the library took from the locale.
    QCOMPARE(CLanguageDlg(platform).List()->currentRow(),
             CLangLibrary::Instance().CurrentLanguage());
    StoreSetting(kKeySetups, kValueLanguage, u"7"_s);
    CStartupDlg dlg(platform, Setup());
    bool asked = false;
    OnModalDialog(
        [&](QDialog* d) {
          asked = true;
          // The defaults are written before the language is asked for.
          QCOMPARE(ReadSetting(kUser, kKeySetups, kValueOvaBara), u"10"_s);
          QCOMPARE(dlg.Status()->Text(), u"Error loading language!"_s);
          QCOMPARE(dlg.Status()->TextColour(), kRed);
          auto* language = static_cast<CLanguageDlg*>(d);
          QStringList names;
          for (int i = 0; i < language->List()->count(); ++i)
            names << language->List()->item(i)->text();
          QCOMPARE(names, (QStringList{u"Svenska"_s, u"English"_s, u"Deutsch"_s}));
          QVERIFY(language->List()->selectedItems().isEmpty());  // 7 is no language
          QTest::keyClick(language->List(), Qt::Key_Return);
          QVERIFY(language->isVisible());
          QCOMPARE(platform.m_messages.size(), size_t(1));
          QCOMPARE(platform.m_messages[0].text, StringTableQText(kStrSelectLanguage));
          QCOMPARE(ReadSetting(kUser, kKeySetups, kValueLanguage), u"7"_s);
          QTest::keyClick(language->List(), Qt::Key_F1);
          QTest::keyClick(language->List(), Qt::Key_End);
          QTest::keyClick(language->List(), Qt::Key_Return);
        },
        [](QDialog* d) { return qobject_cast<CLanguageDlg*>(d) != nullptr; });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));

    QVERIFY(asked && dlg.IsFinished());
    QCOMPARE(dlg.Status()->Text(), u"Startar..."_s);
    QCOMPARE(dlg.Status()->TextColour(), kWhite);
    QCOMPARE(CLangLibrary::Instance().CurrentLanguage(), kGerman);
    QCOMPARE(ReadSetting(kUser, kKeySetups, kValueLanguage), u"2"_s);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QVERIFY(platform.m_help.size() == 1 && platform.m_help[0].second == kHelpLanguage);
    // Qt's own texts have followed (the print dialog is Qt's); a refused
    // language changes nothing, and without Qt's translations the program's
    // own still serve.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
    QVERIFY(QCoreApplication::translate("QPrintDialog", "Print") != u"Print"_s);
    QVERIFY(SetProgramLanguage(-1) != 0);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Ja"_s);
    QTemporaryDir empty;
    QCOMPARE(VKLangSetLanguage(kSwedish), 0);
    QVERIFY(!InstallQtTranslations(empty.path()));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Avbryt"_s);
  }

  // Once finished, the picture closes at once on a key or a click; Escape
  // and the close box end the program.
  void closesAtOnceOnAKeyOrAClick() {
    StoreSetting(kKeySetups, kValueLanguage, u"1"_s);
    CFakePlatform platform;
    for (int way = 0; way < 4; ++way) {  // a key, a click, Escape, the close box
      CStartupDlg dlg(platform, Setup());
      const int ended = RunModal(dlg, [&] {
        QTRY_VERIFY(dlg.IsFinished());
        if (way == 0) QTest::keyClick(&dlg, Qt::Key_A);
        if (way == 1) QTest::mouseClick(&dlg, Qt::LeftButton, {}, {20, 20});
        if (way == 2) QTest::keyClick(&dlg, Qt::Key_Escape);
        if (way == 3) dlg.close();
        QVERIFY(!dlg.isVisible());  // at once, not by the timer
      });
      QCOMPARE(ended, way < 2 ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }
  }

  void showsTheVersionAndOpensTheStoredAddresses() {
    StoreSetting(kKeyVokabit, kValueHemsida, u"https://vokabit.se/"_s);
    StoreSetting(kKeyBrannvik, kValueMail, u"MAILTO:info@vokabit.se"_s);
    CFakePlatform platform;
    CAboutDlg dlg(platform);
    QCOMPARE(Child<QLabel>(&dlg, CAboutDlg::IDC_VERSION)->text(), QStringLiteral(VOKABIT_VERSION));
    auto* web = Child<CHoverButton>(&dlg, CAboutDlg::IDC_WEB);
    auto* mail = Child<CHoverButton>(&dlg, CAboutDlg::IDC_MAIL);
    QCOMPARE(web->text(), u"vokabit.se"_s);
    QCOMPARE(mail->text(), u"info@vokabit.se"_s);

    const int result = RunModal(dlg, [&] {
      // A value changed while the box is open counts at the next click; an
      // empty one is handed on as it is, and nothing is shown.
      StoreSetting(kKeyVokabit, kValueHemsida, u"https://example.org/vk"_s);
      web->click();
      StoreSetting(kKeyBrannvik, kValueMail, QString());
      mail->click();
      QTest::keyClick(&dlg, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(platform.m_opened, (QStringList{u"https://example.org/vk"_s, QString()}));
    QVERIFY(platform.m_messages.empty());
  }

  void tipsFileRules_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<QString>("tips");  // four searches in a row; "-" when none is found

    const auto row = [](const char* name, const QByteArray& content, qint64 start,
                        const QString& tips) { QTest::newRow(name) << content << start << tips; };
    row("notes, indented and empty lines are skipped",
        "; a note\n  indented\n\tindented\n\n\r\nFirst\n;x\nSecond\n", 0,
        u"First|Second|First|Second"_s);
    row("from the middle, around the end", "one\ntwo\nthree\n", 4, u"two|three|one|two"_s);
    row("CR LF, no line end at the end", "one\r\ntwo", 0, u"one|two|one|two"_s);
    row("a long line in pieces of 999", QByteArray(1200, 'x') + "\nshort\n", 0,
        QString(999, u'x') + u'|' + QString(201, u'x') + u"|short|"_s + QString(999, u'x'));
    row("a UTF-8 letter is not cut", QByteArray(998, 'x') + "\xc3\xa4yz\n", 0,
        QString(998, u'x') + u"|äyz|"_s + QString(998, u'x') + u"|äyz"_s);
    row("UTF-8 and Windows-1252",
        "gl\xc3\xb6"
        "d\ngl\xf6"
        "d\n\xe5\n",
        0, u"glöd|glöd|å|glöd"_s);
  }
  void tipsFileRules() {
    QFETCH(QByteArray, content);
    QFETCH(qint64, start);
    QFETCH(QString, tips);
    QVERIFY(WriteFile(m_dir->filePath(u"tips.txt"_s), content));
    CTipsFile file;
    QVERIFY(file.Open(m_dir->filePath(u"tips.txt"_s)) && file.Seek(start));
    QStringList found;
    for (int i = 0; i < 4; ++i) {
      QString tip;
      found << (file.ReadNextTip(tip) == CTipsFile::ReadResult::Tip ? tip : u"-"_s);
    }
    QCOMPARE(found.join(u'|'), tips);
  }

  void onlyRegularFilesOpen() {
    // A FIFO would block the start; it counts as no tips file.
    const QString fifo = m_dir->filePath(u"fifo"_s);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    CTipsFile file;
    for (const QString& path : {fifo, m_dir->path(), m_dir->filePath(u"missing"_s), QString()})
      QVERIFY(!file.Open(path));
  }

  void tipsFollowOneAnotherAcrossShowings() {
    QVERIFY(WriteTips("; notes\nFirst tip\nSecond tip\n"));
    CFakePlatform platform;
    {
      CTipDlg dlg(platform);
      QCOMPARE(TipOf(dlg), u"First tip"_s);
      auto* check = Child<QCheckBox>(&dlg, CTipDlg::IDC_SHOW_AT_START);
      QVERIFY(check->isChecked());  // nothing stored: shown at start
      const int result = RunModal(dlg, [&] {
        // A change not confirmed with Close is dropped by the next tip.
        check->click();
        Click(&dlg, CTipDlg::IDC_NEXT_TIP);
        QCOMPARE(TipOf(dlg), u"Second tip"_s);
        QVERIFY(check->isChecked());
        Click(&dlg, CTipDlg::IDC_NEXT_TIP);
        QCOMPARE(TipOf(dlg), u"First tip"_s);
        check->click();
        QTest::keyClick(&dlg, Qt::Key_F1);
        QTest::keyClick(&dlg, Qt::Key_Escape);
      });
      QCOMPARE(result, int(QDialog::Rejected));
      QCOMPARE(ReadSetting(kUser, kKeyTip, kValueStartUp), QString());
      QCOMPARE(platform.m_help.back().second, kHelpTipOfTheDay);
    }
    QCOMPARE(ReadSetting(kUser, kKeyTip, kValueFilePos), u"18"_s);
    {
      // The next showing goes on after the last tip read; Close stores the switch.
      CTipDlg dlg(platform);
      QCOMPARE(TipOf(dlg), u"Second tip"_s);
      const int result = RunModal(dlg, [&] {
        Child<QCheckBox>(&dlg, CTipDlg::IDC_SHOW_AT_START)->click();
        Click(&dlg, CTipDlg::IDOK);
      });
      QCOMPARE(result, int(QDialog::Accepted));
      QCOMPARE(ReadSetting(kUser, kKeyTip, kValueStartUp), u"1"_s);
    }
    // A dialog that is not shown moves on too.
    { CTipDlg unseen(platform); }
    CTipDlg dlg(platform);
    QCOMPARE(TipOf(dlg), u"Second tip"_s);
    QVERIFY(!Child<QCheckBox>(&dlg, CTipDlg::IDC_SHOW_AT_START)->isChecked());
  }

  void aChangedFileStartsAtItsFirstTip() {
    QVERIFY(WriteTips("one\ntwo\nthree\n"));
    CFakePlatform platform;
    { CTipDlg dlg(platform); }  // stores the file's time stamp
    // Another time stamp: the stored position is of the old file, and the
    // new one starts over.
    QVERIFY(WriteTips("new\n"));
    QFile file(TipsPath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-3),
                             QFileDevice::FileModificationTime));
    file.close();
    WriteSetting(kUser, kKeyTip, kValueFilePos, u"2"_s);
    CTipDlg dlg(platform);
    QCOMPARE(TipOf(dlg), u"new"_s);
  }

  // Without a tips file, or without a tip in it, the dialog says so, with
  // no message, and the stored position stays.
  void withoutTipsNothingMovesOn() {
    WriteSetting(kUser, kKeyTip, kValueFilePos, u"3"_s);
    CFakePlatform platform;
    for (unsigned text : {kTxtTipsMissing, kTxtTipsNone}) {
      if (text == kTxtTipsNone) QVERIFY(WriteTips("; only notes\n\n  indented\n"));
      {
        CTipDlg dlg(platform);
        QCOMPARE(TipOf(dlg), LangQText(text));
        QVERIFY(!Child<QWidget>(&dlg, CTipDlg::IDC_NEXT_TIP)->isEnabled());
      }
      QCOMPARE(ReadSetting(kUser, kKeyTip, kValueFilePos), u"3"_s);
    }
    QVERIFY(platform.m_messages.empty());
  }

  void languageLoop_data() {
    QTest::addColumn<QString>("stored");  // "Language" before the start; "-" none
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<std::uint32_t>("langVersion");
    QTest::addColumn<std::uint32_t>("filesVersion");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("language");  // the library's language afterwards
    QTest::addColumn<QString>("warnings");

    QTest::newRow("first start, German chosen")
        << u"-"_s << QStringList{u"2"_s} << 16u << 12u
        << u"dll/registry/loading/none!/choice/loading/help/start"_s << kGerman << QString();
    QTest::newRow("first start, cancelled: language 0")
        << u"-"_s << QStringList{} << 16u << 12u
        << u"dll/registry/loading/none!/choice/help!/start!"_s << kSwedish << QString();
    QTest::newRow("abc requests language 0")
        << u"abc"_s << QStringList{} << 16u << 12u << u"dll/registry/loading/help/start"_s
        << kSwedish << QString();
    // Versions count by their low 16 bits, taken as a signed number.
    QTest::newRow("libraries too old, the language fails, cancelled")
        << u"7"_s << QStringList{} << 0x1000Du << 0xFFFFu
        << u"dll/old lang!/old files!/registry!/loading/error!/choice/help!/start!"_s << kEnglish
        << u"Warning: The file vklang.dll is too old!\nWarning: The file vkfiles.dll is too "
           u"old!\nError loading language!"_s;
    QTest::newRow("the lowest versions; a failing language, then another chosen")
        << u"-1"_s << QStringList{u"0"_s} << 14u << 10u
        << u"dll/registry/loading/error!/choice/loading/help/start"_s << kSwedish << QString();
  }
  void languageLoop() {
    QFETCH(QString, stored);
    QFETCH(QStringList, choices);
    QFETCH(std::uint32_t, langVersion);
    QFETCH(std::uint32_t, filesVersion);
    QFETCH(QString, shown);
    QFETCH(int, language);
    QFETCH(QString, warnings);
    if (stored != u"-"_s) StoreSetting(kKeySetups, kValueLanguage, stored);
    CFakePlatform platform;
    CRecordingView view;
    view.m_choices = choices;
    const QString helpFile = RunStartupRoutine(view, platform, Setup(langVersion, filesVersion));

    QCOMPARE(view.m_shown.join(u'/'), shown);
    QCOMPARE(CLangLibrary::Instance().CurrentLanguage(), language);
    QCOMPARE(helpFile, u"/usr/share/vokabit/help/index.html"_s);
    QCOMPARE(platform.m_messages.size(), size_t(warnings.isEmpty() ? 0 : 1));
    // One message, its header in the language the start ended in.
    if (!warnings.isEmpty())
      QCOMPARE(platform.m_messages[0].text, StringTableQText(kStrStartupErrors) + warnings);
  }

  // What the defaults and associations hold is the settings tests' matter;
  // a start without a file writes them, naming this program, and a start
  // with a file writes nothing.
  void settingsOfAFirstStartAndOfAStartWithAFile() {
    CFakePlatform platform;
    CRecordingView view;
    view.m_choices = {u"0"_s};
    RunStartupRoutine(view, platform, Setup());
    QCOMPARE(
        ReadSetting(SettingsRoot::ClassesRoot, u"Vokabit.vk2\\shell\\open\\command"_s, QString()),
        u"/usr/bin/vokabit \"%1\""_s);

    // A start with a file writes nothing the user has, no association, and
    // takes the stored language without asking.
    const QByteArray before = ReadAll(SettingsFilePath(kUser));
    QVERIFY(QFile::remove(SettingsFilePath(SettingsRoot::ClassesRoot)));
    VKLangSetLanguage(kEnglish);
    QCOMPARE(PrepareStartWithFile(u"/elsewhere/"_s), QString());
    QCOMPARE(ReadAll(SettingsFilePath(kUser)), before);
    QVERIFY(!QFileInfo::exists(SettingsFilePath(SettingsRoot::ClassesRoot)));
    QCOMPARE(CLangLibrary::Instance().CurrentLanguage(), kSwedish);

    // A damaged settings file is reported on this start too, and left alone.
    QVERIFY(WriteFile(SettingsFilePath(kUser), "{ not json"));
    QCOMPARE(PrepareStartWithFile(u"/elsewhere/"_s),
             WithPath(kTxtSettingsDamaged, SettingsFilePath(kUser)));
    QCOMPARE(ReadAll(SettingsFilePath(kUser)), QByteArray("{ not json"));
  }

  void commandLine_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("splash");

    const auto row = [](const char* name, const QString& line,
                        CCommandLineInfo::ShellCommand command, const QString& file,
                        bool splash = true) {
      QTest::newRow(name) << line << int(command) << file << splash;
    };
    using C = CCommandLineInfo;
    row("nothing", u""_s, C::FileNew, u""_s);
    row("open, quoted with blanks", uR"("/home/anna/Mina listor/Tyska 1.vk2")"_s, C::FileOpen,
        u"/home/anna/Mina listor/Tyska 1.vk2"_s);
    row("print slash", uR"(/p "/tmp/a b.vk2")"_s, C::FilePrint, u"/tmp/a b.vk2"_s);
    row("print dash", u"-p /tmp/a.vk1"_s, C::FilePrint, u"/tmp/a.vk1"_s);
    row("print after path", u"/tmp/a.vk2 /p"_s, C::FilePrint, u"/tmp/a.vk2"_s);
    row("capital P is no print switch", u"/P"_s, C::FileOther, u""_s);
    row("quotes inside a word", uR"(x"y z"w)"_s, C::FileOpen, u"xy zw"_s);
    row("two paths, first wins", u"a.vk2 b.vk2"_s, C::FileOpen, u"a.vk2"_s);
    row("embedding clears the start-up dialog", u"-Embedding"_s, C::FileOther, u""_s, false);
  }

  void commandLine() {
    QFETCH(QString, commandLine);
    QFETCH(int, command);
    QFETCH(QString, file);
    QFETCH(bool, splash);
    CCommandLineInfo info;
    info.Parse(CCommandLineInfo::Split(commandLine));
    QCOMPARE(int(info.m_shellCommand), command);
    QCOMPARE(info.m_fileName, file);
    QCOMPARE(info.m_showSplash, splash);
  }

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

QTEST_MAIN(TestApp)
#include "tst_App.moc"
