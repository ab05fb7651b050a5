#pragma once
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <QBasicTimer>
#include <QDialog>
#include <QKeySequence>
#include <QRect>
#include <QString>

#include "Exercise.h"
#include "RecentFiles.h"
#include "WordList.h"

class CPlatform;
class CClassComboBox;
class CColorEdit;
class CColorLabel;
class CSpecialKeyEdit;
class CWordListBox;
class CHoverButton;
class CModeBanner;
class QAbstractButton;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QListWidget;
class QWidget;

// The program's one window. It holds every panel at once (word editing,
// practice, practice options) and switches between them by showing, hiding
// and moving controls and by replacing its menu bar. It owns the open word
// list and routes every command by its id.
class CMainDlg : public QDialog {
  Q_OBJECT

 public:
  enum Mode : unsigned short { Edit = 0, Practice = 1, Settings = 2 };

  explicit CMainDlg(CPlatform& platform, QWidget* parent = nullptr);
  ~CMainDlg() override;

  // Handed over by the application object from the command line.
  QString m_startFile;
  bool m_printAndExit = false;
  bool m_showStartup = false;
  // Set by the application object: a start without a list file shows the
  // tip of the day once the window is on screen.
  bool m_showTip = false;

  // The window's start sequence; false when the window ended during it (the
  // command-line file could not be read, or was printed) and must not be shown.
  bool OnInitDialog();
  // The program's exit status once the window has ended: 1 when the
  // command-line file could not be read or printed, else 0.
  int ExitCode() const { return m_exitCode; }
  // Runs the start sequence, then the window until it ends.
  int exec() override;

  // Routes a command id as the menus, toolbar, panel buttons and keys send it.
  void OnCommand(int id);

  // --- panels and frame ---------------------------------------------------
  void ShowEditPanel(bool show);
  void ShowPracticePanel(bool show);
  void ShowSettingsPanel(bool show);
  void RebuildMenu();
  void ApplyLanguage();
  // Every status text shows in the window-text colour; only a warning is red.
  void SetStatus(unsigned textNumber);
  void SetWarningStatus(unsigned textNumber);
  void SetPaneText(int pane, const QString& text);
  void ShowFocusHint();
  void SetListTitle(bool modified);
  void UpdateRecentFiles();

  // --- dialogs of the start: language, tip of the day, About box -------------
  // The language choice; after OK every text of the window in the new
  // language.
  void OnChooseLanguage();
  void OnTipOfTheDay();
  void OnAbout();
  // The tip of the day of a start without a file: read (which moves the
  // stored position on), shown only when the user has not switched it off.
  void ShowTipAtStart();

  // --- word editing panel --------------------------------------------------
  void FillWordListBox();
  void UpdateWordCount();
  void TakeWordForChange();
  void AddOrChangeWord();
  void NewWord();
  void DeleteWords();
  void SearchWord();
  void ImportWords();
  void ShowListProperties();

  // --- practice -------------------------------------------------------------
  void StartExercise();
  void AskNext();
  void RestartExercise();
  void CheckAnswer();
  void OnAnswerChanged();
  void ShowCounters();
  void OpenSuggestions();
  void TakeSuggestion();
  void CloseSuggestions();
  CExercise& Exercise() { return m_exercise; }
  bool IsPauseRunning() const { return m_pauseTimer.isActive(); }

  // --- practice options -----------------------------------------------------
  void LoadPracticeOptions();
  void SavePracticeOptions();
  void UpdateSoundControls();

  Mode CurrentMode() const { return m_mode; }
  bool ToolbarText() const { return m_toolbarText; }
  CWordList& WordList() { return m_wordList; }
  // The control with a template id, or null.
  QWidget* Control(int id) const;
  // The menu item of a command in the current menu bar, or null.
  QAction* CommandAction(int id) const;
  // The help file every help request opens.
  static QString HelpFile();
  // The accelerator table, in its order: the first matching entry wins.
  static const std::vector<std::pair<QKeySequence, int>>& AcceleratorTable();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;
  void changeEvent(QEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  // Construction of the controls.
  void CreateFrame();
  void CreateEditPanel();
  void CreatePracticePanel();
  void CreateSettingsPanel();
  void LayoutSettingsPanel();
  CHoverButton* MakeButton(int id, QWidget* parent = nullptr);
  QLabel* MakeLabel(int id);
  QGroupBox* MakeGroup(int id);
  QCheckBox* MakeCheck(int id);
  QLineEdit* MakeEdit(int id);
  void Register(int id, QWidget* widget);
  void SetControlText(int id, unsigned textNumber);
  // The text number a control was last given, or fallback.
  unsigned TextNumberOf(int id, unsigned fallback) const;
  void FitText(QWidget* widget, const QString& caption);

  // Layout on resize, all in pixels of the client area.
  void LayoutClient(int width, int height);
  void PlaceSpecialButtons();
  void ShowControls(const std::vector<int>& ids, bool show);

  // Menus and keys.
  QAction* AddCommand(QMenu* menu, int id, unsigned textNumber);
  QMenu* AddFileMenu();
  void AddHelpMenu();
  bool TranslateAccelerator(QKeyEvent* event);
  void UpdateHoverHelp(QWidget* widget);

  // Commands.
  void OnFileNew();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void OnOpenRecent(int index);
  void OnExit();
  void OnToolbarText();
  void OnHelpContents();
  void OnHelpTopic();
  // Printing (MainDlgPrint.cpp). OnPrint is false when the job failed.
  bool OnPrint();
  void OnPrintPreview();
  void OnPrintFormat();
  void OnEnter();
  void OnSpecialButton(int index);
  void OnSortClicked();
  void OnEditTextChanged();
  void OnLanguageFocus(QWidget* edit, bool in);
  void LoadSpecialCaptions();
  void OnOptionPairClicked(int id);
  void ClampOnlyCount();
  void NormalisePause();
  void ChooseSoundFile(int editId);
  void PlayTestSound(int editId);
  void OnPauseExpired();
  // A key that types into the answer field during the pause after a right
  // answer ends the pause: the key begins the next answer.
  void TypeAheadInPause(QObject* watched, QEvent* event);
  void SetAnswerColours(std::optional<int> text, std::optional<int> back);
  QString SpecialChar(int index) const;
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked);
  QString EditText(int id) const;
  // Exit and the close box: true when the window may end.
  bool CanClose();
  // Shows the message of a settings write that failed, once.
  void ReportSettingsFailure();
  void AfterListLoaded();
  void FocusAfterCommand();

  CPlatform& m_platform;
  CWordList m_wordList;
  CExercise m_exercise;
  std::string m_lastSearch;
  std::string m_questionText;
  std::string m_answerText;
  QBasicTimer m_pauseTimer;
  Mode m_mode = Edit;
  bool m_toolbarText = true;
  bool m_adding = true;
  bool m_listHasFocus = false;
  bool m_initialised = false;
  int m_clientWidth = 0;
  int m_clientHeight = 0;
  QSize m_laidOutSize;  // the client size LayoutClient last laid out
  bool m_iconSet = false;
  bool m_closing = false;
  int m_exitCode = 0;
  // The settings file a write failed on, until the user has been told.
  QString m_settingsFailure;
  // The window's width before the options mode widened it, and the width it
  // widened it to; the other modes give the width back.
  int m_widthBeforeSettings = 0;
  int m_widthInSettings = 0;
  CRecentFiles::Entries m_recent;
  // The text numbers shown, so that a new language can show them again.
  unsigned m_statusText = 0;  // left status pane; 0 when it holds another text
  std::map<int, unsigned> m_textNumbers;

  QMenuBar* m_menuBar = nullptr;
  QWidget* m_client = nullptr;
  std::map<int, QWidget*> m_controls;
  std::map<int, QRect> m_settingsTemplate;
  int m_settingsMinWidth = 0;
  bool m_settingsLaidOut = false;  // for the captions of the current language
  std::map<int, QAction*> m_commands;
  std::map<QWidget*, int> m_controlIds;
  std::array<CHoverButton*, 9> m_toolbar{};
  CColorLabel* m_statusLeft = nullptr;
  CColorLabel* m_statusMiddle = nullptr;
  CModeBanner* m_modePicture = nullptr;
  QWidget* m_sizeGrip = nullptr;
  CWordListBox* m_wordListBox = nullptr;
  CSpecialKeyEdit* m_foreignEdit = nullptr;
  CSpecialKeyEdit* m_translationEdit = nullptr;
  CSpecialKeyEdit* m_firstLanguageEdit = nullptr;
  CSpecialKeyEdit* m_secondLanguageEdit = nullptr;
  CClassComboBox* m_classBox = nullptr;
  CColorEdit* m_answerEdit = nullptr;
  QListWidget* m_suggestions = nullptr;
};
