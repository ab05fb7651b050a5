#include "ImportDlg.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>

#include "CsvPreviewDlg.h"
#include "WordListDialogTexts.h"
#include "WordListTexts.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "controls/WordListBox.h"
#include "lang/LangText.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"

namespace {

// A long path is cut in the middle, so that both the start of the folder and
// the file name stay visible; the whole text is in the tooltip and in text().
class CPathLabel : public QLabel {
 public:
  using QLabel::QLabel;

  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
  }
};

}  // namespace

CImportDlg::CImportDlg(CPlatform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_sourceList(&platform) {
  setWindowTitle(LangQText(kTxtImportCaption));
  m_sourceList.SetCsvQuestion(CCsvPreviewDlg::Question(platform, this));

  m_file = new CPathLabel(LangQText(kTxtImportNoFileYet), this);
  m_file->setObjectName(QStringLiteral("c%1").arg(IDC_IMPORT_FILE));
  m_file->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  m_words = new CWordListBox(this);
  m_words->setObjectName(QStringLiteral("c%1").arg(IDC_IMPORT_WORDS));
  m_words->setSelectionMode(QAbstractItemView::MultiSelection);
  m_words->SetTabStop(0);
  m_words->SetClassNames(
      {LangQText(kTxtImportClassNone), LangQText(kTxtImportClass1), LangQText(kTxtImportClass2)});
  m_words->setAccessibleName(QString(LangQText(kTxtImportCaption)).remove(QLatin1Char('&')));

  m_ok = MakeDialogButton(LangQText(kTxtImportOk), this, 1);
  m_ok->setDefault(true);
  m_cancel = MakeDialogButton(LangQText(kTxtDialogCancel), this, 2);
  m_browse = MakeDialogButton(LangQText(kTxtImportOtherFile), this, IDC_IMPORT_BROWSE);
  m_browse->setAutoDefault(false);
  connect(m_ok, &QAbstractButton::clicked, this, &CImportDlg::accept);
  connect(m_cancel, &QAbstractButton::clicked, this, &CImportDlg::reject);
  connect(m_browse, &QAbstractButton::clicked, this, &CImportDlg::BrowseForList);

  // Dialog units; the button column grows when a caption needs more room.
  const CDialogUnits du(font());
  const int margin = du.X(7);
  const int listWidth = du.X(222);
  const int fileHeight = qMax(du.Y(10), m_file->sizeHint().height());
  m_file->setGeometry(margin, du.Y(7), listWidth, fileHeight);
  const int listY = du.Y(7) + fileHeight + du.Y(3);
  m_words->setGeometry(margin, listY, listWidth, du.Y(160));
  const int buttonX = margin + listWidth + du.X(7);
  const int buttonWidth = std::max({du.X(58), m_ok->sizeHint().width(),
                                    m_cancel->sizeHint().width(), m_browse->sizeHint().width()});
  m_ok->setGeometry(buttonX, listY, buttonWidth, du.Y(14));
  m_cancel->setGeometry(buttonX, listY + du.Y(18), buttonWidth, du.Y(14));
  m_browse->setGeometry(buttonX, listY + du.Y(42), buttonWidth, du.Y(14));
  setFixedSize(buttonX + buttonWidth + margin, listY + du.Y(160) + margin);

  setTabOrder(m_words, m_ok);
  setTabOrder(m_ok, m_cancel);
  setTabOrder(m_cancel, m_browse);
  m_words->setFocus();
}

void CImportDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_opened) return;
  m_opened = true;
  // The file dialog comes up over this one once it is on the screen.
  QMetaObject::invokeMethod(this, &CImportDlg::BrowseForList, Qt::QueuedConnection);
}

void CImportDlg::BrowseForList() {
  FileDialogRequest request;
  request.title = LangQText(kTxtImportFileTitle);
  request.filter = LangQText(kTxtOpenFilter);
  FileDialogResult chosen;
  if (!m_platform.GetOpenFileName(request, chosen)) return;

  // The source list is never saved from here, so it must not ask the save
  // question that an interchange file (read as modified) would raise. The
  // loader still reports a file it rejects.
  m_sourceList.SetModified(false);
  const FileResult result = m_sourceList.OpenFile(chosen.path);
  // A cancelled CSV preview is as if no file was chosen.
  if (result == FileResult::Cancelled) return;
  if (result == FileResult::Failed) {
    m_file->setText(LangQText(kTxtImportNoFileOpen));
    m_file->setToolTip(QString());
    m_ok->setEnabled(false);
    return;
  }
  m_file->setText(chosen.path);
  m_file->setToolTip(chosen.path);
  m_ok->setEnabled(true);
  m_words->clear();
  const int count = m_sourceList.GetCount();
  for (int i = 0; i < count; ++i) {
    m_words->AddLine(m_sourceList.GetForeign(i) + '\t' + m_sourceList.GetTranslation(i),
                     m_sourceList.GetMark(i));
  }
  if (count > 0) m_words->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  m_words->setFocus();
}

void CImportDlg::accept() {
  if (!m_ok->isEnabled()) return;  // no readable file chosen
  // Each line stands at the index of its word, so every selected line brings
  // its own translation and class, also when two words share a foreign word.
  m_chosenWords.ClearWords();
  const int count = m_sourceList.GetCount();
  for (const int row : m_words->SelectedRows()) {
    if (row >= count) continue;
    // The chosen words come from one list: they always fit another.
    (void)m_chosenWords.AddWord(m_sourceList.GetForeign(row), m_sourceList.GetTranslation(row),
                                m_sourceList.GetMark(row));
  }
  QDialog::accept();
}

void CImportDlg::keyPressEvent(QKeyEvent* event) {
  if (HelpOnF1(event, m_platform, kHelpImport)) return;
  QDialog::keyPressEvent(event);
}
