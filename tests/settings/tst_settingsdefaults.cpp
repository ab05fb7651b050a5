// The start-up defaults and the list file associations. What a fresh start
// stores is a file contract, kept byte for byte in tests/data/settings.
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

QString Lang(unsigned n) {
  return u"text %1"_s.arg(n);
}

QByteArray Golden(const char* name) {
  return ReadAll(qEnvironmentVariable("VOKABIT_TEST_DATA") + u"/settings/"_s + QLatin1String(name));
}

}  // namespace

class TestSettingsDefaults : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;

 private Q_SLOTS:
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("VOKABIT_CONFIG_DIR", m_dir->path().toUtf8());
  }

  // Every default, and every key the program writes into.
  void freshTreeGetsEveryDefault() {
    QVERIFY(ApplySettingsDefaults(u"/usr/share/vokabit/"_s, Lang));
    QCOMPARE(ReadAll(SettingsFilePath(kUser)), Golden("defaults.json"));
  }

  // A start with every default in place neither waits for another copy's
  // lock nor asks the language library; a later start keeps what the user
  // set and refills what is empty, asking only for the texts it needs.
  void laterStartKeepsUserValues() {
    QVERIFY(ApplySettingsDefaults(u"/opt/vk"_s, Lang));
    QList<unsigned> asked;
    const auto counting = [&asked](unsigned n) {
      asked << n;
      return u"other %1"_s.arg(n);
    };
    QLockFile lock(SettingsFilePath(kUser) + u".lock"_s);
    QVERIFY(lock.tryLock(0));
    QVERIFY(ApplySettingsDefaults(u"/opt/vk"_s, counting));
    lock.unlock();
    QCOMPARE(asked, QList<unsigned>());

    WriteSetting(kUser, kKeySetups, kValueBlandaCheck, u"FALSE"_s);
    WriteSetting(kUser, kKeySetups, kValueLjudFel, u"/home/u/fel.wav"_s);
    WriteSetting(kUser, kKeyPrint, u"ShowPageNumber"_s, u"FALSE"_s);
    for (QLatin1String name : {kValueOvaBara, kValueLjudRatt})
      WriteSetting(kUser, kKeySetups, name, QString());
    WriteSetting(kUser, kKeyPrint, kValueMarginTop, QString());
    QVERIFY(ApplySettingsDefaults(u"/usr/share/vokabit"_s, counting));
    QCOMPARE(asked, QList<unsigned>{kTextDefaultSound});
    const std::tuple<QLatin1String, QLatin1String, QString> expected[] = {
        {kKeySetups, kValueBlandaCheck, u"FALSE"_s},
        {kKeySetups, kValueLjudFel, u"/home/u/fel.wav"_s},
        {kKeyPrint, kValueShowPagenumber, u"FALSE"_s},
        {kKeyVokabit30, kValueTipsFile, u"/opt/vk/"_s},
        {kKeyVokabit, kValueHemsida, u"text 111"_s},
        {kKeySetups, kValueOvaBara, u"10"_s},
        {kKeyPrint, kValueMarginTop, u"50"_s},
        {kKeySetups, kValueLjudRatt, u"other 249"_s}};
    for (const auto& [key, name, value] : expected) QCOMPARE(ReadSetting(kUser, key, name), value);
  }

  void damagedStoreIsLeftAlone() {
    for (SettingsRoot root : {kUser, kClasses})
      QVERIFY(WriteFile(SettingsFilePath(root), "{\"format\": 1, \"keys\": {"));
    QVERIFY(!ApplySettingsDefaults(u"/usr/share/vokabit"_s, Lang));
    QVERIFY(!WriteFileAssociations(u"/usr/bin/vokabit"_s));
    for (SettingsRoot root : {kUser, kClasses})
      QCOMPARE(ReadAll(SettingsFilePath(root)), QByteArray("{\"format\": 1, \"keys\": {"));
  }

  // Written at every start, so that they follow the program when it moves; a
  // program path with a space is quoted in the commands.
  void associationsAreWrittenEveryTime() {
    QVERIFY(WriteFileAssociations(u"/old/place/vokabit"_s));
    WriteSetting(kClasses, u".vk2"_s, QString(), u"Other.vk2"_s);
    QVERIFY(WriteFileAssociations(u"/opt/My Apps/vokabit"_s));
    QCOMPARE(ReadAll(SettingsFilePath(kClasses)), Golden("fileclasses.json"));
    QVERIFY(!QFile::exists(SettingsFilePath(kUser)));
    QVERIFY(WriteFileAssociations(u"/usr/bin/vokabit"_s));
    QCOMPARE(ReadSetting(kClasses, u"Vokabit.vk1\\shell\\print\\command"_s, QString()),
             u"/usr/bin/vokabit /p \"%1\""_s);
  }
};

QTEST_GUILESS_MAIN(TestSettingsDefaults)
#include "tst_settingsdefaults.moc"
