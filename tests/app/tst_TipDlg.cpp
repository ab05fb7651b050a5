// The tip of the day: the tips file's rules, the stored position, the time
// stamp and the start-up switch.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "FakePlatform.h"
#include "HoverButton.h"
#include "LangText.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "TestFiles.h"
#include "TipDlg.h"
#include "TipsFile.h"
#include "VkLang.h"
#include "WidgetDriver.h"

using namespace Qt::StringLiterals;

namespace {

constexpr unsigned kTipsFileName = 451;
constexpr unsigned kTipsMissing = 452;
constexpr unsigned kTipsNone = 651;
constexpr unsigned kHelpTipOfTheDay = 131221;
constexpr int kEnglish = 1;

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
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("VOKABIT_CONFIG_DIR", m_dir->path().toUtf8());
    QCOMPARE(VKLangSetLanguage(kEnglish), 0);
    for (QLatin1String key : {kKeyVokabit30, kKeyTip})
      CreateSettingsKey(SettingsRoot::CurrentUser, key);
    WriteSetting(SettingsRoot::CurrentUser, kKeyVokabit30, kValueTipsFile, m_dir->path() + u'/');
  }

  void tipsFileRules_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<QStringList>("tips");  // four searches in a row; "!none" when none is found

    QTest::newRow("notes, indented and empty lines are skipped")
        << QByteArray("; a note\n  indented\n\tindented\n\n\r\nFirst tip\n;x\nSecond tip\n")
        << qint64(0)
        << QStringList{u"First tip"_s, u"Second tip"_s, u"First tip"_s, u"Second tip"_s};
    QTest::newRow("from the middle, around the end")
        << QByteArray("one\ntwo\nthree\n") << qint64(4)
        << QStringList{u"two"_s, u"three"_s, u"one"_s, u"two"_s};
    QTest::newRow("CR LF and no line end at the end")
        << QByteArray("one\r\ntwo") << qint64(0)
        << QStringList{u"one"_s, u"two"_s, u"one"_s, u"two"_s};
    QTest::newRow("beyond the end starts over")
        << QByteArray("one\ntwo\n") << qint64(500)
        << QStringList{u"one"_s, u"two"_s, u"one"_s, u"two"_s};
    QTest::newRow("a long line in pieces of 999")
        << QByteArray(1200, 'x') + "\nshort\n"
        << qint64(0)
        << QStringList{QString(999, u'x'), QString(201, u'x'), u"short"_s, QString(999, u'x')};
    QTest::newRow("a UTF-8 letter is not cut between two pieces")
        << QByteArray(998, 'x') + "\xc3\xa4" + "yz\n"
        << qint64(0) << QStringList{QString(998, u'x'), u"äyz"_s, QString(998, u'x'), u"äyz"_s};
    QTest::newRow("UTF-8 and Windows-1252")
        << QByteArray(
               "gl\xc3\xb6"
               "d\ngl\xf6"
               "d\n")
        << qint64(0) << QStringList{u"glöd"_s, u"glöd"_s, u"glöd"_s, u"glöd"_s};
    QTest::newRow("only notes") << QByteArray(";a\n b\n\n") << qint64(2)
                                << QStringList{u"!none"_s, u"!none"_s, u"!none"_s, u"!none"_s};
    QTest::newRow("empty file") << QByteArray() << qint64(0)
                                << QStringList{u"!none"_s, u"!none"_s, u"!none"_s, u"!none"_s};
  }
  void tipsFileRules() {
    QFETCH(QByteArray, content);
    QFETCH(qint64, start);
    QFETCH(QStringList, tips);
    QVERIFY(WriteFile(m_dir->filePath(u"tips.txt"_s), content));
    CTipsFile file;
    QVERIFY(file.Open(m_dir->filePath(u"tips.txt"_s)));
    QVERIFY(file.Seek(start));
    QStringList found;
    for (int i = 0; i < tips.size(); ++i) {
      QString tip;
      const CTipsFile::ReadResult result = file.ReadNextTip(tip);
      found << (result == CTipsFile::ReadResult::Tip ? tip : u"!none"_s);
    }
    QCOMPARE(found, tips);
  }

  void onlyRegularFilesOpen() {
    CTipsFile file;
    QVERIFY(!file.Open(m_dir->path()));
    QVERIFY(!file.Open(m_dir->filePath(u"missing.txt"_s)));
    QVERIFY(!file.Open(QString()));
  }

  void startUpSetting_data() {
    QTest::addColumn<QString>("stored");  // "-": none stored
    QTest::addColumn<bool>("shown");
    QTest::newRow("missing") << u"-"_s << true;
    QTest::newRow("empty") << u""_s << true;
    QTest::newRow("0") << u"0"_s << true;
    QTest::newRow("TRUE") << u"TRUE"_s << true;
    QTest::newRow("1") << u"1"_s << false;
  }
  void startUpSetting() {
    QFETCH(QString, stored);
    QFETCH(bool, shown);
    if (stored != u"-"_s) WriteSetting(SettingsRoot::CurrentUser, kKeyTip, kValueStartUp, stored);
    CFakePlatform platform;
    CTipDlg dlg(platform);
    QCOMPARE(dlg.m_showAtStartup, shown);
    QCOMPARE(Child<QCheckBox>(&dlg, CTipDlg::IDC_SHOW_AT_START)->isChecked(), shown);
  }

  void tipsFollowOneAnotherAcrossShowings() {
    QVERIFY(WriteTips("; notes\nFirst tip\nSecond tip\n"));
    CFakePlatform platform;
    {
      CTipDlg dlg(platform);
      QCOMPARE(TipOf(dlg), u"First tip"_s);
      auto* check = Child<QCheckBox>(&dlg, CTipDlg::IDC_SHOW_AT_START);
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
      QCOMPARE(platform.m_help.size(), size_t(1));
      QCOMPARE(platform.m_help[0].second, kHelpTipOfTheDay);
    }
    QCOMPARE(TipSetting(kValueFilePos), u"18"_s);
    QVERIFY(QRegularExpression(u"^\\w{3} \\w{3} [ \\d]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}$"_s)
                .match(TipSetting(kValueTimeStamp))
                .hasMatch());
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
  }

  void aChangedFileStartsAtItsFirstTip() {
    QVERIFY(WriteTips("one\ntwo\nthree\n"));
    CFakePlatform platform;
    { CTipDlg dlg(platform); }
    { CTipDlg dlg(platform); }
    QCOMPARE(TipSetting(kValueFilePos), u"8"_s);
    // A shorter file with another time stamp: the stored position lies
    // beyond its end, and it starts over.
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

  void withoutTipsNothingMovesOn_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<unsigned>("text");
    QTest::newRow("no tips file") << false << kTipsMissing;
    QTest::newRow("no tip in the file") << true << kTipsNone;
  }
  void withoutTipsNothingMovesOn() {
    QFETCH(bool, exists);
    QFETCH(unsigned, text);
    if (exists) QVERIFY(WriteTips("; only notes\n\n  indented\n"));
    WriteSetting(SettingsRoot::CurrentUser, kKeyTip, kValueFilePos, u"3"_s);
    CFakePlatform platform;
    {
      CTipDlg dlg(platform);
      QCOMPARE(TipOf(dlg), LangQText(text));
      QVERIFY(!Child<QWidget>(&dlg, CTipDlg::IDC_NEXT_TIP)->isEnabled());
    }
    QCOMPARE(TipSetting(kValueFilePos), u"3"_s);
    QVERIFY(platform.m_messages.empty());
  }

  void layoutHoldsItsTexts_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("Svenska") << 0;
    QTest::newRow("English") << 1;
    QTest::newRow("Deutsch") << 2;
  }
  void layoutHoldsItsTexts() {
    QFETCH(int, language);
    QCOMPARE(VKLangSetLanguage(language), 0);
    QVERIFY(
        WriteTips(QByteArray("A long tip ") + QByteArray(60, 'w').replace('w', "word ") + "\n"));
    CFakePlatform platform;
    CTipDlg dlg(platform);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto* tip = Child<QLabel>(&dlg, CTipDlg::IDC_TIP);
    QVERIFY(tip->height() >= tip->heightForWidth(tip->width()));
    const QString problem =
        LayoutProblem({Child(&dlg, CTipDlg::IDC_SHOW_AT_START), Child(&dlg, CTipDlg::IDC_NEXT_TIP),
                       Child(&dlg, CTipDlg::IDOK)});
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(!tip->geometry().intersects(Child(&dlg, CTipDlg::IDOK)->geometry()));
  }
};

QTEST_MAIN(TestTipDlg)
#include "tst_TipDlg.moc"
