#include <QtTest>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "controls/OneLineEdit.h"
#include "mainwnd/SearchDlg.h"
#include "mainwnd/SearchLogic.h"

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

  // The last text is offered selected, to be typed over; Enter searches,
  // and Escape hands back nothing new.
  void returnsTheEnteredText() {
    CFakePlatform platform;
    CSearchDlg dlg(platform, nullptr);
    dlg.SetSearchText("häst");
    auto* edit = Child<COneLineEdit>(&dlg, 1080);
    QVERIFY(edit);
    QCOMPARE(RunModal(dlg,
                      [&] {
                        Type(edit, u"k\u00f6tt"_s);
                        QTest::keyClick(edit, Qt::Key_Return);
                      }),
             int(QDialog::Accepted));
    QCOMPARE(dlg.GetSearchText(), std::string("kött"));
    QCOMPARE(RunModal(dlg,
                      [&] {
                        Type(edit, u"x"_s);
                        QTest::keyClick(edit, Qt::Key_Escape);
                      }),
             int(QDialog::Rejected));
    QCOMPARE(dlg.GetSearchText(), std::string("kött"));
  }
};

QTEST_MAIN(TestSearchDlg)
#include "tst_SearchDlg.moc"
