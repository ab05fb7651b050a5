// Which button has the focus first, Enter, a click and Cancel are played
// through in the main window's practice tests; these cover the rest.
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
  // In every language the hint line follows the mouse and each hint fits; F1 shows the help and
  // keeps the dialog; Escape cancels and writes nothing.
  void hintsHelpAndEscape() {
    qputenv("VOKABIT_CONFIG_DIR", QFile::encodeName(m_config.path()));
    CreateSettingsKey(SettingsRoot::CurrentUser, kKeyPractise);
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
