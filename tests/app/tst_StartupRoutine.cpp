// The start-up routine of a start without a list file, the start with a
// file, and the program's language with Qt's own texts.
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "FakePlatform.h"
#include "LangLibrary.h"
#include "LangText.h"
#include "ProgramLanguage.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "StartupRoutine.h"
#include "TestFiles.h"
#include "VkLang.h"

using namespace Qt::StringLiterals;

namespace {

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
constexpr unsigned kStartupErrors = 57372;
constexpr unsigned kQtLocale = 650;
constexpr int kSwedish = 0;
constexpr int kEnglish = 1;
constexpr int kGerman = 2;

// Records what the routine shows: one "text" entry per status, with "(red)"
// after a red one and "<choice>" where the language choice ran.
class CRecordingView : public CStartupView {
 public:
  QStringList m_shown;
  // What the next language choices store and answer; empty: Cancel.
  QStringList m_choices;

  void SetStatus(const QString& text) override { m_shown << (m_red ? text + u" (red)"_s : text); }
  void SetStatusRed(bool red) override { m_red = red; }
  bool ChooseLanguage() override {
    m_shown << u"<choice>"_s;
    if (m_choices.isEmpty()) return false;
    const QString choice = m_choices.takeFirst();
    if (choice.isEmpty()) return false;
    // As the language dialog does after the library took the language.
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
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("VOKABIT_CONFIG_DIR", m_dir->path().toUtf8());
    // The library starts in English, so that every language request shows.
    QCOMPARE(VKLangSetLanguage(kEnglish), 0);
  }

  void languageLoop_data() {
    QTest::addColumn<QString>("stored");       // "Language" before the start; "-" none
    QTest::addColumn<QStringList>("choices");  // the language dialog's answers
    QTest::addColumn<std::uint32_t>("langVersion");
    QTest::addColumn<std::uint32_t>("filesVersion");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("language");     // the library's language afterwards
    QTest::addColumn<QString>("message");  // the warnings after the header; "-" no message

    const QString check = u"Checking dllfiles..."_s;
    const QString registry = u"Checking registry..."_s;
    const QString loading = u"Loading current language..."_s;
    const QString end1 = u"Searching for helpfile..."_s;
    const QString end2 = u"Startar..."_s;
    QTest::newRow("first start, a language chosen")
        << u"-"_s << QStringList{u"2"_s} << 16u << 12u
        << QStringList{check,         registry, loading, u"No language selected. (red)"_s,
                       u"<choice>"_s, loading,  end1,    end2}
        << kGerman << u"-"_s;
    QTest::newRow("first start, the choice cancelled: language 0")
        << u"-"_s << QStringList{} << 16u << 12u
        << QStringList{check,
                       registry,
                       loading,
                       u"No language selected. (red)"_s,
                       u"<choice>"_s,
                       u"Searching for helpfile... (red)"_s,
                       u"Startar... (red)"_s}
        << kSwedish << u"-"_s;
    QTest::newRow("abc requests language 0")
        << u"abc"_s << QStringList{} << 16u << 12u
        << QStringList{check, registry, loading, end1, end2} << kSwedish << u"-"_s;
    QTest::newRow("stored language taken")
        << u"2"_s << QStringList{} << 16u << 12u
        << QStringList{check, registry, loading, end1, end2} << kGerman << u"-"_s;
    // Versions count by their low 16 bits, taken as a signed number.
    QTest::newRow("libraries too old, the language fails and the choice is cancelled")
        << u"7"_s << QStringList{} << 0x1000Du << 0xFFFFu
        << QStringList{check,
                       u"Warning: The file vklang.dll is too old! (red)"_s,
                       u"Warning: The file vkfiles.dll is too old! (red)"_s,
                       u"Checking registry... (red)"_s,
                       loading,
                       u"Error loading language! (red)"_s,
                       u"<choice>"_s,
                       u"Searching for helpfile... (red)"_s,
                       u"Startar... (red)"_s}
        << kEnglish
        << u"Warning: The file vklang.dll is too old!\nWarning: The file vkfiles.dll is too "
           u"old!\nError loading language!"_s;
    QTest::newRow("a failing language, then another chosen")
        << u"-1"_s << QStringList{u"0"_s} << 14u << 10u
        << QStringList{check,         registry, loading, u"Error loading language! (red)"_s,
                       u"<choice>"_s, loading,  end1,    end2}
        << kSwedish << u"-"_s;
  }
  void languageLoop() {
    QFETCH(QString, stored);
    QFETCH(QStringList, choices);
    QFETCH(std::uint32_t, langVersion);
    QFETCH(std::uint32_t, filesVersion);
    QFETCH(QStringList, shown);
    QFETCH(int, language);
    QFETCH(QString, message);

    if (stored != u"-"_s) {
      CreateSettingsKey(kUser, kKeySetups);
      WriteSetting(kUser, kKeySetups, kValueLanguage, stored);
    }
    CFakePlatform platform;
    CRecordingView view;
    view.m_choices = choices;
    const QString helpFile = RunStartupRoutine(view, platform, Setup(langVersion, filesVersion));

    QCOMPARE(view.m_shown, shown);
    QCOMPARE(CLangLibrary::Instance().CurrentLanguage(), language);
    QCOMPARE(helpFile, u"/usr/share/vokabit/help/index.html"_s);
    if (message == u"-"_s) {
      QVERIFY(platform.m_messages.empty());
    } else {
      QCOMPARE(platform.m_messages.size(), size_t(1));
      // The header comes in the language the start ended in.
      QCOMPARE(platform.m_messages[0].text, StringTableQText(kStartupErrors) + message);
      QCOMPARE(platform.m_messages[0].buttons, MessageButtons::Ok);
    }
  }

  void firstStartWritesTheSettingsAndKeepsTheUsers() {
    // A user's value, an emptied one, and a stale association.
    CreateSettingsKey(kUser, kKeySetups);
    WriteSetting(kUser, kKeySetups, kValueOvaBara, u"25"_s);
    WriteSetting(kUser, kKeySetups, kValuePause, QString());
    CreateSettingsKey(SettingsRoot::ClassesRoot, u".vk2"_s);
    WriteSetting(SettingsRoot::ClassesRoot, u".vk2"_s, QString(), u"Other.vk2"_s);

    CFakePlatform platform;
    CRecordingView view;
    view.m_choices = {u"2"_s};
    RunStartupRoutine(view, platform, Setup());

    QCOMPARE(ReadSetting(kUser, kKeySetups, kValueOvaBara), u"25"_s);
    QCOMPARE(ReadSetting(kUser, kKeySetups, kValuePause), u"0.8"_s);
    QCOMPARE(ReadSetting(kUser, kKeyVokabit30, kValueTipsFile), u"/usr/share/vokabit/"_s);
    QCOMPARE(ReadSetting(kUser, kKeySetups, kValueLanguage), u"2"_s);
    QCOMPARE(ReadSetting(SettingsRoot::ClassesRoot, u".vk2"_s, QString()), u"Vokabit.vk2"_s);
    QCOMPARE(
        ReadSetting(SettingsRoot::ClassesRoot, u"Vokabit.vk2\\shell\\open\\command"_s, QString()),
        u"/usr/bin/vokabit \"%1\""_s);
    // Every key the program writes into exists.
    for (QLatin1String key : {kKeyMru, kKeyTip, kKeyPractise, kKeyPrint}) {
      WriteSetting(kUser, key, u"Probe"_s, u"1"_s);
      QCOMPARE(ReadSetting(kUser, key, u"Probe"_s), u"1"_s);
    }
  }

  void startWithFileChangesNothingTheUserHas() {
    CFakePlatform platform;
    CRecordingView view;
    view.m_choices = {u"0"_s};
    RunStartupRoutine(view, platform, Setup());
    WriteSetting(kUser, kKeySetups, kValueOvaBara, u"7"_s);
    const QString userFile = SettingsFilePath(kUser);
    const QByteArray before = ReadAll(userFile);
    QVERIFY(QFile::remove(SettingsFilePath(SettingsRoot::ClassesRoot)));
    VKLangSetLanguage(kEnglish);

    PrepareStartWithFile(u"/elsewhere/"_s);

    QCOMPARE(ReadAll(userFile), before);
    QVERIFY(!QFileInfo::exists(SettingsFilePath(SettingsRoot::ClassesRoot)));
    // The user's language, without asking.
    QCOMPARE(CLangLibrary::Instance().CurrentLanguage(), kSwedish);
  }

  void leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    const std::pair<const char*, int> rows[] = {
        {"", 0},
        {"abc", 0},
        {"2", 2},
        {" 2", 2},
        {"2abc", 2},
        {"-1", -1},
        {"+1", 1},
        {"a2", 0},
        {"\t12 ", 12},
        {"0010", 10},
        {"99999999999", std::numeric_limits<int>::max()},
    };
    for (const auto& [text, number] : rows)
      QTest::newRow(text) << QString::fromUtf8(text) << number;
  }
  void leadingNumber() {
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(LeadingNumber(text), number);
  }

  void qtTextsFollowTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("selectAll");
    QTest::newRow("Swedish") << kSwedish << u"sv"_s << u"&Ja"_s << u"Markera alla"_s;
    QTest::newRow("German") << kGerman << u"de"_s << u"&Ja"_s << u"Alles auswählen"_s;
    QTest::newRow("English") << kEnglish << u"en"_s << u"&Yes"_s << u"Select All"_s;
  }
  void qtTextsFollowTheLanguage() {
    QFETCH(int, language);
    QFETCH(QString, locale);
    QFETCH(QString, yes);
    QFETCH(QString, selectAll);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language != kEnglish && !QFileInfo::exists(folder + u"/qt_"_s + locale + u".qm"_s))
      QSKIP("Qt's translations (qt6-translations-l10n) are not installed");

    QCOMPARE(SetProgramLanguage(language), 0);
    QCOMPARE(LangQText(kQtLocale), locale);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
    QCOMPARE(QCoreApplication::translate("QLineEdit", "Select All"), selectAll);
    if (language != kEnglish) {
      // The print dialog comes from Qt's own translation.
      QVERIFY(QCoreApplication::translate("QPrintDialog", "Print") != u"Print"_s);
    }
    // A refused language changes neither the library nor Qt's texts.
    QVERIFY(SetProgramLanguage(-1) != 0);
    QCOMPARE(CLangLibrary::Instance().CurrentLanguage(), language);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
  }

  void missingQtTranslationsAreNoError() {
    QCOMPARE(VKLangSetLanguage(kSwedish), 0);
    QTemporaryDir empty;
    QVERIFY(!InstallQtTranslations(empty.path()));
    // The program's own translations of the buttons still serve.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Avbryt"_s);
    QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), u"Print"_s);
    QCOMPARE(VKLangSetLanguage(kEnglish), 0);
    QVERIFY(!InstallQtTranslations(empty.path()));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_s);
  }
};

QTEST_GUILESS_MAIN(TestStartupRoutine)
#include "tst_StartupRoutine.moc"
