#include "OptionsPanel.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "SpecialCharDlg.h"
#include "SpecialChars.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "controls/Pictures.h"
#include "lang/DataDir.h"
#include "lang/LangText.h"
#include "lang/TextParse.h"
#include "platform/Platform.h"
#include "practice/Exercise.h"
#include "wordlist/WordList.h"

COptionsPanel::COptionsPanel(CPlatform& platform, QWidget* parent)
    : CPanel(parent), m_platform(platform) {
  // Each control with its template place in dialog units; PlaceControls
  // widens them where a caption in the current language needs more room.
  const auto place = [this](QWidget* control, int id, unsigned hover, QRect templatePlace) {
    Name(control, id);
    SetHoverText(control, hover);
    if (!templatePlace.isNull()) m_template.emplace_back(control, templatePlace);
  };
  const auto group = [&](int id, QRect templatePlace = {}) {
    auto* g = new QGroupBox(this);
    place(g, id, 0, templatePlace);
    g->lower();
    return g;
  };
  const auto check = [&](int id, unsigned hover, QRect templatePlace) {
    auto* c = new QCheckBox(this);
    place(c, id, hover, templatePlace);
    return c;
  };
  const auto edit = [&](int id, unsigned hover, QRect templatePlace) {
    auto* e = new QLineEdit(this);
    place(e, id, hover, templatePlace);
    return e;
  };
  const auto label = [&](int id, unsigned hover, QRect templatePlace) {
    auto* l = new QLabel(this);
    place(l, id, hover, templatePlace);
    return l;
  };
  const auto button = [&](int id, unsigned hover, QRect templatePlace = {}) {
    CHoverButton* b = MakeDialogButton(QString(), this);
    place(b, id, hover, templatePlace);
    return b;
  };

  m_soundsGroup = group(IDC_SOUNDS_GROUP, {6, 51, 418, 54});
  m_wrongSound = check(IDC_WRONG_SOUND_CHECK, kTxtHoverWrongSound, {12, 66, 58, 12});
  m_wrongSoundPath = edit(IDC_WRONG_SOUND_PATH, kTxtHoverSoundPath, {72, 65, 178, 13});
  m_chooseWrong = button(IDC_CHOOSE_WRONG_SOUND, kTxtHoverChooseWrongSound, {257, 65, 36, 13});
  m_playWrong = button(IDC_PLAY_WRONG, kTxtHoverPlayWrong, {297, 65, 38, 13});
  m_rightSound = check(IDC_RIGHT_SOUND_CHECK, kTxtHoverRightSound, {12, 82, 58, 12});
  m_rightSoundPath = edit(IDC_RIGHT_SOUND_PATH, kTxtHoverSoundPath, {72, 81, 178, 13});
  m_chooseRight = button(IDC_CHOOSE_RIGHT_SOUND, kTxtHoverChooseRightSound, {257, 81, 36, 13});
  m_playRight = button(IDC_PLAY_RIGHT, kTxtHoverPlayRight, {297, 81, 38, 13});
  const QIcon play = CPictures::ButtonIcon(CPictures::ButtonPicture::PlaySound);
  for (CHoverButton* b : {m_playWrong, m_playRight}) {
    b->SetIcon(play, play, 16, 16);
    b->SetShowText(false);
  }
  m_printGroup = group(IDC_PRINT_GROUP);
  m_languageGroup = group(IDC_LANGUAGE_GROUP);
  m_language = button(IDC_LANGUAGE, kTxtHoverLanguage);
  m_printFormat = button(IDC_PRINT_FORMAT, kTxtHoverPrintFormat);
  m_wordsGroup = group(IDC_WORDS_GROUP, {5, 156, 418, 41});
  m_allWords = check(IDC_ALL_WORDS, kTxtHoverAllWords, {12, 166, 100, 12});
  m_onlyWords = check(IDC_ONLY_WORDS, kTxtHoverOnlyWords, {12, 182, 50, 12});
  m_onlyCount = edit(IDC_ONLY_COUNT, kTxtHoverOnlyWords, {64, 182, 18, 12});
  m_onlyCount->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_onlyCount));
  m_onlyCount->setMaxLength(4);
  m_onlyCount->setAlignment(Qt::AlignRight);
  m_onlyAfter = label(IDC_ONLY_AFTER, kTxtHoverOnlyWords, {85, 183, 34, 11});
  m_shuffle = check(IDC_SHUFFLE, kTxtHoverShuffle, {121, 167, 105, 12});
  m_matchCase = check(IDC_MATCH_CASE, kTxtHoverMatchCase, {121, 182, 108, 12});
  m_pauseBefore = label(IDC_PAUSE_BEFORE, 0, {230, 168, 88, 10});
  m_pause = edit(IDC_PAUSE, kTxtHoverPause, {319, 167, 19, 12});
  m_pause->setMaxLength(8);
  m_pauseAfter = label(IDC_PAUSE_AFTER, kTxtHoverPause, {342, 168, 80, 10});
  m_showClass = check(IDC_SHOW_CLASS, kTxtHoverShowClass, {230, 181, 88, 12});
  m_checkWhileTyping =
      check(IDC_CHECK_WHILE_TYPING, kTxtHoverCheckWhileTyping, {319, 181, 100, 12});

  connect(m_wrongSound, &QAbstractButton::clicked, this, &COptionsPanel::UpdateSoundControls);
  connect(m_rightSound, &QAbstractButton::clicked, this, &COptionsPanel::UpdateSoundControls);
  connect(m_chooseWrong, &QAbstractButton::clicked, this,
          [this] { ChooseSoundFile(m_wrongSoundPath); });
  connect(m_chooseRight, &QAbstractButton::clicked, this,
          [this] { ChooseSoundFile(m_rightSoundPath); });
  connect(m_playWrong, &QAbstractButton::clicked, this,
          [this] { m_platform.PlaySound(m_wrongSoundPath->text()); });
  connect(m_playRight, &QAbstractButton::clicked, this,
          [this] { m_platform.PlaySound(m_rightSoundPath->text()); });
  connect(m_allWords, &QAbstractButton::clicked, this, [this] { OnWordsChoice(m_allWords); });
  connect(m_onlyWords, &QAbstractButton::clicked, this, [this] { OnWordsChoice(m_onlyWords); });
  connect(m_language, &QAbstractButton::clicked, this, &COptionsPanel::LanguageRequested);
  connect(m_printFormat, &QAbstractButton::clicked, this, &COptionsPanel::PrintFormatRequested);
  m_onlyCount->installEventFilter(this);
  m_pause->installEventFilter(this);
}

void COptionsPanel::SetActive(bool active) {
  if (active && !m_placed) PlaceControls();
  setVisible(active);
  if (!active) return;
  UpdateSoundControls();
  m_wrongSound->setFocus();
}

// --- the options -------------------------------------------------------------------

void COptionsPanel::Load(const PracticeOptions& options) {
  m_wrongSoundPath->setText(options.wrongSoundPath);
  m_rightSoundPath->setText(options.rightSoundPath);
  m_allWords->setChecked(options.allWords);
  m_onlyWords->setChecked(!options.allWords);
  m_onlyCount->setText(QString::number(options.onlyCount));
  m_shuffle->setChecked(options.shuffle);
  m_wrongSound->setChecked(options.wrongSound);
  m_rightSound->setChecked(options.rightSound);
  m_matchCase->setChecked(options.matchCase);
  m_showClass->setChecked(options.showClass);
  m_checkWhileTyping->setChecked(options.checkWhileTyping);
  m_pause->setText(options.pause);
  UpdateSoundControls();
}

PracticeOptions COptionsPanel::Options() const {
  PracticeOptions options;
  options.allWords = m_allWords->isChecked();
  options.onlyCount = LeadingInt(m_onlyCount->text());
  options.shuffle = m_shuffle->isChecked();
  options.matchCase = m_matchCase->isChecked();
  options.showClass = m_showClass->isChecked();
  options.checkWhileTyping = m_checkWhileTyping->isChecked();
  options.wrongSound = m_wrongSound->isChecked();
  options.rightSound = m_rightSound->isChecked();
  options.wrongSoundPath = m_wrongSoundPath->text();
  options.rightSoundPath = m_rightSoundPath->text();
  options.pause = m_pause->text();
  return options;
}

void COptionsPanel::UpdateSoundControls() {
  const bool wrong = m_wrongSound->isChecked();
  m_wrongSoundPath->setReadOnly(!wrong);
  m_chooseWrong->setEnabled(wrong);
  m_playWrong->setEnabled(wrong);
  const bool right = m_rightSound->isChecked();
  m_rightSoundPath->setReadOnly(!right);
  m_chooseRight->setEnabled(right);
  m_playRight->setEnabled(right);
}

void COptionsPanel::OnWordsChoice(QCheckBox* clicked) {
  QCheckBox* other = clicked == m_allWords ? m_onlyWords : m_allWords;
  other->setChecked(!clicked->isChecked());
}

void COptionsPanel::ClampOnlyCount() {
  const int n = std::clamp(LeadingInt(m_onlyCount->text()), 0, CWordList::kMaxWords);
  m_onlyCount->setText(QString::number(n));
}

void COptionsPanel::NormalisePause() {
  const QString normal =
      QString::fromStdString(CExercise::NormalisePauseText(m_pause->text().toStdString()));
  m_pause->setText(normal);
  PracticeOptions::SavePause(normal);
}

void COptionsPanel::ChooseSoundFile(QLineEdit* path) {
  FileDialogRequest request;
  // The folder of the current sound (a relative path lies in the data
  // folder, as the sound is played), else the program's own sounds.
  const QString current = path->text().trimmed();
  const QFileInfo sound(QDir(DataDirectory()).filePath(current));
  if (!current.isEmpty() && sound.dir().exists()) {
    request.initialPath = sound.absoluteFilePath();
  } else {
    request.initialPath = QDir(DataDirectory()).filePath(QStringLiteral("sounds"));
  }
  request.filter = LangQText(kTxtChooseSound);
  FileDialogResult result;
  if (m_platform.GetOpenFileName(request, result)) path->setText(result.path);
}

void COptionsPanel::EditSpecialChar(int index) {
  Q_EMIT StatusText(kTxtStatusSpecialChar);
  CSpecialCharDlg dialog(m_platform, window());
  dialog.SetCharacter(SpecialChar(index));
  if (dialog.exec() == QDialog::Accepted) {
    StoreSpecialChar(index, dialog.Character());
    Q_EMIT SpecialCharsChanged();
  }
  Q_EMIT StatusText(kTxtStatusSettings);
}

bool COptionsPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == m_onlyCount) ClampOnlyCount();
    if (watched == m_pause) NormalisePause();
  }
  return CPanel::eventFilter(watched, event);
}

// --- language and layout -------------------------------------------------------------

void COptionsPanel::ApplyLanguage() {
  SetText(m_wrongSound, kTxtWrongSoundCheck);
  SetText(m_rightSound, kTxtRightSoundCheck);
  SetText(m_chooseWrong, kTxtChooseWrongSound);
  SetText(m_chooseRight, kTxtChooseRightSound);
  SetText(m_soundsGroup, kTxtSoundsGroup);
  SetText(m_languageGroup, kTxtLanguageGroup);
  SetText(m_wordsGroup, kTxtWordsGroup);
  SetText(m_allWords, kTxtAllWords);
  SetText(m_onlyWords, kTxtOnlyWords);
  SetText(m_onlyAfter, kTxtOnlyWordsAfter);
  SetText(m_shuffle, kTxtShuffle);
  SetText(m_matchCase, kTxtMatchCase);
  SetText(m_printFormat, kTxtPrintFormatButton);
  SetText(m_language, kTxtLanguageButton);
  SetText(m_printGroup, kTxtPrintGroup);
  SetText(m_showClass, kTxtShowClass);
  SetText(m_checkWhileTyping, kTxtCheckWhileTyping);
  SetText(m_pauseBefore, kTxtPauseBefore);
  SetText(m_pauseAfter, kTxtPauseAfter);
  // The panel is placed for these captions when it shows: most starts never
  // open it.
  m_placed = false;
  if (IsActive()) PlaceControls();
}

int COptionsPanel::MinimumWidth() {
  if (!m_placed) PlaceControls();
  return m_minimumWidth;
}

void COptionsPanel::Layout(int width, int height) {
  setGeometry(0, 0, width, height);
}

void COptionsPanel::PlaceControls() {
  m_placed = true;
  const CDialogUnits& du = TemplateUnits();
  const auto pixels = [&du](const QRect& t) {
    return du.Rect(t.x(), t.y(), t.width(), t.height());
  };
  constexpr int kGap = 6;
  // Controls that share a template column stay aligned; a column moves right
  // when a control it shares a row with has grown into it.
  std::map<int, std::vector<std::pair<QWidget*, QRect>>> columns;  // template x -> controls
  for (const auto& [control, t] : m_template) {
    if (!qobject_cast<QGroupBox*>(control)) columns[t.x()].emplace_back(control, t);
  }
  std::vector<QRect> placed;
  for (const auto& [x, controls] : columns) {
    int left = du.X(x);
    for (const auto& [control, t] : controls) {
      const QRect r = pixels(t);
      for (const QRect& other : placed) {
        if (other.top() < r.bottom() && r.top() < other.bottom()) {
          left = std::max(left, other.right() + kGap);
        }
      }
    }
    for (const auto& [control, t] : controls) {
      const QRect p = pixels(t);
      int width = p.width();
      if (!qobject_cast<QLineEdit*>(control)) width = std::max(width, control->sizeHint().width());
      const int height =
          std::max(p.height(), std::min(control->sizeHint().height(), p.height() + 8));
      const QRect r(left, p.y() - (height - p.height()) / 2, width, height);
      control->setGeometry(r);
      placed.push_back(r);
    }
  }
  // The group boxes take in what they frame, and share one right edge.
  int groupsRight = 0;
  for (const auto& [control, t] : m_template) {
    if (!qobject_cast<QGroupBox*>(control)) continue;
    QRect r = pixels(t);
    for (const QRect& c : placed) {
      if (c.center().y() > r.top() && c.center().y() < r.bottom()) {
        r.setRight(std::max(r.right(), c.right() + 10));
      }
    }
    control->setGeometry(r);
    groupsRight = std::max(groupsRight, r.right());
  }
  for (QGroupBox* group : {m_soundsGroup, m_wordsGroup}) {
    group->resize(groupsRight - group->x() + 1, group->height());
  }
  // The middle row: the special characters (placed by the window) and the
  // print format in one frame, then the language choice.
  m_printFormat->setGeometry(215, 203, std::max(140, m_printFormat->sizeHint().width() + 16), 30);
  const int printRight =
      std::max(m_printFormat->geometry().right() + 14,
               9 + m_printGroup->fontMetrics().horizontalAdvance(m_printGroup->title()) + 24);
  m_printGroup->setGeometry(9, 178, printRight - 9, 72);
  const int languageWidth = std::max(140, m_language->sizeHint().width() + 16);
  const int languageGroupWidth =
      std::max(languageWidth + 28,
               m_languageGroup->fontMetrics().horizontalAdvance(m_languageGroup->title()) + 24);
  m_languageGroup->setGeometry(m_printGroup->geometry().right() + 12, 178, languageGroupWidth, 72);
  m_language->setGeometry(m_languageGroup->x() + 14, 203, languageWidth, 30);
  // The window never gets so narrow that the panel is cut off.
  m_minimumWidth = std::max({m_languageGroup->geometry().right(), m_soundsGroup->geometry().right(),
                             m_wordsGroup->geometry().right()}) +
                   12;
}
