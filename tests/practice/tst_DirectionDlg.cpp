#include <QtTest>

#include <functional>
#include <memory>

#include <QLabel>
#include <QTemporaryDir>

#include "DirectionDlg.h"
#include "FakePlatform.h"
#include "HelpTopics.h"
#include "HoverButton.h"
#include "LangText.h"
#include "PracticeDialogTexts.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "VkLang.h"

using namespace Qt::StringLiterals;

namespace {

// Runs the dialog modally and gives it to script once it is on screen. A
// script that fails halfway leaves the dialog open; it is ended then with -1
// instead of hanging the test.
int RunModal(QDialog& dlg, const std::function<void(QDialog&)>& script) {
  QTimer::singleShot(0, &dlg, [&dlg, &script] {
    if (QApplication::activeModalWidget() == &dlg && QTest::qWaitForWindowActive(&dlg)) script(dlg);
    if (dlg.isVisible()) dlg.done(-1);
  });
  return dlg.exec();
}

// Lets the dialog's own first focus and its focus timer run.
void SettleFocus() {
  QTest::qWait(50);
}

void KeyAtFocus(Qt::Key key) {
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

  void focusAndEnterFollowTheStoredChoice_data() {
    QTest::addColumn<QString>("stored");  // null: nothing stored yet
    QTest::addColumn<int>("expected");
    QTest::newRow("first use") << QString() << CDirectionDlg::IDC_FOREIGN;
    QTest::newRow("TRUE") << u"TRUE"_s << CDirectionDlg::IDC_FOREIGN;
    QTest::newRow("FALSE") << u"FALSE"_s << CDirectionDlg::IDC_TRANSLATION;
    // Only the exact "FALSE" means translations.
    QTest::newRow("lower case") << u"false"_s << CDirectionDlg::IDC_FOREIGN;
  }

  void focusAndEnterFollowTheStoredChoice() {
    QFETCH(QString, stored);
    QFETCH(int, expected);
    if (!stored.isNull()) WriteSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF, stored);

    CFakePlatform platform;
    CDirectionDlg dlg(platform);
    const int result = RunModal(dlg, [expected](QDialog& d) {
      SettleFocus();
      auto& direction = static_cast<CDirectionDlg&>(d);
      QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(direction.Button(expected)));
      KeyAtFocus(Qt::Key_Return);
    });
    QCOMPARE(result, expected);
    QCOMPARE(StoredDirection(), expected == CDirectionDlg::IDC_FOREIGN ? u"TRUE"_s : u"FALSE"_s);
  }

  void choosingTranslationsIsRememberedForTheNextOpening() {
    CFakePlatform platform;
    {
      CDirectionDlg dlg(platform);
      const int result = RunModal(dlg, [](QDialog& d) {
        QTest::mouseClick(static_cast<CDirectionDlg&>(d).Button(CDirectionDlg::IDC_TRANSLATION),
                          Qt::LeftButton);
      });
      QCOMPARE(result, CDirectionDlg::IDC_TRANSLATION);
    }
    CDirectionDlg again(platform);
    const int result = RunModal(again, [](QDialog&) {
      SettleFocus();
      KeyAtFocus(Qt::Key_Enter);  // the keypad's Enter
    });
    QCOMPARE(result, CDirectionDlg::IDC_TRANSLATION);
    QCOMPARE(StoredDirection(), u"FALSE"_s);
  }

  void cancellingWritesNothing() {
    CreateSettingsKey(SettingsRoot::CurrentUser, kKeyVokabit30);
    WriteSetting(SettingsRoot::CurrentUser, kKeyVokabit30, kValueHelpFile, u"/opt/help"_s);
    CFakePlatform platform;
    const std::pair<const char*, std::function<void(QDialog&)>> ways[] = {
        {"Tab to the cancel button, Enter",
         [](QDialog& d) {
           SettleFocus();
           KeyAtFocus(Qt::Key_Tab);
           KeyAtFocus(Qt::Key_Tab);
           QCOMPARE(QApplication::focusWidget(),
                    static_cast<QWidget*>(
                        static_cast<CDirectionDlg&>(d).Button(CDirectionDlg::IDCANCEL)));
           KeyAtFocus(Qt::Key_Return);
         }},
        {"F1 for help, then Escape",
         [](QDialog& d) {
           KeyAtFocus(Qt::Key_F1);
           QVERIFY(d.isVisible());
           KeyAtFocus(Qt::Key_Escape);
         }},
        {"close box", [](QDialog& d) { d.close(); }},
    };
    for (const auto& [name, script] : ways) {
      CDirectionDlg dlg(platform);
      QVERIFY2(RunModal(dlg, script) == CDirectionDlg::IDCANCEL, name);
      QVERIFY2(StoredDirection().isEmpty(), name);
    }
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
      QRect previous;
      for (int id :
           {CDirectionDlg::IDC_FOREIGN, CDirectionDlg::IDC_TRANSLATION, CDirectionDlg::IDCANCEL}) {
        const CHoverButton* button = dlg.Button(id);
        QVERIFY(button->width() >= button->sizeHint().width());
        QVERIFY(button->height() >= button->sizeHint().height());
        QVERIFY(dlg.rect().contains(button->geometry()));
        QVERIFY(!button->geometry().intersects(previous));
        previous = button->geometry();
      }
      QLabel* hint = dlg.HintLine();
      QVERIFY(!hint->geometry().intersects(previous));
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
