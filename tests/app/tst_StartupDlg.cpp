// The start-up picture with the language choice, its status line, and how
// it closes; the About box with the build's version and its two links, which
// open what the settings hold at the moment of the click.
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

}  // namespace

class TestStartupDlg : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;

 private Q_SLOTS:
  void init() {
    m_dir = FreshSettings();
    QVERIFY(m_dir);
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
};

QTEST_MAIN(TestStartupDlg)
#include "tst_StartupDlg.moc"
