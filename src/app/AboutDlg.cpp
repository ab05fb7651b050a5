#include "AboutDlg.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>

#include "AppTexts.h"
#include "controls/ColorLabel.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "controls/Pictures.h"
#include "lang/LangText.h"
#include "platform/Platform.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

namespace {

// Template layout in dialog units.
constexpr int kWidth = 449;
constexpr int kHeight = 225;
constexpr QRect kBannerRect(0, 0, 449, 86);
constexpr QRect kFactsRect(27, 104, 177, 86);
constexpr QRect kLabelVersion(33, 118, 58, 11);
constexpr QRect kVersion(93, 118, 90, 11);
constexpr QRect kLabelMadeBy(33, 132, 57, 11);
constexpr QRect kMaker(93, 133, 90, 11);
constexpr QRect kLabelMail(33, 147, 58, 10);
constexpr QRect kMail(91, 144, 90, 13);
constexpr QRect kLabelWeb(33, 163, 58, 10);
constexpr QRect kWeb(91, 162, 97, 13);
constexpr QRect kText(237, 92, 208, 110);
constexpr QRect kSlogan(27, 202, 165, 18);
constexpr QRect kOk(315, 206, 41, 14);

constexpr ColorRef kBlue = 0xFF0000;
constexpr ColorRef kLinkBlue = 0xA04000;  // a link at rest, a shade darker
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kWhite = 0xFFFFFF;

QRect Px(const CDialogUnits& du, const QRect& r) {
  return du.Rect(r.x(), r.y(), r.width(), r.height());
}

}  // namespace

QString CAboutDlg::Version() {
  return QStringLiteral(VOKABIT_VERSION);
}

QString CAboutDlg::LinkText(const QString& address) {
  QString text = address.trimmed();
  for (const char* scheme : {"mailto:", "https://", "http://"}) {
    if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) {
      text.remove(0, qsizetype(qstrlen(scheme)));
      break;
    }
  }
  if (text.endsWith(QLatin1Char('/'))) text.chop(1);
  // A button caption would take "&" for a mnemonic.
  return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

CAboutDlg::CAboutDlg(CPlatform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_platform(platform) {
  setObjectName(QStringLiteral("AboutDlg"));
  setWindowTitle(LangQText(kTxtProgramDisplayName));
  setAccessibleName(windowTitle());
  const CDialogUnits du(font());

  const auto label = [this, &du](int id, const QString& text, const QRect& at) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QStringLiteral("c%1").arg(id));
    l->setTextFormat(Qt::PlainText);
    // As wide as its text; the values follow the widest label.
    const QRect place = Px(du, at);
    l->setGeometry(place.left(), place.top(), l->sizeHint().width(), place.height());
    return l;
  };
  const auto link = [this, &du](int id, const QRect& at, const QString& address) {
    auto* button = new CHoverButton(LinkText(address), this);
    button->setObjectName(QStringLiteral("c%1").arg(id));
    button->SetFlat(true);
    button->SetDrawBorder(false);
    button->SetInactiveBackColour(kWhite, false);
    button->SetActiveBackColour(kWhite, false);
    button->SetInactiveTextColour(kLinkBlue, false);
    button->SetActiveTextColour(kBlue, false);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    QFont underlined = font();
    underlined.setUnderline(true);
    button->setFont(underlined);
    const QRect place = Px(du, at);
    button->setGeometry(place.left(), place.top(), button->sizeHint().width(),
                        std::max(place.height(), button->sizeHint().height()));
    return button;
  };

  QLabel* versionLabel = label(IDC_LABEL_VERSION, LangQText(kTxtAboutVersion), kLabelVersion);
  QLabel* version = label(IDC_VERSION, Version(), kVersion);
  QLabel* madeByLabel = label(IDC_LABEL_MADE_BY, LangQText(kTxtAboutMadeBy), kLabelMadeBy);
  QLabel* maker = label(IDC_MAKER, LangQText(kTxtAboutMaker), kMaker);
  QLabel* mailLabel = label(IDC_LABEL_MAIL, LangQText(kTxtAboutMail), kLabelMail);
  QLabel* webLabel = label(IDC_LABEL_WEB, LangQText(kTxtAboutWeb), kLabelWeb);
  CHoverButton* mail =
      link(IDC_MAIL, kMail, ReadSetting(SettingsRoot::CurrentUser, kKeyBrannvik, kValueMail));
  CHoverButton* web =
      link(IDC_WEB, kWeb, ReadSetting(SettingsRoot::CurrentUser, kKeyVokabit, kValueHemsida));
  for (QLabel* l : {versionLabel, version, madeByLabel, maker, mailLabel, webLabel}) {
    QPalette onWhite = l->palette();
    onWhite.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(onWhite);
  }
  // The values and the links' texts start in one column after the labels; a
  // link's text sits in the middle of its button.
  int valueLeft = Px(du, kVersion).left();
  const int linkPadding = (web->width() - web->fontMetrics().horizontalAdvance(web->text())) / 2;
  for (QLabel* l : {versionLabel, madeByLabel, mailLabel, webLabel})
    valueLeft = std::max(valueLeft, l->geometry().right() + 1 + linkPadding + du.X(1));
  for (QWidget* w : std::initializer_list<QWidget*>{version, maker}) {
    w->setGeometry(valueLeft, w->y(), std::max(w->width(), w->sizeHint().width()), w->height());
  }
  // Each value stands on the line of its label.
  maker->move(maker->x(), madeByLabel->y());
  mail->move(valueLeft - linkPadding, mailLabel->geometry().center().y() - mail->height() / 2);
  web->move(valueLeft - linkPadding, webLabel->geometry().center().y() - web->height() / 2);
  versionLabel->setBuddy(version);
  mail->setAccessibleName(AccessibleLabel(mailLabel->text()) + QStringLiteral(": ") + mail->text());
  web->setAccessibleName(AccessibleLabel(webLabel->text()) + QStringLiteral(": ") + web->text());
  connect(mail, &QPushButton::clicked, this, [this] {
    m_platform.ShellOpen(ReadSetting(SettingsRoot::CurrentUser, kKeyBrannvik, kValueMail));
  });
  connect(web, &QPushButton::clicked, this, [this] {
    m_platform.ShellOpen(ReadSetting(SettingsRoot::CurrentUser, kKeyVokabit, kValueHemsida));
  });

  auto* text = new QPlainTextEdit(LangQText(kTxtAboutText), this);
  text->setObjectName(QStringLiteral("c%1").arg(IDC_TEXT));
  text->setReadOnly(true);
  text->setAccessibleName(LangQText(kTxtProgramDisplayName));
  text->setGeometry(Px(du, kText));

  auto* slogan = new CColorLabel(LangQText(kTxtSlogan), this);
  slogan->setObjectName(QStringLiteral("c%1").arg(IDC_SLOGAN));
  slogan->SetTextColour(kRed);
  slogan->setAutoFillBackground(false);
  QFont bold = font();
  bold.setBold(true);
  slogan->setFont(bold);
  slogan->setGeometry(Px(du, kSlogan));
  slogan->resize(std::max(slogan->width(), slogan->sizeHint().width()), slogan->height());

  CHoverButton* ok = MakeDialogButton(LangQText(kTxtAboutOk), this, IDOK);
  ok->setDefault(true);
  QRect okRect = Px(du, kOk);
  okRect.setWidth(std::max(okRect.width(), ok->sizeHint().width()));
  okRect.setHeight(std::max(okRect.height(), ok->sizeHint().height()));
  ok->setGeometry(okRect);
  connect(ok, &QPushButton::clicked, this, &CAboutDlg::accept);

  setTabOrder(ok, web);
  setTabOrder(web, mail);
  setTabOrder(mail, text);

  m_banner = Px(du, kBannerRect);
  m_facts = Px(du, kFactsRect);
  // The facts' frame takes in a longer label or link of another language.
  for (QWidget* w : std::initializer_list<QWidget*>{version, maker, mail, web})
    m_facts.setRight(std::max(m_facts.right(), w->geometry().right() + du.X(6)));
  setFixedSize(du.Size(kWidth, kHeight));
  ok->setFocus();
}

void CAboutDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  if (m_picture.deviceIndependentSize().toSize() != m_banner.size() ||
      m_picture.devicePixelRatio() != devicePixelRatioF()) {
    m_picture = CPictures::AboutPicture(m_banner.size(), devicePixelRatioF());
  }
  painter.drawPixmap(m_banner.topLeft(), m_picture);
  painter.fillRect(m_facts, Qt::white);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(m_facts.adjusted(0, 0, -1, -1));
  // The thin border of a window without a caption.
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
