#include "LanguageDlg.h"

#include <QKeyEvent>
#include <QListWidget>

#include "AppTexts.h"
#include "ProgramLanguage.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "lang/LangLibrary.h"
#include "lang/LangText.h"
#include "lang/TextParse.h"
#include "lang/VkLang.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

namespace {

// Template layout in dialog units.
constexpr int kWidth = 186;
constexpr int kHeight = 95;
constexpr QRect kListRect(7, 7, 104, 81);
constexpr int kButtonX = 129;
constexpr int kOkY = 7;
constexpr int kCancelY = 24;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

}  // namespace

CLanguageDlg::CLanguageDlg(CPlatform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform) {
  setObjectName(QStringLiteral("LanguageDlg"));
  setWindowTitle(QString::fromUtf8("V\xc3\xa4lj spr\xc3\xa5k / Select language"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("c%1").arg(IDC_LANGUAGES));
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setAccessibleName(windowTitle());
  m_ok = MakeDialogButton(QStringLiteral("&OK"), this, IDOK);
  m_ok->setDefault(true);
  m_cancel = MakeDialogButton(QStringLiteral("&Cancel"), this, IDCANCEL);
  connect(m_ok, &QPushButton::clicked, this, &CLanguageDlg::accept);
  connect(m_cancel, &QPushButton::clicked, this, &CLanguageDlg::reject);
  setTabOrder(m_list, m_ok);
  setTabOrder(m_ok, m_cancel);

  // The count is asked again before each name, so that list position and
  // language index always agree.
  for (int i = 0; i < VKLangGetLangCount(); ++i) {
    const char* name = VKLangGetLangName(i);
    m_list->addItem(QString::fromUtf8(name ? name : ""));
  }
  const QString stored = ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueLanguage);
  // Before any choice the language the library took from the user's locale
  // is offered.
  const int row =
      stored.isEmpty() ? CLangLibrary::Instance().CurrentLanguage() : LeadingInt(stored);
  if (row >= 0 && row < m_list->count()) m_list->setCurrentRow(row);
  m_list->setFocus();
  LayOut();
}

void CLanguageDlg::LayOut() {
  const CDialogUnits du(font());
  int buttonWidth = du.X(kButtonWidth);
  for (const CHoverButton* button : {m_ok, m_cancel})
    buttonWidth = std::max(buttonWidth, button->sizeHint().width());
  const int buttonHeight = std::max(du.Y(kButtonHeight), m_ok->sizeHint().height());
  m_list->setGeometry(du.Rect(kListRect.x(), kListRect.y(), kListRect.width(), kListRect.height()));
  const int buttonX = std::max(du.X(kButtonX), m_list->geometry().right() + 1 + du.X(7));
  m_ok->setGeometry(buttonX, du.Y(kOkY), buttonWidth, buttonHeight);
  m_cancel->setGeometry(buttonX, std::max(du.Y(kCancelY), m_ok->geometry().bottom() + du.Y(3)),
                        buttonWidth, buttonHeight);
  setFixedSize(std::max(du.X(kWidth), buttonX + buttonWidth + du.X(7)), du.Y(kHeight));
}

void CLanguageDlg::accept() {
  const QList<QListWidgetItem*> selected = m_list->selectedItems();
  const int index = selected.isEmpty() ? -1 : m_list->row(selected.constFirst());
  if (SetProgramLanguage(index) != 0) {
    m_platform.MessageBox(StringTableQText(kStrSelectLanguage), MessageButtons::Ok,
                          MessageIcon::Information);
    m_list->setFocus();
    return;
  }
  // Stored only once the library has taken it.
  WriteSetting(SettingsRoot::CurrentUser, kKeySetups, kValueLanguage, QString::number(index));
  QDialog::accept();
}

void CLanguageDlg::keyPressEvent(QKeyEvent* event) {
  if (HelpOnF1(event, m_platform, kHelpLanguage)) return;
  QDialog::keyPressEvent(event);
}
