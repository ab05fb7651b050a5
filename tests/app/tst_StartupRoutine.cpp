// The settings part of a start with a list file.
#include <QtTest>

#include <QTemporaryDir>

#include "AppTexts.h"
#include "LangText.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "StartupRoutine.h"
#include "TestFiles.h"

class TestStartupRoutine : public QObject {
  Q_OBJECT

  QTemporaryDir m_config;

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_config.isValid());
    qputenv("VOKABIT_CONFIG_DIR", QFile::encodeName(m_config.path()));
  }

  // A first start by a double click gets the defaults; a damaged settings
  // file is reported, and left as it was.
  void startWithAFileWritesDefaultsAndReportsDamage() {
    QCOMPARE(RunStartupWithFile(QStringLiteral("/opt/vokabit/")), QString());
    QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValuePause),
             QStringLiteral("0.8"));

    const QString file = SettingsFilePath(SettingsRoot::CurrentUser);
    QVERIFY(WriteFile(file, "{ not json"));
    QCOMPARE(RunStartupWithFile(QStringLiteral("/opt/vokabit/")),
             WithPath(kTxtSettingsDamaged, file));
    QCOMPARE(ReadAll(file), QByteArray("{ not json"));
  }
};

QTEST_GUILESS_MAIN(TestStartupRoutine)
#include "tst_StartupRoutine.moc"
