#include "CsvPreviewDlg.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTreeWidget>

#include "ListFileIo.h"
#include "WordList.h"
#include "WordListDialogTexts.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "lang/LangText.h"
#include "lang/TextParse.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"

namespace {

template <class T>
T* Named(T* widget, int id) {
  widget->setObjectName(QStringLiteral("c%1").arg(id));
  return widget;
}

}  // namespace

CCsvPreviewDlg::CCsvPreviewDlg(CPlatform& platform, const QString& path, std::string_view data,
                               const CsvOptions& options, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_data(data) {
  setWindowTitle(LangQText(kTxtCsvCaption));

  auto* file = Named(new QLabel(this), IDC_CSV_FILE);
  auto* delimiterLabel =
      Named(new QLabel(LangQText(kTxtCsvDelimiter), this), IDC_CSV_DELIMITER_LABEL);
  m_delimiter = Named(new QComboBox(this), IDC_CSV_DELIMITER);
  const unsigned names[] = {kTxtCsvComma, kTxtCsvSemicolon, kTxtCsvTab};
  for (std::size_t i = 0; i < std::size(names); ++i)
    m_delimiter->addItem(LangQText(names[i]), QVariant(int(CCsvFile::kDelimiters[i])));
  const int shown = m_delimiter->findData(QVariant(int(options.delimiter)));
  m_delimiter->setCurrentIndex(std::max(shown, 0));
  delimiterLabel->setBuddy(m_delimiter);
  m_delimiter->setAccessibleName(AccessibleLabel(delimiterLabel->text()));

  m_header = Named(new QCheckBox(LangQText(kTxtCsvHeader), this), IDC_CSV_HEADER);
  m_header->setChecked(options.header);

  auto* previewLabel = Named(new QLabel(LangQText(kTxtCsvPreview), this), IDC_CSV_PREVIEW_LABEL);
  m_rows = Named(new QTreeWidget(this), IDC_CSV_PREVIEW);
  m_rows->setColumnCount(2);
  m_rows->setRootIsDecorated(false);
  m_rows->setUniformRowHeights(true);
  m_rows->setAlternatingRowColors(true);
  m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
  m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_rows->header()->setSectionsMovable(false);
  m_rows->header()->setStretchLastSection(true);
  previewLabel->setBuddy(m_rows);
  m_rows->setAccessibleName(AccessibleLabel(previewLabel->text()));

  m_count = Named(new QLabel(this), IDC_CSV_COUNT);
  m_count->setWordWrap(true);
  m_count->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* ok = MakeDialogButton(LangQText(kTxtDialogOk), this, 1);
  ok->setDefault(true);
  auto* cancel = MakeDialogButton(LangQText(kTxtDialogCancel), this, 2);
  connect(ok, &QAbstractButton::clicked, this, &CCsvPreviewDlg::accept);
  connect(cancel, &QAbstractButton::clicked, this, &CCsvPreviewDlg::reject);

  // Dialog units: the file, the two choices, the preview, the count and the
  // buttons, top to bottom. The label column grows with its caption.
  const CDialogUnits du(font());
  const int margin = du.X(7);
  const int width = du.X(260);
  const int right = margin + width;
  const int rowHeight = du.Y(12);
  int y = du.Y(7);
  file->setGeometry(margin, y, width, du.Y(10));
  file->setText(fontMetrics().elidedText(path, Qt::ElideMiddle, width));
  file->setToolTip(path);
  y += du.Y(10) + du.Y(5);
  const int labelWidth = std::max(du.X(50), delimiterLabel->sizeHint().width());
  delimiterLabel->setGeometry(margin, y, labelWidth, rowHeight);
  const int comboWidth = std::max(du.X(90), m_delimiter->sizeHint().width());
  m_delimiter->setGeometry(margin + labelWidth + du.X(4), y, comboWidth, rowHeight + du.Y(2));
  y += rowHeight + du.Y(6);
  m_header->setGeometry(margin, y, std::max(width, m_header->sizeHint().width()), rowHeight);
  y += rowHeight + du.Y(6);
  previewLabel->setGeometry(margin, y, width, du.Y(10));
  y += du.Y(10) + du.Y(2);
  m_rows->setGeometry(margin, y, width, du.Y(120));
  m_rows->header()->resizeSection(0, width / 2);
  y += du.Y(120) + du.Y(4);
  // Room for the longest count text, however it wraps in this language.
  m_count->setText(LangQTextWith(kTxtCsvWordCount, QStringLiteral("300")) + QLatin1Char('\n') +
                   LangQTextWith(kTxtCsvTooMany, QStringLiteral("99999")));
  const int countHeight = std::max(du.Y(18), m_count->heightForWidth(width));
  m_count->setGeometry(margin, y, width, countHeight);
  y += countHeight + du.Y(4);
  const int buttonWidth = std::max({du.X(50), ok->sizeHint().width(), cancel->sizeHint().width()});
  cancel->setGeometry(right - buttonWidth, y, buttonWidth, du.Y(14));
  ok->setGeometry(right - 2 * buttonWidth - du.X(4), y, buttonWidth, du.Y(14));
  setFixedSize(right + margin, y + du.Y(14) + margin);

  QWidget* order[] = {m_delimiter, m_header, m_rows, ok, cancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  m_delimiter->setFocus();

  connect(m_delimiter, &QComboBox::currentIndexChanged, this, &CCsvPreviewDlg::Refresh);
  connect(m_header, &QCheckBox::toggled, this, &CCsvPreviewDlg::Refresh);
  Refresh();
}

CsvOptions CCsvPreviewDlg::GetOptions() const {
  CsvOptions options;
  options.delimiter = char(m_delimiter->currentData().toInt());
  options.header = m_header->isChecked();
  return options;
}

void CCsvPreviewDlg::Refresh() {
  // The preview is the reader's own result, so it cannot differ from what
  // OK takes. A list without platform shows no message of its own.
  const CsvOptions options = GetOptions();
  CWordList preview;
  preview.SetCsvQuestion([options](const QString&, std::string_view, CsvOptions& asked) {
    asked = options;
    return true;
  });
  (void)preview.ReadBytes(QStringLiteral("CSV"), m_data);  // a preview has no messages to show

  m_rows->setHeaderLabels({QString::fromStdString(preview.GetFirstLanguage()),
                           QString::fromStdString(preview.GetSecondLanguage())});
  m_rows->clear();
  QList<QTreeWidgetItem*> items;
  const int count = preview.GetCount();
  items.reserve(count);
  for (int i = 0; i < count; ++i) {
    items.append(
        new QTreeWidgetItem(QStringList{QString::fromStdString(preview.GetForeign(i)),
                                        QString::fromStdString(preview.GetTranslation(i))}));
  }
  m_rows->addTopLevelItems(items);
  // A current row for the keyboard, but nothing looks chosen: rows are not picked here.
  if (count > 0) m_rows->setCurrentItem(m_rows->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);

  QString text = LangQTextWith(kTxtCsvWordCount, QString::number(count));
  // Counting takes the whole file; the header choice does not change it.
  auto counted = m_wordRows.find(options.delimiter);
  if (counted == m_wordRows.end()) {
    counted =
        m_wordRows.emplace(options.delimiter, CCsvFile::CountWordRows(m_data, options.delimiter))
            .first;
  }
  int inFile = counted->second;
  if (options.header && inFile > 0) --inFile;
  if (inFile > CWordList::kMaxWords)
    text += QLatin1Char('\n') + LangQTextWith(kTxtCsvTooMany, QString::number(inFile));
  m_count->setText(text);
}

void CCsvPreviewDlg::keyPressEvent(QKeyEvent* event) {
  if (HelpOnF1(event, m_platform, kHelpCsvImport)) return;
  QDialog::keyPressEvent(event);
}

CsvQuestion CCsvPreviewDlg::Question(CPlatform& platform, QWidget* parent) {
  return [&platform, window = QPointer<QWidget>(parent)](const QString& path, std::string_view data,
                                                         CsvOptions& options) {
    CCsvPreviewDlg dialog(platform, path, data, options, window);
    // Reading holds the wait cursor; the user's turn shows the normal one.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    QApplication::restoreOverrideCursor();
    if (accepted) options = dialog.GetOptions();
    return accepted;
  };
}
