#pragma once
// The program's one window: the frame around the three panels (word
// editing, practice, options). The frame switches between the modes, holds
// the menus, the toolbar, the status line, the title and the recent files,
// owns the open word list and routes every command to the panel that owns
// it.
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <QDialog>
#include <QKeySequence>

#include "RecentFiles.h"
#include "wordlist/WordList.h"

class CAppDialogs;
class CEditPanel;
class COptionsPanel;
class CPlatform;
class CPanel;
class CPracticePanel;
class CSpecialButtons;
class CStatusLine;
class CToolbar;
class QAction;
class QMenu;
class QMenuBar;

class CMainDlg : public QDialog {
  Q_OBJECT

 public:
  enum Mode : unsigned short { Edit = 0, Practice = 1, Settings = 2 };

  CMainDlg(CPlatform& platform, CAppDialogs& appDialogs, QWidget* parent = nullptr);
  ~CMainDlg() override;

  // What the command line asks of the start: a list file to open (and to
  // print, after which the window ends), or the tip of the day once the
  // window is on screen.
  void SetStartFile(const QString& path, bool printAndExit = false);
  void SetShowTip(bool show) { m_showTip = show; }

  // The window's start sequence; false when the window ended during it (the
  // start file could not be read, or was printed) and must not be shown.
  bool OnInitDialog();
  // The program's exit status once the window has ended: 1 when the start
  // file could not be read or printed, else 0.
  int ExitCode() const { return m_exitCode; }
  // Runs the start sequence, then the window until it ends.
  int exec() override;

  // Routes a command id as the menus, toolbar and keys send it.
  void OnCommand(int id);
  void SetMode(Mode mode);
  Mode CurrentMode() const { return m_mode; }

  CWordList& WordList() { return m_wordList; }
  CEditPanel& EditPanel() { return *m_editPanel; }
  CPracticePanel& PracticePanel() { return *m_practicePanel; }
  COptionsPanel& OptionsPanel() { return *m_optionsPanel; }
  // The list's name in the title, with " *" while it has unsaved changes.
  void ShowTitle();
  bool ToolbarText() const { return m_toolbarText; }
  // The menu item of a command in the current menu bar, or null.
  QAction* CommandAction(int id) const;
  // The accelerator table, in its order: the first matching entry wins.
  static const std::vector<std::pair<QKeySequence, int>>& AcceleratorTable();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;
  void changeEvent(QEvent* event) override;

 private:
  void ConnectPanel(CPanel* panel);
  void ApplyLanguage();
  void LayoutClient(int width, int height);
  // The options panel may need a wider window than the user had; it widens
  // the window while it shows and gives the width back afterwards.
  void FitWidthToMode();

  // Status line.
  void SetStatus(unsigned text);
  void SetWarningStatus(unsigned text);
  void ShowFocusHint();
  // The panel of the current mode.
  CPanel* Panel() const;
  void UpdateHoverHelp(const QWidget* widget);
  // Shows the message of a settings write that failed, once.
  void ReportSettingsFailure();

  // Menus, keys and recent files (MainDlgMenus.cpp).
  void RebuildMenu();
  QAction* AddCommand(QMenu* menu, int id, unsigned textNumber);
  void AddFileMenu();
  void AddHelpMenu();
  bool TranslateAccelerator(QKeyEvent* event);
  void UpdateRecentFiles();

  // Commands.
  void OnFileNew();
  void OnFileOpen();
  void OnOpenRecent(int index);
  void OnFileSave();
  void OnFileSaveAs();
  void AfterListLoaded();
  // What follows Open or a recent file: the list shown, or the failure told.
  void AfterOpen(FileResult result);
  void OnExit();
  // Exit and the close box: true when the window may end.
  bool CanClose();
  void OnToolbarText();
  void OnHelpContents();
  void OnHelpTopic();
  void OpenWebPage(QLatin1String settingsKey);
  void StartExercise();
  void OnSpecialButton(int index);
  void ShowListProperties();
  // Printing (MainDlgPrint.cpp). OnPrint is false when the job failed.
  bool OnPrint();
  void OnPrintPreview();
  void OnPrintFormat();
  void OnChooseLanguage();
  void FocusAfterCommand();

  CPlatform& m_platform;
  CAppDialogs& m_appDialogs;
  CWordList m_wordList;
  QString m_startFile;
  bool m_printAndExit = false;
  bool m_showTip = false;
  Mode m_mode = Edit;
  bool m_toolbarText = true;
  bool m_initialised = false;
  QSize m_laidOutSize;  // the client size LayoutClient last laid out
  bool m_closing = false;
  int m_exitCode = 0;
  // The settings file a write failed on, until the user has been told.
  QString m_settingsFailure;
  // The window's width before the options mode widened it, and the width it
  // widened it to; the other modes give the width back.
  int m_widthBeforeSettings = 0;
  int m_widthInSettings = 0;
  CRecentFiles::Entries m_recent;

  QMenuBar* m_menuBar = nullptr;
  QWidget* m_client = nullptr;
  std::map<int, QAction*> m_commands;
  CToolbar* m_toolbar = nullptr;
  CSpecialButtons* m_special = nullptr;
  std::unique_ptr<CStatusLine> m_statusLine;
  CEditPanel* m_editPanel = nullptr;
  CPracticePanel* m_practicePanel = nullptr;
  COptionsPanel* m_optionsPanel = nullptr;
};
