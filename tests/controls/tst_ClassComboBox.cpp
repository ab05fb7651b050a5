#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>

#include "controls/ClassComboBox.h"

class TestClassComboBox : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void entriesAreSortedByTextAndKeepTheirData() {
    CClassComboBox combo;
    combo.AddLine(QStringLiteral("Verb"), 2);
    combo.AddLine(QStringLiteral("none"), 0);
    combo.AddLine(QStringLiteral("Noun"), 1);
    QCOMPARE(combo.itemText(0) + combo.itemText(1) + combo.itemText(2),
             QStringLiteral("noneNounVerb"));

    // The class is the item data, wherever the sorting put the entry.
    QVERIFY(combo.SelectItemData(2));
    QCOMPARE(combo.currentIndex(), 2);
    QCOMPARE(combo.CurrentItemData(), 2);
    QVERIFY(!combo.SelectItemData(5));
    QCOMPARE(combo.CurrentItemData(), 2);
  }

  void openingTheListKeepsTheSelection() {
    CClassComboBox combo;
    combo.AddLine(QStringLiteral("none"), 0);
    combo.AddLine(QStringLiteral("noun"), 1);
    combo.AddLine(QStringLiteral("verb"), 2);
    combo.setCurrentIndex(1);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QSignalSpy changed(&combo, &QComboBox::currentIndexChanged);

    combo.showPopup();
    QCOMPARE(combo.currentIndex(), 2);  // for a moment the last entry
    QTRY_COMPARE(combo.currentIndex(), 1);
    QCOMPARE(combo.view()->currentIndex().row(), 1);
    combo.hidePopup();
    QCOMPARE(combo.currentIndex(), 1);
    QCOMPARE(changed.count(), 0);

    // Closed at once, the list must not leave the last entry selected.
    combo.showPopup();
    combo.hidePopup();
    QCOMPARE(combo.currentIndex(), 1);
    QCOMPARE(changed.count(), 0);
  }
};

QTEST_MAIN(TestClassComboBox)
#include "tst_ClassComboBox.moc"
