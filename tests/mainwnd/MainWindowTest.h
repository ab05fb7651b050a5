#pragma once
// The main window as the tests open and read it.
#include <memory>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "app/ApplicationDialogs.h"
#include "controls/HoverButton.h"
#include "controls/WordListBox.h"
#include "lang/LangText.h"
#include "mainwnd/EditPanel.h"
#include "mainwnd/MainDlg.h"
#include "mainwnd/MainWndIds.h"
#include "mainwnd/MainWndTexts.h"
#include "mainwnd/PracticePanel.h"
#include "practice/DirectionDlg.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

// The base of a main window test program: a private folder, new at every
// run, holding the settings with the program's defaults and the test's own
// files.
class CMainWindowTest : public QObject {
 protected:
  QTemporaryDir m_dir;
  QString Path(const QString& name) const { return m_dir.filePath(name); }
  bool PrepareFolder() {
    if (!m_dir.isValid()) return false;
    qputenv("VOKABIT_CONFIG_DIR", QFile::encodeName(m_dir.path()));
    ApplyTestDefaults(m_dir.path() + u'/');
    return true;
  }
};

// The program's own language, tip and About dialogs.
inline CAppDialogs& AppDialogs() {
  static CApplicationDialogs dialogs;
  return dialogs;
}

// The window as the program shows it after start, active, with the given
// words in an unchanged list (or the start file's, when one is given). A
// window that does not come up ends the test program: no case means
// anything without it.
inline std::unique_ptr<CMainDlg> OpenMainWindow(CFakePlatform& platform,
                                                const std::vector<TestWord>& words = {},
                                                const QString& startFile = QString()) {
  auto dlg = std::make_unique<CMainDlg>(platform, AppDialogs());
  dlg->SetStartFile(startFile);
  if (!dlg->OnInitDialog()) qFatal("The main window did not start");
  for (const TestWord& w : words) (void)dlg->WordList().AddWord(w.foreign, w.translation, w.mark);
  if (!words.empty()) {
    dlg->WordList().SetModified(false);
    dlg->ShowTitle();
    dlg->EditPanel().ShowWords();
    dlg->EditPanel().ShowWordCount();
  }
  dlg->show();
  QApplication::setActiveWindow(dlg.get());
  if (!QTest::qWaitForWindowActive(dlg.get())) qFatal("The main window did not become active");
  return dlg;
}

// Answers the next direction dialog with the button of that id.
inline void ChooseDirection(int button) {
  OnModalDialog([button](QDialog* d) { static_cast<CDirectionDlg*>(d)->Button(button)->click(); });
}

// The control of the window with a control id.
template <class T = QWidget>
T* ControlOf(const CMainDlg& dlg, int id) {
  return Child<T>(&dlg, id);
}

inline QLineEdit* EditOf(const CMainDlg& dlg, int id) {
  return ControlOf<QLineEdit>(dlg, id);
}

// The caption of a label, group or button.
inline QString TextOf(const CMainDlg& dlg, int id) {
  if (auto* label = ControlOf<QLabel>(dlg, id)) return label->text();
  if (auto* group = ControlOf<QGroupBox>(dlg, id)) return group->title();
  return ControlOf<QAbstractButton>(dlg, id)->text();
}

inline bool ShowsModified(const CMainDlg& dlg) {
  return dlg.windowTitle().endsWith(QStringLiteral(" *"));
}
