// The start-up defaults and the list file associations.
#include <memory>

#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"
#include "settings/Settings.h"
#include "settings/SettingsDefaults.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

namespace {

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
constexpr SettingsRoot kClasses = SettingsRoot::ClassesRoot;

QString S(const char* text) {
  return QString::fromUtf8(text);
}

QString Lang(unsigned n) {
  return S("text %1").arg(n);
}
QString OtherLang(unsigned n) {
  return S("anderer Text %1").arg(n);
}

}  // namespace

class TestSettingsDefaults : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("VOKABIT_CONFIG_DIR", m_dir->path().toUtf8());
  }

  void freshTreeGetsEveryDefault_data() {
    QTest::addColumn<QString>("programDirectory");
    QTest::newRow("no slash") << S("/usr/share/vokabit");
    QTest::newRow("slash") << S("/usr/share/vokabit/");
  }
  void freshTreeGetsEveryDefault() {
    QFETCH(QString, programDirectory);
    QVERIFY(ApplySettingsDefaults(programDirectory, Lang));

    // Key, then name=value pairs in the order of the start-up table; "-" for
    // settings that have no default.
    const char* expected[][2] = {
        {"SOFTWARE\\Brannvik\\Vokabit\\3.0\\Print",
         "ShowFileName=TRUE;ShowOnlyF=FALSE;ShowOnlyO=FALSE;ShowPagenumber=TRUE;ShowTextFO=TRUE;"
         "MarginTop=50;MarginLeft=50;MarginRight=50;MarginBottom=50;ShowOnlyTOv=-;TextSize=-"},
        {"SOFTWARE\\Brannvik\\Vokabit\\3.0\\Setups",
         "BlandaCheck=TRUE;ClassCheck=TRUE;LjudFel=text 249;LjudFelCheck=FALSE;LjudRatt=text 249;"
         "LjudRattCheck=FALSE;OvaAllaRadio=TRUE;OvaBara=10;SkiljCheck=TRUE;ShowRightDirect=FALSE;"
         "Special1=ü;Special2=Ü;Special3=ß;Special4= ;Pause=0.8;Language=-"},
        {"SOFTWARE\\Brannvik\\Vokabit\\3.0",
         "HelpFile=/usr/share/vokabit/help/index.html;TipsFile=/usr/share/vokabit/"},
        {"SOFTWARE\\Brannvik\\Vokabit", "Hemsida=text 111"},
        {"SOFTWARE\\Brannvik", "Mail=text 139;Hemsida=-"},
    };
    for (const auto& [key, settings] : expected) {
      for (const QString& setting : S(settings).split(u';')) {
        const QString value = setting.section(u'=', 1);
        QCOMPARE(ReadSetting(kUser, S(key), setting.section(u'=', 0, 0)),
                 value == S("-") ? QString() : value);
      }
    }

    // Every key the program writes into exists.
    for (QString key : {QString(kKeyMru), QString(kKeyTip), QString(kKeyPractise)}) {
      WriteSetting(kUser, key, S("Probe"), S("1"));
      QCOMPARE(ReadSetting(kUser, key, S("probe")), S("1"));
    }
  }

  void userValuesSurviveAndEmptyValuesAreRefilled() {
    QVERIFY(ApplySettingsDefaults(S("/opt/vk"), Lang));
    WriteSetting(kUser, kKeySetups, kValueBlandaCheck, S("FALSE"));
    WriteSetting(kUser, kKeySetups, kValueLjudFel, S("/home/u/fel.wav"));
    WriteSetting(kUser, kKeySetups, kValueLanguage, S("2"));
    WriteSetting(kUser, kKeyPrint, S("ShowPageNumber"), S("FALSE"));
    WriteSetting(kUser, kKeyVokabit30, kValueHelpFile, S("/elsewhere/help.html"));
    WriteSetting(kUser, kKeySetups, kValueOvaBara, QString());
    WriteSetting(kUser, kKeyPrint, kValueMarginTop, QString());

    QVERIFY(ApplySettingsDefaults(S("/usr/share/vokabit"), OtherLang));
    const std::tuple<QLatin1String, QLatin1String, const char*> expected[] = {
        {kKeySetups, kValueBlandaCheck, "FALSE"},
        {kKeySetups, kValueLjudFel, "/home/u/fel.wav"},
        {kKeySetups, kValueLanguage, "2"},
        {kKeyPrint, kValueShowPagenumber, "FALSE"},
        {kKeyVokabit30, kValueHelpFile, "/elsewhere/help.html"},
        {kKeyVokabit, kValueHemsida, "text 111"},
        {kKeySetups, kValueOvaBara, "10"},
        {kKeyPrint, kValueMarginTop, "50"},
        {kKeySetups, kValueLjudRatt, "text 249"}};
    for (const auto& [key, name, value] : expected)
      QCOMPARE(ReadSetting(kUser, key, name), S(value));
  }

  // A start with every default in place neither waits for another copy's
  // lock nor asks the language library; a missing one costs its text only.
  void presentDefaultsCostNothing() {
    QVERIFY(ApplySettingsDefaults(S("/opt/vk"), Lang));
    QList<unsigned> asked;
    const auto counting = [&asked](unsigned n) {
      asked << n;
      return Lang(n);
    };
    QLockFile lock(SettingsFilePath(kUser) + S(".lock"));
    QVERIFY(lock.tryLock(0));
    QVERIFY(ApplySettingsDefaults(S("/opt/vk"), counting));
    lock.unlock();
    QCOMPARE(asked, QList<unsigned>());

    WriteSetting(kUser, kKeySetups, kValueLjudRatt, QString());
    QVERIFY(ApplySettingsDefaults(S("/opt/vk"), counting));
    QCOMPARE(asked, QList<unsigned>{kTextDefaultSound});
    QCOMPARE(ReadSetting(kUser, kKeySetups, kValueLjudRatt), S("text 249"));
  }

  void damagedStoreIsLeftAlone() {
    for (SettingsRoot root : {kUser, kClasses})
      QVERIFY(WriteFile(SettingsFilePath(root), "{\"format\": 1, \"keys\": {"));
    QVERIFY(!ApplySettingsDefaults(S("/usr/share/vokabit"), Lang));
    QVERIFY(!WriteFileAssociations(S("/usr/bin/vokabit")));
    for (SettingsRoot root : {kUser, kClasses})
      QCOMPARE(ReadAll(SettingsFilePath(root)), QByteArray("{\"format\": 1, \"keys\": {"));
  }

  void associationsAreWrittenEveryTime_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("command");  // the program as a command line names it
    QTest::newRow("plain") << S("/usr/bin/vokabit") << S("/usr/bin/vokabit");
    QTest::newRow("space") << S("/opt/My Apps/vokabit") << S("\"/opt/My Apps/vokabit\"");
  }
  void associationsAreWrittenEveryTime() {
    QFETCH(QString, program);
    QFETCH(QString, command);
    QVERIFY(WriteFileAssociations(S("/old/place/vokabit")));
    WriteSetting(kClasses, S(".vk2"), QString(), S("Other.vk2"));
    QVERIFY(WriteFileAssociations(program));

    const QString open = command + S(" \"%1\"");
    const QString print = command + S(" /p \"%1\"");
    const QString expected[][2] = {
        {S(".vk1"), S("Vokabit.vk1")},
        {S(".vk2"), S("Vokabit.vk2")},
        {S("Vokabit.vk1"), S("Vokabit-gloslista 1.0")},
        {S("Vokabit.vk2"), S("Vokabit-gloslista 2.x")},
        {S("Vokabit.vk1\\DefaultIcon"), program + S(",1")},
        {S("Vokabit.vk2\\DefaultIcon"), program + S(",1")},
        {S("Vokabit.vk1\\shell\\open\\command"), open},
        {S("Vokabit.vk2\\shell\\open\\command"), open},
        {S("Vokabit.vk1\\shell\\print\\command"), print},
        {S("Vokabit.vk2\\shell\\print\\command"), print},
    };
    for (const auto& [key, value] : expected)
      QCOMPARE(ReadSetting(kClasses, key, QString()), value);
    QVERIFY(!QFile::exists(SettingsFilePath(kUser)));
  }

 private:
  std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestSettingsDefaults)
#include "tst_settingsdefaults.moc"
