#include <QtTest>

#include <QComboBox>

#include "FakePlatform.h"
#include "WidgetDriver.h"
#include "controls/CharGrid.h"
#include "controls/OneLineEdit.h"
#include "mainwnd/SpecialCharDlg.h"

using namespace Qt::StringLiterals;

class TestSpecialCharDlg : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The grid marks the typed character, and a click on a cell types it.
  void gridAndEditFollowEachOther() {
    CFakePlatform platform;
    CSpecialCharDlg dlg(platform, nullptr);
    dlg.SetCharacter(u"\u00df"_s);
    auto* edit = Child<COneLineEdit>(&dlg, 1119);
    auto* grid = Child<CCharGrid>(&dlg, 1096);
    QVERIFY(edit && grid);
    // Every character of every block can be reached with the mouse.
    auto* blocks = Child<QComboBox>(&dlg, 1189);
    QCOMPARE(blocks->count(), CCharGrid::BlockCount());
    for (int block = 0; block < blocks->count(); ++block) {
      blocks->setCurrentIndex(block);
      QCOMPARE(grid->VisibleCells(), grid->CellCount());
    }
    blocks->setCurrentIndex(0);
    QCOMPARE(grid->MarkedChar(), std::optional<QChar>(u'\u00df'));  // marked again
    const int result = RunModal(dlg, [&] {
      edit->clear();
      Type(edit, u"\u00e9"_s);
      QCOMPARE(grid->MarkedChar(), std::optional<QChar>(u'\u00e9'));
      Type(edit, u"e"_s);
      QCOMPARE(grid->MarkedChar(), std::nullopt);  // two characters mark no cell
      QTest::mouseClick(grid, Qt::LeftButton, {},
                        grid->CellRect(grid->CellOfChar(u'\u00d8')).center());
      QCOMPARE(edit->text(), u"\u00d8"_s);
      edit->end(false);
      Type(edit, u"x"_s);  // any length is taken
      QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dlg.Character(), u"\u00d8x"_s);
  }
};

QTEST_MAIN(TestSpecialCharDlg)
#include "tst_SpecialCharDlg.moc"
