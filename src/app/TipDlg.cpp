#include "TipDlg.h"

#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "AppTexts.h"
#include "ProgramLanguage.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "controls/Pictures.h"
#include "lang/DataDir.h"
#include "lang/LangText.h"
#include "lang/TextParse.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

namespace {

// Template layout in dialog units.
constexpr int kWidth = 214;
constexpr int kHeight = 142;
constexpr QRect kFrameRect(7, 7, 199, 109);
constexpr QRect kPictureRect(9, 8, 197, 107);
constexpr QRect kTipRect(17, 47, 177, 60);
constexpr QRect kCheckRect(7, 123, 89, 10);
constexpr QRect kNextRect(101, 121, 50, 14);
constexpr QRect kOkRect(157, 121, 50, 14);
constexpr int kPictureHeight = 36;  // the picture beside the heading

const QString kHidden = QStringLiteral("1");
const QString kShown = QStringLiteral("0");

QRect Px(const CDialogUnits& du, const QRect& r) {
  return du.Rect(r.x(), r.y(), r.width(), r.height());
}

}  // namespace

QString CTipDlg::TipsFilePath() {
  QString folder = ReadSetting(SettingsRoot::CurrentUser, kKeyVokabit30, kValueTipsFile);
  if (folder.isEmpty()) folder = DataDirectory() + QLatin1Char('/');
  return folder + LangQText(kTxtTipsFileName);
}

CTipDlg::CTipDlg(CPlatform& platform, QWidget* parent) : QDialog(parent), m_platform(platform) {
  setObjectName(QStringLiteral("TipDlg"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  // The file work is done before the dialog is shown.
  m_showAtStartup = ReadSetting(SettingsRoot::CurrentUser, kKeyTip, kValueStartUp) != kHidden;
  const qint64 position =
      LeadingInt(ReadSetting(SettingsRoot::CurrentUser, kKeyTip, kValueFilePos));
  if (!m_file.Open(TipsFilePath())) {
    m_tip = LangQText(kTxtTipsMissing);
  } else {
    const QString stamp = m_file.TimeStamp();
    const bool changed = stamp != ReadSetting(SettingsRoot::CurrentUser, kKeyTip, kValueTimeStamp);
    if (changed) WriteSetting(SettingsRoot::CurrentUser, kKeyTip, kValueTimeStamp, stamp);
    // A changed file, or a position no file can have, starts at the first tip.
    if (!m_file.Seek(changed || position < 0 ? 0 : position)) {
      m_platform.MessageBox(LangQText(kTxtTipsUnreadable), MessageButtons::Ok,
                            MessageIcon::Warning);
      m_file.Close();
    } else {
      ReadNextTip();
    }
  }

  m_tipLabel = new QLabel(this);
  m_tipLabel->setObjectName(QStringLiteral("c%1").arg(IDC_TIP));
  m_tipLabel->setWordWrap(true);
  m_tipLabel->setTextFormat(Qt::PlainText);
  m_tipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_tipLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QPalette white = m_tipLabel->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  m_tipLabel->setPalette(white);
  m_tipLabel->setAutoFillBackground(true);
  QFont tipFont = font();
  if (tipFont.pointSizeF() > 0) tipFont.setPointSizeF(tipFont.pointSizeF() * 1.1);
  m_tipLabel->setFont(tipFont);

  m_showCheck = new QCheckBox(LangQText(kTxtTipShowAtStart), this);
  m_showCheck->setObjectName(QStringLiteral("c%1").arg(IDC_SHOW_AT_START));
  m_next = MakeDialogButton(LangQText(kTxtTipNext), this, IDC_NEXT_TIP);
  m_next->setAutoDefault(false);
  m_ok = MakeDialogButton(LangQText(kTxtTipClose), this, IDOK);
  m_ok->setDefault(true);
  connect(m_next, &QPushButton::clicked, this, &CTipDlg::OnNextTip);
  connect(m_ok, &QPushButton::clicked, this, &CTipDlg::accept);
  setTabOrder(m_ok, m_next);
  setTabOrder(m_next, m_showCheck);

  setWindowTitle(LangQText(kTxtTipCaption));
  m_next->setEnabled(m_file.IsOpen());
  ShowValues();
  m_ok->setFocus();
}

CTipDlg::~CTipDlg() {
  if (m_file.IsOpen()) {
    WriteSetting(SettingsRoot::CurrentUser, kKeyTip, kValueFilePos,
                 QString::number(m_file.Position()));
    m_file.Close();
  }
}

void CTipDlg::ReadNextTip() {
  switch (m_file.ReadNextTip(m_tip)) {
    case CTipsFile::ReadResult::Tip:
      break;
    case CTipsFile::ReadResult::NoTips:
      // Nothing to move on to: the file is closed and no position stored.
      m_tip = LangQText(kTxtTipsNone);
      m_file.Close();
      break;
    case CTipsFile::ReadResult::ReadError:
      m_tip.clear();
      m_file.Close();
      m_platform.MessageBox(LangQText(kTxtTipsUnreadable), MessageButtons::Ok,
                            MessageIcon::Warning);
      break;
  }
}

void CTipDlg::OnNextTip() {
  ReadNextTip();
  m_next->setEnabled(m_file.IsOpen());
  ShowValues();
  if (!m_next->isEnabled()) m_ok->setFocus();
}

void CTipDlg::ShowValues() {
  m_tipLabel->setText(m_tip);
  m_tipLabel->setAccessibleName(m_tip);
  m_showCheck->setChecked(m_showAtStartup);
  LayOut();
}

void CTipDlg::accept() {
  m_showAtStartup = m_showCheck->isChecked();
  QDialog::accept();
  WriteSetting(SettingsRoot::CurrentUser, kKeyTip, kValueStartUp,
               m_showAtStartup ? kShown : kHidden);
}

void CTipDlg::LayOut() {
  const CDialogUnits du(font());
  // The bottom row: the check box at the left, the buttons at the right
  // edge. Where the captions need more room the dialog gets wider.
  QRect ok = Px(du, kOkRect);
  QRect next = Px(du, kNextRect);
  QRect check = Px(du, kCheckRect);
  ok.setLeft(ok.right() + 1 - std::max(ok.width(), m_ok->sizeHint().width()));
  next.setLeft(next.right() + 1 - std::max(next.width(), m_next->sizeHint().width()));
  next.moveRight(std::min(next.right(), ok.left() - du.X(6)));
  check.setWidth(std::max(check.width(), m_showCheck->sizeHint().width()));
  check.setHeight(std::max(check.height(), m_showCheck->sizeHint().height()));
  const int wider = std::max(0, check.right() + du.X(6) - next.left());

  // A long tip makes the white area taller. It never shrinks while the
  // dialog is open, so that the buttons do not jump under the mouse.
  QRect tip = Px(du, kTipRect);
  tip.setWidth(tip.width() + wider);
  m_taller = std::max(m_taller, m_tipLabel->heightForWidth(tip.width()) - tip.height());
  tip.setHeight(tip.height() + m_taller);
  m_tipLabel->setGeometry(tip);
  m_frame = Px(du, kFrameRect).adjusted(0, 0, wider, m_taller);
  m_picture = Px(du, kPictureRect).adjusted(0, 0, wider, m_taller);
  m_pictureSide = du.Y(kPictureHeight);

  m_ok->setGeometry(ok.translated(wider, m_taller));
  m_next->setGeometry(next.translated(wider, m_taller));
  check.translate(0, m_taller);
  check.moveTop(ok.translated(0, m_taller).center().y() - check.height() / 2);
  m_showCheck->setGeometry(check);
  setFixedSize(du.X(kWidth) + wider, du.Y(kHeight) + m_taller);
}

void CTipDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  // The sunken black frame, and the white area with the picture and the heading.
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(m_frame.adjusted(0, 0, -1, -1));
  painter.fillRect(m_picture, Qt::white);
  painter.setPen(Qt::black);
  painter.drawLine(m_frame.topLeft(), m_frame.topRight());
  painter.drawLine(m_frame.topLeft(), m_frame.bottomLeft());
  painter.drawPixmap(m_picture.topLeft(),
                     CPictures::TipPicture(m_pictureSide, devicePixelRatioF()));
  QFont heading = font();
  heading.setBold(true);
  // A font given in pixels keeps its size.
  if (heading.pointSizeF() > 0) heading.setPointSizeF(heading.pointSizeF() * 1.5);
  painter.setFont(heading);
  painter.setPen(Qt::black);
  const QRect headingRect(m_picture.left() + m_pictureSide + 6, m_picture.top(),
                          m_picture.right() - m_picture.left() - m_pictureSide - 6, m_pictureSide);
  painter.drawText(headingRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   LangQText(kTxtTipHeading));
}

void CTipDlg::keyPressEvent(QKeyEvent* event) {
  if (HelpOnF1(event, m_platform, kHelpTipOfTheDay)) return;
  QDialog::keyPressEvent(event);
}
