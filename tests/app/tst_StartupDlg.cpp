// The start-up picture with the language choice, its status line, and how
// it closes; the About box with the build's version and its two links, which
// open what the settings hold at the moment of the click; the tip of the day:
// the tips file's rules, the stored position, the time stamp and the start-up
// switch.
#include <sys/stat.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "app/AboutDlg.h"
#include "app/LanguageDlg.h"
#include "app/StartupDlg.h"
#include "app/TipDlg.h"
#include "app/TipsFile.h"
#include "controls/ColorStatic.h"
#include "controls/HoverButton.h"
#include "lang/LangLibrary.h"
#include "lang/LangText.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

namespace {

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kWhite = 0xFFFFFF;
constexpr unsigned kStrSelectLanguage = 57371;
constexpr unsigned kHelpLanguage = 131207;
constexpr int kGerman = 2;

StartupSetup Setup() {
  StartupSetup setup;
  setup.programDirectory = u"/usr/share/vokabit/"_s;
  setup.programPath = u"/usr/bin/vokabit"_s;
  setup.langVersion = [] { return 16u; };
  setup.filesVersion = [] { return 12u; };
  return setup;
}

QString StoredLanguage() {
  return ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueLanguage);
}

constexpr unsigned kTipsFileName = 451;
constexpr unsigned kTipsMissing = 452;
constexpr unsigned kTipsNone = 651;
constexpr unsigned kHelpTipOfTheDay = 131221;

QString TipSetting(QLatin1String name) {
  return ReadSetting(SettingsRoot::CurrentUser, kKeyTip, name);
}

}  // namespace

class TestStartupDlg : public QObject {
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
    // Tips come from the test's folder.
    for (QLatin1String key : {kKeyVokabit30, kKeyTip})
      CreateSettingsKey(SettingsRoot::CurrentUser, key);
    WriteSetting(SettingsRoot::CurrentUser, kKeyVokabit30, kValueTipsFile, m_dir->path() + u'/');
  }
  void cleanup() { StopModalScripts(); }

  // A stored language that fails to load asks for another: OK without a
  // choice asks for one and keeps the dialog, a language chosen by keyboard
  // is taken and stored, and the picture ends with its own status.
  void aFailingLanguageIsChosenAgainAndTheStartGoesOn() {
    CFakePlatform platform;
    // Before any choice, the language the library took from the locale.
    QCOMPARE(CLanguageDlg(platform).List()->currentRow(),
             CLangLibrary::Instance().CurrentLanguage());
    StoreSetting(kKeySetups, kValueLanguage, u"7"_s);
    CStartupDlg dlg(platform, Setup());
    bool asked = false;
    OnModalDialog(
        [&](QDialog* d) {
          asked = true;
          // The defaults are written before the language is asked for.
          QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueOvaBara), u"10"_s);
          QCOMPARE(dlg.Status()->Text(), u"Error loading language!"_s);
          QCOMPARE(dlg.Status()->TextColour(), kRed);
          auto* language = static_cast<CLanguageDlg*>(d);
          QStringList names;
          for (int i = 0; i < language->List()->count(); ++i)
            names << language->List()->item(i)->text();
          QCOMPARE(names, (QStringList{u"Svenska"_s, u"English"_s, u"Deutsch"_s}));
          QVERIFY(language->List()->selectedItems().isEmpty());  // 7 is no language
          QTest::keyClick(language->List(), Qt::Key_Return);
          QVERIFY(language->isVisible());
          QCOMPARE(platform.m_messages.size(), size_t(1));
          QCOMPARE(platform.m_messages[0].text, StringTableQText(kStrSelectLanguage));
          QCOMPARE(StoredLanguage(), u"7"_s);
          QTest::keyClick(language->List(), Qt::Key_F1);
          QTest::keyClick(language->List(), Qt::Key_End);
          QTest::keyClick(language->List(), Qt::Key_Return);
        },
        [](QDialog* d) { return qobject_cast<CLanguageDlg*>(d) != nullptr; });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));

    QVERIFY(asked && dlg.IsFinished());
    QCOMPARE(dlg.Status()->Text(), u"Startar..."_s);
    QCOMPARE(dlg.Status()->TextColour(), kWhite);
    QCOMPARE(CLangLibrary::Instance().CurrentLanguage(), kGerman);
    QCOMPARE(StoredLanguage(), u"2"_s);
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(platform.m_help.size(), size_t(1));
    QCOMPARE(platform.m_help[0].second, kHelpLanguage);
    // Qt's own texts have followed.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
  }

  // Once finished, the picture closes at once on a key or a click; Escape
  // and the close box end the program.
  void closesAtOnceOnAKeyOrAClick() {
    StoreSetting(kKeySetups, kValueLanguage, u"1"_s);
    CFakePlatform platform;
    const std::pair<std::function<void(CStartupDlg*)>, int> ways[] = {
        {[](CStartupDlg* d) { QTest::keyClick(d, Qt::Key_A); }, QDialog::Accepted},
        {[](CStartupDlg* d) {
           QTest::mouseClick(d, Qt::LeftButton, {}, {20, 20});
         },
         QDialog::Accepted},
        {[](CStartupDlg* d) { QTest::keyClick(d, Qt::Key_Escape); }, QDialog::Rejected},
        {[](CStartupDlg* d) { d->close(); }, QDialog::Rejected}};
    for (const auto& [close, result] : ways) {
      CStartupDlg dlg(platform, Setup());
      const int ended = RunModal(dlg, [&] {
        QTRY_VERIFY(dlg.IsFinished());
        close(&dlg);
        QVERIFY(!dlg.isVisible());  // at once, not by the timer
      });
      QCOMPARE(ended, result);
    }
  }

  void showsTheVersionAndOpensTheStoredAddresses() {
    StoreSetting(kKeyVokabit, kValueHemsida, u"https://vokabit.se/"_s);
    StoreSetting(kKeyBrannvik, kValueMail, u"MAILTO:info@vokabit.se"_s);
    CFakePlatform platform;
    CAboutDlg dlg(platform);
    QCOMPARE(Child<QLabel>(&dlg, CAboutDlg::IDC_VERSION)->text(), QStringLiteral(VOKABIT_VERSION));
    auto* web = Child<CHoverButton>(&dlg, CAboutDlg::IDC_WEB);
    auto* mail = Child<CHoverButton>(&dlg, CAboutDlg::IDC_MAIL);
    QCOMPARE(web->text(), u"vokabit.se"_s);
    QCOMPARE(mail->text(), u"info@vokabit.se"_s);

    const int result = RunModal(dlg, [&] {
      // A value changed while the box is open counts at the next click; an
      // empty one is handed on as it is, and nothing is shown.
      StoreSetting(kKeyVokabit, kValueHemsida, u"https://example.org/vk"_s);
      web->click();
      StoreSetting(kKeyBrannvik, kValueMail, QString());
      mail->click();
      QTest::keyClick(&dlg, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(platform.m_opened, (QStringList{u"https://example.org/vk"_s, QString()}));
    QVERIFY(platform.m_messages.empty());
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

QTEST_MAIN(TestStartupDlg)
#include "tst_StartupDlg.moc"
