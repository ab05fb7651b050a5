#include "MainDlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSizeGrip>
#include <QTimer>
#include <QVBoxLayout>

#include "ClassComboBox.h"
#include "ColorEdit.h"
#include "ColorLabel.h"
#include "CsvPreviewDlg.h"
#include "DialogSupport.h"
#include "DialogUnits.h"
#include "HoverButton.h"
#include "LangText.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "ModeBanner.h"
#include "Pictures.h"
#include "Platform.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "SpecialKeyEdit.h"
#include "WordListBox.h"

namespace {

constexpr ColorRef kBlue = 0xFF0000;
constexpr ColorRef kRed = 0x0000FF;

// The toolbar, in its order: id, caption, tooltip.
struct ToolbarButton {
  int id;
  unsigned caption;
  unsigned tooltip;
};
constexpr ToolbarButton kToolbar[9] = {
    {IDC_TB_NEW, kTxtToolbarNew, kTxtTipNew},
    {IDC_TB_OPEN, kTxtToolbarOpen, kTxtTipOpen},
    {IDC_TB_SAVE, kTxtToolbarSave, kTxtTipSave},
    {IDC_TB_PRACTICE, kTxtToolbarPractice, kTxtTipPractice},
    {IDC_TB_EDIT, kTxtToolbarEdit, kTxtTipEdit},
    {IDC_TB_SETTINGS, kTxtToolbarSettings, kTxtTipSettings},
    {IDC_TB_PRINT, kTxtToolbarPrint, kTxtTipPrint},
    {IDC_TB_HELP, kTxtToolbarHelp, kTxtTipHelp},
    {IDC_TB_EXIT, kTxtToolbarExit, kTxtTipExit},
};
// Left edges of the toolbar buttons in dialog units; all at y = 3, 40 x 31.
constexpr int kToolbarX[9] = {5, 45, 85, 132, 172, 212, 259, 299, 339};

// The main window's template was laid out for a dialog font whose base units
// are 6 x 13 pixels; its pixel layout on resize assumes the same, so the
// window converts its dialog units with these fixed base units.
const CDialogUnits& TemplateUnits() {
  static const CDialogUnits units(6, 13);
  return units;
}

// Hover help of the middle status pane.
const std::map<int, unsigned>& HoverTexts() {
  static const std::map<int, unsigned> table = {
      {IDC_TB_NEW, kTxtTipNew},
      {IDC_TB_OPEN, kTxtTipOpen},
      {IDC_TB_SAVE, kTxtTipSave},
      {IDC_TB_EDIT, kTxtTipEdit},
      {IDC_TB_SETTINGS, kTxtTipSettings},
      {IDC_TB_PRINT, kTxtTipPrint},
      {IDC_FOREIGN, kTxtHoverForeign},
      {IDC_TB_HELP, kTxtTipHelp},
      {IDC_TB_EXIT, kTxtTipExit},
      {IDC_TRANSLATION, kTxtHoverTranslation},
      {IDC_NEW_WORD, kTxtHoverNewWord},
      {IDC_ADD, kTxtHoverAdd},
      {IDC_DELETE, kTxtHoverDelete},
      {IDC_WORDLIST, kTxtHoverWordList},
      {IDC_WRONG_SOUND_PATH, kTxtHoverSoundPath},
      {IDC_RIGHT_SOUND_PATH, kTxtHoverSoundPath},
      {IDC_CHOOSE_WRONG_SOUND, kTxtHoverChooseWrongSound},
      {IDC_CHOOSE_RIGHT_SOUND, kTxtHoverChooseRightSound},
      {IDC_WRONG_SOUND_CHECK, kTxtHoverWrongSound},
      {IDC_RIGHT_SOUND_CHECK, kTxtHoverRightSound},
      {IDC_SHUFFLE, kTxtHoverShuffle},
      {IDC_MATCH_CASE, kTxtHoverMatchCase},
      {IDC_PLAY_WRONG, kTxtHoverPlayWrong},
      {IDC_PLAY_RIGHT, kTxtHoverPlayRight},
      {IDC_ANSWER_BUTTON, kTxtHoverAnswerButton},
      {IDC_LABEL_TOTAL, kTxtHoverWordCount},
      {IDC_WORD_COUNT, kTxtHoverWordCount},
      {IDC_ONLY_WORDS, kTxtHoverOnlyWords},
      {IDC_ONLY_COUNT, kTxtHoverOnlyWords},
      {IDC_ONLY_AFTER, kTxtHoverOnlyWords},
      {IDC_ALL_WORDS, kTxtHoverAllWords},
      {IDC_SORT, kTxtHoverSort},
      {IDC_SHOW_CLASS, kTxtHoverShowClass},
      {IDC_CHECK_WHILE_TYPING, kTxtHoverCheckWhileTyping},
      {IDC_FIRST_LANGUAGE, kTxtHoverFirstLanguage},
      {IDC_SECOND_LANGUAGE, kTxtHoverSecondLanguage},
      {IDC_CLASS, kTxtHoverClass},
      {IDC_PAUSE, kTxtHoverPause},
      {IDC_PAUSE_AFTER, kTxtHoverPause},
      {IDC_PRINT_FORMAT, kTxtHoverPrintFormat},
      {IDC_SEARCH, kTxtHoverSearch},
      {IDC_IMPORT, kTxtHoverImport},
      {IDC_LANGUAGE, kTxtHoverLanguage},
  };
  return table;
}

constexpr int kSpecialIds[4] = {IDC_SPECIAL1, IDC_SPECIAL2, IDC_SPECIAL3, IDC_SPECIAL4};

}  // namespace

CMainDlg::CMainDlg(CPlatform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_wordList(&platform) {
  // Open, the recent files and the start file show a CSV file before taking it.
  m_wordList.SetCsvQuestion(CCsvPreviewDlg::Question(platform, this, &CMainDlg::HelpFile));
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
  m_client->setMinimumSize(200, 150);
  m_client->installEventFilter(this);
  layout->addWidget(m_client);

  CreateFrame();
  CreateEditPanel();
  CreatePracticePanel();
  CreateSettingsPanel();
  ShowPracticePanel(false);
  ShowSettingsPanel(false);
  ShowEditPanel(true);

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

// --- construction of the controls --------------------------------------------

void CMainDlg::Register(int id, QWidget* widget) {
  widget->setObjectName(QStringLiteral("c%1").arg(id));
  m_controls[id] = widget;
  m_controlIds[widget] = id;
  widget->installEventFilter(this);
}

QWidget* CMainDlg::Control(int id) const {
  const auto it = m_controls.find(id);
  return it == m_controls.end() ? nullptr : it->second;
}

CHoverButton* CMainDlg::MakeButton(int id, QWidget* parent) {
  CHoverButton* button = MakeDialogButton(QString(), parent ? parent : m_client);
  Register(id, button);
  connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
  return button;
}

QLabel* CMainDlg::MakeLabel(int id) {
  auto* label = new QLabel(m_client);
  Register(id, label);
  return label;
}

QGroupBox* CMainDlg::MakeGroup(int id) {
  auto* group = new QGroupBox(m_client);
  Register(id, group);
  group->lower();
  return group;
}

QCheckBox* CMainDlg::MakeCheck(int id) {
  auto* check = new QCheckBox(m_client);
  Register(id, check);
  connect(check, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
  return check;
}

QLineEdit* CMainDlg::MakeEdit(int id) {
  auto* edit = new QLineEdit(m_client);
  Register(id, edit);
  return edit;
}

void CMainDlg::CreateFrame() {
  const CDialogUnits& du = TemplateUnits();
  for (int i = 0; i < 9; ++i) {
    CHoverButton* button = MakeButton(kToolbar[i].id);
    button->SetFlat(true);
    button->SetAlign(1);  // icon above the caption
    button->SetActiveTextColour(kBlue, false);
    button->SetInactiveTextColour(kBlue, false);
    button->setFocusPolicy(Qt::TabFocus);
    button->setGeometry(du.Rect(kToolbarX[i], 3, 40, 31));
    const QIcon icon = CPictures::ToolbarIcon(static_cast<CPictures::ToolbarButton>(i));
    button->SetIcon(icon, icon, 32, 32);
    m_toolbar[i] = button;
  }
  auto makeLine = [this](int id, QFrame::Shape shape) {
    auto* line = new QFrame(m_client);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    Register(id, line);
    return line;
  };
  // Separators after the file group and after the mode group.
  makeLine(IDC_SEPARATOR_FILE, QFrame::VLine)->setGeometry(du.X(127) + 1, du.Y(4), 3, du.Y(29));
  makeLine(IDC_SEPARATOR_MODE, QFrame::VLine)->setGeometry(du.X(254) + 1, du.Y(4), 3, du.Y(29));
  makeLine(IDC_LINE_TOP, QFrame::HLine);
  makeLine(IDC_LINE_TOOLBAR, QFrame::HLine);

  m_modePicture = new CModeBanner(m_client);
  Register(IDC_MODE_PICTURE, m_modePicture);

  m_statusLeft = new CColorLabel(m_client);
  Register(IDC_STATUS_LEFT, m_statusLeft);
  m_statusLeft->setText(QStringLiteral("Status"));
  m_statusMiddle = new CColorLabel(m_client);
  Register(IDC_STATUS_MIDDLE, m_statusMiddle);
  for (QLabel* pane : {static_cast<QLabel*>(m_statusLeft), static_cast<QLabel*>(m_statusMiddle)}) {
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setTextFormat(Qt::PlainText);
  }
  QLabel* right = MakeLabel(IDC_STATUS_RIGHT);
  right->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  right->setText(QStringLiteral("Vokabit 3"));
  right->setAlignment(Qt::AlignCenter);

  m_sizeGrip = new QSizeGrip(m_client);
  Register(IDC_SIZE_GRIP, m_sizeGrip);
}

void CMainDlg::CreateEditPanel() {
  m_wordListBox = new CWordListBox(m_client);
  Register(IDC_WORDLIST, m_wordListBox);
  m_wordListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_wordListBox->SetEnterActivates(true);
  connect(m_wordListBox, &QListWidget::itemSelectionChanged, this, [this] {
    m_foreignEdit->clear();
    m_translationEdit->clear();
    Control(IDC_DELETE)->setEnabled(true);
    RebuildMenu();
  });
  connect(m_wordListBox, &QListWidget::itemDoubleClicked, this, [this] { TakeWordForChange(); });
  connect(m_wordListBox, &QListWidget::itemActivated, this, [this] { TakeWordForChange(); });

  const auto specials = [this] {
    return std::array<QString, 4>{SpecialChar(0), SpecialChar(1), SpecialChar(2), SpecialChar(3)};
  };
  auto makeSpecialEdit = [this, &specials](int id) {
    auto* edit = new CSpecialKeyEdit(m_client);
    Register(id, edit);
    edit->SetSpecialSource(specials);
    edit->SetRefusalHint(LangQText(kTxtCharRefused));
    return edit;
  };
  m_firstLanguageEdit = makeSpecialEdit(IDC_FIRST_LANGUAGE);
  m_secondLanguageEdit = makeSpecialEdit(IDC_SECOND_LANGUAGE);
  m_firstLanguageEdit->setReadOnly(true);
  m_secondLanguageEdit->setReadOnly(true);
  m_foreignEdit = makeSpecialEdit(IDC_FOREIGN);
  m_translationEdit = makeSpecialEdit(IDC_TRANSLATION);
  connect(m_foreignEdit, &QLineEdit::textChanged, this, [this] { OnEditTextChanged(); });
  connect(m_translationEdit, &QLineEdit::textChanged, this, [this] { OnEditTextChanged(); });

  MakeButton(IDC_ADD);
  MakeButton(IDC_NEW_WORD);
  MakeButton(IDC_DELETE)->setEnabled(false);
  m_classBox = new CClassComboBox(m_client);
  Register(IDC_CLASS, m_classBox);
  // The window's layout gives the box its width.
  m_classBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_classBox->setMinimumContentsLength(4);
  MakeCheck(IDC_SORT);
  QLabel* count = MakeLabel(IDC_WORD_COUNT);
  count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  MakeButton(IDC_SEARCH);
  MakeButton(IDC_IMPORT);
  MakeGroup(IDC_EDIT_GROUP);
  for (int id : kSpecialIds) MakeButton(id);
}

void CMainDlg::CreatePracticePanel() {
  MakeGroup(IDC_COUNTERS_GROUP)->resize(170, 146);
  const int labels[4] = {IDC_LABEL_TOTAL, IDC_LABEL_CURRENT, IDC_LABEL_RIGHT, IDC_LABEL_WRONG};
  const int values[4] = {IDC_COUNT_TOTAL, IDC_COUNT_CURRENT, IDC_COUNT_RIGHT, IDC_COUNT_WRONG};
  for (int i = 0; i < 4; ++i) {
    MakeLabel(labels[i])->setGeometry(20, 120 + 20 * i, 88, 18);
    QLabel* value = MakeLabel(values[i]);
    value->setGeometry(110, 120 + 20 * i, 60, 18);
    value->setText(QStringLiteral("0"));
  }
  QLabel* direction = MakeLabel(IDC_DIRECTION);
  direction->setGeometry(20, 205, 155, 30);
  direction->setWordWrap(true);
  MakeGroup(IDC_QUESTION_GROUP)->resize(433, 56);
  QLabel* picture = MakeLabel(IDC_CLASS_PICTURE);
  picture->resize(14, 14);
  QLabel* question = MakeLabel(IDC_QUESTION);
  question->resize(423, 22);
  question->setTextFormat(Qt::PlainText);
  MakeGroup(IDC_ANSWER_GROUP)->resize(433, 56);
  m_answerEdit = new CColorEdit(m_client);
  Register(IDC_ANSWER, m_answerEdit);
  m_answerEdit->resize(333, 20);
  m_answerEdit->SetRefusalHint(LangQText(kTxtCharRefused));
  connect(m_answerEdit, &QLineEdit::textChanged, this, [this] { OnAnswerChanged(); });
  m_suggestions = new QListWidget(m_client);
  Register(IDC_SUGGESTIONS, m_suggestions);
  m_suggestions->setSortingEnabled(true);
  m_suggestions->hide();
  connect(m_suggestions, &QListWidget::itemDoubleClicked, this, [this] { TakeSuggestion(); });
  CHoverButton* drop = MakeButton(IDC_SUGGEST_BUTTON);
  drop->resize(20, 20);
  drop->SetIcon(CPictures::ButtonIcon(CPictures::ButtonPicture::DropDown),
                CPictures::ButtonIcon(CPictures::ButtonPicture::DropDown), 12, 12);
  drop->SetShowText(false);
  MakeButton(IDC_ANSWER_BUTTON)->resize(48, 22);
  MakeGroup(IDC_HIDDEN_GROUP)->hide();
}

void CMainDlg::CreateSettingsPanel() {
  // Template places in dialog units; LayoutSettingsPanel widens them where a
  // caption in the current language needs more room.
  m_settingsTemplate = {
      {IDC_SOUNDS_GROUP, {6, 51, 418, 54}},
      {IDC_WRONG_SOUND_CHECK, {12, 66, 58, 12}},
      {IDC_WRONG_SOUND_PATH, {72, 65, 178, 13}},
      {IDC_CHOOSE_WRONG_SOUND, {257, 65, 36, 13}},
      {IDC_PLAY_WRONG, {297, 65, 38, 13}},
      {IDC_RIGHT_SOUND_CHECK, {12, 82, 58, 12}},
      {IDC_RIGHT_SOUND_PATH, {72, 81, 178, 13}},
      {IDC_CHOOSE_RIGHT_SOUND, {257, 81, 36, 13}},
      {IDC_PLAY_RIGHT, {297, 81, 38, 13}},
      {IDC_WORDS_GROUP, {5, 156, 418, 41}},
      {IDC_ALL_WORDS, {12, 166, 100, 12}},
      {IDC_ONLY_WORDS, {12, 182, 50, 12}},
      {IDC_ONLY_COUNT, {64, 182, 18, 12}},
      {IDC_ONLY_AFTER, {85, 183, 34, 11}},
      {IDC_SHUFFLE, {121, 167, 105, 12}},
      {IDC_MATCH_CASE, {121, 182, 108, 12}},
      {IDC_PAUSE_BEFORE, {230, 168, 88, 10}},
      {IDC_PAUSE, {319, 167, 19, 12}},
      {IDC_PAUSE_AFTER, {342, 168, 80, 10}},
      {IDC_SHOW_CLASS, {230, 181, 88, 12}},
      {IDC_CHECK_WHILE_TYPING, {319, 181, 100, 12}},
  };
  MakeGroup(IDC_SOUNDS_GROUP);
  MakeCheck(IDC_WRONG_SOUND_CHECK);
  MakeEdit(IDC_WRONG_SOUND_PATH);
  MakeButton(IDC_CHOOSE_WRONG_SOUND);
  MakeButton(IDC_PLAY_WRONG);
  MakeCheck(IDC_RIGHT_SOUND_CHECK);
  MakeEdit(IDC_RIGHT_SOUND_PATH);
  MakeButton(IDC_CHOOSE_RIGHT_SOUND);
  MakeButton(IDC_PLAY_RIGHT);
  for (int id : {IDC_PLAY_WRONG, IDC_PLAY_RIGHT}) {
    auto* play = static_cast<CHoverButton*>(Control(id));
    const QIcon icon = CPictures::ButtonIcon(CPictures::ButtonPicture::PlaySound);
    play->SetIcon(icon, icon, 16, 16);
    play->SetShowText(false);
  }
  MakeGroup(IDC_PRINT_GROUP);
  MakeGroup(IDC_LANGUAGE_GROUP);
  MakeButton(IDC_LANGUAGE);
  MakeButton(IDC_PRINT_FORMAT);
  MakeGroup(IDC_WORDS_GROUP);
  MakeCheck(IDC_ALL_WORDS);
  MakeCheck(IDC_ONLY_WORDS);
  QLineEdit* n = MakeEdit(IDC_ONLY_COUNT);
  n->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), n));
  n->setMaxLength(4);
  n->setAlignment(Qt::AlignRight);
  MakeLabel(IDC_ONLY_AFTER);
  MakeCheck(IDC_SHUFFLE);
  MakeCheck(IDC_MATCH_CASE);
  MakeLabel(IDC_PAUSE_BEFORE);
  MakeEdit(IDC_PAUSE)->setMaxLength(8);
  MakeLabel(IDC_PAUSE_AFTER);
  MakeCheck(IDC_SHOW_CLASS);
  MakeCheck(IDC_CHECK_WHILE_TYPING);
}

void CMainDlg::LayoutSettingsPanel() {
  m_settingsLaidOut = true;
  const CDialogUnits& du = TemplateUnits();
  constexpr int kGap = 6;
  // Controls that share a template column stay aligned; a column moves right
  // when a control it shares a row with has grown into it.
  std::map<int, std::vector<int>> columns;  // template x -> ids
  for (const auto& [id, r] : m_settingsTemplate) {
    if (!qobject_cast<QGroupBox*>(Control(id))) columns[r.x()].push_back(id);
  }
  std::vector<QRect> placed;
  for (const auto& [x, ids] : columns) {
    int left = du.X(x);
    for (int id : ids) {
      const QRect r = du.Rect(m_settingsTemplate[id].x(), m_settingsTemplate[id].y(),
                              m_settingsTemplate[id].width(), m_settingsTemplate[id].height());
      for (const QRect& other : placed) {
        if (other.top() < r.bottom() && r.top() < other.bottom()) {
          left = std::max(left, other.right() + kGap);
        }
      }
    }
    for (int id : ids) {
      QWidget* w = Control(id);
      const QRect t = du.Rect(m_settingsTemplate[id].x(), m_settingsTemplate[id].y(),
                              m_settingsTemplate[id].width(), m_settingsTemplate[id].height());
      int width = t.width();
      if (!qobject_cast<QLineEdit*>(w)) width = std::max(width, w->sizeHint().width());
      const int height = std::max(t.height(), std::min(w->sizeHint().height(), t.height() + 8));
      const QRect r(left, t.y() - (height - t.height()) / 2, width, height);
      w->setGeometry(r);
      placed.push_back(r);
    }
  }
  // The group boxes take in what they frame, and share one right edge.
  int groupsRight = 0;
  for (int groupId : {IDC_SOUNDS_GROUP, IDC_WORDS_GROUP}) {
    const QRect& t = m_settingsTemplate[groupId];
    QRect r = du.Rect(t.x(), t.y(), t.width(), t.height());
    for (const QRect& c : placed) {
      if (c.center().y() > r.top() && c.center().y() < r.bottom()) {
        r.setRight(std::max(r.right(), c.right() + 10));
      }
    }
    Control(groupId)->setGeometry(r);
    groupsRight = std::max(groupsRight, r.right());
  }
  for (int groupId : {IDC_SOUNDS_GROUP, IDC_WORDS_GROUP}) {
    QWidget* group = Control(groupId);
    group->resize(groupsRight - group->x() + 1, group->height());
  }
  // The middle row: the special characters (placed by the mode switch) and
  // the print format in one frame, then the language choice.
  QWidget* print = Control(IDC_PRINT_FORMAT);
  print->setGeometry(215, 203, std::max(140, print->sizeHint().width() + 16), 30);
  auto* specials = static_cast<QGroupBox*>(Control(IDC_PRINT_GROUP));
  const int specialsRight =
      std::max(print->geometry().right() + 14,
               9 + specials->fontMetrics().horizontalAdvance(specials->title()) + 24);
  specials->setGeometry(9, 178, specialsRight - 9, 72);
  auto* languageGroup = static_cast<QGroupBox*>(Control(IDC_LANGUAGE_GROUP));
  QWidget* language = Control(IDC_LANGUAGE);
  const int languageWidth = std::max(140, language->sizeHint().width() + 16);
  const int languageGroupWidth =
      std::max(languageWidth + 28,
               languageGroup->fontMetrics().horizontalAdvance(languageGroup->title()) + 24);
  languageGroup->setGeometry(specials->geometry().right() + 12, 178, languageGroupWidth, 72);
  language->setGeometry(languageGroup->x() + 14, 203, languageWidth, 30);

  // In the options mode the window never gets so narrow that the panel is
  // cut off.
  int right = languageGroup->geometry().right();
  for (int id : {IDC_SOUNDS_GROUP, IDC_WORDS_GROUP}) {
    right = std::max(right, Control(id)->geometry().right());
  }
  m_settingsMinWidth = right + 12;
  if (m_mode == Settings) m_client->setMinimumWidth(m_settingsMinWidth);
}

// --- start sequence ----------------------------------------------------------

bool CMainDlg::OnInitDialog() {
  LoadPracticeOptions();
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
  ShowEditPanel(true);

  if (!m_startFile.isEmpty()) {
    setWindowTitle(LangQText(kTxtProgramName));
    if (m_wordList.OpenFile(m_startFile) != 0) {
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
  if (m_showTip) QTimer::singleShot(0, this, &CMainDlg::ShowTipAtStart);
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
      break;
    case ID_FILE_OPEN:
    case IDC_TB_OPEN:
      OnFileOpen();
      break;
    case ID_FILE_SAVE:
    case IDC_TB_SAVE:
      OnFileSave();
      break;
    case ID_FILE_SAVE_AS:
      OnFileSaveAs();
      break;
    case ID_MODE_EDIT:
    case IDC_TB_EDIT:
      ShowEditPanel(true);
      break;
    case ID_MODE_SETTINGS:
    case IDC_TB_SETTINGS:
      ShowSettingsPanel(true);
      break;
    case ID_APP_EXIT:
    case IDC_TB_EXIT:
      OnExit();
      break;
    case ID_TOOLBAR_TEXT:
      OnToolbarText();
      break;
    case ID_HELP_CONTENTS:
      OnHelpContents();
      break;
    case ID_HELP_TOPIC:
    case ID_HELP_F1:
      OnHelpTopic();
      break;
    case ID_WEB_PRODUCT:
      m_platform.ShellOpen(
          ReadSetting(SettingsRoot::CurrentUser, kKeyVokabit, QStringLiteral("Hemsida")));
      break;
    case ID_WEB_MAKER:
      m_platform.ShellOpen(
          ReadSetting(SettingsRoot::CurrentUser, kKeyBrannvik, QStringLiteral("Hemsida")));
      break;
    case ID_ENTER:
      OnEnter();
      break;
    case ID_NEW_WORD:
    case IDC_NEW_WORD:
      NewWord();
      break;
    case ID_ADD_WORD:
    case IDC_ADD:
      AddOrChangeWord();
      break;
    case ID_DELETE_WORDS:
    case IDC_DELETE:
      DeleteWords();
      break;
    case IDC_SORT:
      OnSortClicked();
      break;
    case ID_SEARCH:
    case IDC_SEARCH:
      SearchWord();
      break;
    case ID_IMPORT:
    case IDC_IMPORT:
      ImportWords();
      break;
    case ID_LIST_PROPERTIES:
      ShowListProperties();
      break;
    case ID_PRINT:  // also the toolbar's print button
      OnPrint();
      break;
    case ID_FILE_PRINT_PREVIEW:
      OnPrintPreview();
      break;
    case ID_PRINT_FORMAT:
    case IDC_PRINT_FORMAT:
      OnPrintFormat();
      break;
    case ID_START_PRACTICE:
      StartExercise();
      break;
    case ID_RESTART:
      RestartExercise();
      break;
    case IDC_ANSWER_BUTTON:
      CheckAnswer();
      break;
    case IDC_SUGGEST_BUTTON:
      OpenSuggestions();
      break;
    case ID_SUGGESTIONS:
      if (m_mode != Practice) break;
      if (m_suggestions->isVisible()) {
        CloseSuggestions();
      } else {
        OpenSuggestions();
      }
      break;
    case IDC_ALL_WORDS:
    case IDC_ONLY_WORDS:
      OnOptionPairClicked(id);
      break;
    case IDC_WRONG_SOUND_CHECK:
    case IDC_RIGHT_SOUND_CHECK:
      UpdateSoundControls();
      break;
    case IDC_CHOOSE_WRONG_SOUND:
      ChooseSoundFile(IDC_WRONG_SOUND_PATH);
      break;
    case IDC_CHOOSE_RIGHT_SOUND:
      ChooseSoundFile(IDC_RIGHT_SOUND_PATH);
      break;
    case IDC_PLAY_WRONG:
      PlayTestSound(IDC_WRONG_SOUND_PATH);
      break;
    case IDC_PLAY_RIGHT:
      PlayTestSound(IDC_RIGHT_SOUND_PATH);
      break;
    case IDC_LANGUAGE:
    case IDM_LANGUAGE:
      OnChooseLanguage();
      break;
    case ID_TIP:
      OnTipOfTheDay();
      break;
    case ID_ABOUT:
      OnAbout();
      break;
    case ID_ESCAPE:
      break;  // Escape never closes the window
    case IDC_SPECIAL1:
    case IDC_SPECIAL2:
    case IDC_SPECIAL3:
    case IDC_SPECIAL4:
      OnSpecialButton(id - IDC_SPECIAL1);
      break;
    default:
      break;
  }
}

void CMainDlg::FocusAfterCommand() {
  switch (m_mode) {
    case Edit:
      Control(IDC_FOREIGN)->setFocus();
      break;
    case Practice:
      Control(IDC_ANSWER)->setFocus();
      break;
    case Settings:
      SetStatus(kTxtStatusSettings);
      break;
  }
}

void CMainDlg::AfterListLoaded() {
  FillWordListBox();
  m_firstLanguageEdit->SetText(m_wordList.GetFirstLanguage());
  m_secondLanguageEdit->SetText(m_wordList.GetSecondLanguage());
  SetListTitle(false);
  UpdateWordCount();
  m_wordList.SetModified(0);
}

void CMainDlg::OnFileNew() {
  m_wordList.NewList();
  SetListTitle(m_wordList.IsModified() != 0);
  FillWordListBox();
  if (!m_wordList.IsModified()) {
    m_firstLanguageEdit->SetText(m_wordList.GetFirstLanguage());
    m_secondLanguageEdit->SetText(m_wordList.GetSecondLanguage());
  }
  UpdateRecentFiles();
  UpdateWordCount();
  ShowEditPanel(true);
}

void CMainDlg::OnFileOpen() {
  SetStatus(kTxtStatusOpen);
  const int result = m_wordList.OpenWithDialog();
  if (result == 0) {
    UpdateRecentFiles();
    AfterListLoaded();
    if (m_mode == Practice) ShowEditPanel(true);
    if (m_mode == Edit) Control(IDC_FOREIGN)->setFocus();
    ShowFocusHint();
    return;
  }
  if (result == -2) {
    m_platform.MessageBox(LangQText(kTxtOpenFailed), MessageButtons::Ok, MessageIcon::Warning);
  }
  if (m_mode == Edit) Control(IDC_FOREIGN)->setFocus();
  if (m_mode == Practice) Control(IDC_ANSWER)->setFocus();
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
    QString text = LangQText(kTxtRecentMissing);
    m_platform.MessageBox(text.replace(QLatin1String("%s"), path), MessageButtons::Ok,
                          MessageIcon::Warning);
    return;
  }
  const int result = m_wordList.OpenFile(path);
  if (result == 0) {
    UpdateRecentFiles();
    AfterListLoaded();
    if (m_mode == Practice) ShowEditPanel(true);
  } else if (result == -2) {
    m_platform.MessageBox(LangQText(kTxtOpenFailed), MessageButtons::Ok, MessageIcon::Warning);
  }
}

void CMainDlg::OnFileSave() {
  const int result = m_wordList.Save();
  if (result == 0) {
    // An export (Save of an untitled list to an export type) leaves the list
    // modified: it is still in no file of its own.
    UpdateRecentFiles();
    SetListTitle(m_wordList.IsModified() != 0);
  } else if (result == -2) {
    m_platform.MessageBox(LangQText(kTxtSaveFailed), MessageButtons::Ok, MessageIcon::Warning);
  }
}

void CMainDlg::OnFileSaveAs() {
  SetStatus(kTxtStatusSaveAs);
  const int result = m_wordList.SaveAs(true);
  if (result == 0 || result == 1) {
    // After an export the list is still modified.
    UpdateRecentFiles();
    SetListTitle(m_wordList.IsModified() != 0);
    FocusAfterCommand();
  } else if (result == -2) {
    m_platform.MessageBox(LangQText(kTxtSaveFailed), MessageButtons::Ok, MessageIcon::Warning);
  }
}

bool CMainDlg::CanClose() {
  SavePracticeOptions();
  // The window may be gone before a posted message would show.
  ReportSettingsFailure();
  return m_wordList.QueryClose() == 1;
}

void CMainDlg::ReportSettingsFailure() {
  if (m_settingsFailure.isEmpty()) return;
  QString text = LangQText(kTxtSettingsNotSaved);
  text.replace(QLatin1String("%s"), m_settingsFailure);
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
  m_platform.ShowHelp(HelpFile(), 0);
  FocusAfterCommand();
}

void CMainDlg::OnHelpTopic() {
  static constexpr unsigned kContexts[3] = {131202, 131204, 131203};
  m_platform.ShowHelp(HelpFile(), kContexts[m_mode]);
}

void CMainDlg::OnEnter() {
  switch (m_mode) {
    case Edit:
      if (m_listHasFocus) {
        TakeWordForChange();
      } else {
        m_firstLanguageEdit->setReadOnly(true);
        m_secondLanguageEdit->setReadOnly(true);
        AddOrChangeWord();
      }
      break;
    case Practice:
      if (m_suggestions->isVisible()) {
        TakeSuggestion();
      } else {
        CheckAnswer();
      }
      break;
    case Settings:
      break;
  }
}

// --- title and status line -----------------------------------------------------

void CMainDlg::SetListTitle(bool modified) {
  QString title = m_wordList.GetDisplayName() + QStringLiteral(" - ") + LangQText(kTxtProgramName);
  if (modified) title += QStringLiteral(" *");
  setWindowTitle(title);
}

void CMainDlg::SetStatus(unsigned textNumber) {
  SetPaneText(1, LangQText(textNumber));
  m_statusText = textNumber;
}

void CMainDlg::SetWarningStatus(unsigned textNumber) {
  SetStatus(textNumber);
  m_statusLeft->SetTextColour(kRed);
}

void CMainDlg::SetPaneText(int pane, const QString& text) {
  if (pane == 1) {
    // The red of a warning belongs to that warning alone.
    m_statusLeft->SetTextColour(ToColorRef(palette().color(QPalette::WindowText)));
    m_statusLeft->setText(text);
    m_statusText = 0;
  }
  if (pane == 2) m_statusMiddle->setText(text);
}

void CMainDlg::ShowFocusHint() {
  if (m_mode == Settings) {
    SetStatus(kTxtStatusSettings);
    return;
  }
  const auto it = m_controlIds.find(QApplication::focusWidget());
  if (it == m_controlIds.end()) return;
  switch (it->second) {
    case IDC_SEARCH:
      SetStatus(kTxtStatusSearch);
      break;
    case IDC_IMPORT:
      SetStatus(kTxtStatusImport);
      break;
    case IDC_FOREIGN:
      SetStatus(kTxtStatusForeign);
      break;
    case IDC_TRANSLATION:
      SetStatus(kTxtStatusTranslation);
      break;
    case IDC_TB_OPEN:
      SetStatus(kTxtStatusOpen);
      break;
    case IDC_TB_PRINT:
      SetStatus(kTxtStatusPrint);
      break;
    case IDC_TB_HELP:
      SetStatus(kTxtStatusHelp);
      break;
    default:
      break;
  }
}

void CMainDlg::UpdateHoverHelp(QWidget* widget) {
  // The control under the mouse, or the one a child of it belongs to.
  for (QWidget* w = widget; w && w != m_client; w = w->parentWidget()) {
    const auto it = m_controlIds.find(w);
    if (it == m_controlIds.end()) continue;
    const int id = it->second;
    if (id == IDC_SPECIAL1 || id == IDC_SPECIAL2 || id == IDC_SPECIAL3 || id == IDC_SPECIAL4) {
      SetPaneText(2, LangQText(m_mode == Settings ? kTxtHoverSpecialSettings : kTxtHoverSpecial));
      return;
    }
    const auto text = HoverTexts().find(id);
    SetPaneText(2, text == HoverTexts().end() ? QString() : LangQText(text->second));
    return;
  }
  SetPaneText(2, QString());
}

// --- language ----------------------------------------------------------------

void CMainDlg::FitText(QWidget* widget, const QString& caption) {
  // A long caption gets a smaller font rather than being cut off.
  QFont font = this->font();
  const QString text = QString(caption).remove(QLatin1Char('&'));
  const int room = widget->width() - 4;
  if (font.pointSizeF() <= 0) return;  // a pixel-sized font is left as it is
  while (font.pointSizeF() > 6.5 && QFontMetrics(font).horizontalAdvance(text) > room) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  widget->setFont(font);
}

unsigned CMainDlg::TextNumberOf(int id, unsigned fallback) const {
  const auto it = m_textNumbers.find(id);
  return it == m_textNumbers.end() ? fallback : it->second;
}

void CMainDlg::SetControlText(int id, unsigned textNumber) {
  m_textNumbers[id] = textNumber;
  QWidget* w = Control(id);
  const QString text = LangQText(textNumber);
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    group->setTitle(text);
  }
  if (w) w->setAccessibleName(QString(text).remove(QLatin1Char('&')));
  // The word buttons narrow with the window; until it is laid out they have
  // no width to fit, and the layout fits them.
  if (m_initialised &&
      (id == IDC_ADD || id == IDC_NEW_WORD || id == IDC_DELETE || id == IDC_ANSWER_BUTTON)) {
    FitText(w, text);
  }
}

void CMainDlg::ApplyLanguage() {
  RebuildMenu();
  for (int i = 0; i < 9; ++i) {
    m_toolbar[i]->setText(LangQText(kToolbar[i].caption));
    FitText(m_toolbar[i], m_toolbar[i]->text());
    m_toolbar[i]->setToolTip(LangQText(kToolbar[i].tooltip));
    m_toolbar[i]->setAccessibleName(LangQText(kToolbar[i].caption).remove(QLatin1Char('&')));
  }
  SetListTitle(m_wordList.IsModified() != 0);

  SetControlText(IDC_SEARCH, kTxtSearchButton);
  SetControlText(IDC_IMPORT, kTxtImportButton);
  SetControlText(IDC_EDIT_GROUP, kTxtSpecialGroup);
  SetControlText(IDC_ADD, m_adding ? kTxtAdd : kTxtChange);
  SetControlText(IDC_NEW_WORD, kTxtNewWord);
  SetControlText(IDC_DELETE, kTxtDelete);
  SetControlText(IDC_SORT, kTxtSortCheck);
  const int classData = std::max(0, m_classBox->CurrentItemData());
  m_classBox->clear();
  m_classBox->AddLine(LangQText(kTxtClassNone), 0);
  m_classBox->AddLine(LangQText(kTxtClass1), 1);
  m_classBox->AddLine(LangQText(kTxtClass2), 2);
  m_classBox->SelectItemData(classData);
  m_wordListBox->SetClassNames(
      {LangQText(kTxtClassNone), LangQText(kTxtClass1), LangQText(kTxtClass2)});
  if (m_wordList.IsUntitled() && !m_wordList.IsModified()) {
    m_firstLanguageEdit->setText(LangQText(kTxtFirstLanguage));
    m_secondLanguageEdit->setText(LangQText(kTxtSecondLanguage));
  }
  m_foreignEdit->SetRefusalHint(LangQText(kTxtCharRefused));
  m_translationEdit->SetRefusalHint(LangQText(kTxtCharRefused));
  m_firstLanguageEdit->SetRefusalHint(LangQText(kTxtCharRefused));
  m_secondLanguageEdit->SetRefusalHint(LangQText(kTxtCharRefused));
  m_answerEdit->SetRefusalHint(LangQText(kTxtCharRefused));
  UpdateWordCount();

  SetControlText(IDC_WRONG_SOUND_CHECK, kTxtWrongSoundCheck);
  SetControlText(IDC_RIGHT_SOUND_CHECK, kTxtRightSoundCheck);
  SetControlText(IDC_CHOOSE_WRONG_SOUND, kTxtChooseWrongSound);
  SetControlText(IDC_CHOOSE_RIGHT_SOUND, kTxtChooseRightSound);
  SetControlText(IDC_SOUNDS_GROUP, kTxtSoundsGroup);
  SetControlText(IDC_LANGUAGE_GROUP, kTxtLanguageGroup);
  SetControlText(IDC_WORDS_GROUP, kTxtWordsGroup);
  SetControlText(IDC_ALL_WORDS, kTxtAllWords);
  SetControlText(IDC_ONLY_WORDS, kTxtOnlyWords);
  SetControlText(IDC_ONLY_AFTER, kTxtOnlyWordsAfter);
  SetControlText(IDC_SHUFFLE, kTxtShuffle);
  SetControlText(IDC_MATCH_CASE, kTxtMatchCase);
  SetControlText(IDC_PRINT_FORMAT, kTxtPrintFormatButton);
  SetControlText(IDC_LANGUAGE, kTxtLanguageButton);
  SetControlText(IDC_PRINT_GROUP, kTxtPrintGroup);
  SetControlText(IDC_SHOW_CLASS, kTxtShowClass);
  SetControlText(IDC_CHECK_WHILE_TYPING, kTxtCheckWhileTyping);
  SetControlText(IDC_PAUSE_BEFORE, kTxtPauseBefore);
  SetControlText(IDC_PAUSE_AFTER, kTxtPauseAfter);

  // The answer's captions change during a run; they keep their meaning.
  SetControlText(IDC_ANSWER_BUTTON, TextNumberOf(IDC_ANSWER_BUTTON, kTxtAnswerButton));
  SetControlText(IDC_QUESTION_GROUP, kTxtQuestionGroup);
  SetControlText(IDC_COUNTERS_GROUP, kTxtCountersGroup);
  SetControlText(IDC_LABEL_TOTAL, kTxtCounterQuestions);
  SetControlText(IDC_LABEL_CURRENT, kTxtCounterCurrent);
  SetControlText(IDC_LABEL_RIGHT, kTxtCounterRight);
  SetControlText(IDC_LABEL_WRONG, kTxtCounterWrong);
  SetControlText(IDC_HIDDEN_GROUP, kTxtHiddenGroup);
  SetControlText(IDC_ANSWER_GROUP, TextNumberOf(IDC_ANSWER_GROUP, kTxtAnswerGroup));
  if (auto* direction = static_cast<QLabel*>(Control(IDC_DIRECTION)); !direction->text().isEmpty())
    direction->setText(
        LangQText(m_exercise.WriteForeign() ? kTxtWriteForeign : kTxtWriteTranslation));
  // The status line speaks the new language too.
  if (m_statusText != 0) m_statusLeft->setText(LangQText(m_statusText));
  m_statusMiddle->clear();
  // The options panel is laid out for its captions when it shows.
  m_settingsLaidOut = false;
  if (m_mode == Settings) LayoutSettingsPanel();
  // Repaint everything once with the new texts.
  m_client->update();
}

void CMainDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && m_sizeGrip) {
    m_sizeGrip->setVisible(!isMaximized());
  }
}
