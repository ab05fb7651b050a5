#include "PrintFormatDlg.h"

#include <algorithm>

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "PrintDialogTexts.h"
#include "PrintSample.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "controls/OneLineEdit.h"
#include "lang/LangText.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"
#include "settings/SettingValues.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

namespace {

// The page-number value is written under this spelling when it is off; the
// store matches names without regard to case, so both name the same value.
constexpr QLatin1String kValueShowPageNumberOff("ShowPageNumber");

// The check boxes with their settings and texts, and their places in dialog
// units.
struct CheckBoxRow {
  int id;
  QLatin1String setting;
  unsigned text;
  int x, y;
};
constexpr CheckBoxRow kChecks[] = {
    {CPrintFormatDlg::IDC_SHOW_TITLE, kValueShowFileName, kTxtFormatShowTitle, 7, 7},
    {CPrintFormatDlg::IDC_SHOW_PAGE_NUMBER, kValueShowPagenumber, kTxtFormatShowPageNumber, 7, 39},
    {CPrintFormatDlg::IDC_COLUMN_HEADINGS, kValueShowTextFO, kTxtFormatColumnHeadings, 13, 69},
    {CPrintFormatDlg::IDC_SINGLE_HEADING, kValueShowOnlyTOv, kTxtFormatSingleHeading, 13, 86},
    {CPrintFormatDlg::IDC_ONLY_FOREIGN, kValueShowOnlyF, kTxtFormatOnlyForeign, 13, 115},
    {CPrintFormatDlg::IDC_ONLY_TRANSLATIONS, kValueShowOnlyO, kTxtFormatOnlyTranslations, 13, 133},
};

// The margin rows: label, edit, setting, label text.
struct MarginRow {
  int labelId;
  int editId;
  QLatin1String setting;
  unsigned text;
};
constexpr MarginRow kMargins[4] = {
    {CPrintFormatDlg::IDC_MARGIN_TOP_LABEL, CPrintFormatDlg::IDC_MARGIN_TOP, kValueMarginTop,
     kTxtFormatMarginTop},
    {CPrintFormatDlg::IDC_MARGIN_BOTTOM_LABEL, CPrintFormatDlg::IDC_MARGIN_BOTTOM,
     kValueMarginBottom, kTxtFormatMarginBottom},
    {CPrintFormatDlg::IDC_MARGIN_LEFT_LABEL, CPrintFormatDlg::IDC_MARGIN_LEFT, kValueMarginLeft,
     kTxtFormatMarginLeft},
    {CPrintFormatDlg::IDC_MARGIN_RIGHT_LABEL, CPrintFormatDlg::IDC_MARGIN_RIGHT, kValueMarginRight,
     kTxtFormatMarginRight},
};

void WritePrintSetting(QLatin1String name, const QString& value) {
  WriteSetting(SettingsRoot::CurrentUser, kKeyPrint, name, value);
}

QString Named(QWidget* widget, int id) {
  const QString name = QStringLiteral("c%1").arg(id);
  widget->setObjectName(name);
  return name;
}

QLabel* MakeLabel(unsigned text, int id, QWidget* parent) {
  auto* label = new QLabel(LangQText(text), parent);
  Named(label, id);
  return label;
}

QLineEdit* MakeDigitsEdit(int id, int maxLength, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  Named(edit, id);
  edit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  edit->setMaxLength(maxLength);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

}  // namespace

CPrintFormatDlg::CPrintFormatDlg(CPlatform& platform, const std::string& title, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_title(title) {
  setWindowTitle(LangQText(kTxtFormatCaption));
  const CDialogUnits du(font());
  const int margin = du.X(7);

  // Left column: the check boxes, the title and the headed groups.
  QWidget* leftColumn[16] = {};
  int leftCount = 0;
  for (const CheckBoxRow& box : kChecks) {
    auto* check = new QCheckBox(LangQText(box.text), this);
    Named(check, box.id);
    check->adjustSize();
    check->move(du.X(box.x), du.Y(box.y));
    connect(check, &QAbstractButton::clicked, this, [this, id = box.id] { OnCheckClicked(id); });
    leftColumn[leftCount++] = check;
  }
  m_titleEdit = new COneLineEdit(this);
  Named(m_titleEdit, IDC_TITLE);
  m_titleEdit->SetRefusalHint(LangQText(kTxtFormatCharRefused));
  m_titleEdit->setAccessibleName(AccessibleLabel(LangQText(kTxtFormatShowTitle)));

  struct Heading {
    int id;
    unsigned text;
    int y;
  };
  const Heading headings[3] = {{IDC_HEADINGS_LABEL, kTxtFormatHeadings, 57},
                               {IDC_COLUMNS_LABEL, kTxtFormatColumns, 104},
                               {IDC_TEXT_SIZE_HEADING, kTxtFormatTextSize, 151}};
  QLabel* headingLabels[3];
  for (int i = 0; i < 3; ++i) {
    headingLabels[i] = MakeLabel(headings[i].text, headings[i].id, this);
    headingLabels[i]->adjustSize();
    headingLabels[i]->move(du.X(7), du.Y(headings[i].y));
    leftColumn[leftCount++] = headingLabels[i];
  }
  auto* sizeLabel = MakeLabel(kTxtFormatTextSizeLabel, IDC_TEXT_SIZE_LABEL, this);
  sizeLabel->adjustSize();
  m_textSizeEdit = MakeDigitsEdit(IDC_TEXT_SIZE, 4, this);
  m_textSizeEdit->setAccessibleName(AccessibleLabel(sizeLabel->text()));
  sizeLabel->setBuddy(m_textSizeEdit);
  const int rowHeight = std::max(du.Y(12), m_textSizeEdit->sizeHint().height());
  const int sizeY = du.Y(164);
  sizeLabel->move(du.X(13), sizeY + (rowHeight - sizeLabel->height()) / 2);
  m_textSizeEdit->setGeometry(sizeLabel->geometry().right() + du.X(4), sizeY, du.X(24), rowHeight);
  leftColumn[leftCount++] = m_textSizeEdit;

  int columnRight = du.X(160);
  for (int i = 0; i < leftCount; ++i)
    columnRight = std::max(columnRight, leftColumn[i]->geometry().right());
  m_titleEdit->setGeometry(du.X(20), du.Y(20), columnRight - du.X(20),
                           std::max(du.Y(12), m_titleEdit->sizeHint().height()));
  // A heading is followed by an etched line up to the column's right edge.
  for (QLabel* label : headingLabels) {
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    const int left = label->geometry().right() + du.X(4);
    line->setGeometry(left, label->geometry().center().y() - 1, columnRight - left, 3);
  }

  // Right: the sample page above the margins, both clear of the left column.
  const double scale = std::min(du.BaseWidth() / 6.0, du.BaseHeight() / 13.0);
  m_sample = new CPrintSample(scale, this);
  m_sample->setObjectName(QStringLiteral("sample"));
  m_sample->move(std::max(qRound(CPrintSample::kPage.x() * scale), columnRight + du.X(10)),
                 qRound(CPrintSample::kPage.y() * scale));

  auto* group = new QGroupBox(LangQText(kTxtFormatMargins), this);
  Named(group, IDC_MARGINS_GROUP);
  QLabel* marginLabels[4];
  QLabel* units[4];
  int labelWidth = 0;
  int unitWidth = 0;
  for (int i = 0; i < 4; ++i) {
    marginLabels[i] = MakeLabel(kMargins[i].text, kMargins[i].labelId, group);
    m_marginEdits[i] = MakeDigitsEdit(kMargins[i].editId, 5, group);
    units[i] = MakeLabel(kTxtFormatMarginUnit, IDC_MARGIN_UNIT + i, group);
    marginLabels[i]->setBuddy(m_marginEdits[i]);
    m_marginEdits[i]->setAccessibleName(AccessibleLabel(marginLabels[i]->text()));
    labelWidth = std::max(labelWidth, marginLabels[i]->sizeHint().width());
    unitWidth = std::max(unitWidth, units[i]->sizeHint().width());
  }
  const int groupTop = du.Y(10) + group->fontMetrics().height() / 2;
  for (int i = 0; i < 4; ++i) {
    const int y = groupTop + i * (rowHeight + du.Y(2));
    marginLabels[i]->setGeometry(du.X(6), y, labelWidth, rowHeight);
    m_marginEdits[i]->setGeometry(du.X(6) + labelWidth + du.X(4), y, du.X(28), rowHeight);
    units[i]->setGeometry(m_marginEdits[i]->geometry().right() + du.X(4), y, unitWidth, rowHeight);
  }
  group->setGeometry(std::max(du.X(171), columnRight + du.X(10)), du.Y(122),
                     units[0]->geometry().right() + du.X(6),
                     groupTop + 4 * rowHeight + 3 * du.Y(2) + du.Y(6));

  auto* ok = MakeDialogButton(LangQText(kTxtFormatOk), this, 1);
  ok->setDefault(true);
  auto* cancel = MakeDialogButton(LangQText(kTxtFormatCancel), this, 2);
  connect(ok, &QAbstractButton::clicked, this, &CPrintFormatDlg::accept);
  connect(cancel, &QAbstractButton::clicked, this, &CPrintFormatDlg::reject);

  const int right = std::max(m_sample->geometry().right(), group->geometry().right());
  const int buttonWidth = std::max({du.X(50), ok->sizeHint().width(), cancel->sizeHint().width()});
  const int buttonY =
      std::max(group->geometry().bottom(), m_textSizeEdit->geometry().bottom()) + du.Y(7);
  cancel->setGeometry(right - buttonWidth, buttonY, buttonWidth, du.Y(14));
  ok->setGeometry(right - 2 * buttonWidth - du.X(4), buttonY, buttonWidth, du.Y(14));
  setFixedSize(right + margin, buttonY + du.Y(14) + margin);

  QWidget* order[] = {Check(IDC_SHOW_TITLE),
                      m_titleEdit,
                      Check(IDC_SHOW_PAGE_NUMBER),
                      Check(IDC_COLUMN_HEADINGS),
                      Check(IDC_SINGLE_HEADING),
                      Check(IDC_ONLY_FOREIGN),
                      Check(IDC_ONLY_TRANSLATIONS),
                      m_textSizeEdit,
                      m_marginEdits[0],
                      m_marginEdits[1],
                      m_marginEdits[2],
                      m_marginEdits[3],
                      ok,
                      cancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  LoadSettings();
  m_titleEdit->SetText(m_title);
  m_titleEdit->setCursorPosition(0);
  Check(IDC_SHOW_TITLE)->setFocus();
}

QCheckBox* CPrintFormatDlg::Check(int id) const {
  return findChild<QCheckBox*>(QStringLiteral("c%1").arg(id));
}

void CPrintFormatDlg::LoadSettings() {
  for (const CheckBoxRow& box : kChecks)
    Check(box.id)->setChecked(ReadBoolSetting(kKeyPrint, box.setting));
  for (int i = 0; i < 4; ++i) {
    m_marginEdits[i]->setText(QString::number(ReadIntSetting(kKeyPrint, kMargins[i].setting)));
  }
  m_textSizeEdit->setText(QString::number(ReadIntSetting(kKeyPrint, kValueTextSize)));
  UpdateSample();
}

void CPrintFormatDlg::OnCheckClicked(int id) {
  QCheckBox* clicked = Check(id);
  switch (id) {
    case IDC_ONLY_FOREIGN:
    case IDC_ONLY_TRANSLATIONS:
      // Only foreign words and only translations exclude each other.
      if (clicked->isChecked())
        Check(id == IDC_ONLY_FOREIGN ? IDC_ONLY_TRANSLATIONS : IDC_ONLY_FOREIGN)->setChecked(false);
      break;
    case IDC_COLUMN_HEADINGS:
    case IDC_SINGLE_HEADING:
      Check(id == IDC_COLUMN_HEADINGS ? IDC_SINGLE_HEADING : IDC_COLUMN_HEADINGS)
          ->setChecked(!clicked->isChecked());
      break;
    default:
      break;
  }
  UpdateSample();
}

void CPrintFormatDlg::UpdateSample() {
  CPrintSample::Options options;
  options.title = Check(IDC_SHOW_TITLE)->isChecked();
  options.pageNumber = Check(IDC_SHOW_PAGE_NUMBER)->isChecked();
  options.columnHeadings = Check(IDC_COLUMN_HEADINGS)->isChecked();
  options.singleHeading = Check(IDC_SINGLE_HEADING)->isChecked();
  options.onlyForeign = Check(IDC_ONLY_FOREIGN)->isChecked();
  options.onlyTranslations = Check(IDC_ONLY_TRANSLATIONS)->isChecked();
  m_sample->SetOptions(options);
  m_titleEdit->setEnabled(options.title);
}

void CPrintFormatDlg::accept() {
  const CSettingsBatch batch;  // one replace of the settings file for all
  // The key is made if it is missing, so that no choice is dropped.
  CreateSettingsKey(SettingsRoot::CurrentUser, kKeyPrint);
  for (const CheckBoxRow& box : kChecks) {
    const bool on = Check(box.id)->isChecked();
    QLatin1String name = box.setting;
    if (box.id == IDC_SHOW_PAGE_NUMBER && !on) name = kValueShowPageNumberOff;
    WriteBoolSetting(kKeyPrint, name, on);
  }
  for (int i = 0; i < 4; ++i) WritePrintSetting(kMargins[i].setting, m_marginEdits[i]->text());
  WritePrintSetting(kValueTextSize, m_textSizeEdit->text());
  m_title = m_titleEdit->GetText();
  QDialog::accept();
}

void CPrintFormatDlg::keyPressEvent(QKeyEvent* event) {
  if (HelpOnF1(event, m_platform, kHelpPrintFormat)) return;
  QDialog::keyPressEvent(event);
}
