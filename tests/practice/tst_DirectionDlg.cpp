// The direction dialog: the remembered choice, the hints, help and Escape.
#include <QtTest>

#include <QLabel>

#include "FakePlatform.h"
#include "WidgetDriver.h"
#include "controls/HoverButton.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "platform/HelpTopics.h"
#include "practice/DirectionDlg.h"
#include "practice/PracticeDialogTexts.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

class TestDirectionDlg : public QObject {
  Q_OBJECT

  QTemporaryDir m_config;

 private Q_SLOTS:
  void initTestCase() {
    qputenv("VOKABIT_CONFIG_DIR", QFile::encodeName(m_config.path()));
    CreateSettingsKey(SettingsRoot::CurrentUser, kKeyPractise);
  }

  // A click is remembered: the next time its button has the focus, so that
  // Enter repeats the choice.
  void theLastChoiceHasTheFocusNextTime() {
    CFakePlatform platform;
    for (int id : {CDirectionDlg::IDC_TRANSLATION, CDirectionDlg::IDC_FOREIGN,
                   CDirectionDlg::IDC_TRANSLATION}) {
      CDirectionDlg click(platform);
      QCOMPARE(RunModal(click, [&] { QTest::mouseClick(click.Button(id), Qt::LeftButton); }), id);
      CDirectionDlg enter(platform);
      QCOMPARE(RunModal(enter,
                        [&] {
                          QTRY_COMPARE(QApplication::focusWidget(), enter.Button(id));
                          QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                        }),
               id);
    }
  }

  // In every language the hint line follows the mouse and each hint fits; F1 shows the help and
  // keeps the dialog; Escape cancels and writes nothing.
  void hintsHelpAndEscape() {
    WriteSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF, QString());
    CFakePlatform platform;
    for (int language = 0; language < 3; ++language) {
      QVERIFY(VKLangSetLanguage(language) == 0);
      CDirectionDlg dlg(platform);
      const int result = RunModal(dlg, [&] {
        const std::pair<int, unsigned> hovers[] = {
            {CDirectionDlg::IDC_FOREIGN, kTxtDirectionHintForeign},
            {CDirectionDlg::IDC_TRANSLATION, kTxtDirectionHintTranslation},
            {CDirectionDlg::IDCANCEL, kTxtDirectionHintCancel}};
        for (const auto& [id, text] : hovers) {
          QTest::mouseMove(dlg.Button(id));
          QTRY_COMPARE(dlg.HintLine()->text(), LangQText(text));
          QVERIFY(dlg.HintLine()->heightForWidth(dlg.HintLine()->width()) <=
                  dlg.HintLine()->height());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);  // the dialog stays
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      });
      QCOMPARE(result, CDirectionDlg::IDCANCEL);
    }
    QVERIFY(ReadSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF).isEmpty() &&
            platform.m_help.size() == 3 && platform.m_help.back().second == kHelpDirection);
  }
};

QTEST_MAIN(TestDirectionDlg)
#include "tst_DirectionDlg.moc"
