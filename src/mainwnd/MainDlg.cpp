#include "MainDlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "AppDialogs.h"
#include "EditPanel.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "OptionsPanel.h"
#include "PracticePanel.h"
#include "SpecialButtons.h"
#include "StatusLine.h"
#include "Toolbar.h"
#include "controls/DialogSupport.h"
#include "controls/Pictures.h"
#include "lang/LangText.h"
#include "lang/TextParse.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"
#include "platform/ProgramHelp.h"
#include "practice/DirectionDlg.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "wordlist/CsvPreviewDlg.h"
#include "wordlist/ListPropertiesDlg.h"
#include "wordlist/WordListTexts.h"

namespace {

constexpr int kMinClientWidth = 200;

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
  m_toolbar = new CToolbar(m_client);
  connect(m_toolbar, &CToolbar::Command, this, &CMainDlg::OnCommand);
  m_statusLine = std::make_unique<CStatusLine>(m_client);
  m_editPanel = new CEditPanel(m_wordList, m_platform, m_client);
  m_special = new CSpecialButtons(m_client);
  connect(m_special, &CSpecialButtons::Clicked, this, &CMainDlg::OnSpecialButton);
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
  connect(m_optionsPanel, &COptionsPanel::SpecialCharsChanged, m_special,
          &CSpecialButtons::ShowCaptions);
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

// --- start sequence ----------------------------------------------------------

void CMainDlg::SetStartFile(const QString& path, bool printAndExit) {
  m_startFile = path;
  m_printAndExit = printAndExit;
}

bool CMainDlg::OnInitDialog() {
  SetWindowIconAfterFirstPaint(this, &CPictures::ProgramIcon);
  m_optionsPanel->Load(PracticeOptions::Load());
  m_special->ShowCaptions();
  ApplyLanguage();
  resize(700, 450);
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  // The client takes its size now, not when the window shows, so that it is
  // laid out once, at that size.
  layout()->activate();
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
  // Every command of the menus, the toolbar and the keys, and who carries it
  // out. The toolbar's practice, print and help buttons share their
  // commands' ids.
  struct Route {
    int id;
    void (*run)(CMainDlg& dlg);
  };
  static constexpr Route kRoutes[] = {
      {ID_FILE_NEW, [](CMainDlg& d) { d.OnFileNew(); }},
      {IDC_TB_NEW, [](CMainDlg& d) { d.OnFileNew(); }},
      {ID_FILE_OPEN, [](CMainDlg& d) { d.OnFileOpen(); }},
      {IDC_TB_OPEN, [](CMainDlg& d) { d.OnFileOpen(); }},
      {ID_FILE_SAVE, [](CMainDlg& d) { d.OnFileSave(); }},
      {IDC_TB_SAVE, [](CMainDlg& d) { d.OnFileSave(); }},
      {ID_FILE_SAVE_AS, [](CMainDlg& d) { d.OnFileSaveAs(); }},
      {ID_MODE_EDIT, [](CMainDlg& d) { d.SetMode(Edit); }},
      {IDC_TB_EDIT, [](CMainDlg& d) { d.SetMode(Edit); }},
      {ID_MODE_SETTINGS, [](CMainDlg& d) { d.SetMode(Settings); }},
      {IDC_TB_SETTINGS, [](CMainDlg& d) { d.SetMode(Settings); }},
      {ID_APP_EXIT, [](CMainDlg& d) { d.OnExit(); }},
      {IDC_TB_EXIT, [](CMainDlg& d) { d.OnExit(); }},
      {ID_LIST_PROPERTIES, [](CMainDlg& d) { d.ShowListProperties(); }},
      {ID_PRINT, [](CMainDlg& d) { d.OnPrint(); }},
      {ID_FILE_PRINT_PREVIEW, [](CMainDlg& d) { d.OnPrintPreview(); }},
      {ID_PRINT_FORMAT, [](CMainDlg& d) { d.OnPrintFormat(); }},
      {ID_TOOLBAR_TEXT, [](CMainDlg& d) { d.OnToolbarText(); }},
      {IDM_LANGUAGE, [](CMainDlg& d) { d.OnChooseLanguage(); }},
      {ID_HELP_CONTENTS, [](CMainDlg& d) { d.OnHelpContents(); }},
      {ID_HELP_TOPIC, [](CMainDlg& d) { d.OnHelpTopic(); }},
      {ID_HELP_F1, [](CMainDlg& d) { d.OnHelpTopic(); }},
      {ID_TIP, [](CMainDlg& d) { d.m_appDialogs.ShowTip(d.m_platform, &d, false); }},
      {ID_ABOUT, [](CMainDlg& d) { d.m_appDialogs.ShowAbout(d.m_platform, &d); }},
      {ID_WEB_PRODUCT, [](CMainDlg& d) { d.OpenWebPage(kKeyVokabit); }},
      {ID_WEB_MAKER, [](CMainDlg& d) { d.OpenWebPage(kKeyBrannvik); }},
      {ID_ENTER, [](CMainDlg& d) { d.Panel()->OnEnter(); }},
      {ID_ESCAPE, [](CMainDlg&) {}},  // Escape never closes the window
      {ID_NEW_WORD, [](CMainDlg& d) { d.m_editPanel->NewWord(); }},
      {ID_ADD_WORD, [](CMainDlg& d) { d.m_editPanel->AddOrChangeWord(); }},
      {ID_DELETE_WORDS, [](CMainDlg& d) { d.m_editPanel->DeleteWords(); }},
      {ID_SEARCH, [](CMainDlg& d) { d.m_editPanel->SearchWord(); }},
      {ID_IMPORT, [](CMainDlg& d) { d.m_editPanel->ImportWords(); }},
      {ID_START_PRACTICE, [](CMainDlg& d) { d.StartExercise(); }},
      {ID_RESTART, [](CMainDlg& d) { d.m_practicePanel->Restart(); }},
      {ID_SUGGESTIONS, [](CMainDlg& d) { d.m_practicePanel->ToggleSuggestions(); }},
  };
  for (const Route& route : kRoutes) {
    if (route.id == id) {
      route.run(*this);
      return;
    }
  }
  qWarning("CMainDlg: command %d has no handler", id);
}

void CMainDlg::OnHelpTopic() {
  static constexpr unsigned kTopics[3] = {kHelpEditMode, kHelpPracticeMode, kHelpSettingsMode};
  ShowProgramHelp(m_platform, kTopics[m_mode]);
}

void CMainDlg::OpenWebPage(QLatin1String key) {
  m_platform.ShellOpen(ReadSetting(SettingsRoot::CurrentUser, key, kValueHemsida));
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

void CMainDlg::AfterOpen(FileResult result) {
  if (result == FileResult::Done) {
    UpdateRecentFiles();
    AfterListLoaded();
    if (m_mode == Practice) SetMode(Edit);
  } else if (result == FileResult::Failed) {
    m_platform.MessageBox(LangQText(kTxtOpenFailed), MessageButtons::Ok, MessageIcon::Warning);
  }
}

void CMainDlg::OnFileOpen() {
  SetStatus(kTxtStatusOpen);
  AfterOpen(m_wordList.OpenWithDialog());
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
  AfterOpen(m_wordList.OpenFile(path));
}

void CMainDlg::OnFileSave() {
  const FileResult result = m_wordList.Save();
  if (result == FileResult::Done) {
    // An export (Save of an untitled list to an export type) leaves the list
    // modified: it is still in no file of its own.
    UpdateRecentFiles();
    ShowTitle();
  } else if (result == FileResult::Failed) {
    // The list keeps the failed target for the next Save: the title names it.
    ShowTitle();
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
    // The list keeps the failed target for the next Save: the title names it.
    ShowTitle();
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
  m_toolbar->SetShowText(m_toolbarText);
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
  // Outside the options the buttons only explain themselves.
  if (m_mode == Settings) {
    m_optionsPanel->EditSpecialChar(index);
  } else {
    m_platform.MessageBox(LangQText(kTxtSpecialHint), MessageButtons::Ok, MessageIcon::Information);
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
  m_statusLine->SetText(text);
}

void CMainDlg::SetWarningStatus(unsigned text) {
  m_statusLine->SetWarning(text);
}

void CMainDlg::ShowFocusHint() {
  if (m_mode == Settings) {
    SetStatus(kTxtStatusSettings);
  } else if (const unsigned text = CPanel::FocusStatus(QApplication::focusWidget())) {
    SetStatus(text);
  }
}

void CMainDlg::UpdateHoverHelp(const QWidget* widget) {
  // The status line keeps its text under the mouse, so its tooltip shows a
  // shortened text whole.
  if (m_statusLine->Contains(widget)) return;
  unsigned text = 0;
  const QWidget* control = CPanel::HoverControl(widget, text);
  if (control && m_special->Contains(control))
    text = m_mode == Settings ? kTxtHoverSpecialSettings : kTxtHoverSpecial;
  m_statusLine->SetHoverText(text);
}

// --- language ----------------------------------------------------------------

void CMainDlg::ApplyLanguage() {
  RebuildMenu();
  m_toolbar->ApplyLanguage(font());
  ShowTitle();
  m_editPanel->ApplyLanguage();
  m_practicePanel->ApplyLanguage();
  m_optionsPanel->ApplyLanguage();
  if (m_mode == Settings) m_client->setMinimumWidth(m_optionsPanel->MinimumWidth());
  m_statusLine->ApplyLanguage();
  // Repaint everything once with the new texts.
  m_client->update();
}

void CMainDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && m_statusLine)
    m_statusLine->ShowGrip(!isMaximized());
}

// --- modes and layout ----------------------------------------------------------

void CMainDlg::SetMode(Mode mode) {
  m_mode = mode;
  m_toolbar->ShowMode(mode);
  if (mode != Edit) m_editPanel->SetActive(false);
  if (mode != Practice) m_practicePanel->SetActive(false);
  if (mode != Settings) m_optionsPanel->SetActive(false);
  m_special->Place(mode, m_client->width());
  FitWidthToMode();
  // Before the start sequence a menu would only be thrown away.
  if (m_initialised) RebuildMenu();
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

void CMainDlg::LayoutClient(int w, int h) {
  if (!m_initialised) return;
  m_laidOutSize = QSize(w, h);
  // In practice the buttons stay where they are.
  if (m_mode != Practice) m_special->Place(m_mode, w);
  m_toolbar->Layout(w);
  m_statusLine->Layout(w, h, isMaximized());
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
      // The size the start laid out before showing is not laid out again.
      if (watched == m_client && m_client->size() != m_laidOutSize)
        LayoutClient(m_client->width(), m_client->height());
      break;
    case QEvent::Enter:
      if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == this) UpdateHoverHelp(w);
      break;
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}
