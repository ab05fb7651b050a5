// The practice options and the last direction in the settings, in the text
// the settings files have always held.
#include <QtTest>

#include "TestFiles.h"
#include "practice/PracticeOptions.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;

using namespace Qt::StringLiterals;

class TestPracticeOptions : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

 private Q_SLOTS:
  void savedAsTheSettingsAlwaysHeldThem() {
    ApplyTestDefaults(m_dir.path() + u'/');
    const auto Stored = [](QLatin1String name) { return ReadSetting(kUser, kKeySetups, name); };
    PracticeOptions options{
        false, 12, true, false, true, false, true, false, u"fel.wav"_s, u"r\u00e4tt.wav"_s, {}};
    options.Save();
    QStringList stored;  // in the order of the members
    for (QLatin1String name :
         {kValueOvaAllaRadio, kValueOvaBara, kValueBlandaCheck, kValueSkiljCheck, kValueClassCheck,
          kValueShowRightDirect, kValueLjudFelCheck, kValueLjudRattCheck, kValueLjudFel,
          kValueLjudRatt})
      stored << Stored(name);
    QCOMPARE(stored.join(u' '),
             u"FALSE 12 TRUE FALSE TRUE FALSE TRUE FALSE fel.wav r\u00e4tt.wav"_s);

    // All words leave the count as it was; only the exact "TRUE" is true,
    // and a count is read as atoi reads it.
    options.allWords = true;
    options.onlyCount = 99;
    options.Save();
    WriteSetting(kUser, kKeySetups, kValueBlandaCheck, u"true"_s);
    WriteSetting(kUser, kKeySetups, kValueOvaBara, Stored(kValueOvaBara) + u" words"_s);
    PracticeOptions::SavePause(u"1.5"_s);
    const PracticeOptions read = PracticeOptions::Load();
    QVERIFY(read.allWords && !read.shuffle && read.showClass && read.wrongSound);
    QCOMPARE(read.onlyCount, 12);
    QCOMPARE(read.pause + read.rightSoundPath, u"1.5r\u00e4tt.wav"_s);

    // Only the exact "FALSE" means translations.
    WriteSetting(kUser, kKeyPractise, kValueF, u"false"_s);
    QCOMPARE(LastDirection(), Direction::Foreign);
    RememberDirection(Direction::Translation);
    QCOMPARE(LastDirection(), Direction::Translation);
    RememberDirection(Direction::Foreign);
    QCOMPARE(ReadSetting(kUser, kKeyPractise, kValueF), u"TRUE"_s);
  }
};

QTEST_GUILESS_MAIN(TestPracticeOptions)
#include "tst_PracticeOptions.moc"
