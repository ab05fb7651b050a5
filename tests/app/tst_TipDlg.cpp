// The tip of the day: the tips file's rules, the stored position, the time
// stamp and the start-up switch.
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "app/TipDlg.h"
#include "app/TipsFile.h"
#include "lang/LangText.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

namespace {

constexpr unsigned kTipsFileName = 451;
constexpr unsigned kTipsMissing = 452;
constexpr unsigned kTipsNone = 651;
constexpr unsigned kHelpTipOfTheDay = 131221;

QString TipSetting(QLatin1String name) {
  return ReadSetting(SettingsRoot::CurrentUser, kKeyTip, name);
}

}  // namespace

class TestTipDlg : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;
  // The tips file of the current language in the test's tips folder.
  QString TipsPath() const { return m_dir->filePath(LangQText(kTipsFileName)); }
  bool WriteTips(const QByteArray& content) {
    QDir().mkpath(QFileInfo(TipsPath()).absolutePath());
    return WriteFile(TipsPath(), content);
  }
  QString TipOf(const CTipDlg& dlg) const { return Child<QLabel>(&dlg, CTipDlg::IDC_TIP)->text(); }

 private Q_SLOTS:
  void init() {
    m_dir = FreshSettings();
    QVERIFY(m_dir);
    for (QLatin1String key : {kKeyVokabit30, kKeyTip})
      CreateSettingsKey(SettingsRoot::CurrentUser, key);
    WriteSetting(SettingsRoot::CurrentUser, kKeyVokabit30, kValueTipsFile, m_dir->path() + u'/');
  }

  void tipsFileRules_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<QString>("tips");  // four searches in a row; "-" when none is found

    const auto row = [](const char* name, const QByteArray& content, qint64 start,
                        const QString& tips) { QTest::newRow(name) << content << start << tips; };
    row("notes, indented and empty lines are skipped",
        "; a note\n  indented\n\tindented\n\n\r\nFirst\n;x\nSecond\n", 0,
        u"First|Second|First|Second"_s);
    row("from the middle, around the end", "one\ntwo\nthree\n", 4, u"two|three|one|two"_s);
    row("CR LF, no line end at the end", "one\r\ntwo", 0, u"one|two|one|two"_s);
    row("a long line in pieces of 999", QByteArray(1200, 'x') + "\nshort\n", 0,
        QString(999, u'x') + u'|' + QString(201, u'x') + u"|short|"_s + QString(999, u'x'));
    row("a UTF-8 letter is not cut", QByteArray(998, 'x') + "\xc3\xa4yz\n", 0,
        QString(998, u'x') + u"|äyz|"_s + QString(998, u'x') + u"|äyz"_s);
    row("UTF-8 and Windows-1252",
        "gl\xc3\xb6"
        "d\ngl\xf6"
        "d\n\xe5\n",
        0, u"glöd|glöd|å|glöd"_s);
  }
  void tipsFileRules() {
    QFETCH(QByteArray, content);
    QFETCH(qint64, start);
    QFETCH(QString, tips);
    QVERIFY(WriteFile(m_dir->filePath(u"tips.txt"_s), content));
    CTipsFile file;
    QVERIFY(file.Open(m_dir->filePath(u"tips.txt"_s)));
    QVERIFY(file.Seek(start));
    QStringList found;
    for (int i = 0; i < 4; ++i) {
      QString tip;
      found << (file.ReadNextTip(tip) == CTipsFile::ReadResult::Tip ? tip : u"-"_s);
    }
    QCOMPARE(found.join(u'|'), tips);
  }

  void onlyRegularFilesOpen() {
    // A FIFO would block the start; it counts as no tips file.
    const QString fifo = m_dir->filePath(u"fifo"_s);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    CTipsFile file;
    for (const QString& path : {fifo, m_dir->path(), m_dir->filePath(u"missing"_s), QString()})
      QVERIFY(!file.Open(path));
  }

  void tipsFollowOneAnotherAcrossShowings() {
    QVERIFY(WriteTips("; notes\nFirst tip\nSecond tip\n"));
    CFakePlatform platform;
    {
      CTipDlg dlg(platform);
      QCOMPARE(TipOf(dlg), u"First tip"_s);
      auto* check = Child<QCheckBox>(&dlg, CTipDlg::IDC_SHOW_AT_START);
      QVERIFY(check->isChecked());  // nothing stored: shown at start
      const int result = RunModal(dlg, [&] {
        // A change not confirmed with Close is dropped by the next tip.
        check->click();
        Click(&dlg, CTipDlg::IDC_NEXT_TIP);
        QCOMPARE(TipOf(dlg), u"Second tip"_s);
        QVERIFY(check->isChecked());
        Click(&dlg, CTipDlg::IDC_NEXT_TIP);
        QCOMPARE(TipOf(dlg), u"First tip"_s);
        check->click();
        QTest::keyClick(&dlg, Qt::Key_F1);
        QTest::keyClick(&dlg, Qt::Key_Escape);
      });
      QCOMPARE(result, int(QDialog::Rejected));
      QCOMPARE(TipSetting(kValueStartUp), QString());
      QCOMPARE(platform.m_help.back().second, kHelpTipOfTheDay);
    }
    QCOMPARE(TipSetting(kValueFilePos), u"18"_s);
    {
      // The next showing goes on after the last tip read; Close stores the switch.
      CTipDlg dlg(platform);
      QCOMPARE(TipOf(dlg), u"Second tip"_s);
      const int result = RunModal(dlg, [&] {
        Child<QCheckBox>(&dlg, CTipDlg::IDC_SHOW_AT_START)->click();
        Click(&dlg, CTipDlg::IDOK);
      });
      QCOMPARE(result, int(QDialog::Accepted));
      QCOMPARE(TipSetting(kValueStartUp), u"1"_s);
    }
    // A dialog that is not shown moves on too.
    { CTipDlg unseen(platform); }
    CTipDlg dlg(platform);
    QCOMPARE(TipOf(dlg), u"Second tip"_s);
    QVERIFY(!Child<QCheckBox>(&dlg, CTipDlg::IDC_SHOW_AT_START)->isChecked());
  }

  void aChangedFileStartsAtItsFirstTip() {
    QVERIFY(WriteTips("one\ntwo\nthree\n"));
    CFakePlatform platform;
    { CTipDlg dlg(platform); }  // stores the file's time stamp
    // Another time stamp: the stored position is of the old file, and the
    // new one starts over.
    QVERIFY(WriteTips("new\n"));
    QFile file(TipsPath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-3),
                             QFileDevice::FileModificationTime));
    file.close();
    WriteSetting(SettingsRoot::CurrentUser, kKeyTip, kValueFilePos, u"2"_s);
    CTipDlg dlg(platform);
    QCOMPARE(TipOf(dlg), u"new"_s);
  }

  // Without a tips file, or without a tip in it, the dialog says so, with
  // no message, and the stored position stays.
  void withoutTipsNothingMovesOn() {
    WriteSetting(SettingsRoot::CurrentUser, kKeyTip, kValueFilePos, u"3"_s);
    CFakePlatform platform;
    for (unsigned text : {kTipsMissing, kTipsNone}) {
      if (text == kTipsNone) QVERIFY(WriteTips("; only notes\n\n  indented\n"));
      {
        CTipDlg dlg(platform);
        QCOMPARE(TipOf(dlg), LangQText(text));
        QVERIFY(!Child<QWidget>(&dlg, CTipDlg::IDC_NEXT_TIP)->isEnabled());
      }
      QCOMPARE(TipSetting(kValueFilePos), u"3"_s);
    }
    QVERIFY(platform.m_messages.empty());
  }
};

QTEST_MAIN(TestTipDlg)
#include "tst_TipDlg.moc"
