#include <QtTest>

#include <QLockFile>
#include <QProcess>

#include "mainwnd/RecentFiles.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

// Works on a real store in a private folder (VOKABIT_CONFIG_DIR).
class TestRecentFiles : public QObject {
  Q_OBJECT

  QTemporaryDir m_config;

  static QStringList Paths(const CRecentFiles::Entries& e) {
    return QStringList(e.begin(), e.end());
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_config.isValid());
    qputenv("VOKABIT_CONFIG_DIR", m_config.path().toLocal8Bit());
    CreateSettingsKey(SettingsRoot::CurrentUser, kKeyMru);
  }

  void touchMovesThePathToTheFront_data() {
    QTest::addColumn<QString>("before");  // the four entries, "/a" for "/a.vk2"
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("after");
    QTest::newRow("already first") << u"a b c d"_s << u"a"_s << u"a b c d"_s;
    QTest::newRow("third keeps the fourth") << u"a b c d"_s << u"c"_s << u"c a b d"_s;
    QTest::newRow("new path drops the oldest") << u"a b c d"_s << u"e"_s << u"e a b c"_s;
    QTest::newRow("case counts") << u"a b c d"_s << u"A"_s << u"A a b c"_s;
    QTest::newRow("empty store") << u"- - - -"_s << u"x"_s << u"x - - -"_s;
  }

  void touchMovesThePathToTheFront() {
    QFETCH(QString, before);
    QFETCH(QString, path);
    QFETCH(QString, after);
    const auto entries = [](const QString& names) {
      CRecentFiles::Entries e;
      const QStringList list = names.split(u' ');
      for (int i = 0; i < CRecentFiles::kCount; ++i)
        e[i] = list[i] == u"-"_s ? QString() : u'/' + list[i] + u".vk2"_s;
      return e;
    };
    CRecentFiles::Write(entries(before));
    QCOMPARE(Paths(CRecentFiles::Touch(u'/' + path + u".vk2"_s)), Paths(entries(after)));
    QCOMPARE(Paths(CRecentFiles::Read()), Paths(entries(after)));  // the store is the master copy
  }

  // Two copies of the program that open a file at the same moment each keep
  // their entry: the move to the front is read, changed and stored whole
  // under the store's lock. The test holds the lock while both start, so
  // that both wait at the same point.
  void twoCopiesKeepBothEntries() {
    CRecentFiles::Write({u"/a"_s, u"/b"_s, u"/c"_s, u"/d"_s});
    QLockFile lock(SettingsFilePath(SettingsRoot::CurrentUser) + u".lock"_s);
    QVERIFY(lock.tryLock(0));
    QProcess first, second;
    first.start(QCoreApplication::applicationFilePath(), {u"--touch"_s, u"/one"_s});
    second.start(QCoreApplication::applicationFilePath(), {u"--touch"_s, u"/two"_s});
    QVERIFY(first.waitForStarted() && second.waitForStarted());
    QTest::qWait(1500);
    lock.unlock();
    QVERIFY(first.waitForFinished(30000) && second.waitForFinished(30000));
    const QStringList paths = Paths(CRecentFiles::Read());
    QVERIFY2(paths.mid(0, 2).contains(u"/one"_s) && paths.mid(0, 2).contains(u"/two"_s),
             qPrintable(paths.join(u' ')));
    QCOMPARE(paths.mid(2), (QStringList{u"/a"_s, u"/b"_s}));
  }
};

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc == 3 && qstrcmp(argv[1], "--touch") == 0) {
    CRecentFiles::Touch(QString::fromLocal8Bit(argv[2]));
    return 0;
  }
  TestRecentFiles test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_RecentFiles.moc"
