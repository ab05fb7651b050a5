#include <QtTest>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "controls/OneLineEdit.h"
#include "lang/LangText.h"
#include "mainwnd/SearchDlg.h"
#include "mainwnd/SearchLogic.h"
#include "platform/ProgramHelp.h"

using namespace Qt::StringLiterals;

class TestSearchDlg : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void findsTheNextWord_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("found");
    // 0 hund/dog, 1 bord/table, 2 fisk/fish, 3 katt/cat, 4 stol/chair
    QTest::newRow("only the current line matches") << 3 << QByteArray("at") << 3;
    QTest::newRow("foreign word beats nearer translation") << 0 << QByteArray("a") << 3;
    QTest::newRow("translation when no foreign word") << 0 << QByteArray("ish") << 2;
    QTest::newRow("wraps from the last line") << 4 << QByteArray("hund") << 0;
    QTest::newRow("second pass prefers foreign too") << 4 << QByteArray("o") << 1;
    QTest::newRow("second pass finds a translation") << 3 << QByteArray("dog") << 0;
    QTest::newRow("case matters") << -1 << QByteArray("Katt") << -1;
    QTest::newRow("nowhere after both passes") << 2 << QByteArray("zebra") << -1;
  }

  void findsTheNextWord() {
    QFETCH(int, current);
    QFETCH(QByteArray, text);
    QFETCH(int, found);
    const CWordList list = ListOf(
        {{"hund", "dog"}, {"bord", "table"}, {"fisk", "fish"}, {"katt", "cat"}, {"stol", "chair"}});
    QCOMPARE(FindNextWord(list, current, text.toStdString()), found);
  }

  void returnsTheEnteredText() {
    CFakePlatform platform;
    CSearchDlg dlg(platform, nullptr);
    dlg.SetSearchText("häst");
    auto* edit = Child<COneLineEdit>(&dlg, 1080);
    QVERIFY(edit);

    const int searched = RunModal(dlg, [&] {
      QCOMPARE(edit->text(), u"h\u00e4st"_s);  // the last search text, selected for typing over
      QVERIFY(edit->hasSelectedText());
      Type(edit, u"k\u00f6tt"_s);
      QTest::keyClick(edit, Qt::Key_Return);  // Enter is the search button
    });
    QCOMPARE(searched, int(QDialog::Accepted));
    QCOMPARE(dlg.GetSearchText(), std::string("kött"));

    const int cancelled = RunModal(dlg, [&] {
      Type(edit, u"x"_s);
      QTest::keyClick(edit, Qt::Key_F1);
      QTest::keyClick(edit, Qt::Key_Escape);
    });
    QCOMPARE(cancelled, int(QDialog::Rejected));
    QCOMPARE(dlg.GetSearchText(), std::string("kött"));  // Cancel hands back nothing new
    const std::vector<std::pair<QString, unsigned>> help{{ProgramHelpFile(), 131205u}};
    QVERIFY(platform.m_help == help);
  }
};

QTEST_MAIN(TestSearchDlg)
#include "tst_SearchDlg.moc"
