#pragma once
// The main window as the tests open and read it.
#include <memory>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "FakePlatform.h"
#include "MainDlg.h"
#include "TestFiles.h"

// The window as the program shows it after start, active, with the given
// words in an unchanged list (or the start file's, when one is given).
inline std::unique_ptr<CMainDlg> OpenMainWindow(CFakePlatform& platform,
                                                const std::vector<TestWord>& words = {},
                                                const QString& startFile = QString()) {
  auto dlg = std::make_unique<CMainDlg>(platform);
  dlg->m_startFile = startFile;
  if (!dlg->OnInitDialog()) return nullptr;
  for (const TestWord& w : words) (void)dlg->WordList().AddWord(w.foreign, w.translation, w.mark);
  if (!words.empty()) {
    dlg->WordList().SetModified(0);
    dlg->SetListTitle(false);
    dlg->FillWordListBox();
    dlg->UpdateWordCount();
  }
  dlg->show();
  QApplication::setActiveWindow(dlg.get());
  if (!QTest::qWaitForWindowActive(dlg.get())) return nullptr;
  return dlg;
}

template <class T>
T* ControlOf(const CMainDlg& dlg, int id) {
  return static_cast<T*>(dlg.Control(id));
}

inline QLineEdit* EditOf(const CMainDlg& dlg, int id) {
  return ControlOf<QLineEdit>(dlg, id);
}

// The caption of a label, group or button.
inline QString TextOf(const CMainDlg& dlg, int id) {
  if (auto* label = qobject_cast<QLabel*>(dlg.Control(id))) return label->text();
  if (auto* group = qobject_cast<QGroupBox*>(dlg.Control(id))) return group->title();
  return ControlOf<QAbstractButton>(dlg, id)->text();
}

inline bool ShowsModified(const CMainDlg& dlg) {
  return dlg.windowTitle().endsWith(QStringLiteral(" *"));
}
