// The main window's menus, which follow the mode and the state of the
// commands, the accelerator table and the recent files.
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "EditPanel.h"
#include "MainDlg.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "lang/LangText.h"

QAction* CMainDlg::AddCommand(QMenu* menu, int id, unsigned textNumber) {
  QAction* action = menu->addAction(textNumber == 0 ? QString() : LangQText(textNumber));
  action->setObjectName(QStringLiteral("cmd%1").arg(id));
  connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
  m_commands[id] = action;
  return action;
}

void CMainDlg::AddFileMenu() {
  QMenu* file = m_menuBar->addMenu(LangQText(kTxtMenuFile));
  AddCommand(file, ID_FILE_NEW, kTxtMenuNew);
  AddCommand(file, ID_FILE_OPEN, kTxtMenuOpen);
  AddCommand(file, ID_FILE_SAVE, kTxtMenuSave);
  AddCommand(file, ID_FILE_SAVE_AS, kTxtMenuSaveAs);
  file->addSeparator();
  AddCommand(file, ID_MODE_EDIT, kTxtMenuEditMode);
  AddCommand(file, ID_MODE_SETTINGS, kTxtMenuSettingsMode);
  file->addSeparator();
  AddCommand(file, ID_LIST_PROPERTIES, kTxtMenuProperties);
  AddCommand(file, ID_PRINT, kTxtMenuPrint);
  AddCommand(file, ID_FILE_PRINT_PREVIEW, kTxtMenuPrintPreview);
  AddCommand(file, ID_PRINT_FORMAT, kTxtMenuPrintFormat);
  file->addSeparator();
  QMenu* recent = file->addMenu(LangQText(kTxtMenuRecent));
  recent->setObjectName(QStringLiteral("recentMenu"));
  for (int i = 0; i < CRecentFiles::kCount; ++i) AddCommand(recent, ID_RECENT_FIRST + i, 0);
  file->addSeparator();
  AddCommand(file, ID_APP_EXIT, kTxtMenuExit);
}

void CMainDlg::AddHelpMenu() {
  QMenu* help = m_menuBar->addMenu(LangQText(kTxtMenuHelp));
  AddCommand(help, ID_TIP, kTxtMenuTip);
  AddCommand(help, ID_HELP_CONTENTS, kTxtMenuHelpContents);
  AddCommand(help, ID_HELP_TOPIC, kTxtMenuHelpTopic);
  help->addSeparator();
  QMenu* internet = help->addMenu(LangQText(kTxtMenuInternet));
  AddCommand(internet, ID_WEB_PRODUCT, kTxtMenuWebProduct);
  AddCommand(internet, ID_WEB_MAKER, kTxtMenuWebMaker);
  help->addSeparator();
  AddCommand(help, ID_ABOUT, kTxtMenuAbout);
}

void CMainDlg::RebuildMenu() {
  m_menuBar->clear();
  m_commands.clear();
  AddFileMenu();
  if (m_mode == Edit) {
    QMenu* edit = m_menuBar->addMenu(LangQText(kTxtMenuEdit));
    AddCommand(edit, ID_NEW_WORD, kTxtMenuNewWord);
    AddCommand(edit, ID_ADD_WORD, m_editPanel->IsAdding() ? kTxtMenuAdd : kTxtMenuChange)
        ->setEnabled(m_editPanel->CanAdd());
    AddCommand(edit, ID_DELETE_WORDS, kTxtMenuDelete)->setEnabled(m_editPanel->CanDelete());
    edit->addSeparator();
    AddCommand(edit, ID_SEARCH, kTxtMenuSearch);
    edit->addSeparator();
    AddCommand(edit, ID_IMPORT, kTxtMenuImport);
  }
  QMenu* practice = m_menuBar->addMenu(LangQText(kTxtMenuPractice));
  AddCommand(practice, ID_START_PRACTICE, kTxtMenuStartPractice);
  if (m_mode == Practice) AddCommand(practice, ID_RESTART, kTxtMenuRestart);
  QMenu* view = m_menuBar->addMenu(LangQText(kTxtMenuView));
  QAction* toolbarText = AddCommand(view, ID_TOOLBAR_TEXT, kTxtMenuToolbarText);
  toolbarText->setCheckable(true);
  toolbarText->setChecked(m_toolbarText);
  view->addSeparator();
  // Named in English as well, so that the way back is found in any language.
  AddCommand(view, IDM_LANGUAGE, 0)->setText(StringTableQText(kStrMenuLanguage));
  AddHelpMenu();
  UpdateRecentFiles();
}

QAction* CMainDlg::CommandAction(int id) const {
  const auto it = m_commands.find(id);
  return it == m_commands.end() ? nullptr : it->second;
}

void CMainDlg::UpdateRecentFiles() {
  if (m_wordList.IsUntitled()) {
    m_recent = CRecentFiles::Read();
  } else {
    m_recent = CRecentFiles::Touch(m_wordList.GetPath());
  }
  for (int i = 0; i < CRecentFiles::kCount; ++i) {
    QAction* action = CommandAction(ID_RECENT_FIRST + i);
    if (!action) continue;
    action->setText(CRecentFiles::MenuText(i, m_recent[i]));
    action->setEnabled(!m_recent[i].isEmpty());
  }
}

const std::vector<std::pair<QKeySequence, int>>& CMainDlg::AcceleratorTable() {
  static const std::vector<std::pair<QKeySequence, int>> table = {
      {QKeySequence(Qt::CTRL | Qt::Key_F), ID_START_PRACTICE},
      {QKeySequence(Qt::CTRL | Qt::Key_I), ID_MODE_SETTINGS},
      {QKeySequence(Qt::ALT | Qt::Key_L), ID_SUGGESTIONS},
      {QKeySequence(Qt::CTRL | Qt::Key_N), IDC_TB_NEW},
      {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N), ID_NEW_WORD},
      {QKeySequence(Qt::CTRL | Qt::Key_O), IDC_TB_OPEN},
      {QKeySequence(Qt::CTRL | Qt::Key_P), ID_PRINT},
      {QKeySequence(Qt::CTRL | Qt::Key_R), ID_MODE_EDIT},
      {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
      {QKeySequence(Qt::CTRL | Qt::Key_Delete), ID_DELETE_WORDS},
      {QKeySequence(Qt::Key_Escape), ID_ESCAPE},
      {QKeySequence(Qt::Key_F1), ID_HELP_F1},
      {QKeySequence(Qt::Key_F3), ID_SEARCH},
      {QKeySequence(Qt::Key_Return), ID_ENTER},
      {QKeySequence(Qt::ALT | Qt::Key_Return), ID_RESTART},
  };
  return table;
}

bool CMainDlg::TranslateAccelerator(QKeyEvent* event) {
  int key = event->key();
  if (key == Qt::Key_Enter) key = Qt::Key_Return;  // the keypad's Enter is Enter too
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  const QKeySequence pressed(QKeyCombination(mods, Qt::Key(key)));
  for (const auto& [sequence, id] : AcceleratorTable()) {
    if (sequence == pressed) {
      OnCommand(id);
      return true;
    }
  }
  return false;
}
