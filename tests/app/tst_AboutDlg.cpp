// The About box: the build's version and the two links, which open what the
// settings hold at the moment of the click.
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "app/AboutDlg.h"
#include "controls/HoverButton.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

class TestAboutDlg : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void showsTheVersionAndOpensTheStoredAddresses() {
    const auto settings = FreshSettings();
    QVERIFY(settings);
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

QTEST_MAIN(TestAboutDlg)
#include "tst_AboutDlg.moc"
