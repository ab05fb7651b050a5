#include "SearchDlg.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLabel>

#include "DialogTexts.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "controls/OneLineEdit.h"
#include "lang/LangText.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"

CSearchDlg::CSearchDlg(CPlatform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform) {
  setWindowTitle(LangQText(kTxtSearchCaption));

  m_label = new QLabel(LangQText(kTxtSearchLabel), this);
  m_label->setObjectName(QStringLiteral("c%1").arg(IDC_SEARCH_LABEL));
  m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  m_edit = new COneLineEdit(this);
  m_edit->setObjectName(QStringLiteral("c%1").arg(IDC_SEARCH_TEXT));
  m_edit->SetRefusalHint(LangQText(kTxtDlgCharRefused));
  m_edit->setAccessibleName(AccessibleLabel(m_label->text()));
  m_label->setBuddy(m_edit);
  m_ok = MakeDialogButton(LangQText(kTxtSearchOk), this);
  m_ok->setObjectName(QStringLiteral("c1"));
  m_ok->setDefault(true);
  m_cancel = MakeDialogButton(LangQText(kTxtDlgCancel), this);
  m_cancel->setObjectName(QStringLiteral("c2"));
  connect(m_ok, &QAbstractButton::clicked, this, &CSearchDlg::accept);
  connect(m_cancel, &QAbstractButton::clicked, this, &CSearchDlg::reject);

  // Laid out in dialog units; the label and the buttons grow when their
  // texts need more room than the layout gives.
  const CDialogUnits du(font());
  const int margin = du.X(7);
  const int labelWidth = qMax(du.X(36), m_label->sizeHint().width());
  const int editX = margin + labelWidth + du.X(4);
  const int editWidth = du.X(140);
  const int buttonX = editX + editWidth + du.X(10);
  const int buttonWidth =
      std::max({du.X(54), m_ok->sizeHint().width(), m_cancel->sizeHint().width()});
  m_label->setGeometry(margin, du.Y(7), labelWidth, du.Y(12));
  m_edit->setGeometry(editX, du.Y(7), editWidth, du.Y(12));
  m_ok->setGeometry(buttonX, du.Y(6), buttonWidth, du.Y(14));
  m_cancel->setGeometry(buttonX, du.Y(24), buttonWidth, du.Y(14));
  setFixedSize(buttonX + buttonWidth + margin, du.Y(45));

  setTabOrder(m_edit, m_ok);
  setTabOrder(m_ok, m_cancel);
  m_edit->setFocus();
}

void CSearchDlg::SetSearchText(const std::string& text) {
  m_text = text;
  m_edit->SetText(text);
  m_edit->selectAll();
}

void CSearchDlg::accept() {
  m_text = m_edit->GetText();
  QDialog::accept();
}

void CSearchDlg::keyPressEvent(QKeyEvent* event) {
  if (HelpOnF1(event, m_platform, kHelpSearch)) return;
  QDialog::keyPressEvent(event);
}
