#include "ListPropertiesDlg.h"

#include <algorithm>

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QToolTip>

#include "ListProperties.h"
#include "WordList.h"
#include "WordListDialogTexts.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "controls/OneLineEdit.h"
#include "controls/Pictures.h"
#include "lang/LangText.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"

namespace {

bool Storable(const QString& text) {
  return COneLineEdit::RefusedChars(text) == 0;
}

// The multi-line description takes any character but control characters
// other than line breaks and tabs; a refused input leaves the text as it was
// and says why, as the one-line edits of the program do. Typed keys never
// bring in a control character.
class CDescriptionEdit : public QPlainTextEdit {
 public:
  explicit CDescriptionEdit(QWidget* parent) : QPlainTextEdit(parent) {}

 protected:
  void inputMethodEvent(QInputMethodEvent* event) override {
    if (!Storable(event->commitString())) {
      Refuse();
      event->accept();
      return;
    }
    QPlainTextEdit::inputMethodEvent(event);
  }
  bool canInsertFromMimeData(const QMimeData* source) const override {
    return source->hasText() && QPlainTextEdit::canInsertFromMimeData(source);
  }
  void insertFromMimeData(const QMimeData* source) override {
    if (!Storable(source->text())) {
      Refuse();
      return;
    }
    QPlainTextEdit::insertFromMimeData(source);
  }

 private:
  void Refuse() {
    QApplication::beep();
    QToolTip::showText(mapToGlobal(QPoint(0, height())), LangQText(kTxtListCharRefused), this);
  }
};

// A value the user can read, select and copy but not change, drawn like a
// label (as read-only values look in property sheets).
QLineEdit* MakeValue(int id, QWidget* parent) {
  auto* value = new QLineEdit(parent);
  value->setObjectName(QStringLiteral("c%1").arg(id));
  value->setReadOnly(true);
  value->setFrame(false);
  QPalette colours = value->palette();
  colours.setColor(QPalette::Base, colours.color(QPalette::Window));
  value->setPalette(colours);
  return value;
}

QLabel* MakeLabel(unsigned text, int id, QWidget* parent) {
  auto* label = new QLabel(LangQText(text), parent);
  label->setObjectName(QStringLiteral("c%1").arg(id));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

// Line breaks show as lines in the edit, however the list holds them.
QString ShownDescription(const std::string& stored) {
  QString text = QString::fromStdString(DescriptionForDisplay(stored));
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

CListPropertiesDlg::CListPropertiesDlg(CPlatform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform) {
  setWindowTitle(LangQText(kTxtPropCaption));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("c%1").arg(IDC_PROP_ICON));
  m_name = MakeValue(IDC_PROP_NAME, this);
  m_name->setAccessibleName(AccessibleLabel(LangQText(kTxtPropCaption)));

  // Labels 1186 to 1193 with their values, top to bottom.
  static constexpr unsigned kLabelTexts[] = {kTxtPropFormat, kTxtPropCreator,    kTxtPropFolder,
                                             kTxtPropWords,  kTxtPropSize,       kTxtPropTitle,
                                             kTxtPropOwner,  kTxtPropDescription};
  QLabel* labels[8];
  for (int i = 0; i < 8; ++i)
    labels[i] = MakeLabel(kLabelTexts[i], IDC_PROP_FORMAT_LABEL + i, this);

  m_format = MakeValue(IDC_PROP_FORMAT, this);
  m_creator = MakeValue(IDC_PROP_CREATOR, this);
  m_folder = MakeValue(IDC_PROP_FOLDER, this);
  m_wordCount = new QLabel(this);
  m_wordCount->setObjectName(QStringLiteral("c%1").arg(IDC_PROP_WORDS));
  m_size = new QLabel(this);
  m_size->setObjectName(QStringLiteral("c%1").arg(IDC_PROP_SIZE));
  for (QLabel* fact : {m_wordCount, m_size}) {
    fact->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fact->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }

  m_titleEdit = new COneLineEdit(this);
  m_titleEdit->setObjectName(QStringLiteral("c%1").arg(IDC_PROP_TITLE));
  m_ownerEdit = new COneLineEdit(this);
  m_ownerEdit->setObjectName(QStringLiteral("c%1").arg(IDC_PROP_OWNER));
  for (COneLineEdit* edit : {m_titleEdit, m_ownerEdit})
    edit->SetRefusalHint(LangQText(kTxtListCharRefused));
  m_descriptionEdit = new CDescriptionEdit(this);
  m_descriptionEdit->setObjectName(QStringLiteral("c%1").arg(IDC_PROP_DESCRIPTION));
  m_descriptionEdit->setTabChangesFocus(true);  // Tab moves on; Enter makes a new line
  m_descriptionEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  QWidget* values[8] = {m_format, m_creator,   m_folder,    m_wordCount,
                        m_size,   m_titleEdit, m_ownerEdit, m_descriptionEdit};
  for (int i = 0; i < 8; ++i) {
    values[i]->setAccessibleName(AccessibleLabel(labels[i]->text()));
    labels[i]->setBuddy(values[i]);
  }

  auto* ok = MakeDialogButton(LangQText(kTxtDialogOk), this, 1);
  ok->setDefault(true);
  auto* cancel = MakeDialogButton(LangQText(kTxtDialogCancel), this, 2);
  connect(ok, &QAbstractButton::clicked, this, &CListPropertiesDlg::accept);
  connect(cancel, &QAbstractButton::clicked, this, &CListPropertiesDlg::reject);

  // Dialog units, in the manner of a property sheet: the file's icon and name,
  // a line, the facts about the file, a line, the fields to edit. The label
  // column and the buttons grow when their texts need more room.
  const CDialogUnits du(font());
  const int margin = du.X(7);
  int labelWidth = du.X(56);
  for (QLabel* label : labels) labelWidth = qMax(labelWidth, label->sizeHint().width());
  const int valueX = margin + labelWidth + du.X(4);
  const int valueWidth = du.X(170);
  const int right = valueX + valueWidth;

  const int iconSize = 32;
  icon->setPixmap(CPictures::ListFileIcon().pixmap(iconSize, iconSize));
  icon->setGeometry(margin, du.Y(7), iconSize, iconSize);
  m_name->setGeometry(valueX, du.Y(7) + (iconSize - du.Y(12)) / 2, valueWidth, du.Y(12));

  auto line = [this](int y, int x, int width) {
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(x, y, width, 2);
  };
  int y = du.Y(7) + iconSize + du.Y(5);
  line(y, margin, right - margin);
  y += du.Y(5);

  const int rowHeight = du.Y(12);
  const int rowStep = du.Y(14);
  QWidget* facts[5] = {m_format, m_creator, m_folder, m_wordCount, m_size};
  for (int i = 0; i < 5; ++i, y += rowStep) {
    labels[i]->setGeometry(margin, y, labelWidth, rowHeight);
    facts[i]->setGeometry(valueX, y, valueWidth, rowHeight);
  }
  y += du.Y(1);
  line(y, margin, right - margin);
  y += du.Y(6);

  for (int i = 5; i < 7; ++i, y += du.Y(16)) {
    labels[i]->setGeometry(margin, y, labelWidth, rowHeight);
    values[i]->setGeometry(valueX, y, valueWidth, rowHeight);
  }
  labels[7]->setGeometry(margin, y, labelWidth, rowHeight);
  m_descriptionEdit->setGeometry(valueX, y, valueWidth, du.Y(56));
  y += du.Y(56) + du.Y(9);

  const int buttonWidth = std::max({du.X(50), ok->sizeHint().width(), cancel->sizeHint().width()});
  cancel->setGeometry(right - buttonWidth, y, buttonWidth, du.Y(14));
  ok->setGeometry(right - 2 * buttonWidth - du.X(4), y, buttonWidth, du.Y(14));
  setFixedSize(right + margin, y + du.Y(14) + margin);

  QWidget* order[] = {m_titleEdit, m_ownerEdit, m_descriptionEdit, ok,      cancel,
                      m_name,      m_format,    m_creator,         m_folder};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  m_titleEdit->setFocus();
}

void CListPropertiesDlg::SetData(const QString& displayName, const QString& path, int wordCount,
                                 const std::string& title, const std::string& creator,
                                 const QString& extension) {
  setWindowTitle(LangQText(kTxtPropCaption) + displayName);
  m_name->setText(displayName);
  m_name->setCursorPosition(0);
  m_format->setText(ListFormatText(extension));
  m_creator->setText(ListCreatorText(creator));
  m_folder->setText(ListFolderText(path, displayName));
  m_folder->setCursorPosition(0);
  m_folder->setToolTip(m_folder->text());
  m_wordCount->setText(QString::number(wordCount));
  m_size->setText(ListFileSizeText(path, displayName));
  m_title = title;
  m_titleEdit->SetText(title);
  m_titleEdit->setCursorPosition(0);
}

void CListPropertiesDlg::SetDescription(const std::string& description) {
  m_description = description;
  m_descriptionEdit->setPlainText(ShownDescription(description));
  m_shownDescription = m_descriptionEdit->toPlainText();
}

void CListPropertiesDlg::SetOwner(const std::string& owner) {
  m_owner = owner;
  m_ownerEdit->SetText(owner);
  m_ownerEdit->setCursorPosition(0);
}

void CListPropertiesDlg::SetFromList(const CWordList& list) {
  SetData(list.GetDisplayName(), list.GetPath(), list.GetCount(), list.GetTitle(),
          list.GetCreator(), list.GetExtension());
  SetDescription(list.GetDescription());
  SetOwner(list.GetOwner());
}

void CListPropertiesDlg::accept() {
  const std::string title = m_titleEdit->GetText();
  const std::string owner = m_ownerEdit->GetText();
  const QString shown = m_descriptionEdit->toPlainText();
  m_changed = title != m_title || owner != m_owner || shown != m_shownDescription;
  m_title = title;
  m_owner = owner;
  // An untouched description keeps its bytes exactly. An edited one holds its
  // line breaks as carriage return and line feed, as lists written on Windows
  // do, so that the description reads the same there.
  if (shown != m_shownDescription) {
    QString text = shown;
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    m_description = DescriptionForStorage(text.toStdString());
  }
  QDialog::accept();
}

bool CListPropertiesDlg::ApplyTo(CWordList& list) const {
  return ApplyListProperties(list, {m_title, m_owner, m_description, m_changed});
}

void CListPropertiesDlg::keyPressEvent(QKeyEvent* event) {
  if (HelpOnF1(event, m_platform, kHelpProperties)) return;
  QDialog::keyPressEvent(event);
}
