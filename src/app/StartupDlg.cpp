#include "StartupDlg.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "AppTexts.h"
#include "LanguageDlg.h"
#include "controls/ColorStatic.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/Pictures.h"
#include "lang/LangText.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"

namespace {

// Template layout in dialog units.
constexpr int kWidth = 431;
constexpr int kHeight = 161;
constexpr QRect kStatusRect(121, 97, 170, 13);
constexpr QRect kSubtitleRect(275, 76, 127, 13);

constexpr ColorRef kBlue = 0xFF0000;
constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kLightGrey = 0xC0C0C0;

constexpr int kFirstCloseMs = 2000;
constexpr int kLaterCloseMs = 1000;

}  // namespace

CStartupDlg::CStartupDlg(CPlatform& platform, StartupSetup setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_platform(platform),
      m_setup(std::move(setup)) {
  setObjectName(QStringLiteral("StartupDlg"));
  setWindowTitle(QStringLiteral("Vokabit"));
  setAccessibleName(QStringLiteral("Vokabit"));

  m_status = new CColorStatic(this);
  m_status->setObjectName(QStringLiteral("c%1").arg(IDC_STATUS));
  m_status->SetBackColour(kBlue);
  m_status->SetTextColour(kWhite);
  m_status->SetCentred(true);
  QFont bold = font();
  bold.setBold(true);
  m_status->setFont(bold);

  m_subtitle = new CColorStatic(this);
  m_subtitle->setObjectName(QStringLiteral("c%1").arg(IDC_SUBTITLE));
  m_subtitle->SetBackColour(kBlue);
  m_subtitle->SetTextColour(kLightGrey);
  m_subtitle->SetCentred(true);

  m_status->SetText(QStringLiteral("Starting..."));
  m_subtitle->SetText(LangQText(kTxtSlogan));
  LayOut();
}

void CStartupDlg::LayOut() {
  const CDialogUnits du(font());
  setFixedSize(du.Size(kWidth, kHeight));
  // The second text may be longer in another language: it keeps its right
  // edge and grows to the left, over the blue band.
  QRect subtitle =
      du.Rect(kSubtitleRect.x(), kSubtitleRect.y(), kSubtitleRect.width(), kSubtitleRect.height());
  const int needed = m_subtitle->sizeHint().width() + du.X(4);
  if (needed > subtitle.width()) subtitle.setLeft(std::max(du.X(8), subtitle.right() - needed));
  m_subtitle->setGeometry(subtitle);
  m_status->setGeometry(
      du.Rect(kStatusRect.x(), kStatusRect.y(), kStatusRect.width(), kStatusRect.height()));
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void CStartupDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_started) return;
  m_started = true;
  // The routine runs once the picture is on screen.
  QTimer::singleShot(0, this, &CStartupDlg::RunStartup);
}

void CStartupDlg::RunStartup() {
  m_started = true;
  m_helpFile = RunStartupRoutine(*this, m_platform, m_setup);
  m_finished = true;
  m_closeTimer.start(kFirstCloseMs, this);
}

void CStartupDlg::SetStatus(const QString& text) {
  // SetText repaints at once: the routine does not return to the event loop
  // between its steps.
  m_status->SetText(text);
}

void CStartupDlg::SetStatusRed(bool red) {
  m_status->SetTextColour(red ? kRed : kWhite);
}

bool CStartupDlg::ChooseLanguage() {
  CLanguageDlg dialog(m_platform, nullptr);
  // Below the picture, so that its status line stays in sight.
  dialog.adjustSize();
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    QPoint at(frame.center().x() - dialog.width() / 2, frame.bottom() + 16);
    if (at.y() + dialog.height() + 40 > area.bottom()) at.setY(frame.top() + 16);
    dialog.move(at);
  }
  return dialog.exec() == QDialog::Accepted;
}

void CStartupDlg::timerEvent(QTimerEvent* event) {
  if (event->timerId() != m_closeTimer.timerId()) {
    QDialog::timerEvent(event);
    return;
  }
  m_closeTimer.stop();
  if (m_finished) {
    accept();
  } else {
    m_closeTimer.start(kLaterCloseMs, this);
  }
}

void CStartupDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  if (HelpOnF1(event, m_platform, kHelpStartup)) return;
  // Any other key closes the picture, once the routine is done.
  if (m_finished) accept();
}

void CStartupDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_finished) accept();
}

void CStartupDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Drawn once per size: the status line repaints often while the routine runs.
  if (m_picture.deviceIndependentSize().toSize() != size() ||
      m_picture.devicePixelRatio() != devicePixelRatioF()) {
    m_picture = CPictures::SplashPicture(size(), devicePixelRatioF());
  }
  painter.drawPixmap(0, 0, m_picture);
  // The thin border of a window without a caption.
  painter.setPen(QColor(0x00, 0x00, 0x60));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
