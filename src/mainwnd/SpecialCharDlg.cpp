#include "SpecialCharDlg.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

#include "DialogTexts.h"
#include "controls/CharGrid.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "controls/OneLineEdit.h"
#include "lang/LangText.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

namespace {

// The names of the grid's blocks, in its order.
constexpr unsigned kBlockNames[] = {
    kTxtBlockLatin1,    kTxtBlockLatinExtA,  kTxtBlockLatinExtB,   kTxtBlockIpa,
    kTxtBlockCombining, kTxtBlockGreek,      kTxtBlockCyrillic,    kTxtBlockHebrew,
    kTxtBlockArabic,    kTxtBlockVietnamese, kTxtBlockPunctuation, kTxtBlockKana,
};

}  // namespace

CSpecialCharDlg::CSpecialCharDlg(CPlatform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform) {
  setWindowTitle(LangQText(kTxtSpecialCaption));

  m_charLabel = new QLabel(LangQText(kTxtSpecialCharLabel), this);
  m_charLabel->setObjectName(QStringLiteral("c%1").arg(IDC_CHAR_LABEL));
  m_charLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  m_edit = new COneLineEdit(this);
  m_edit->setObjectName(QStringLiteral("c%1").arg(IDC_CHAR_EDIT));
  m_edit->SetRefusalHint(LangQText(kTxtDlgCharRefused));
  m_edit->setAccessibleName(AccessibleLabel(m_charLabel->text()));
  m_charLabel->setBuddy(m_edit);

  m_blockLabel = new QLabel(LangQText(kTxtSpecialBlockLabel), this);
  m_blockLabel->setObjectName(QStringLiteral("c%1").arg(IDC_BLOCK_LABEL));
  m_blockLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  m_block = new QComboBox(this);
  m_block->setObjectName(QStringLiteral("c%1").arg(IDC_BLOCK));
  Q_ASSERT(std::size(kBlockNames) == std::size_t(CCharGrid::BlockCount()));
  for (const unsigned name : kBlockNames) m_block->addItem(LangQText(name));
  m_block->setAccessibleName(AccessibleLabel(m_blockLabel->text()));
  m_blockLabel->setBuddy(m_block);

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
  connect(m_block, &QComboBox::currentIndexChanged, this, [this](int block) {
    m_grid->SetBlock(block);
    m_grid->MarkText(m_edit->text());
  });
  const int remembered = CCharGrid::BlockOfId(
      ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueSpecialBlock).toStdString());
  m_block->setCurrentIndex(std::max(remembered, 0));

  // Dialog units around the grid, whose cells are pixels: it is made large
  // enough for every character, so that none of them is out of reach.
  const CDialogUnits du(font());
  const int margin = du.X(7);
  const int labelWidth =
      std::max({du.X(40), m_charLabel->sizeHint().width(), m_blockLabel->sizeHint().width()});
  const int rowY = du.Y(7);
  const int rowHeight = du.Y(12);
  const QSize gridSize = m_grid->sizeHint();
  const int fieldX = margin + labelWidth + du.X(4);
  m_charLabel->setGeometry(margin, rowY, labelWidth, rowHeight);
  m_edit->setGeometry(fieldX, rowY, du.X(40), rowHeight);

  // The buttons beside the grid, the character group below them across the
  // whole dialog: a long group name has the room of both.
  const int contentWidth = std::max(gridSize.width(), m_gridLabel->sizeHint().width());
  const int buttonX = margin + contentWidth + du.X(10);
  const int buttonWidth =
      std::max({du.X(50), m_ok->sizeHint().width(), m_cancel->sizeHint().width()});
  const int right = buttonX + buttonWidth;
  m_ok->setGeometry(buttonX, du.Y(6), buttonWidth, du.Y(14));
  m_cancel->setGeometry(buttonX, du.Y(24), buttonWidth, du.Y(14));

  const int blockY = du.Y(24) + du.Y(14) + du.Y(6);
  const int blockHeight = std::max(rowHeight, m_block->sizeHint().height());
  m_blockLabel->setGeometry(margin, blockY, labelWidth, blockHeight);
  m_block->setGeometry(fieldX, blockY, right - fieldX, blockHeight);
  // The open list shows every name whole.
  m_block->view()->setMinimumWidth(m_block->view()->sizeHintForColumn(0) + du.X(8));

  const int gridLabelY = blockY + blockHeight + du.Y(6);
  const int gridLabelHeight = m_gridLabel->sizeHint().height();
  m_gridLabel->setGeometry(margin, gridLabelY, contentWidth, gridLabelHeight);
  const int gridY = gridLabelY + gridLabelHeight + du.Y(3);
  m_grid->setGeometry(margin, gridY, gridSize.width(), gridSize.height());
  setFixedSize(right + margin, gridY + gridSize.height() + margin);

  setTabOrder(m_edit, m_block);
  setTabOrder(m_block, m_grid);
  setTabOrder(m_grid, m_ok);
  setTabOrder(m_ok, m_cancel);
  m_edit->setFocus();
}

void CSpecialCharDlg::SetCharacter(const QString& character) {
  m_edit->SetText(character);
  m_grid->MarkText(character);  // also when the text did not change
  m_edit->selectAll();
}

void CSpecialCharDlg::OnCharChosen(QChar ch) {
  m_edit->SetText(QString(ch));
  m_edit->setFocus();
  m_edit->selectAll();
}

void CSpecialCharDlg::accept() {
  m_character = m_edit->text();
  QDialog::accept();
}

void CSpecialCharDlg::done(int result) {
  const QString id = QString::fromUtf8(CCharGrid::BlockId(m_grid->Block()));
  if (ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueSpecialBlock) != id)
    WriteSetting(SettingsRoot::CurrentUser, kKeySetups, kValueSpecialBlock, id);
  QDialog::done(result);
}

void CSpecialCharDlg::keyPressEvent(QKeyEvent* event) {
  if (HelpOnF1(event, m_platform, kHelpSpecialChars)) return;
  QDialog::keyPressEvent(event);
}
