// The main window's frame: panel switching, layout on resize, menus, the
// accelerator table and the recent files.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

#include "ClassComboBox.h"
#include "ColorEdit.h"
#include "HoverButton.h"
#include "LangText.h"
#include "MainDlg.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "ModeBanner.h"
#include "Pictures.h"
#include "SpecialKeyEdit.h"
#include "WordListBox.h"

namespace {

const std::vector<int> kEditControls = {
    IDC_WORD_COUNT, IDC_EDIT_GROUP,  IDC_FIRST_LANGUAGE, IDC_SECOND_LANGUAGE,
    IDC_FOREIGN,    IDC_TRANSLATION, IDC_WORDLIST,       IDC_ADD,
    IDC_DELETE,     IDC_NEW_WORD,    IDC_SEARCH,         IDC_IMPORT,
    IDC_SORT,       IDC_CLASS,       IDC_SPECIAL1,       IDC_SPECIAL2,
    IDC_SPECIAL3,   IDC_SPECIAL4};
const std::vector<int> kSettingsControls = {
    IDC_WORDS_GROUP,        IDC_PRINT_GROUP,        IDC_ONLY_AFTER,        IDC_LANGUAGE_GROUP,
    IDC_SOUNDS_GROUP,       IDC_MATCH_CASE,         IDC_PLAY_RIGHT,        IDC_PLAY_WRONG,
    IDC_RIGHT_SOUND_PATH,   IDC_WRONG_SOUND_PATH,   IDC_RIGHT_SOUND_CHECK, IDC_WRONG_SOUND_CHECK,
    IDC_CHOOSE_RIGHT_SOUND, IDC_CHOOSE_WRONG_SOUND, IDC_SHUFFLE,           IDC_PRINT_FORMAT,
    IDC_ONLY_COUNT,         IDC_ALL_WORDS,          IDC_ONLY_WORDS,        IDC_LANGUAGE,
    IDC_SHOW_CLASS,         IDC_SPECIAL1,           IDC_SPECIAL2,          IDC_SPECIAL3,
    IDC_SPECIAL4,           IDC_PAUSE_BEFORE,       IDC_PAUSE_AFTER,       IDC_PAUSE,
    IDC_CHECK_WHILE_TYPING};
const std::vector<int> kPracticeControls = {
    IDC_DIRECTION,      IDC_COUNT_WRONG,   IDC_COUNT_TOTAL,   IDC_COUNT_RIGHT,  IDC_ANSWER,
    IDC_QUESTION,       IDC_COUNT_CURRENT, IDC_ANSWER_BUTTON, IDC_ANSWER_GROUP, IDC_QUESTION_GROUP,
    IDC_COUNTERS_GROUP, IDC_LABEL_TOTAL,   IDC_LABEL_CURRENT, IDC_LABEL_RIGHT,  IDC_LABEL_WRONG,
    IDC_CLASS_PICTURE,  IDC_SPECIAL1,      IDC_SPECIAL2,      IDC_SPECIAL3,     IDC_SPECIAL4,
    IDC_SUGGEST_BUTTON};

constexpr int kMinClientWidth = 200;
constexpr int kMinModePictureWidth = 40;
constexpr int kSpecialIds[4] = {IDC_SPECIAL1, IDC_SPECIAL2, IDC_SPECIAL3, IDC_SPECIAL4};

}  // namespace

// --- panels --------------------------------------------------------------------

void CMainDlg::ShowControls(const std::vector<int>& ids, bool show) {
  for (int id : ids) {
    if (QWidget* w = Control(id)) w->setVisible(show);
  }
}

void CMainDlg::PlaceSpecialButtons() {
  const int w = m_clientWidth;
  for (int i = 0; i < 4; ++i) {
    QWidget* button = Control(kSpecialIds[i]);
    switch (m_mode) {
      case Edit:
        button->setGeometry(w - 90, 185 + 20 * i, 66, 18);
        break;
      case Settings:
        button->setGeometry(39 + 40 * i, 200, 40, 40);
        break;
      case Practice:
        button->setGeometry(15 + 40 * i, 250, 40, 20);
        break;
    }
  }
}

void CMainDlg::ShowEditPanel(bool show) {
  m_toolbar[4]->SetLatched(show);
  if (show) {
    ShowPracticePanel(false);
    ShowSettingsPanel(false);
    m_mode = Edit;
    m_modePicture->SetMode(m_mode);
    m_clientWidth = m_client->width();
    PlaceSpecialButtons();
  }
  ShowControls(kEditControls, show);
  Control(IDC_ADD)->setEnabled(false);
  if (show) {
    // Before the start sequence a menu would only be thrown away: the
    // sequence builds it with the window's texts.
    if (m_initialised) RebuildMenu();
    FillWordListBox();
    Control(IDC_FOREIGN)->setFocus();
  }
}

void CMainDlg::ShowSettingsPanel(bool show) {
  m_toolbar[5]->SetLatched(show);
  if (show) {
    if (!m_settingsLaidOut) LayoutSettingsPanel();
    ShowEditPanel(false);
    ShowPracticePanel(false);
    m_mode = Settings;
    m_modePicture->SetMode(m_mode);
    RebuildMenu();
    m_clientWidth = m_client->width();
    PlaceSpecialButtons();
    UpdateSoundControls();
    SetStatus(kTxtStatusSettings);
    Control(IDC_WRONG_SOUND_CHECK)->setFocus();
  }
  ShowControls(kSettingsControls, show);
  if (show == (m_widthBeforeSettings > 0)) {
    m_client->setMinimumWidth(show ? m_settingsMinWidth : kMinClientWidth);
    return;
  }
  if (show) {
    // The options panel may need a wider window than the user had; the
    // window widens now (the layout resizes it at once) ...
    m_widthBeforeSettings = width();
    m_client->setMinimumWidth(m_settingsMinWidth);
    if (layout()) layout()->activate();
    m_widthInSettings = width();
  } else {
    // ... and gives the width back when the options mode ends, unless the
    // user has sized the window meanwhile.
    m_client->setMinimumWidth(kMinClientWidth);
    if (layout()) layout()->activate();
    if (width() == m_widthInSettings && m_widthInSettings > m_widthBeforeSettings && !isMaximized())
      resize(m_widthBeforeSettings, height());
    m_widthBeforeSettings = m_widthInSettings = 0;
  }
}

void CMainDlg::ShowPracticePanel(bool show) {
  m_toolbar[3]->SetLatched(show);
  if (show) {
    ShowSettingsPanel(false);
    ShowEditPanel(false);
    m_mode = Practice;
    m_modePicture->SetMode(m_mode);
    RebuildMenu();
    m_answerEdit->SetSpecialChars(SpecialChar(0), SpecialChar(1), SpecialChar(2), SpecialChar(3));
    m_clientWidth = m_client->width();
    PlaceSpecialButtons();
  }
  ShowControls(kPracticeControls, show);
  Control(IDC_ANSWER_BUTTON)->setEnabled(show);
  Control(IDC_HIDDEN_GROUP)->hide();
  Control(IDC_SUGGESTIONS)->hide();
}

// --- layout ----------------------------------------------------------------------

void CMainDlg::LayoutClient(int w, int h) {
  m_clientWidth = w;
  m_clientHeight = h;
  if (!m_initialised) return;
  m_laidOutSize = QSize(w, h);

  if (m_mode != Practice) PlaceSpecialButtons();
  m_modePicture->setGeometry(580, 5, std::max(0, w - 590), 52);
  // A sliver of a picture looks broken; a narrow window shows none.
  m_modePicture->setVisible(w - 590 >= kMinModePictureWidth);

  Control(IDC_STATUS_LEFT)->setGeometry(0, h - 18, w / 2, 18);
  Control(IDC_STATUS_MIDDLE)->setGeometry(w / 2 + 2, h - 18, w / 3, 18);
  Control(IDC_STATUS_RIGHT)->setGeometry(w / 3 + w / 2 + 4, h - 18, w - w / 3 - w / 2 - 4, 18);
  m_sizeGrip->setGeometry(w - 17, h - 17, 17, 17);
  m_sizeGrip->setVisible(!isMaximized());
  m_sizeGrip->raise();
  Control(IDC_LINE_TOP)->setGeometry(0, 0, w, 2);
  Control(IDC_LINE_TOOLBAR)->setGeometry(0, 58, w, 2);

  // Word editing panel.
  const int e = (w - 120) / 2;
  auto move = [this](int id, int x, int y) {
    QWidget* c = Control(id);
    c->move(x, y);
  };
  auto place = [this](int id, int x, int y, int cx, int cy) {
    Control(id)->setGeometry(x, y, cx, cy);
  };
  place(IDC_SEARCH, w - 100, 90, 90, 28);
  place(IDC_IMPORT, w - 100, 125, 90, 28);
  place(IDC_EDIT_GROUP, w - 100, 160, 96, 112);
  place(IDC_WORDLIST, 10, 90, w - 120, h - 192);
  place(IDC_FOREIGN, 10, h - 100, e, 20);
  place(IDC_TRANSLATION, e + 10, h - 100, e, 20);
  place(IDC_CLASS, w - 100, h - 104, 96, 24);
  // The three buttons share the room left of the middle: add at the left
  // edge, new word centred on a quarter, delete ending at the middle.
  const int quarter = (w - 120) / 4;
  const int buttonWidth = std::clamp((quarter - 10) * 2 / 3 - 4, 40, 100);
  place(IDC_ADD, 10, h - 75, buttonWidth, 26);
  place(IDC_NEW_WORD, quarter - buttonWidth / 2, h - 75, buttonWidth, 26);
  place(IDC_DELETE, e - buttonWidth, h - 75, buttonWidth, 26);
  for (int id : {IDC_ADD, IDC_NEW_WORD, IDC_DELETE}) {
    FitText(Control(id), static_cast<QAbstractButton*>(Control(id))->text());
  }
  place(IDC_FIRST_LANGUAGE, 32, 66, std::max(40, e - 26), 20);
  place(IDC_SECOND_LANGUAGE, e + 10, 66, std::max(40, e - 4), 20);
  move(IDC_SORT, (w - 100) / 2 + 10, h - 72);
  Control(IDC_SORT)->adjustSize();
  // The word count ends where the list ends and gives way to the sort switch.
  const int countLeft = std::max(w - 120 - 150, Control(IDC_SORT)->geometry().right() + 8);
  auto* count = static_cast<QLabel*>(Control(IDC_WORD_COUNT));
  const int countWidth = count->fontMetrics().horizontalAdvance(count->text()) + 8;
  if (countLeft + countWidth <= w - 120) {
    place(IDC_WORD_COUNT, countLeft, h - 75, w - 120 - countLeft, 26);
  } else {
    // A narrow window has no room beside the sort switch: the count goes
    // under it.
    place(IDC_WORD_COUNT, std::max(10, w - 120 - countWidth), h - 46, std::min(countWidth, w - 130),
          24);
  }

  // Practice panel.
  const int p = w < 644 ? w - 210 : 433;
  move(IDC_COUNTERS_GROUP, 10, 90);
  for (int i = 0; i < 4; ++i) {
    move(IDC_LABEL_TOTAL + i, 20, 120 + 20 * i);
  }
  const int values[4] = {IDC_COUNT_TOTAL, IDC_COUNT_CURRENT, IDC_COUNT_RIGHT, IDC_COUNT_WRONG};
  for (int i = 0; i < 4; ++i) move(values[i], 110, 120 + 20 * i);
  move(IDC_DIRECTION, 20, 205);
  QWidget* questionGroup = Control(IDC_QUESTION_GROUP);
  questionGroup->setGeometry(200, 90, p, questionGroup->height());
  move(IDC_CLASS_PICTURE, 210, 110);
  QWidget* question = Control(IDC_QUESTION);
  // Inside the group box: a right-to-left question ends at its right edge.
  question->setGeometry(230, 106, p - 40, question->height());
  QWidget* answerGroup = Control(IDC_ANSWER_GROUP);
  answerGroup->setGeometry(200, 160, p, answerGroup->height());
  place(IDC_ANSWER, 220, 183, p - 100, 20);
  place(IDC_SUGGESTIONS, 220, 203, p - 80, 60);
  place(IDC_SUGGEST_BUTTON, p + 120, 183, 20, 20);
  move(IDC_ANSWER_BUTTON, p + 150, 183);
  FitText(Control(IDC_ANSWER_BUTTON),
          static_cast<QAbstractButton*>(Control(IDC_ANSWER_BUTTON))->text());
}

bool CMainDlg::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* target = qobject_cast<QWidget*>(watched);
      if (!target || target->window() != this || !isVisible()) break;
      if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) break;
      TypeAheadInPause(watched, event);
      if (TranslateAccelerator(static_cast<QKeyEvent*>(event))) return true;
      break;
    }
    case QEvent::InputMethod:
      TypeAheadInPause(watched, event);
      break;
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
      const bool in = event->type() == QEvent::FocusIn;
      if (watched == m_wordListBox) {
        m_listHasFocus = in;
        if (in && m_wordListBox->count() == 0) {
          m_foreignEdit->setFocus();
        } else if (in) {
          SetStatus(kTxtStatusWordList);
        }
      } else if (watched == m_foreignEdit && in) {
        SetStatus(m_adding ? kTxtStatusForeign : kTxtStatusChange);
      } else if (watched == m_translationEdit && in) {
        SetStatus(m_adding ? kTxtStatusTranslation : kTxtStatusChange);
      } else if (watched == m_classBox && in) {
        SetStatus(kTxtStatusClassFocus);
      } else if (watched == m_firstLanguageEdit || watched == m_secondLanguageEdit) {
        OnLanguageFocus(static_cast<QWidget*>(watched), in);
      } else if (watched == m_answerEdit && in) {
        SetStatus(m_exercise.WriteForeign() ? kTxtStatusTranslation : kTxtStatusForeign);
      } else if (watched == m_suggestions && !in) {
        CloseSuggestions();
      } else if (watched == Control(IDC_ONLY_COUNT) && !in) {
        ClampOnlyCount();
      } else if (watched == Control(IDC_PAUSE) && !in) {
        NormalisePause();
      }
      break;
    }
    case QEvent::MouseButtonPress:
      if (watched == m_client && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (m_mode == Edit) NewWord();
        if (m_mode == Practice) m_suggestions->hide();
      }
      break;
    case QEvent::Resize:
      // The client's resize comes here twice, as its own filter and as the
      // application's: it is laid out once.
      if (watched == m_client && m_client->size() != m_laidOutSize)
        LayoutClient(m_client->width(), m_client->height());
      break;
    case QEvent::Paint:
      // The window icon is drawn at four sizes for the window manager; that
      // waits until the window has shown its contents.
      if (watched == this && !m_iconSet) {
        m_iconSet = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(CPictures::ProgramIcon()); });
      }
      break;
    case QEvent::Enter:
      if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == this) UpdateHoverHelp(w);
      break;
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

// --- menus -----------------------------------------------------------------------

QAction* CMainDlg::AddCommand(QMenu* menu, int id, unsigned textNumber) {
  QAction* action = menu->addAction(LangQText(textNumber));
  action->setObjectName(QStringLiteral("cmd%1").arg(id));
  connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
  m_commands[id] = action;
  return action;
}

QMenu* CMainDlg::AddFileMenu() {
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
  for (int i = 0; i < CRecentFiles::kCount; ++i) {
    QAction* action = recent->addAction(CRecentFiles::MenuText(i, QString()));
    const int id = ID_RECENT_FIRST + i;
    action->setObjectName(QStringLiteral("cmd%1").arg(id));
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_commands[id] = action;
  }
  file->addSeparator();
  AddCommand(file, ID_APP_EXIT, kTxtMenuExit);
  return file;
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
    AddCommand(edit, ID_ADD_WORD, m_adding ? kTxtMenuAdd : kTxtMenuChange)
        ->setEnabled(Control(IDC_ADD)->isEnabled());
    AddCommand(edit, ID_DELETE_WORDS, kTxtMenuDelete)->setEnabled(Control(IDC_DELETE)->isEnabled());
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
  QAction* language = view->addAction(StringTableQText(kStrMenuLanguage));
  language->setObjectName(QStringLiteral("cmd%1").arg(IDM_LANGUAGE));
  connect(language, &QAction::triggered, this, [this] { OnCommand(IDM_LANGUAGE); });
  m_commands[IDM_LANGUAGE] = language;
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

// --- accelerators -------------------------------------------------------------------

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
      {QKeySequence(Qt::Key_F3), IDC_SEARCH},
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
