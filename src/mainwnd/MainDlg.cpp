#include "MainDlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSizeGrip>
#include <QTimer>
#include <QVBoxLayout>

#include "AppDialogs.h"
#include "ColorLabel.h"
#include "CsvPreviewDlg.h"
#include "DialogSupport.h"
#include "DialogUnits.h"
#include "DirectionDlg.h"
#include "EditPanel.h"
#include "HelpTopics.h"
#include "HoverButton.h"
#include "LangText.h"
#include "ListPropertiesDlg.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "OptionsPanel.h"
#include "Pictures.h"
#include "Platform.h"
#include "PracticePanel.h"
#include "ProgramHelp.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "SpecialCharDlg.h"
#include "SpecialChars.h"
#include "TextParse.h"
#include "WordListTexts.h"

namespace {

constexpr ColorRef kBlue = 0xFF0000;
constexpr ColorRef kRed = 0x0000FF;
constexpr int kMinClientWidth = 200;
constexpr int kMinModePictureWidth = 40;

// The toolbar, in its order: id, caption, tooltip (which the status line
// shows too, except for the practice button's), the status text it gives
// when it has the focus after a command, and its left edge in dialog units;
// all at y = 3, 40 x 31.
struct ToolbarButton {
  int id;
  unsigned caption;
  unsigned tooltip;
  unsigned hover;
  unsigned focusStatus;
  int x;
};
constexpr ToolbarButton kToolbar[9] = {
    {IDC_TB_NEW, kTxtToolbarNew, kTxtTipNew, kTxtTipNew, 0, 5},
    {IDC_TB_OPEN, kTxtToolbarOpen, kTxtTipOpen, kTxtTipOpen, kTxtStatusOpen, 45},
    {IDC_TB_SAVE, kTxtToolbarSave, kTxtTipSave, kTxtTipSave, 0, 85},
    {IDC_TB_PRACTICE, kTxtToolbarPractice, kTxtTipPractice, 0, 0, 132},
    {IDC_TB_EDIT, kTxtToolbarEdit, kTxtTipEdit, kTxtTipEdit, 0, 172},
    {IDC_TB_SETTINGS, kTxtToolbarSettings, kTxtTipSettings, kTxtTipSettings, 0, 212},
    {IDC_TB_PRINT, kTxtToolbarPrint, kTxtTipPrint, kTxtTipPrint, kTxtStatusPrint, 259},
    {IDC_TB_HELP, kTxtToolbarHelp, kTxtTipHelp, kTxtTipHelp, kTxtStatusHelp, 299},
    {IDC_TB_EXIT, kTxtToolbarExit, kTxtTipExit, kTxtTipExit, 0, 339},
};
// The toolbar buttons that show the mode.
constexpr int kPracticeButton = 3;
constexpr int kEditButton = 4;
constexpr int kSettingsButton = 5;

constexpr int kSpecialIds[4] = {IDC_SPECIAL1, IDC_SPECIAL2, IDC_SPECIAL3, IDC_SPECIAL4};

}  // namespace

CMainDlg::CMainDlg(CPlatform& platform, CAppDialogs& appDialogs, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_appDialogs(appDialogs), m_wordList(&platform) {
  // Open, the recent files and the start file show a CSV file before taking it.
  m_wordList.SetCsvQuestion(CCsvPreviewDlg::Question(platform, this));
  setObjectName(QStringLiteral("MainDlg"));
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_menuBar = new QMenuBar(this);
  layout->setMenuBar(m_menuBar);
  m_client = new QWidget(this);
  m_client->setObjectName(QStringLiteral("client"));
  m_client->setMinimumSize(kMinClientWidth, 150);
  layout->addWidget(m_client);

  // Made in the order of the keyboard's way through the window: the
  // toolbar, the editing panel with the special character buttons, the
  // practice panel, the options panel.
  CreateFrame();
  m_editPanel = new CEditPanel(m_wordList, m_platform, m_client);
  for (int i = 0; i < 4; ++i) {
    m_special[i] = MakeDialogButton(QString(), m_client, kSpecialIds[i]);
    CPanel::SetHoverText(m_special[i], 0);
    connect(m_special[i], &QAbstractButton::clicked, this, [this, i] { OnSpecialButton(i); });
  }
  m_practicePanel = new CPracticePanel(m_wordList, m_platform, m_client);
  m_optionsPanel = new COptionsPanel(m_platform, m_client);
  for (CPanel* panel : {static_cast<CPanel*>(m_editPanel), static_cast<CPanel*>(m_practicePanel),
                        static_cast<CPanel*>(m_optionsPanel)}) {
    // The frame's controls lie on top of the panels.
    panel->lower();
    ConnectPanel(panel);
  }
  connect(m_practicePanel, &CPracticePanel::RunEnded, this, [this] { SetMode(Edit); });
  connect(m_optionsPanel, &COptionsPanel::PrintFormatRequested, this, &CMainDlg::OnPrintFormat);
  connect(m_optionsPanel, &COptionsPanel::LanguageRequested, this, &CMainDlg::OnChooseLanguage);
  SetMode(Edit);

  // Keys are looked up in the accelerator table before any control sees them.
  qApp->installEventFilter(this);

  // A settings write can fail in the middle of any command; the message
  // follows once that command is done.
  SetSettingsFailureHandler([this](const QString& path) {
    m_settingsFailure = path;
    QTimer::singleShot(0, this, &CMainDlg::ReportSettingsFailure);
  });
}

CMainDlg::~CMainDlg() {
  SetSettingsFailureHandler({});
  qApp->removeEventFilter(this);
}

void CMainDlg::ConnectPanel(CPanel* panel) {
  connect(panel, &CPanel::StatusText, this, &CMainDlg::SetStatus);
  connect(panel, &CPanel::WarningText, this, &CMainDlg::SetWarningStatus);
  connect(panel, &CPanel::ListChanged, this, &CMainDlg::ShowTitle);
  connect(panel, &CPanel::CommandsChanged, this, &CMainDlg::RebuildMenu);
}

void CMainDlg::CreateFrame() {
  const CDialogUnits& du = CPanel::TemplateUnits();
  for (int i = 0; i < 9; ++i) {
    CHoverButton* button = MakeDialogButton(QString(), m_client, kToolbar[i].id);
    CPanel::SetHoverText(button, kToolbar[i].hover);
    CPanel::SetFocusStatus(button, kToolbar[i].focusStatus);
    button->SetFlat(true);
    button->SetAlign(1);  // icon above the caption
    button->SetActiveTextColour(kBlue, false);
    button->SetInactiveTextColour(kBlue, false);
    button->setFocusPolicy(Qt::TabFocus);
    button->setGeometry(du.Rect(kToolbar[i].x, 3, 40, 31));
    const QIcon icon = CPictures::ToolbarIcon(static_cast<CPictures::ToolbarButton>(i));
    button->SetIcon(icon, icon, 32, 32);
    const int id = kToolbar[i].id;
    connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
    m_toolbar[i] = button;
  }
  auto makeLine = [this](int id, QFrame::Shape shape) {
    auto* line = new QFrame(m_client);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    CPanel::Name(line, id);
    return line;
  };
  // Separators after the file group and after the mode group.
  makeLine(IDC_SEPARATOR_FILE, QFrame::VLine)->setGeometry(du.X(127) + 1, du.Y(4), 3, du.Y(29));
  makeLine(IDC_SEPARATOR_MODE, QFrame::VLine)->setGeometry(du.X(254) + 1, du.Y(4), 3, du.Y(29));
  m_lineTop = makeLine(IDC_LINE_TOP, QFrame::HLine);
  m_lineToolbar = makeLine(IDC_LINE_TOOLBAR, QFrame::HLine);

  m_modePicture = new QLabel(m_client);
  CPanel::Name(m_modePicture, IDC_MODE_PICTURE);
  m_modePicture->setScaledContents(true);

  m_statusLeft = new CColorLabel(m_client);
  CPanel::Name(m_statusLeft, IDC_STATUS_LEFT);
  m_statusLeft->setText(QStringLiteral("Status"));
  m_statusMiddle = new CColorLabel(m_client);
  CPanel::Name(m_statusMiddle, IDC_STATUS_MIDDLE);
  m_statusRight = new QLabel(m_client);
  CPanel::Name(m_statusRight, IDC_STATUS_RIGHT);
  for (QLabel* pane :
       {static_cast<QLabel*>(m_statusLeft), static_cast<QLabel*>(m_statusMiddle), m_statusRight}) {
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  m_statusLeft->setTextFormat(Qt::PlainText);
  m_statusMiddle->setTextFormat(Qt::PlainText);
  m_statusRight->setText(QStringLiteral("Vokabit 3"));
  m_statusRight->setAlignment(Qt::AlignCenter);

  m_sizeGrip = new QSizeGrip(m_client);
  CPanel::Name(m_sizeGrip, IDC_SIZE_GRIP);
}

// --- start sequence ----------------------------------------------------------

void CMainDlg::SetStartFile(const QString& path, bool printAndExit) {
  m_startFile = path;
  m_printAndExit = printAndExit;
}

bool CMainDlg::OnInitDialog() {
  setWindowIcon(CPictures::ProgramIcon());
  m_optionsPanel->Load(PracticeOptions::Load());
  ShowSpecialCaptions();
  ApplyLanguage();
  resize(700, 450);
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  m_initialised = true;
  LayoutClient(m_client->width(), m_client->height());
  SetMode(Edit);

  if (!m_startFile.isEmpty()) {
    setWindowTitle(LangQText(kTxtProgramName));
    if (m_wordList.OpenFile(m_startFile) != FileResult::Done) {
      // A start file that cannot be read ends the program with an error.
      m_exitCode = 1;
      done(1);
      return false;
    }
    UpdateRecentFiles();
    AfterListLoaded();
    if (m_printAndExit) {
      if (!OnPrint()) m_exitCode = 1;
      done(1);
      return false;
    }
    return true;
  }
  OnFileNew();
  if (m_showTip) {
    QTimer::singleShot(0, this, [this] { m_appDialogs.ShowTip(m_platform, this, true); });
  }
  return true;
}

int CMainDlg::exec() {
  if (!OnInitDialog()) return result();
  return QDialog::exec();
}

// --- commands ----------------------------------------------------------------

void CMainDlg::OnCommand(int id) {
  if (id >= ID_RECENT_FIRST && id <= ID_RECENT_LAST) {
    OnOpenRecent(id - ID_RECENT_FIRST);
    return;
  }
  switch (id) {
    case ID_FILE_NEW:
    case IDC_TB_NEW:
      OnFileNew();
      return;
    case ID_FILE_OPEN:
    case IDC_TB_OPEN:
      OnFileOpen();
      return;
    case ID_FILE_SAVE:
    case IDC_TB_SAVE:
      OnFileSave();
      return;
    case ID_FILE_SAVE_AS:
      OnFileSaveAs();
      return;
    case ID_MODE_EDIT:
    case IDC_TB_EDIT:
      SetMode(Edit);
      return;
    case ID_MODE_SETTINGS:
    case IDC_TB_SETTINGS:
      SetMode(Settings);
      return;
    case ID_APP_EXIT:
    case IDC_TB_EXIT:
      OnExit();
      return;
    case ID_TOOLBAR_TEXT:
      OnToolbarText();
      return;
    case ID_HELP_CONTENTS:  // also the toolbar's help button
      OnHelpContents();
      return;
    case ID_HELP_TOPIC:
    case ID_HELP_F1: {
      static constexpr unsigned kTopics[3] = {kHelpEditMode, kHelpPracticeMode, kHelpSettingsMode};
      ShowProgramHelp(m_platform, kTopics[m_mode]);
      return;
    }
    case ID_WEB_PRODUCT:
      m_platform.ShellOpen(ReadSetting(SettingsRoot::CurrentUser, kKeyVokabit, kValueHemsida));
      return;
    case ID_WEB_MAKER:
      m_platform.ShellOpen(ReadSetting(SettingsRoot::CurrentUser, kKeyBrannvik, kValueHemsida));
      return;
    case ID_ENTER:
      Panel()->OnEnter();
      return;
    case ID_NEW_WORD:
      m_editPanel->NewWord();
      return;
    case ID_ADD_WORD:
      if (m_mode == Edit) m_editPanel->AddOrChangeWord();
      return;
    case ID_DELETE_WORDS:
      m_editPanel->DeleteWords();
      return;
    case ID_SEARCH:
      m_editPanel->SearchWord();
      return;
    case ID_IMPORT:
      m_editPanel->ImportWords();
      return;
    case ID_LIST_PROPERTIES:
      ShowListProperties();
      return;
    case ID_PRINT:  // also the toolbar's print button
      OnPrint();
      return;
    case ID_FILE_PRINT_PREVIEW:
      OnPrintPreview();
      return;
    case ID_PRINT_FORMAT:
      OnPrintFormat();
      return;
    case ID_START_PRACTICE:  // also the toolbar's practice button
      StartExercise();
      return;
    case ID_RESTART:
      m_practicePanel->Restart();
      return;
    case ID_SUGGESTIONS:
      m_practicePanel->ToggleSuggestions();
      return;
    case IDM_LANGUAGE:
      OnChooseLanguage();
      return;
    case ID_TIP:
      m_appDialogs.ShowTip(m_platform, this, false);
      return;
    case ID_ABOUT:
      m_appDialogs.ShowAbout(m_platform, this);
      return;
    case ID_ESCAPE:
      return;  // Escape never closes the window
  }
  qWarning("CMainDlg: command %d has no handler", id);
}

CPanel* CMainDlg::Panel() const {
  switch (m_mode) {
    case Practice:
      return m_practicePanel;
    case Settings:
      return m_optionsPanel;
    case Edit:
      break;
  }
  return m_editPanel;
}

void CMainDlg::FocusAfterCommand() {
  if (m_mode == Settings) SetStatus(kTxtStatusSettings);
  Panel()->TakeFocus();
}

void CMainDlg::AfterListLoaded() {
  m_wordList.SetModified(false);
  m_editPanel->ShowWords();
  m_editPanel->ShowLanguageNames();
  m_editPanel->ShowWordCount();
  ShowTitle();
}

void CMainDlg::OnFileNew() {
  m_wordList.NewList();
  ShowTitle();
  m_editPanel->ShowWords();
  // Stopped at the save question, the list and its names stay.
  if (!m_wordList.IsModified()) m_editPanel->ShowLanguageNames();
  UpdateRecentFiles();
  m_editPanel->ShowWordCount();
  SetMode(Edit);
}

void CMainDlg::OnFileOpen() {
  SetStatus(kTxtStatusOpen);
  const FileResult result = m_wordList.OpenWithDialog();
  if (result == FileResult::Done) {
    UpdateRecentFiles();
    AfterListLoaded();
    if (m_mode == Practice) SetMode(Edit);
  } else if (result == FileResult::Failed) {
    m_platform.MessageBox(LangQText(kTxtOpenFailed), MessageButtons::Ok, MessageIcon::Warning);
  }
  FocusAfterCommand();
  ShowFocusHint();
}

void CMainDlg::OnOpenRecent(int index) {
  if (index < 0 || index >= CRecentFiles::kCount || m_recent[index].isEmpty()) return;
  const QString path = m_recent[index];
  if (!QFileInfo::exists(path)) {
    // A file that is gone is not a broken list: one message, and the entry
    // that can never open again leaves the menu.
    m_recent = CRecentFiles::Remove(path);
    UpdateRecentFiles();
    m_platform.MessageBox(LangQTextWith(kTxtRecentMissing, path), MessageButtons::Ok,
                          MessageIcon::Warning);
    return;
  }
  const FileResult result = m_wordList.OpenFile(path);
  if (result == FileResult::Done) {
    UpdateRecentFiles();
    AfterListLoaded();
    if (m_mode == Practice) SetMode(Edit);
  } else if (result == FileResult::Failed) {
    m_platform.MessageBox(LangQText(kTxtOpenFailed), MessageButtons::Ok, MessageIcon::Warning);
  }
}

void CMainDlg::OnFileSave() {
  const FileResult result = m_wordList.Save();
  if (result == FileResult::Done) {
    // An export (Save of an untitled list to an export type) leaves the list
    // modified: it is still in no file of its own.
    UpdateRecentFiles();
    ShowTitle();
  } else if (result == FileResult::Failed) {
    m_platform.MessageBox(LangQText(kTxtSaveFailed), MessageButtons::Ok, MessageIcon::Warning);
  }
}

void CMainDlg::OnFileSaveAs() {
  SetStatus(kTxtStatusSaveAs);
  const FileResult result = m_wordList.SaveAs(true);
  if (result == FileResult::Done) {
    UpdateRecentFiles();
    ShowTitle();
    FocusAfterCommand();
  } else if (result == FileResult::Failed) {
    m_platform.MessageBox(LangQText(kTxtSaveFailed), MessageButtons::Ok, MessageIcon::Warning);
  }
}

void CMainDlg::ShowListProperties() {
  SetStatus(kTxtStatusProperties);
  CListPropertiesDlg dialog(m_platform, this);
  dialog.SetFromList(m_wordList);
  if (dialog.exec() == QDialog::Accepted && dialog.ApplyTo(m_wordList)) ShowTitle();
  ShowFocusHint();
}

bool CMainDlg::CanClose() {
  m_optionsPanel->Options().Save();
  // The window may be gone before a posted message would show.
  ReportSettingsFailure();
  return m_wordList.QueryClose();
}

void CMainDlg::ReportSettingsFailure() {
  if (m_settingsFailure.isEmpty()) return;
  const QString text = LangQTextWith(kTxtSettingsNotSaved, m_settingsFailure);
  m_settingsFailure.clear();
  m_platform.MessageBox(text, MessageButtons::Ok, MessageIcon::Warning);
}

void CMainDlg::OnExit() {
  if (!CanClose()) return;
  m_closing = true;
  hide();
  done(0);
}

void CMainDlg::closeEvent(QCloseEvent* event) {
  if (m_closing || CanClose()) {
    m_closing = true;
    event->accept();
    done(0);
  } else {
    event->ignore();
  }
}

void CMainDlg::keyPressEvent(QKeyEvent* event) {
  // Escape must never close the window.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CMainDlg::reject() {
  // Only Exit, the toolbar's exit button and the close box end the window.
}

void CMainDlg::OnToolbarText() {
  m_toolbarText = !m_toolbarText;
  if (QAction* action = CommandAction(ID_TOOLBAR_TEXT)) action->setChecked(m_toolbarText);
  for (CHoverButton* button : m_toolbar) button->SetShowText(m_toolbarText);
}

void CMainDlg::OnHelpContents() {
  ShowFocusHint();
  ShowProgramHelp(m_platform, kHelpContents);
  FocusAfterCommand();
}

void CMainDlg::StartExercise() {
  if (m_wordList.GetCount() < 1) {
    m_platform.MessageBox(LangQText(kTxtEmptyList), MessageButtons::Ok, MessageIcon::Information);
    SetMode(Edit);
    return;
  }
  // "Only the first 0 words" asks nothing: no direction to choose, no run,
  // no results praising answers that were never given.
  if (const PracticeOptions options = m_optionsPanel->Options();
      !options.allWords && options.onlyCount < 1) {
    if (m_mode == Practice) SetMode(Edit);
    SetWarningStatus(kTxtNothingToPractise);
    return;
  }
  CDirectionDlg dialog(m_platform, this);
  const std::optional<Direction> direction = dialog.Choose();
  if (!direction) {
    SetMode(Edit);
    return;
  }
  SetMode(Practice);
  m_practicePanel->Start(*direction, m_optionsPanel->Options());
}

void CMainDlg::OnSpecialButton(int index) {
  if (m_mode != Settings) {
    m_platform.MessageBox(LangQText(kTxtSpecialHint), MessageButtons::Ok, MessageIcon::Information);
    return;
  }
  SetStatus(kTxtStatusSpecialChar);
  CSpecialCharDlg dialog(m_platform, this);
  dialog.SetCharacter(SpecialChar(index));
  if (dialog.exec() == QDialog::Accepted) {
    StoreSpecialChar(index, dialog.Character());
    // Only the characters are shown afresh, so that option changes not yet
    // saved stay as they are.
    ShowSpecialCaptions();
  }
  SetStatus(kTxtStatusSettings);
}

void CMainDlg::ShowSpecialCaptions() {
  for (int i = 0; i < 4; ++i) {
    const QString text = QStringLiteral("F%1: ").arg(5 + i) + SpecialChar(i);
    // A single "&" would underline the next letter.
    m_special[i]->setText(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
    m_special[i]->setAccessibleName(text);
  }
}

void CMainDlg::OnChooseLanguage() {
  if (m_appDialogs.ChooseLanguage(m_platform, this)) ApplyLanguage();
}

// --- title and status line -----------------------------------------------------

void CMainDlg::ShowTitle() {
  QString title = m_wordList.GetDisplayName() + QStringLiteral(" - ") + LangQText(kTxtProgramName);
  if (m_wordList.IsModified()) title += QStringLiteral(" *");
  setWindowTitle(title);
}

void CMainDlg::SetStatus(unsigned text) {
  // The red of a warning belongs to that warning alone.
  m_statusLeft->SetTextColour(ToColorRef(palette().color(QPalette::WindowText)));
  m_statusLeft->setText(text == 0 ? QString() : LangQText(text));
  m_statusText = text;
}

void CMainDlg::SetWarningStatus(unsigned text) {
  SetStatus(text);
  m_statusLeft->SetTextColour(kRed);
}

void CMainDlg::ShowFocusHint() {
  if (m_mode == Settings) {
    SetStatus(kTxtStatusSettings);
  } else if (const unsigned text = CPanel::FocusStatus(QApplication::focusWidget())) {
    SetStatus(text);
  }
}

void CMainDlg::UpdateHoverHelp(const QWidget* widget) {
  unsigned text = 0;
  const QWidget* control = CPanel::HoverControl(widget, text);
  if (control && std::find(m_special.begin(), m_special.end(), control) != m_special.end())
    text = m_mode == Settings ? kTxtHoverSpecialSettings : kTxtHoverSpecial;
  m_statusMiddle->setText(text == 0 ? QString() : LangQText(text));
}

// --- language ----------------------------------------------------------------

void CMainDlg::ApplyLanguage() {
  RebuildMenu();
  for (int i = 0; i < 9; ++i) {
    const QString caption = LangQText(kToolbar[i].caption);
    m_toolbar[i]->setText(caption);
    CPanel::FitText(m_toolbar[i], font());
    m_toolbar[i]->setToolTip(LangQText(kToolbar[i].tooltip));
    m_toolbar[i]->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
  }
  ShowTitle();
  m_editPanel->ApplyLanguage();
  m_practicePanel->ApplyLanguage();
  m_optionsPanel->ApplyLanguage();
  if (m_mode == Settings) m_client->setMinimumWidth(m_optionsPanel->MinimumWidth());
  // The status line speaks the new language too.
  if (m_statusText != 0) m_statusLeft->setText(LangQText(m_statusText));
  m_statusMiddle->clear();
  // Repaint everything once with the new texts.
  m_client->update();
}

void CMainDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && m_sizeGrip) {
    m_sizeGrip->setVisible(!isMaximized());
  }
}

// --- modes and layout ----------------------------------------------------------

void CMainDlg::SetMode(Mode mode) {
  m_mode = mode;
  m_toolbar[kPracticeButton]->SetLatched(mode == Practice);
  m_toolbar[kEditButton]->SetLatched(mode == Edit);
  m_toolbar[kSettingsButton]->SetLatched(mode == Settings);
  if (mode != Edit) m_editPanel->SetActive(false);
  if (mode != Practice) m_practicePanel->SetActive(false);
  if (mode != Settings) m_optionsPanel->SetActive(false);
  m_modePicture->setPixmap(CPictures::ModePicture(mode, m_modePicture->size()));
  PlaceSpecialButtons();
  FitWidthToMode();
  RebuildMenu();
  switch (mode) {
    case Edit:
      m_editPanel->SetActive(true);
      break;
    case Practice:
      m_practicePanel->SetActive(true);
      break;
    case Settings:
      m_optionsPanel->SetActive(true);
      SetStatus(kTxtStatusSettings);
      break;
  }
}

void CMainDlg::FitWidthToMode() {
  const bool settings = m_mode == Settings;
  const int minimum = settings ? m_optionsPanel->MinimumWidth() : kMinClientWidth;
  if (settings == (m_widthBeforeSettings > 0)) {
    m_client->setMinimumWidth(minimum);
    return;
  }
  if (settings) {
    // The window widens now (the layout resizes it at once) ...
    m_widthBeforeSettings = width();
    m_client->setMinimumWidth(minimum);
    if (layout()) layout()->activate();
    m_widthInSettings = width();
  } else {
    // ... and gives the width back when the options mode ends, unless the
    // user has sized the window meanwhile.
    m_client->setMinimumWidth(minimum);
    if (layout()) layout()->activate();
    if (width() == m_widthInSettings && m_widthInSettings > m_widthBeforeSettings && !isMaximized())
      resize(m_widthBeforeSettings, height());
    m_widthBeforeSettings = m_widthInSettings = 0;
  }
}

void CMainDlg::PlaceSpecialButtons() {
  const int w = m_client->width();
  for (int i = 0; i < 4; ++i) {
    switch (m_mode) {
      case Edit:
        m_special[i]->setGeometry(w - 90, 185 + 20 * i, 66, 18);
        break;
      case Settings:
        m_special[i]->setGeometry(39 + 40 * i, 200, 40, 40);
        break;
      case Practice:
        m_special[i]->setGeometry(15 + 40 * i, 250, 40, 20);
        break;
    }
  }
}

void CMainDlg::LayoutClient(int w, int h) {
  if (!m_initialised) return;
  if (m_mode != Practice) PlaceSpecialButtons();
  m_modePicture->setGeometry(580, 5, std::max(0, w - 590), 52);
  // A sliver of a picture looks broken; a narrow window shows none.
  m_modePicture->setVisible(w - 590 >= kMinModePictureWidth);
  m_modePicture->setPixmap(CPictures::ModePicture(m_mode, m_modePicture->size()));
  m_statusLeft->setGeometry(0, h - 18, w / 2, 18);
  m_statusMiddle->setGeometry(w / 2 + 2, h - 18, w / 3, 18);
  m_statusRight->setGeometry(w / 3 + w / 2 + 4, h - 18, w - w / 3 - w / 2 - 4, 18);
  m_sizeGrip->setGeometry(w - 17, h - 17, 17, 17);
  m_sizeGrip->setVisible(!isMaximized());
  m_sizeGrip->raise();
  m_lineTop->setGeometry(0, 0, w, 2);
  m_lineToolbar->setGeometry(0, 58, w, 2);
  m_editPanel->Layout(w, h);
  m_practicePanel->Layout(w, h);
  m_optionsPanel->Layout(w, h);
}

bool CMainDlg::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* target = qobject_cast<QWidget*>(watched);
      if (!target || target->window() != this || !isVisible()) break;
      if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) break;
      if (TranslateAccelerator(static_cast<QKeyEvent*>(event))) return true;
      break;
    }
    case QEvent::MouseButtonPress:
      if (watched == m_client && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Panel()->OnBackgroundClick();
      break;
    case QEvent::Resize:
      if (watched == m_client) LayoutClient(m_client->width(), m_client->height());
      break;
    case QEvent::Enter:
      if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == this) UpdateHoverHelp(w);
      break;
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}
