#include <QtTest>

#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "RecordingPrinter.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "lang/LangText.h"
#include "platform/HelpTopics.h"
#include "platform/ProgramHelp.h"
#include "print/PrintDialogTexts.h"
#include "print/PrintFormatDlg.h"
#include "print/PrintSample.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;
using Dlg = CPrintFormatDlg;

namespace {

QString Stored(QLatin1String name) {
  return ReadSetting(SettingsRoot::CurrentUser, kKeyPrint, name);
}

void Store(QLatin1String name, const QString& value) {
  WriteSetting(SettingsRoot::CurrentUser, kKeyPrint, name, value);
}

// The six options, in the order of the boxes below.
const QLatin1String kOptions[6] = {kValueShowFileName, kValueShowPagenumber, kValueShowTextFO,
                                   kValueShowOnlyTOv,  kValueShowOnlyF,      kValueShowOnlyO};

// The six check boxes, in a fixed order, as a string of 0 and 1.
QString Checks(const QWidget& dlg) {
  QString state;
  for (int id : {Dlg::IDC_SHOW_TITLE, Dlg::IDC_SHOW_PAGE_NUMBER, Dlg::IDC_COLUMN_HEADINGS,
                 Dlg::IDC_SINGLE_HEADING, Dlg::IDC_ONLY_FOREIGN, Dlg::IDC_ONLY_TRANSLATIONS})
    state += Child<QCheckBox>(&dlg, id)->isChecked() ? u'1' : u'0';
  return state;
}

// What the sample page shows, as painted.
QStringList SampleTexts(const Dlg& dlg) {
  CRecordingPrinter device(QSize(400, 400), 96);
  QPainter painter(&device);
  dlg.Sample()->render(&painter);
  painter.end();
  QStringList texts = device.AllTexts();
  for (QString& text : texts) text = text.trimmed();
  return texts;
}

// The first of the sample's words in a text of the catalog.
QString FirstWord(unsigned text) {
  return LangQText(text).section(u',', 0, 0).trimmed();
}

}  // namespace

class TestPrintFormatDlg : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_config;

 private Q_SLOTS:
  // Every test starts from the format the program starts with.
  void init() {
    m_config = FreshSettings();
    QVERIFY(m_config);
    ApplyTestDefaults(m_config->path() + u'/');
  }

  // The rules between the boxes, by mouse and by key, and what the sample
  // page then shows.
  void checkBoxRules_data() {
    QTest::addColumn<QString>("stored");  // the six boxes as stored, like Checks()
    QTest::addColumn<int>("clicked");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("sampleWords");  // F foreign, T translations
    QTest::newRow("only foreign unchecks only translations")
        << u"111001"_s << Dlg::IDC_ONLY_FOREIGN << false << u"111010"_s << u"F"_s;
    QTest::newRow("only translations unchecks only foreign, by key")
        << u"111010"_s << Dlg::IDC_ONLY_TRANSLATIONS << true << u"111001"_s << u"T"_s;
    QTest::newRow("both columns again")
        << u"111010"_s << Dlg::IDC_ONLY_FOREIGN << false << u"111000"_s << u"FT"_s;
    QTest::newRow("column headings off: single heading on")
        << u"111000"_s << Dlg::IDC_COLUMN_HEADINGS << true << u"110100"_s << u"FT"_s;
    QTest::newRow("single heading on: column headings off")
        << u"110000"_s << Dlg::IDC_SINGLE_HEADING << false << u"110100"_s << u"FT"_s;
    // The other box takes the opposite of the clicked one; it is not toggled.
    QTest::newRow("both headings stored on")
        << u"111100"_s << Dlg::IDC_SINGLE_HEADING << false << u"111000"_s << u"FT"_s;
    QTest::newRow("page number only repaints")
        << u"111000"_s << Dlg::IDC_SHOW_PAGE_NUMBER << true << u"101000"_s << u"FT"_s;
  }

  void checkBoxRules() {
    QFETCH(QString, stored);
    QFETCH(int, clicked);
    QFETCH(bool, byKey);
    QFETCH(QString, expected);
    QFETCH(QString, sampleWords);
    for (int i = 0; i < 6; ++i) Store(kOptions[i], stored[i] == u'1' ? u"TRUE"_s : u"FALSE"_s);
    CFakePlatform platform;
    Dlg dlg(platform, "Djur");
    QCOMPARE(Checks(dlg), stored);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto* box = Child<QCheckBox>(&dlg, clicked);
    if (byKey) {
      box->setFocus();
      QTest::keyClick(box, Qt::Key_Space);
    } else {
      QTest::mouseClick(box, Qt::LeftButton);
    }
    QCOMPARE(Checks(dlg), expected);

    const QStringList sample = SampleTexts(dlg);
    QCOMPARE(sample.count(FirstWord(kTxtSampleForeignWords)), int(sampleWords.contains(u'F')));
    QCOMPARE(sample.count(FirstWord(kTxtSampleTranslations)), int(sampleWords.contains(u'T')));
    QCOMPARE(sample.contains(LangQText(kTxtSamplePageNumber)), expected[1] == u'1');
    QCOMPARE(sample.contains(LangQText(kTxtSampleForeignHeading)), expected[2] == u'1');
    QCOMPARE(sample.contains(LangQText(kTxtSampleTranslationHeading)), expected[2] == u'1');
    QCOMPARE(sample.contains(LangQText(kTxtSampleSingleHeading)),
             expected[2] == u'0' && expected[3] == u'1');
    QVERIFY(sample.contains(LangQText(kTxtSampleFooter)));
  }

  // OK stores every value as shown; an unchecked page number goes under its
  // other spelling, which is the same value. The title comes back even when
  // it is not to be printed.
  void okStoresTheFormat() {
    CFakePlatform platform;
    Dlg dlg(platform, "Djur");
    const int result = RunModal(dlg, [&] {
      QVERIFY(Child<QLineEdit>(&dlg, Dlg::IDC_TITLE)->isEnabled());
      Child<QLineEdit>(&dlg, Dlg::IDC_TITLE)->selectAll();
      Type(Child<QLineEdit>(&dlg, Dlg::IDC_TITLE), u"Fåglar"_s);
      Click(&dlg, Dlg::IDC_SHOW_TITLE);
      QVERIFY(!Child<QLineEdit>(&dlg, Dlg::IDC_TITLE)->isEnabled());
      Click(&dlg, Dlg::IDC_SHOW_PAGE_NUMBER);
      Click(&dlg, Dlg::IDC_ONLY_TRANSLATIONS);
      Child<QLineEdit>(&dlg, Dlg::IDC_MARGIN_TOP)->clear();
      Type(Child<QLineEdit>(&dlg, Dlg::IDC_MARGIN_LEFT), u"7x-"_s);  // digits only
      Type(Child<QLineEdit>(&dlg, Dlg::IDC_TEXT_SIZE), u"14"_s);
      QTest::keyClick(&dlg, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dlg.GetTitle(), std::string("Fåglar"));
    QStringList stored;
    for (QLatin1String name : kOptions) stored << Stored(name);
    for (QLatin1String name :
         {kValueMarginTop, kValueMarginBottom, kValueMarginLeft, kValueMarginRight, kValueTextSize})
      stored << Stored(name);
    QCOMPARE(stored.join(u' '), u"FALSE FALSE TRUE FALSE FALSE TRUE  50 507 50 014"_s);
    QVERIFY(ReadAll(SettingsFilePath(SettingsRoot::CurrentUser)).count("ShowPage") == 1);
  }

  // Cancel, and Escape, leave the stored format and the title as they were;
  // F1 opens the dialog's topic.
  void cancelStoresNothing() {
    const QByteArray before = ReadAll(SettingsFilePath(SettingsRoot::CurrentUser));
    QVERIFY(!before.isEmpty());
    CFakePlatform platform;
    Dlg dlg(platform, "Djur", nullptr);
    const int result = RunModal(dlg, [&] {
      Type(Child<QLineEdit>(&dlg, Dlg::IDC_TITLE), u"X"_s);
      Click(&dlg, Dlg::IDC_ONLY_FOREIGN);
      Type(Child<QLineEdit>(&dlg, Dlg::IDC_MARGIN_TOP), u"9"_s);
      QTest::keyClick(Child<QLineEdit>(&dlg, Dlg::IDC_MARGIN_TOP), Qt::Key_F1);
      QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(dlg.GetTitle(), std::string("Djur"));
    QCOMPARE(ReadAll(SettingsFilePath(SettingsRoot::CurrentUser)), before);
    const std::vector<std::pair<QString, unsigned>> help{{ProgramHelpFile(), kHelpPrintFormat}};
    QVERIFY(platform.m_help == help);
  }
};

QTEST_MAIN(TestPrintFormatDlg)
#include "tst_PrintFormatDlg.moc"
