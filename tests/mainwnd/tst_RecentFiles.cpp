#include <QtTest>

#include "RecentFiles.h"
#include "Settings.h"
#include "SettingsKeys.h"

using namespace Qt::StringLiterals;

// Works on a real store in a private folder (VOKABIT_CONFIG_DIR).
class TestRecentFiles : public QObject {
  Q_OBJECT

  QTemporaryDir m_config;

  static void Store(const QStringList& entries) {
    CRecentFiles::Entries e;
    for (int i = 0; i < CRecentFiles::kCount; ++i)
      e[i] = i < entries.size() ? entries[i] : QString();
    CRecentFiles::Write(e);
  }
  static QStringList Stored() {
    const CRecentFiles::Entries e = CRecentFiles::Read();
    return QStringList(e.begin(), e.end());
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_config.isValid());
    qputenv("VOKABIT_CONFIG_DIR", m_config.path().toLocal8Bit());
    CreateSettingsKey(SettingsRoot::CurrentUser, kKeyMru);
  }

  void touchMovesThePathToTheFront_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("after");
    const QStringList full{u"/a.vk2"_s, u"/b.vk2"_s, u"/c.vk2"_s, u"/d.vk2"_s};
    QTest::newRow("already first") << full << u"/a.vk2"_s << full;
    QTest::newRow("second") << full << u"/b.vk2"_s
                            << QStringList{u"/b.vk2"_s, u"/a.vk2"_s, u"/c.vk2"_s, u"/d.vk2"_s};
    QTest::newRow("third keeps the fourth")
        << full << u"/c.vk2"_s << QStringList{u"/c.vk2"_s, u"/a.vk2"_s, u"/b.vk2"_s, u"/d.vk2"_s};
    QTest::newRow("fourth") << full << u"/d.vk2"_s
                            << QStringList{u"/d.vk2"_s, u"/a.vk2"_s, u"/b.vk2"_s, u"/c.vk2"_s};
    QTest::newRow("new path drops the oldest")
        << full << u"/e.vk2"_s << QStringList{u"/e.vk2"_s, u"/a.vk2"_s, u"/b.vk2"_s, u"/c.vk2"_s};
    QTest::newRow("case counts") << full << u"/A.vk2"_s
                                 << QStringList{u"/A.vk2"_s, u"/a.vk2"_s, u"/b.vk2"_s, u"/c.vk2"_s};
    QTest::newRow("empty store") << QStringList{} << u"/x.vk2"_s
                                 << QStringList{u"/x.vk2"_s, QString(), QString(), QString()};
  }

  void touchMovesThePathToTheFront() {
    QFETCH(QStringList, before);
    QFETCH(QString, path);
    QFETCH(QStringList, after);
    Store(before);
    const CRecentFiles::Entries result = CRecentFiles::Touch(path);
    QCOMPARE(QStringList(result.begin(), result.end()), after);
    QCOMPARE(Stored(), after);  // the store is the master copy
  }

  void menuTextsCarryTheirNumber() {
    QCOMPARE(CRecentFiles::MenuText(0, QStringLiteral("/x/lista.vk2")),
             QStringLiteral("1. /x/lista.vk2"));
    QCOMPARE(CRecentFiles::MenuText(3, QString()), QStringLiteral("4. "));
  }
};

QTEST_APPLESS_MAIN(TestRecentFiles)
#include "tst_RecentFiles.moc"
