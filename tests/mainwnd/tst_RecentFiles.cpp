#include <QtTest>

#include "RecentFiles.h"
#include "Settings.h"
#include "SettingsKeys.h"

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
    QTest::newRow("second") << u"a b c d"_s << u"b"_s << u"b a c d"_s;
    QTest::newRow("third keeps the fourth") << u"a b c d"_s << u"c"_s << u"c a b d"_s;
    QTest::newRow("fourth") << u"a b c d"_s << u"d"_s << u"d a b c"_s;
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
};

QTEST_APPLESS_MAIN(TestRecentFiles)
#include "tst_RecentFiles.moc"
