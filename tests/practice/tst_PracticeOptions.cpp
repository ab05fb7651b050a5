// The practice options and the last direction in the settings, in the text
// the settings files have always held.
#include <QtTest>

#include "TestFiles.h"
#include "practice/PracticeOptions.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

namespace {

QString Stored(QLatin1String name) {
  return ReadSetting(SettingsRoot::CurrentUser, kKeySetups, name);
}

}  // namespace

class TestPracticeOptions : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    ApplyTestDefaults(m_dir.path() + u'/');
  }

  void savedAsTheSettingsAlwaysHeldThem() {
    PracticeOptions options;
    options.allWords = false;
    options.onlyCount = 12;
    options.shuffle = true;
    options.matchCase = false;
    options.showClass = true;
    options.checkWhileTyping = false;
    options.wrongSound = true;
    options.rightSound = false;
    options.wrongSoundPath = u"fel.wav"_s;
    options.rightSoundPath = u"r\u00e4tt.wav"_s;
    options.Save();
    QStringList stored;
    for (QLatin1String name :
         {kValueOvaAllaRadio, kValueOvaBara, kValueBlandaCheck, kValueSkiljCheck, kValueClassCheck,
          kValueShowRightDirect, kValueLjudFelCheck, kValueLjudRattCheck, kValueLjudFel,
          kValueLjudRatt})
      stored << Stored(name);
    QCOMPARE(stored, (QStringList{u"FALSE"_s, u"12"_s, u"TRUE"_s, u"FALSE"_s, u"TRUE"_s, u"FALSE"_s,
                                  u"TRUE"_s, u"FALSE"_s, u"fel.wav"_s, u"r\u00e4tt.wav"_s}));

    // All words leave the count as it was; only the exact "TRUE" is true,
    // and a count is read as atoi reads it.
    options.allWords = true;
    options.onlyCount = 99;
    options.Save();
    QCOMPARE(Stored(kValueOvaBara), u"12"_s);
    WriteSetting(SettingsRoot::CurrentUser, kKeySetups, kValueBlandaCheck, u"true"_s);
    WriteSetting(SettingsRoot::CurrentUser, kKeySetups, kValueOvaBara, u" 7 words"_s);
    PracticeOptions::SavePause(u"1.5"_s);
    const PracticeOptions read = PracticeOptions::Load();
    QVERIFY(read.allWords && !read.shuffle && read.showClass && read.wrongSound);
    QCOMPARE(read.onlyCount, 7);
    QCOMPARE(read.pause + read.rightSoundPath, u"1.5r\u00e4tt.wav"_s);
  }

  void theLastDirectionIsRemembered() {
    // Only the exact "FALSE" means translations.
    for (const QString& stored : {QString(), u"false"_s}) {
      WriteSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF, stored);
      QCOMPARE(LastDirection(), Direction::Foreign);
    }
    RememberDirection(Direction::Translation);
    QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF), u"FALSE"_s);
    QCOMPARE(LastDirection(), Direction::Translation);
    RememberDirection(Direction::Foreign);
    QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF), u"TRUE"_s);
  }
};

QTEST_GUILESS_MAIN(TestPracticeOptions)
#include "tst_PracticeOptions.moc"
