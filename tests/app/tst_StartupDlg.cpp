// The start-up picture: the routine with the language choice, its status
// line, and how it closes.
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "app/LanguageDlg.h"
#include "app/StartupDlg.h"
#include "controls/ColorStatic.h"
#include "lang/LangLibrary.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

namespace {

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kWhite = 0xFFFFFF;
constexpr unsigned kSlogan = 474;
constexpr int kEnglish = 1;
constexpr int kGerman = 2;

StartupSetup Setup() {
  StartupSetup setup;
  setup.programDirectory = u"/usr/share/vokabit/"_s;
  setup.programPath = u"/usr/bin/vokabit"_s;
  setup.langVersion = [] { return 16u; };
  setup.filesVersion = [] { return 12u; };
  return setup;
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

  void firstStartAsksForTheLanguageAndClosesItself() {
    CFakePlatform platform;
    CStartupDlg dlg(platform, Setup());
    QCOMPARE(dlg.Subtitle()->Text(), LangQText(kSlogan));

    bool asked = false;
    OnModalDialog(
        [&](QDialog* d) {
          asked = true;
          // The defaults are written before the language is asked for.
          QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueOvaBara), u"10"_s);
          QCOMPARE(dlg.Status()->Text(), u"No language selected."_s);
          QCOMPARE(dlg.Status()->TextColour(), kRed);
          auto* language = static_cast<CLanguageDlg*>(d);
          ClickRow(language->List(), kGerman);
          Click(language, CLanguageDlg::IDOK);
        },
        [](QDialog* d) { return qobject_cast<CLanguageDlg*>(d) != nullptr; });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));

    QVERIFY(asked);
    QVERIFY(dlg.IsFinished());
    QCOMPARE(dlg.Status()->Text(), u"Startar..."_s);
    QCOMPARE(dlg.Status()->TextColour(), kWhite);
    QCOMPARE(CLangLibrary::Instance().CurrentLanguage(), kGerman);
    QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueLanguage), u"2"_s);
    QVERIFY(platform.m_messages.empty());
  }

  void closesAtOnceOnAKeyOrAClick_data() {
    QTest::addColumn<int>("how");  // 0 a letter key, 1 a click, 2 Escape, 3 the close box
    QTest::addColumn<int>("result");
    QTest::newRow("key") << 0 << int(QDialog::Accepted);
    QTest::newRow("click") << 1 << int(QDialog::Accepted);
    QTest::newRow("Escape ends the program") << 2 << int(QDialog::Rejected);
    QTest::newRow("close box ends the program") << 3 << int(QDialog::Rejected);
  }
  void closesAtOnceOnAKeyOrAClick() {
    QFETCH(int, how);
    QFETCH(int, result);
    StoreSetting(kKeySetups, kValueLanguage, u"1"_s);
    CFakePlatform platform;
    CStartupDlg dlg(platform, Setup());
    const int ended = RunModal(dlg, [&] {
      QTRY_VERIFY(dlg.IsFinished());
      switch (how) {
        case 0:
          QTest::keyClick(&dlg, Qt::Key_A);
          break;
        case 1:
          QTest::mouseClick(&dlg, Qt::LeftButton, {}, QPoint(20, 20));
          break;
        case 2:
          QTest::keyClick(&dlg, Qt::Key_Escape);
          break;
        default:
          dlg.close();
          break;
      }
      // At once, not by the timer.
      QVERIFY(!dlg.isVisible());
    });
    QCOMPARE(ended, result);
  }
};

QTEST_MAIN(TestStartupDlg)
#include "tst_StartupDlg.moc"
