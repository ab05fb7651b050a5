#include <QtTest>

#include <functional>

#include <QPushButton>

#include "Cp1252Edit.h"
#include "FakePlatform.h"
#include "LangText.h"
#include "SearchDlg.h"
#include "SearchLogic.h"
#include "WordList.h"

using namespace Qt::StringLiterals;

namespace {

// Types text as the keyboard does, also characters beyond ASCII.
void Type(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &release);
  }
}

// Runs during while dlg's own event loop runs; a dialog that during leaves
// open (a failed check) is closed so that the test goes on.
void RunModal(QDialog& dlg, const std::function<void()>& during) {
  QTimer::singleShot(0, &dlg, [&] {
    during();
    if (dlg.isVisible()) dlg.reject();
  });
  dlg.exec();
}

}  // namespace

class TestSearchDlg : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void findsTheNextWord_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("found");

    // 0 hund/dog, 1 bord/table, 2 fisk/fish, 3 katt/cat, 4 stol/chair
    QTest::newRow("from no line") << -1 << QByteArray("katt") << 3;
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
    CWordList list;
    for (const auto& [f, t] : {std::pair{"hund", "dog"},
                               {"bord", "table"},
                               {"fisk", "fish"},
                               {"katt", "cat"},
                               {"stol", "chair"}})
      QCOMPARE(list.AddWord(f, t), 0);
    QCOMPARE(FindNextWord(list, current, text.toStdString()), found);
  }

  void returnsTheEnteredText() {
    CFakePlatform platform;
    CSearchDlg dlg(platform, nullptr, [] { return u"/help/vokabit"_s; });
    dlg.SetSearchText("h\xe4st");
    QCOMPARE(dlg.windowTitle(), LangQText(213));
    auto* edit = dlg.findChild<CCp1252Edit*>(u"c1080"_s);
    auto* ok = dlg.findChild<QPushButton*>(u"c1"_s);
    QVERIFY(edit && ok);
    QCOMPARE(ok->text(), LangQText(212));

    RunModal(dlg, [&] {
      QCOMPARE(QApplication::activeModalWidget(), &dlg);
      QCOMPARE(edit->text(), u"häst"_s);  // the last search text, selected for typing over
      QVERIFY(edit->hasSelectedText());
      Type(edit, u"kött"_s);
      QTest::keyClick(edit, Qt::Key_Return);  // Enter is the search button
    });
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.GetSearchText(), std::string("k\xf6tt"));

    RunModal(dlg, [&] {
      Type(edit, u"x"_s);
      QTest::keyClick(edit, Qt::Key_F1);
      QTest::keyClick(edit, Qt::Key_Escape);
    });
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(dlg.GetSearchText(), std::string("k\xf6tt"));  // Cancel hands back nothing new
    QCOMPARE(platform.m_help.size(), std::size_t(1));
    QCOMPARE(platform.m_help[0].first, u"/help/vokabit"_s);
    QCOMPARE(platform.m_help[0].second, 131205u);
  }
};

QTEST_MAIN(TestSearchDlg)
#include "tst_SearchDlg.moc"
