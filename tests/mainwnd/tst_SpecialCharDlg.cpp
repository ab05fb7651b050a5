#include <QtTest>

#include <functional>

#include <QPushButton>

#include "CharGrid.h"
#include "Cp1252Edit.h"
#include "FakePlatform.h"
#include "LangText.h"
#include "SpecialCharDlg.h"

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

void RunModal(QDialog& dlg, const std::function<void()>& during) {
  QTimer::singleShot(0, &dlg, [&] {
    during();
    if (dlg.isVisible()) dlg.reject();
  });
  dlg.exec();
}

}  // namespace

class TestSpecialCharDlg : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void gridAndEditFollowEachOther() {
    CFakePlatform platform;
    CSpecialCharDlg dlg(platform, nullptr, [] { return u"/help/vokabit"_s; });
    dlg.SetCharacter(u"ß"_s);
    auto* edit = dlg.findChild<CCp1252Edit*>(u"c1119"_s);
    auto* grid = dlg.findChild<CCharGrid*>(u"c1096"_s);
    QVERIFY(edit && grid);
    QCOMPARE(dlg.windowTitle(), LangQText(469));
    QCOMPARE(edit->text(), u"ß"_s);
    QCOMPARE(grid->MarkedChar(), std::optional<QChar>(u'ß'));
    // Every character of the grid can be reached with the mouse.
    QCOMPARE(grid->VisibleCells(), CCharGrid::kCodeCount);

    RunModal(dlg, [&] {
      edit->clear();
      QCOMPARE(grid->MarkedChar(), std::nullopt);
      Type(edit, u"é"_s);
      QCOMPARE(grid->MarkedChar(), std::optional<QChar>(u'é'));
      Type(edit, u"e"_s);
      QCOMPARE(grid->MarkedChar(), std::nullopt);  // two characters mark no cell

      // A click on a cell puts its character into the edit, ready to be confirmed.
      const QRect cell = grid->CellRect(CCharGrid::CodeOfChar(u'Ø'));
      QVERIFY(!cell.isEmpty());
      QTest::mouseClick(grid, Qt::LeftButton, {}, cell.center());
      QCOMPARE(edit->text(), u"Ø"_s);
      QCOMPARE(dlg.focusWidget(), edit);
      QTest::keyClick(grid, Qt::Key_F1);
      QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.Character(), u"Ø"_s);
    QCOMPARE(platform.m_help.size(), std::size_t(1));
    QCOMPARE(platform.m_help[0].second, 131219u);
  }

  void returnsWhatWasTypedOrNothing() {
    CFakePlatform platform;
    {
      CSpecialCharDlg dlg(platform);
      dlg.SetCharacter(u" "_s);
      auto* edit = dlg.findChild<CCp1252Edit*>(u"c1119"_s);
      RunModal(dlg, [&] {
        Type(edit, u"ch"_s);  // replaces the selected old character
        QTest::mouseClick(dlg.findChild<QPushButton*>(u"c1"_s), Qt::LeftButton);
      });
      QCOMPARE(dlg.Character(), u"ch"_s);  // any length is taken
    }
    {
      CSpecialCharDlg dlg(platform);
      dlg.SetCharacter(u"ü"_s);
      RunModal(dlg, [&] {
        Type(dlg.findChild<CCp1252Edit*>(u"c1119"_s), u"x"_s);
        QTest::mouseClick(dlg.findChild<QPushButton*>(u"c2"_s), Qt::LeftButton);
      });
      QCOMPARE(dlg.result(), int(QDialog::Rejected));
      QVERIFY(dlg.Character().isEmpty());
    }
  }
};

QTEST_MAIN(TestSpecialCharDlg)
#include "tst_SpecialCharDlg.moc"
