// Alt letters: in every language, no letter opens two entries of one menu,
// and none is shared by two things the user reaches with Alt at the same
// time (the menu bar and the buttons, labels and groups of the mode's panel).
#include <QtTest>

#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include "MainWindowTest.h"
#include "lang/VkLang.h"

using namespace Qt::StringLiterals;

namespace {

// The Alt letter of a caption ("" when it has none), as Qt reads it.
QString Letter(const QString& text) {
  return QKeySequence::mnemonic(text).toString(QKeySequence::PortableText);
}

// "where Alt+X: first, second" for each letter that more than one caption uses.
QStringList Clashes(const QString& where, const QStringList& captions) {
  QMultiMap<QString, QString> byLetter;
  for (const QString& caption : captions)
    if (const QString letter = Letter(caption); !letter.isEmpty()) byLetter.insert(letter, caption);
  QStringList clashes;
  for (const QString& letter : byLetter.uniqueKeys())
    if (byLetter.count(letter) > 1)
      clashes << where + u' ' + letter + u": "_s + QStringList(byLetter.values(letter)).join(u", ");
  return clashes;
}

QStringList MenuClashes(const QMenu& menu) {
  QStringList captions;
  QStringList clashes;
  for (const QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    captions << action->text();
    if (action->menu()) clashes << MenuClashes(*action->menu());
  }
  return Clashes(menu.title(), captions) + clashes;
}

// What the window shows now that Alt reaches: the menu bar, and every shown
// button, group and label with a field to jump to.
QStringList WindowClashes(const CMainDlg& dlg, const QString& mode) {
  const auto* bar = dlg.findChild<QMenuBar*>();
  QStringList captions;
  QStringList clashes;
  for (const QAction* top : bar->actions()) {
    captions << top->text();
    clashes << MenuClashes(*top->menu());
  }
  for (const QWidget* w : dlg.findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) captions << button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) captions << group->title();
    if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
      captions << label->text();
  }
  // Alt+L opens the answer list while practising; a caption with that
  // letter would take the key from it.
  if (dlg.CurrentMode() == CMainDlg::Practice) captions << u"&L (answer list)"_s;
  return Clashes(mode, captions) + clashes;
}

}  // namespace

class TestMnemonics : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

 private Q_SLOTS:
  void initTestCase() { QVERIFY(m_dir.isValid()); }

  void noLetterServesTwoEntries_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("sv") << 0;
    QTest::newRow("en") << 1;
    QTest::newRow("de") << 2;
  }

  void noLetterServesTwoEntries() {
    QFETCH(int, language);
    QCOMPARE(VKLangSetLanguage(language), 0);
    ApplyTestDefaults(m_dir.path() + u'/');
    CFakePlatform platform;
    auto dlg = OpenMainWindow(platform, {{"hund", "dog"}, {"katt", "cat"}});
    QVERIFY(dlg);

    QStringList clashes = WindowClashes(*dlg, u"edit"_s);
    // While changing a word the add button and its item read "Change".
    DoubleClickRow(ControlOf<CWordListBox>(*dlg, IDC_WORDLIST), 0);
    QCOMPARE(dlg->CommandAction(ID_ADD_WORD)->text(), LangQText(kTxtMenuChange));
    clashes << WindowClashes(*dlg, u"edit, changing"_s);

    OnModalDialog([](QDialog* d) {
      static_cast<CDirectionDlg*>(d)->Button(CDirectionDlg::IDC_FOREIGN)->click();
    });
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);
    clashes << WindowClashes(*dlg, u"practice"_s);

    dlg->SetMode(CMainDlg::Settings);
    clashes << WindowClashes(*dlg, u"options"_s);
    clashes.removeDuplicates();
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u"; "_s)));
  }
};

QTEST_MAIN(TestMnemonics)
#include "tst_Mnemonics.moc"
