#pragma once
#include <map>

#include <QDialog>
#include <QString>

#include "WordList.h"

class CPlatform;
class QAction;
class QMenu;
class QMenuBar;
class QTreeWidget;
class QWidget;

// The program's one window: the open word list and every command on it.
class CMainDlg : public QDialog {
  Q_OBJECT

public:
  explicit CMainDlg(CPlatform& platform, QWidget* parent = nullptr);
  ~CMainDlg() override;

  // Handed over by the application object from the command line.
  QString m_startFile;
  bool m_printAndExit = false;
  bool m_showStartup = false;

  // The window's start sequence; false when the window ended during it (the
  // command-line file could not be read) and must not be shown.
  bool OnInitDialog();
  // Runs the start sequence, then the window until it ends.
  int exec() override;

  // Routes a command id as the menu, toolbar and keys send it.
  void OnCommand(int id);

  void SetListTitle(bool modified);
  void FillWordListBox();

  CWordList& WordList() { return m_wordList; }
  // The menu item of a command in the current menu bar, or null.
  QAction* CommandAction(int id) const;

protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

private:
  void RebuildMenu();
  QAction* AddCommand(QMenu* menu, int id, unsigned textNumber);

  void OnFileNew();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void OnExit();
  // Exit and the close box: true when the window may end.
  bool CanClose();
  void RefreshAfterLoad();

  CPlatform& m_platform;
  CWordList m_wordList;
  QMenuBar* m_menuBar = nullptr;
  QWidget* m_client = nullptr;
  QTreeWidget* m_wordListBox = nullptr;
  std::map<int, QAction*> m_commands;
  bool m_closing = false;
};
