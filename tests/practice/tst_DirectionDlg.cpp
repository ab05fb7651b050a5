#include <QtTest>

#include <QLabel>
#include <QTemporaryDir>

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

using namespace Qt::StringLiterals;

namespace {

// Lets the dialog's own first focus and its focus timer run, then presses key
// on the control that has the focus.
void KeyAtFocus(Qt::Key key, bool settle = false) {
  if (settle) QTest::qWait(50);
  QWidget* focus = QApplication::focusWidget();
  QVERIFY(focus);
  QTest::keyClick(focus, key);
}

QString StoredDirection() {
  return ReadSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF);
}

}  // namespace

class TestDirectionDlg : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_config;

 private Q_SLOTS:
  // Every test starts with a settings store of its own in which the
  // direction was never chosen.
  void init() {
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
    qputenv("VOKABIT_CONFIG_DIR", QFile::encodeName(m_config->path()));
    CreateSettingsKey(SettingsRoot::CurrentUser, kKeyPractise);
    QVERIFY(VKLangSetLanguage(1) == 0);
  }

  // Which button has the focus first, Enter, a click and Cancel: played
  // through in the main window's practice tests.

  // Escape cancels and writes nothing; F1 shows the help and keeps the dialog.
  void escapeWritesNothing() {
    CreateSettingsKey(SettingsRoot::CurrentUser, kKeyVokabit30);
    WriteSetting(SettingsRoot::CurrentUser, kKeyVokabit30, kValueHelpFile, u"/opt/help"_s);
    CFakePlatform platform;
    CDirectionDlg dlg(platform);
    const int result = RunModal(dlg, [&] {
      KeyAtFocus(Qt::Key_F1, true);
      QVERIFY(dlg.isVisible());
      KeyAtFocus(Qt::Key_Escape);
    });
    QCOMPARE(result, CDirectionDlg::IDCANCEL);
    QVERIFY(StoredDirection().isEmpty());
    const std::vector<std::pair<QString, unsigned>> help{{u"/opt/help"_s, kHelpDirection}};
    QVERIFY(platform.m_help == help);
  }

  void hoverChangesTheHintLine() {
    CFakePlatform platform;
    CDirectionDlg dlg(platform);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QLabel* hint = dlg.HintLine();
    QCOMPARE(hint->text(), LangQText(kTxtDirectionChoose));
    const std::pair<int, unsigned> hovers[] = {
        {CDirectionDlg::IDC_FOREIGN, kTxtDirectionHintForeign},
        {CDirectionDlg::IDC_TRANSLATION, kTxtDirectionHintTranslation},
        {CDirectionDlg::IDCANCEL, kTxtDirectionHintCancel},
    };
    for (const auto& [id, text] : hovers) {
      QTest::mouseMove(dlg.Button(id));
      QTRY_COMPARE(hint->text(), LangQText(text));
    }
    // Away from the buttons, over the hint line itself.
    QTest::mouseMove(&dlg, hint->geometry().center());
    QTRY_COMPARE(hint->text(), LangQText(kTxtDirectionChoose));
  }

  // Captions and hints in every language fit their controls, and the
  // buttons neither overlap nor leave the dialog.
  void everyLanguageFits() {
    CFakePlatform platform;
    for (int language = 0; language < 3; ++language) {
      QVERIFY(VKLangSetLanguage(language) == 0);
      CDirectionDlg dlg(platform);
      QList<const QWidget*> buttons;
      for (int id :
           {CDirectionDlg::IDC_FOREIGN, CDirectionDlg::IDC_TRANSLATION, CDirectionDlg::IDCANCEL})
        buttons << dlg.Button(id);
      QVERIFY2(LayoutProblem(buttons).isEmpty(), qPrintable(LayoutProblem(buttons)));
      QLabel* hint = dlg.HintLine();
      QVERIFY(!hint->geometry().intersects(buttons.back()->geometry()));
      QCOMPARE(hint->geometry().bottom(), dlg.rect().bottom());
      for (unsigned text : {kTxtDirectionChoose, kTxtDirectionHintCancel, kTxtDirectionHintForeign,
                            kTxtDirectionHintTranslation}) {
        hint->setText(LangQText(text));
        QVERIFY2(hint->heightForWidth(hint->width()) <= hint->height(), qPrintable(hint->text()));
      }
    }
  }
};

QTEST_MAIN(TestDirectionDlg)
#include "tst_DirectionDlg.moc"
