// The main window's frame: modes, menus, keys, status line and layout.
#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "FakePlatform.h"
#include "HoverButton.h"
#include "LangText.h"
#include "MainDlg.h"
#include "MainWndIds.h"
#include "RecentFiles.h"
#include "Settings.h"
#include "SettingsDefaults.h"
#include "SettingsKeys.h"
#include "WordListBox.h"

using namespace Qt::StringLiterals;

namespace {

const std::vector<int> kEdit = {1124, 1020, 1146, 1147, 1008, 1012, 1016,
                                1014, 1015, 1013, 5,    6,    1125, 1153};
const std::vector<int> kSettings = {1080, 1038, 1123, 1052, 1036, 1047, 1049, 1048, 1029,
                                    1028, 1033, 1032, 1031, 1030, 1037, 4,    1122, 1121,
                                    1120, 7,    1126, 1176, 1177, 1175, 1127};
const std::vector<int> kPractice = {1057, 1061, 1058, 1060, 1054, 1056, 1059, 1055, 1071,
                                    1072, 1073, 1074, 1075, 1076, 1077, 1154, 1180};
const std::vector<int> kSpecial = {1171, 1172, 1173, 1174};

QString MenuTexts(const QMenuBar* bar) {
  QStringList texts;
  for (QAction* top : bar->actions()) {
    texts << top->text();
    if (QMenu* menu = top->menu()) {
      for (QAction* a : menu->actions()) texts << a->text();
    }
  }
  return texts.join(u'|');
}

}  // namespace

class TestMainDlgFrame : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

  void VisibleOnly(CMainDlg& dlg, const std::vector<int>& shown) {
    std::vector<int> all;
    for (const auto* panel : {&kEdit, &kSettings, &kPractice}) {
      all.insert(all.end(), panel->begin(), panel->end());
    }
    for (int id : all) {
      const bool expected = std::find(shown.begin(), shown.end(), id) != shown.end();
      QVERIFY2(dlg.Control(id), qPrintable(QString::number(id)));
      QCOMPARE(dlg.Control(id)->isVisible(), expected);
    }
    for (int id : kSpecial) QVERIFY(dlg.Control(id)->isVisible());
    QVERIFY(!dlg.Control(IDC_SUGGESTIONS)->isVisible());
  }
  static bool Latched(CMainDlg& dlg, int id) {
    return static_cast<CHoverButton*>(dlg.Control(id))->IsLatched();
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    ApplySettingsDefaults(m_dir.path() + u'/', [](unsigned n) { return LangQText(n); });
  }

  void eachModeShowsExactlyItsPanel() {
    CFakePlatform platform;
    CMainDlg dlg(platform);
    QVERIFY(dlg.OnInitDialog());
    dlg.show();
    QCOMPARE(dlg.CurrentMode(), CMainDlg::Edit);
    VisibleOnly(dlg, kEdit);
    QVERIFY(Latched(dlg, IDC_TB_EDIT) && !Latched(dlg, IDC_TB_SETTINGS));

    static_cast<QAbstractButton*>(dlg.Control(IDC_TB_SETTINGS))->click();
    QCOMPARE(dlg.CurrentMode(), CMainDlg::Settings);
    VisibleOnly(dlg, kSettings);
    QVERIFY(Latched(dlg, IDC_TB_SETTINGS) && !Latched(dlg, IDC_TB_EDIT));
    QCOMPARE(dlg.Control(IDC_SPECIAL1)->geometry(), QRect(39, 200, 40, 40));

    dlg.ShowPracticePanel(true);
    VisibleOnly(dlg, kPractice);
    QVERIFY(Latched(dlg, IDC_TB_PRACTICE) && !Latched(dlg, IDC_TB_SETTINGS));
    QCOMPARE(dlg.Control(IDC_SPECIAL4)->geometry(), QRect(135, 250, 40, 20));

    static_cast<QAbstractButton*>(dlg.Control(IDC_TB_EDIT))->click();
    VisibleOnly(dlg, kEdit);
    const int w = dlg.Control(IDC_LINE_TOOLBAR)->width();
    QCOMPARE(dlg.Control(IDC_SPECIAL2)->geometry(), QRect(w - 90, 205, 66, 18));
  }

  void acceleratorsReachTheirCommands() {
    CFakePlatform platform;
    CMainDlg dlg(platform);
    QVERIFY(dlg.OnInitDialog());
    dlg.show();
    QWidget* focus = dlg.Control(IDC_FOREIGN);
    focus->setFocus();

    QTest::keyClick(focus, Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(dlg.CurrentMode(), CMainDlg::Settings);
    QTest::keyClick(dlg.Control(IDC_PAUSE), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(dlg.CurrentMode(), CMainDlg::Edit);

    // Ctrl+O opens the file dialog, Ctrl+S the save dialog of an untitled list.
    QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    QVERIFY(!platform.m_dialogs.back().save);
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(platform.m_dialogs.size(), size_t(2));
    QVERIFY(platform.m_dialogs.back().save);

    // F1 opens the topic of the current mode.
    QTest::keyClick(focus, Qt::Key_F1);
    QCOMPARE(platform.m_help.size(), size_t(1));
    QCOMPARE(platform.m_help.back().second, 131202u);
    QTest::keyClick(focus, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(dlg.Control(IDC_PAUSE), Qt::Key_F1);
    QCOMPARE(platform.m_help.back().second, 131203u);
    QTest::keyClick(dlg.Control(IDC_PAUSE), Qt::Key_R, Qt::ControlModifier);

    // Ctrl+F on an empty list says so and stays in the editing panel.
    QTest::keyClick(focus, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(platform.m_messages.back().text, LangQText(251));
    QCOMPARE(dlg.CurrentMode(), CMainDlg::Edit);

    // Typing a word and Enter adds it; Ctrl+Alt+N empties the fields.
    QTest::keyClicks(dlg.Control(IDC_FOREIGN), u"hus"_s);
    QTest::keyClicks(dlg.Control(IDC_TRANSLATION), u"house"_s);
    QTest::keyClick(dlg.Control(IDC_TRANSLATION), Qt::Key_Return);
    QCOMPARE(dlg.WordList().GetCount(), 1);
    QTest::keyClicks(dlg.Control(IDC_FOREIGN), u"x"_s);
    QTest::keyClick(dlg.Control(IDC_FOREIGN), Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(static_cast<QLineEdit*>(dlg.Control(IDC_FOREIGN))->text(), QString());

    // Ctrl+Delete removes the selected word.
    static_cast<CWordListBox*>(dlg.Control(IDC_WORDLIST))->SelectOnly(0);
    QTest::keyClick(dlg.Control(IDC_WORDLIST), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(dlg.WordList().GetCount(), 0);

    // Ctrl+N: the list is modified, so the save question comes (answered Cancel).
    const size_t messages = platform.m_messages.size();
    QTest::keyClick(focus, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(platform.m_messages.size(), messages + 1);
    QCOMPARE(platform.m_messages.back().buttons, MessageButtons::YesNoCancel);

    // Escape does nothing at all.
    QTest::keyClick(focus, Qt::Key_Escape);
    QVERIFY(dlg.isVisible());
    platform.m_answers = {kIdNo};
  }

  void menusFollowTheModeAndTheLanguage() {
    CRecentFiles::Write({u"/tmp/a.vk2"_s, u"/tmp/b.vk2"_s, QString(), QString()});
    CFakePlatform platform;
    CMainDlg dlg(platform);
    QVERIFY(dlg.OnInitDialog());
    auto* bar = dlg.findChild<QMenuBar*>();
    QVERIFY(bar);
    QCOMPARE(bar->actions().size(), 5);  // file, edit, practice, view, help
    QCOMPARE(bar->actions()[0]->text(), LangQText(1));
    QCOMPARE(bar->actions()[1]->text(), LangQText(21));
    QVERIFY(MenuTexts(bar).contains(LangQText(137)));
    QVERIFY(!dlg.CommandAction(ID_RESTART));
    QCOMPARE(dlg.CommandAction(ID_RECENT_FIRST)->text(), u"1. /tmp/a.vk2"_s);
    QCOMPARE(dlg.CommandAction(ID_RECENT_FIRST + 1)->text(), u"2. /tmp/b.vk2"_s);
    QCOMPARE(dlg.CommandAction(ID_RECENT_FIRST + 2)->text(), u"3. "_s);
    QVERIFY(!dlg.CommandAction(ID_RECENT_FIRST + 2)->isEnabled());

    dlg.ShowSettingsPanel(true);
    QCOMPARE(bar->actions().size(), 4);  // file, practice, view, help
    QVERIFY(!dlg.CommandAction(ID_IMPORT));
    QVERIFY(!dlg.CommandAction(ID_RESTART));
    QCOMPARE(dlg.CommandAction(ID_RECENT_FIRST)->text(), u"1. /tmp/a.vk2"_s);

    dlg.ShowPracticePanel(true);
    QVERIFY(dlg.CommandAction(ID_RESTART));
    QCOMPARE(dlg.CommandAction(ID_RESTART)->text(), LangQText(138));

    // Toolbar captions follow the view menu's check mark.
    dlg.ShowEditPanel(true);
    QVERIFY(dlg.CommandAction(ID_TOOLBAR_TEXT)->isChecked());
    dlg.CommandAction(ID_TOOLBAR_TEXT)->trigger();
    QVERIFY(!dlg.ToolbarText());
    dlg.ShowSettingsPanel(true);
    QVERIFY(!dlg.CommandAction(ID_TOOLBAR_TEXT)->isChecked());
  }

  void addAndDeleteItemsFollowTheirButtons() {
    CFakePlatform platform;
    CMainDlg dlg(platform);
    QVERIFY(dlg.OnInitDialog());
    dlg.show();
    QVERIFY(!dlg.Control(IDC_ADD)->isEnabled());
    QVERIFY(!dlg.CommandAction(ID_ADD_WORD)->isEnabled());
    QVERIFY(!dlg.CommandAction(ID_DELETE_WORDS)->isEnabled());
    QTest::keyClicks(dlg.Control(IDC_FOREIGN), u"a"_s);
    QVERIFY(dlg.Control(IDC_ADD)->isEnabled());
    QVERIFY(dlg.CommandAction(ID_ADD_WORD)->isEnabled());
    QTest::keyClicks(dlg.Control(IDC_TRANSLATION), u"b"_s);
    dlg.OnCommand(ID_ADD_WORD);
    QVERIFY(!dlg.CommandAction(ID_ADD_WORD)->isEnabled());
    static_cast<CWordListBox*>(dlg.Control(IDC_WORDLIST))->SelectOnly(0);
    QVERIFY(dlg.Control(IDC_DELETE)->isEnabled());
    QVERIFY(dlg.CommandAction(ID_DELETE_WORDS)->isEnabled());
    platform.m_answers = {kIdNo};
  }

  void exitWithUnsavedChangesAndCancelStaysOpen() {
    CFakePlatform platform;
    CMainDlg dlg(platform);
    QVERIFY(dlg.OnInitDialog());
    dlg.show();
    dlg.WordList().AddWord("a", "b", 0);
    platform.m_answers = {kIdCancel};
    static_cast<QAbstractButton*>(dlg.Control(IDC_TB_EXIT))->click();
    QVERIFY(dlg.isVisible());
    platform.m_answers = {kIdNo};
    dlg.OnCommand(ID_APP_EXIT);
    QVERIFY(!dlg.isVisible());
  }

  void resizePlacesThePracticePanel_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("panel");
    QTest::newRow("narrow") << 600 << 390;
    QTest::newRow("wide") << 800 << 433;
  }

  void resizePlacesThePracticePanel() {
    QFETCH(int, width);
    QFETCH(int, panel);
    CFakePlatform platform;
    CMainDlg dlg(platform);
    QVERIFY(dlg.OnInitDialog());
    dlg.show();
    dlg.ShowPracticePanel(true);
    QWidget* client = dlg.Control(IDC_LINE_TOP)->parentWidget();
    client->resize(width, 420);
    QCOMPARE(dlg.Control(IDC_QUESTION_GROUP)->geometry().topLeft(), QPoint(200, 90));
    QCOMPARE(dlg.Control(IDC_QUESTION_GROUP)->width(), panel);
    QCOMPARE(dlg.Control(IDC_ANSWER_GROUP)->geometry().topLeft(), QPoint(200, 160));
    QCOMPARE(dlg.Control(IDC_ANSWER_GROUP)->width(), panel);
    QCOMPARE(dlg.Control(IDC_ANSWER)->geometry(), QRect(220, 183, panel - 100, 20));
    QCOMPARE(dlg.Control(IDC_SUGGESTIONS)->geometry(), QRect(220, 203, panel - 80, 60));
    QCOMPARE(dlg.Control(IDC_SUGGEST_BUTTON)->geometry(), QRect(panel + 120, 183, 20, 20));
    QCOMPARE(dlg.Control(IDC_ANSWER_BUTTON)->pos(), QPoint(panel + 150, 183));
    QCOMPARE(dlg.Control(IDC_QUESTION)->width(), panel - 10);
    QCOMPARE(dlg.Control(IDC_COUNTERS_GROUP)->pos(), QPoint(10, 90));
    QCOMPARE(dlg.Control(IDC_COUNT_WRONG)->pos(), QPoint(110, 180));
    // The status line splits the bottom edge in three.
    QCOMPARE(dlg.Control(IDC_STATUS_LEFT)->geometry(), QRect(0, 402, width / 2, 18));
    QCOMPARE(dlg.Control(IDC_STATUS_MIDDLE)->x(), width / 2 + 2);
    QCOMPARE(dlg.Control(IDC_MODE_PICTURE)->geometry(), QRect(580, 5, width - 590, 52));
  }

  void hoverAndFocusFillTheStatusLine() {
    CFakePlatform platform;
    CMainDlg dlg(platform);
    QVERIFY(dlg.OnInitDialog());
    dlg.show();
    auto* middle = static_cast<QLabel*>(dlg.Control(IDC_STATUS_MIDDLE));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(dlg.Control(IDC_FOREIGN), &enter);
    QCOMPARE(middle->text(), LangQText(169));
    QCoreApplication::sendEvent(dlg.Control(IDC_SPECIAL1), &enter);
    QCOMPARE(middle->text(), LangQText(200));
    QCoreApplication::sendEvent(dlg.Control(IDC_LINE_TOP), &enter);
    QCOMPARE(middle->text(), QString());
    dlg.ShowSettingsPanel(true);
    QCoreApplication::sendEvent(dlg.Control(IDC_SPECIAL1), &enter);
    QCOMPARE(middle->text(), LangQText(199));
    QCoreApplication::sendEvent(dlg.Control(IDC_PAUSE), &enter);
    QCOMPARE(middle->text(), LangQText(202));
    auto* left = static_cast<QLabel*>(dlg.Control(IDC_STATUS_LEFT));
    QCOMPARE(left->text(), LangQText(36));
  }
};

QTEST_MAIN(TestMainDlgFrame)
#include "tst_MainDlgFrame.moc"
