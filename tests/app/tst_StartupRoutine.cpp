// The command line, the start-up routine of a start without a list file,
// the start with a file, and the program's language with Qt's own texts.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "app/AppTexts.h"
#include "app/CommandLineInfo.h"
#include "app/ProgramLanguage.h"
#include "app/StartupRoutine.h"
#include "lang/LangLibrary.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

namespace {

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
constexpr unsigned kStartupErrors = 57372;
constexpr int kSwedish = 0;
constexpr int kEnglish = 1;
constexpr int kGerman = 2;

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

}  // namespace

class TestStartupRoutine : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;

 private Q_SLOTS:
  void init() {
    m_dir = FreshSettings();
    QVERIFY(m_dir);
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
    if (stored != u"-"_s) {
      StoreSetting(kKeySetups, kValueLanguage, stored);
    }
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
      QCOMPARE(platform.m_messages[0].text, StringTableQText(kStartupErrors) + warnings);
  }

  void settingsOfAFirstStartAndOfAStartWithAFile() {
    CreateSettingsKey(kUser, kKeySetups);
    WriteSetting(kUser, kKeySetups, kValueOvaBara, u"25"_s);
    WriteSetting(kUser, kKeySetups, kValuePause, QString());
    CreateSettingsKey(SettingsRoot::ClassesRoot, u".vk2"_s);
    WriteSetting(SettingsRoot::ClassesRoot, u".vk2"_s, QString(), u"Other.vk2"_s);
    CFakePlatform platform;
    CRecordingView view;
    view.m_choices = {u"0"_s};
    RunStartupRoutine(view, platform, Setup());
    // The user's value stays, an emptied one gets its default again, and the
    // associations are rewritten.
    QCOMPARE(ReadSetting(kUser, kKeySetups, kValueOvaBara), u"25"_s);
    QCOMPARE(ReadSetting(kUser, kKeySetups, kValuePause), u"0.8"_s);
    QCOMPARE(ReadSetting(SettingsRoot::ClassesRoot, u".vk2"_s, QString()), u"Vokabit.vk2"_s);
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

  // Qt's own texts follow the program's language (the print dialog is
  // Qt's); a refused language changes nothing, and without Qt's
  // translations the program's own still serve.
  void qtTextsFollowTheLanguage() {
    QCOMPARE(SetProgramLanguage(kGerman), 0);
    QVERIFY(QCoreApplication::translate("QPrintDialog", "Print") != u"Print"_s);
    QVERIFY(SetProgramLanguage(-1) != 0);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Ja"_s);
    QTemporaryDir empty;
    QCOMPARE(VKLangSetLanguage(kSwedish), 0);
    QVERIFY(!InstallQtTranslations(empty.path()));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Avbryt"_s);
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
};

QTEST_GUILESS_MAIN(TestStartupRoutine)
#include "tst_StartupRoutine.moc"
