#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "lang/DataDir.h"
#include "platform/QtPlatform.h"
#include "platform/SoundModule.h"

namespace {

// Whether a library whose file name contains the text is mapped into this process.
bool IsMapped(const QByteArray& name) {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return false;
  return maps.readAll().contains(name);
}

QString ShippedSound() {
  return QDir(DataDirectory()).filePath(QStringLiteral("sounds/right.wav"));
}

}  // namespace

class TestSoundModule : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(QFileInfo(ShippedSound()).isFile());
    // The test runs without the audio libraries until a module brings them.
    QVERIFY(!IsMapped("libQt6Multimedia"));
  }

  void unusableModulePlaysNothing_data() {
    QTest::addColumn<QString>("module");
    QTest::newRow("missing") << QStringLiteral("/nonexistent/vokabit-sound.so");
    QTest::newRow("not a library") << ShippedSound();
    QTest::newRow("another plugin") << QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                                           QStringLiteral("/platforms/libqoffscreen.so");
  }

  void unusableModulePlaysNothing() {
    QFETCH(QString, module);
    CQtPlatform platform;
    platform.SetSoundModulePath(module);
    platform.PlaySound(ShippedSound());
    platform.PlaySound(ShippedSound());
    QVERIFY(!platform.SoundModule().Error().isEmpty());
    QVERIFY(!IsMapped("libQt6Multimedia"));
  }

  void moduleLoadsOnTheFirstSound() {
    CQtPlatform platform;
    platform.SetSoundModulePath(QStringLiteral(VOKABIT_SOUND_MODULE_FILE));
    // Nothing to play loads nothing.
    platform.PlaySound(QString());
    platform.PlaySound(QDir(DataDirectory()).filePath(QStringLiteral("sounds/none.wav")));
    QVERIFY(!IsMapped("vokabit-sound"));

    platform.PlaySound(ShippedSound());
    QVERIFY2(platform.SoundModule().Error().isEmpty(), qPrintable(platform.SoundModule().Error()));
    QVERIFY(IsMapped("vokabit-sound"));
    QVERIFY(IsMapped("libQt6Multimedia"));
    // A second sound while the first plays, and the player's end with the platform.
    platform.PlaySound(QStringLiteral("sounds/wrong.wav"));
    QTest::qWait(50);
  }

  void programFindsTheModuleBesideIt() {
    // The build tree mirrors the installed layout, so the program's own
    // lookup finds the module that the build made.
    QCOMPARE(QFileInfo(CSoundModule::PathBeside(QStringLiteral(VOKABIT_PROGRAM_DIR)))
                 .canonicalFilePath(),
             QFileInfo(QStringLiteral(VOKABIT_SOUND_MODULE_FILE)).canonicalFilePath());
  }
};

QTEST_MAIN(TestSoundModule)
#include "tst_SoundModule.moc"
