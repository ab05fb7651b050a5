#include "DirectionDlg.h"

#include <algorithm>

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

#include "PracticeDialogTexts.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "controls/Pictures.h"
#include "lang/LangText.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"
#include "platform/ProgramHelp.h"

namespace {

// Template layout in dialog units.
constexpr int kMargin = 5;       // left edge of the first button
constexpr int kRightMargin = 6;  // right of the last button
constexpr int kButtonTop = 7;
constexpr int kButtonWidth = 58;
constexpr int kButtonHeight = 38;
constexpr int kButtonGap = 4;
constexpr int kHintGap = 8;  // between the buttons and the hint line
constexpr int kHintHeight = 13;
constexpr int kDialogWidth = 193;
constexpr int kHintIndent = 2;

constexpr int kIconSize = 32;

constexpr int kFocusTimerMs = 1;

}  // namespace

CDirectionDlg::CDirectionDlg(CPlatform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform) {
  setWindowTitle(LangQText(kTxtDirectionCaption));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  const auto makeButton = [this](const char* name, unsigned text, unsigned hint,
                                 CPictures::ButtonPicture picture) {
    CHoverButton* button = MakeDialogButton(LangQText(text), this);
    button->setObjectName(QLatin1String(name));
    button->SetIcon(CPictures::ButtonIcon(picture), QIcon(), kIconSize, kIconSize);
    button->SetAlign(CHoverButton::IconAbove);
    // The dialog decides what Enter does (OnEnter), not a default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    // Keyboard and screen-reader users get the hover text as the description.
    button->setAccessibleDescription(LangQText(hint));
    button->installEventFilter(this);
    return button;
  };
  m_foreign = makeButton("IDC_FOREIGN", kTxtDirectionForeign, kTxtDirectionHintForeign,
                         CPictures::ButtonPicture::WriteForeign);
  m_translation =
      makeButton("IDC_TRANSLATION", kTxtDirectionTranslation, kTxtDirectionHintTranslation,
                 CPictures::ButtonPicture::WriteTranslation);
  m_cancel = makeButton("IDCANCEL", kTxtDirectionCancel, kTxtDirectionHintCancel,
                        CPictures::ButtonPicture::Cancel);

  m_hint = new QLabel(this);
  m_hint->setObjectName(QStringLiteral("IDC_HINT"));
  m_hint->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  m_hint->setWordWrap(true);
  m_hint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  m_hint->setTextFormat(Qt::PlainText);

  setTabOrder(m_foreign, m_translation);
  setTabOrder(m_translation, m_cancel);

  connect(m_foreign, &QPushButton::clicked, this, &CDirectionDlg::OnForeign);
  connect(m_translation, &QPushButton::clicked, this, &CDirectionDlg::OnTranslation);
  connect(m_cancel, &QPushButton::clicked, this, &CDirectionDlg::reject);

  m_focusTimer.setSingleShot(true);
  m_focusTimer.setInterval(kFocusTimerMs);
  connect(&m_focusTimer, &QTimer::timeout, this, &CDirectionDlg::OnFocusTimer);

  LayOut();
  ShowHint(kTxtDirectionChoose);
}

CHoverButton* CDirectionDlg::Button(int id) const {
  switch (id) {
    case IDC_FOREIGN:
      return m_foreign;
    case IDC_TRANSLATION:
      return m_translation;
    case IDCANCEL:
      return m_cancel;
    default:
      return nullptr;
  }
}

void CDirectionDlg::LayOut() {
  const CDialogUnits du(font());
  // Template sizes, grown where a caption in the current language needs more.
  int buttonWidth = du.X(kButtonWidth);
  int buttonHeight = du.Y(kButtonHeight);
  for (const CHoverButton* button : {m_foreign, m_translation, m_cancel}) {
    buttonWidth = std::max(buttonWidth, button->sizeHint().width());
    buttonHeight = std::max(buttonHeight, button->sizeHint().height());
  }
  int x = du.X(kMargin);
  for (CHoverButton* button : {m_foreign, m_translation, m_cancel}) {
    button->setGeometry(x, du.Y(kButtonTop), buttonWidth, buttonHeight);
    x += buttonWidth + du.X(kButtonGap);
  }
  const int width =
      std::max(du.X(kDialogWidth), m_cancel->geometry().right() + 1 + du.X(kRightMargin));

  // The hint line runs along the bottom edge, tall enough for the longest of
  // its texts, which wrap rather than being cut.
  m_hint->setContentsMargins(du.X(kHintIndent), 0, du.X(kHintIndent), 0);
  int hintHeight = du.Y(kHintHeight);
  for (unsigned text : {kTxtDirectionChoose, kTxtDirectionHintCancel, kTxtDirectionHintForeign,
                        kTxtDirectionHintTranslation}) {
    m_hint->setText(LangQText(text));
    hintHeight = std::max(hintHeight, m_hint->heightForWidth(width));
  }
  const int hintTop = m_foreign->geometry().bottom() + 1 + du.Y(kHintGap);
  m_hint->setGeometry(0, hintTop, width, hintHeight);
  setFixedSize(width, hintTop + hintHeight);
}

void CDirectionDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!m_focusTimerStarted) {
    m_focusTimerStarted = true;
    m_focusTimer.start();
  }
}

void CDirectionDlg::OnFocusTimer() {
  m_focusTimer.stop();
  (LastDirection() == Direction::Translation ? m_translation : m_foreign)
      ->setFocus(Qt::OtherFocusReason);
}

void CDirectionDlg::OnForeign() {
  RememberDirection(Direction::Foreign);
  done(IDC_FOREIGN);
}

void CDirectionDlg::OnTranslation() {
  RememberDirection(Direction::Translation);
  done(IDC_TRANSLATION);
}

std::optional<Direction> CDirectionDlg::Choose() {
  switch (exec()) {
    case IDC_FOREIGN:
      return Direction::Foreign;
    case IDC_TRANSLATION:
      return Direction::Translation;
    default:
      return std::nullopt;
  }
}

void CDirectionDlg::reject() {
  done(IDCANCEL);
}

void CDirectionDlg::OnEnter() {
  const QWidget* focus = focusWidget();
  if (focus == m_translation)
    OnTranslation();
  else if (focus == m_cancel)
    reject();
  else
    OnForeign();
}

void CDirectionDlg::OnHelp() {
  ShowProgramHelp(m_platform, kHelpDirection);
}

void CDirectionDlg::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (modifiers == Qt::NoModifier) {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        OnEnter();
        return;
      case Qt::Key_F1:
        OnHelp();
        return;
      default:
        break;
    }
  }
  QDialog::keyPressEvent(event);
}

bool CDirectionDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) {
    if (watched == m_foreign)
      ShowHint(kTxtDirectionHintForeign);
    else if (watched == m_translation)
      ShowHint(kTxtDirectionHintTranslation);
    else if (watched == m_cancel)
      ShowHint(kTxtDirectionHintCancel);
  } else if (event->type() == QEvent::Leave) {
    ShowHint(kTxtDirectionChoose);
  }
  return QDialog::eventFilter(watched, event);
}

void CDirectionDlg::ShowHint(unsigned text) {
  m_hint->setText(LangQText(text));
}
