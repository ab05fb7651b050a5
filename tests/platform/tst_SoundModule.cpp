#include <QFile>
#include <QLibraryInfo>
#include <QtTest>

#include "lang/DataDir.h"
#include "platform/QtPlatform.h"
#include "platform/SoundModule.h"

namespace {

// Whether a library whose file name contains the text is mapped into this process.
bool IsMapped(const QByteArray& name) {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

QString Sound(const char* name) {
  return DataDirectory() + QStringLiteral("/sounds/") + QLatin1String(name);
}

}  // namespace

class TestSoundModule : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    // The test runs without the audio libraries until a module brings them.
    QVERIFY(!IsMapped("libQt6Multimedia"));
  }

  void unusableModulePlaysNothing_data() {
    QTest::addColumn<QString>("module");
    QTest::newRow("missing") << QStringLiteral("/nonexistent/vokabit-sound.so");
    QTest::newRow("not a library") << Sound("right.wav");
    QTest::newRow("another plugin") << QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                                           QStringLiteral("/platforms/libqoffscreen.so");
  }

  void unusableModulePlaysNothing() {
    QFETCH(QString, module);
    CQtPlatform platform;
    platform.SetSoundModulePath(module);
    platform.PlaySound(Sound("right.wav"));
    platform.PlaySound(Sound("right.wav"));
    QVERIFY(!platform.SoundModule().Error().isEmpty() && !IsMapped("libQt6Multimedia"));
  }

  // The module beside the program (the build tree mirrors the installed
  // layout) loads with the first sound, and not before.
  void moduleLoadsOnTheFirstSound() {
    CQtPlatform platform;
    platform.SetSoundModulePath(CSoundModule::PathBeside(QStringLiteral(VOKABIT_PROGRAM_DIR)));
    platform.PlaySound(Sound("none.wav"));  // nothing to play loads nothing
    QVERIFY(!IsMapped("vokabit-sound"));

    platform.PlaySound(Sound("right.wav"));
    QVERIFY2(platform.SoundModule().Error().isEmpty(), qPrintable(platform.SoundModule().Error()));
    QVERIFY(IsMapped("vokabit-sound") && IsMapped("libQt6Multimedia"));
    // A second sound while the first plays, and the player's end with the platform.
    platform.PlaySound(Sound("wrong.wav"));
    QTest::qWait(50);
  }
};

QTEST_MAIN(TestSoundModule)
#include "tst_SoundModule.moc"
