#include "SpecialCharDlg.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLabel>

#include "DialogTexts.h"
#include "controls/CharGrid.h"
#include "controls/Cp1252Edit.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "lang/LangText.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"

CSpecialCharDlg::CSpecialCharDlg(CPlatform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform) {
  setWindowTitle(LangQText(kTxtSpecialCaption));

  m_charLabel = new QLabel(LangQText(kTxtSpecialCharLabel), this);
  m_charLabel->setObjectName(QStringLiteral("c%1").arg(IDC_CHAR_LABEL));
  m_charLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  m_edit = new CCp1252Edit(this);
  m_edit->setObjectName(QStringLiteral("c%1").arg(IDC_CHAR_EDIT));
  m_edit->SetRefusalHint(LangQText(kTxtDlgCharRefused));
  m_edit->setAccessibleName(AccessibleLabel(m_charLabel->text()));
  m_charLabel->setBuddy(m_edit);

  m_gridLabel = new QLabel(LangQText(kTxtSpecialGridLabel), this);
  m_gridLabel->setObjectName(QStringLiteral("c%1").arg(IDC_GRID_LABEL));
  m_grid = new CCharGrid(this);
  m_grid->setObjectName(QStringLiteral("c%1").arg(IDC_CHAR_GRID));
  m_grid->setAccessibleName(AccessibleLabel(m_gridLabel->text()));
  m_gridLabel->setBuddy(m_grid);

  m_ok = MakeDialogButton(LangQText(kTxtDlgOk), this);
  m_ok->setObjectName(QStringLiteral("c1"));
  m_ok->setDefault(true);
  m_cancel = MakeDialogButton(LangQText(kTxtDlgCancel), this);
  m_cancel->setObjectName(QStringLiteral("c2"));

  connect(m_ok, &QAbstractButton::clicked, this, &CSpecialCharDlg::accept);
  connect(m_cancel, &QAbstractButton::clicked, this, &CSpecialCharDlg::reject);
  connect(m_edit, &QLineEdit::textChanged, m_grid, &CCharGrid::MarkText);
  connect(m_grid, &CCharGrid::CharChosen, this, &CSpecialCharDlg::OnCharChosen);

  // Dialog units around the grid, whose cells are pixels: it is made large
  // enough for every character, so that none of them is out of reach.
  const CDialogUnits du(font());
  const int margin = du.X(7);
  const int labelWidth = qMax(du.X(40), m_charLabel->sizeHint().width());
  const int rowY = du.Y(7);
  const int rowHeight = du.Y(12);
  m_charLabel->setGeometry(margin, rowY, labelWidth, rowHeight);
  m_edit->setGeometry(margin + labelWidth + du.X(4), rowY, du.X(40), rowHeight);

  const QSize gridSize = m_grid->sizeHint();
  const int gridLabelY = rowY + rowHeight + du.Y(8);
  const int gridLabelHeight = m_gridLabel->sizeHint().height();
  m_gridLabel->setGeometry(
      margin, gridLabelY, qMax(gridSize.width(), m_gridLabel->sizeHint().width()), gridLabelHeight);
  const int gridY = gridLabelY + gridLabelHeight + du.Y(3);
  m_grid->setGeometry(margin, gridY, gridSize.width(), gridSize.height());

  const int buttonX = margin + qMax(gridSize.width(), m_gridLabel->sizeHint().width()) + du.X(10);
  const int buttonWidth =
      std::max({du.X(50), m_ok->sizeHint().width(), m_cancel->sizeHint().width()});
  m_ok->setGeometry(buttonX, du.Y(6), buttonWidth, du.Y(14));
  m_cancel->setGeometry(buttonX, du.Y(24), buttonWidth, du.Y(14));
  setFixedSize(buttonX + buttonWidth + margin, gridY + gridSize.height() + margin);

  setTabOrder(m_edit, m_grid);
  setTabOrder(m_grid, m_ok);
  setTabOrder(m_ok, m_cancel);
  m_edit->setFocus();
}

void CSpecialCharDlg::SetCharacter(const QString& character) {
  m_edit->setText(character);
  m_grid->MarkText(character);  // also when the text did not change
  m_edit->selectAll();
}

void CSpecialCharDlg::OnCharChosen(QChar ch) {
  m_edit->setText(QString(ch));
  m_edit->setFocus();
  m_edit->selectAll();
}

void CSpecialCharDlg::accept() {
  m_character = m_edit->text();
  QDialog::accept();
}

void CSpecialCharDlg::keyPressEvent(QKeyEvent* event) {
  if (HelpOnF1(event, m_platform, kHelpSpecialChars)) return;
  QDialog::keyPressEvent(event);
}
