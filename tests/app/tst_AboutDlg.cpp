// The About box: the build's version, the texts of the language and the two
// links, which open what the settings hold at the moment of the click.
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "AboutDlg.h"
#include "ColorLabel.h"
#include "FakePlatform.h"
#include "HoverButton.h"
#include "LangText.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "VkLang.h"
#include "WidgetDriver.h"

using namespace Qt::StringLiterals;

namespace {

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kBlue = 0xFF0000;
constexpr unsigned kMaker = 118;
constexpr unsigned kAboutText = 500;
constexpr unsigned kSlogan = 474;

void Set(QLatin1String key, QLatin1String name, const QString& value) {
  CreateSettingsKey(SettingsRoot::CurrentUser, key);
  WriteSetting(SettingsRoot::CurrentUser, key, name, value);
}

}  // namespace

class TestAboutDlg : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;

 private Q_SLOTS:
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("VOKABIT_CONFIG_DIR", m_dir->path().toUtf8());
    QCOMPARE(VKLangSetLanguage(1), 0);
  }

  void showsTheVersionAndOpensTheStoredAddresses() {
    Set(kKeyVokabit, kValueHemsida, u"https://vokabit.se/"_s);
    Set(kKeyBrannvik, kValueMail, u"mailto:info@vokabit.se"_s);
    CFakePlatform platform;
    CAboutDlg dlg(platform);
    QCOMPARE(Child<QLabel>(&dlg, CAboutDlg::IDC_VERSION)->text(), QStringLiteral(VOKABIT_VERSION));
    QCOMPARE(Child<QLabel>(&dlg, CAboutDlg::IDC_MAKER)->text(), LangQText(kMaker));
    QCOMPARE(Child<QPlainTextEdit>(&dlg, CAboutDlg::IDC_TEXT)->toPlainText(),
             LangQText(kAboutText));
    QVERIFY(Child<QPlainTextEdit>(&dlg, CAboutDlg::IDC_TEXT)->isReadOnly());
    auto* slogan = Child<CColorLabel>(&dlg, CAboutDlg::IDC_SLOGAN);
    QCOMPARE(slogan->text(), LangQText(kSlogan));
    QCOMPARE(slogan->TextColour(), kRed);
    auto* web = Child<CHoverButton>(&dlg, CAboutDlg::IDC_WEB);
    auto* mail = Child<CHoverButton>(&dlg, CAboutDlg::IDC_MAIL);
    QCOMPARE(web->text(), u"vokabit.se"_s);
    QCOMPARE(mail->text(), u"info@vokabit.se"_s);
    for (CHoverButton* link : {web, mail}) {
      QVERIFY(link->IsFlat() && !link->DrawsBorder());
      QCOMPARE(link->ActiveTextColour(), kBlue);
    }

    const int result = RunModal(dlg, [&] {
      // A value changed while the box is open counts at the next click; an
      // empty one is handed on as it is.
      Set(kKeyVokabit, kValueHemsida, u"https://example.org/vk"_s);
      web->click();
      Set(kKeyBrannvik, kValueMail, QString());
      mail->click();
      QTest::keyClick(&dlg, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(platform.m_opened, (QStringList{u"https://example.org/vk"_s, QString()}));
    QVERIFY(platform.m_messages.empty());
  }

  void linkText_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("text");
    QTest::newRow("web") << u"http://www.example.org/"_s << u"www.example.org"_s;
    QTest::newRow("mail") << u"MAILTO:a@b.se"_s << u"a@b.se"_s;
    QTest::newRow("ampersand") << u"https://x.se/?a=1&b=2"_s << u"x.se/?a=1&&b=2"_s;
    QTest::newRow("other") << u"ftp://x.se"_s << u"ftp://x.se"_s;
  }
  void linkText() {
    QFETCH(QString, address);
    QFETCH(QString, text);
    QCOMPARE(CAboutDlg::LinkText(address), text);
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
    Set(kKeyVokabit, kValueHemsida, LangQText(111));
    Set(kKeyBrannvik, kValueMail, LangQText(139));
    CFakePlatform platform;
    CAboutDlg dlg(platform);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QList<const QWidget*> facts;
    for (int id : {CAboutDlg::IDC_LABEL_VERSION, CAboutDlg::IDC_VERSION,
                   CAboutDlg::IDC_LABEL_MADE_BY, CAboutDlg::IDC_MAKER, CAboutDlg::IDC_LABEL_MAIL,
                   CAboutDlg::IDC_MAIL, CAboutDlg::IDC_LABEL_WEB, CAboutDlg::IDC_WEB,
                   CAboutDlg::IDC_TEXT, CAboutDlg::IDC_SLOGAN, CAboutDlg::IDOK})
      facts << Child(&dlg, id);
    const QString problem = LayoutProblem(facts);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }
};

QTEST_MAIN(TestAboutDlg)
#include "tst_AboutDlg.moc"
