// The word editing panel of the main window.
#include <algorithm>

#include <QCheckBox>
#include <QCollator>
#include <QLabel>

#include "ClassComboBox.h"
#include "Cp1252.h"
#include "HoverButton.h"
#include "LangText.h"
#include "MainDlg.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "Platform.h"
#include "SpecialKeyEdit.h"
#include "WordListBox.h"

namespace {

// The sorted order of the hidden sort list: alphabetical in the user's
// locale without regard to case, so that a word with an accented first letter
// stands beside the plain letter and not after "z"; words that compare equal
// keep their order.
std::vector<std::string> SortedForeignWords(const CWordList& list) {
  std::vector<std::pair<QString, std::string>> words;
  const int count = list.GetCount();
  words.reserve(count);
  for (int i = 0; i < count; ++i) {
    const std::string word = list.GetForeign(i);
    words.emplace_back(FromCp1252(word), word);
  }
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(words.begin(), words.end(), [&collator](const auto& a, const auto& b) {
    return collator.compare(a.first, b.first) < 0;
  });
  std::vector<std::string> result;
  result.reserve(words.size());
  for (auto& w : words) result.push_back(std::move(w.second));
  return result;
}

// A language text used as a format with one "%s".
QString FormatText(unsigned textNumber, const QString& arg) {
  QString text = LangQText(textNumber);
  const int at = text.indexOf(QLatin1String("%s"));
  if (at >= 0) return text.replace(at, 2, arg);
  return text + arg;
}

}  // namespace

void CMainDlg::FillWordListBox() {
  m_wordListBox->clear();
  if (IsChecked(IDC_SORT)) m_wordList.SortLike(SortedForeignWords(m_wordList));
  const int count = m_wordList.GetCount();
  for (int i = 0; i < count; ++i) {
    m_wordListBox->AddLine(m_wordList.GetForeign(i) + '\t' + m_wordList.GetTranslation(i),
                           m_wordList.GetMark(i));
  }
  m_wordListBox->viewport()->update();
}

void CMainDlg::UpdateWordCount() {
  auto* label = static_cast<QLabel*>(Control(IDC_WORD_COUNT));
  label->setText(LangQText(kTxtWordCountBefore) + QStringLiteral(" %1").arg(m_wordList.GetCount()) +
                 LangQText(kTxtWordCountAfter));
  // The count's place depends on its width.
  if (m_initialised) LayoutClient(m_clientWidth, m_clientHeight);
}

void CMainDlg::TakeWordForChange() {
  m_adding = false;
  SetControlText(IDC_ADD, kTxtChange);
  const int i = m_wordListBox->currentRow();
  if (i < 0 || i >= m_wordList.GetCount()) return;
  m_classBox->SelectItemData(m_wordList.GetMark(i));
  // Filling the fields must not count as a new selection.
  m_foreignEdit->SetText(m_wordList.GetForeign(i));
  m_translationEdit->SetText(m_wordList.GetTranslation(i));
  Control(IDC_DELETE)->setEnabled(true);
  SetStatus(kTxtStatusChange);
  RebuildMenu();
  m_foreignEdit->setFocus();
}

void CMainDlg::OnEditTextChanged() {
  QWidget* add = Control(IDC_ADD);
  const bool enable = !m_foreignEdit->text().isEmpty() || !m_translationEdit->text().isEmpty();
  if (add->isEnabled() != enable) {
    add->setEnabled(enable);
    RebuildMenu();
  }
}

void CMainDlg::AddOrChangeWord() {
  const std::string foreign = m_foreignEdit->GetText();
  const std::string translation = m_translationEdit->GetText();
  if (foreign.empty()) {
    if (m_adding) SetPaneText(1, QString());
    m_foreignEdit->setFocus();
    return;
  }
  if (translation.empty()) {
    if (m_adding) SetPaneText(1, QString());
    m_translationEdit->setFocus();
    return;
  }
  const int mark = std::max(0, m_classBox->CurrentItemData());
  if (!m_adding) {
    const int i = m_wordListBox->currentRow();
    if (i >= 0 && i < m_wordList.GetCount()) {
      m_wordList.SetWord(i, foreign, translation, mark);
      FillWordListBox();
      // With sorting on, the changed word may have moved.
      int row = i;
      for (int k = 0; k < m_wordList.GetCount(); ++k) {
        if (m_wordList.GetForeign(k) == foreign && m_wordList.GetTranslation(k) == translation) {
          row = k;
          break;
        }
      }
      m_wordListBox->SelectOnly(row);
      m_wordListBox->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    }
    m_classBox->setCurrentIndex(0);
  } else {
    if (m_wordList.FindForeign(0, foreign) >= 0) {
      m_platform.MessageBox(FormatText(kTxtDuplicate, FromCp1252(foreign)), MessageButtons::Ok,
                            MessageIcon::Information);
      return;
    }
    if (m_wordList.FindTranslation(0, translation) >= 0) {
      m_platform.MessageBox(FormatText(kTxtDuplicate, FromCp1252(translation)), MessageButtons::Ok,
                            MessageIcon::Information);
      return;
    }
    if (m_wordList.GetCount() >= CWordList::kMaxWords) {
      // The typed word stays in the fields, and the list as it was.
      m_platform.MessageBox(LangQText(kTxtListFull), MessageButtons::Ok, MessageIcon::Warning);
      return;
    }
    const bool added = m_wordList.AddWord(foreign, translation, mark) == 0;
    FillWordListBox();
    if (added) {
      const std::string line = foreign + '\t' + translation;
      for (int k = 0; k < m_wordListBox->count(); ++k) {
        if (m_wordListBox->LineText(k) == line) {
          m_wordListBox->SelectOnly(k);
          m_wordListBox->scrollToItem(m_wordListBox->item(k));
          break;
        }
      }
    }
    m_classBox->setCurrentIndex(0);
    UpdateWordCount();
  }
  m_wordList.SetModified(1);
  SetListTitle(true);
  NewWord();
}

void CMainDlg::NewWord() {
  if (m_mode != Edit) return;
  m_adding = true;
  SetControlText(IDC_ADD, kTxtAdd);
  Control(IDC_DELETE)->setEnabled(false);
  Control(IDC_ADD)->setEnabled(false);
  m_foreignEdit->clear();
  m_translationEdit->clear();
  Control(IDC_ADD)->setEnabled(false);
  RebuildMenu();
  m_foreignEdit->setFocus();
}

void CMainDlg::DeleteWords() {
  if (m_mode != Edit) return;
  const std::vector<int> rows = m_wordListBox->SelectedRows();
  if (rows.empty()) return;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    if (m_wordList.DeleteWord(rows[k] - static_cast<int>(k)) != 0) {
      m_platform.MessageBox(LangQText(kTxtErrorPrefix) + QStringLiteral(": !DelWord"),
                            MessageButtons::Ok, MessageIcon::Error);
      return;
    }
  }
  m_wordList.SetModified(1);
  SetListTitle(true);
  FillWordListBox();
  UpdateWordCount();
  NewWord();
}

void CMainDlg::OnSortClicked() {
  FillWordListBox();
  m_foreignEdit->setFocus();
}

void CMainDlg::OnLanguageFocus(QWidget* edit, bool in) {
  CSpecialKeyEdit* other = edit == m_firstLanguageEdit ? m_secondLanguageEdit : m_firstLanguageEdit;
  auto* self = static_cast<CSpecialKeyEdit*>(edit);
  if (in) {
    self->setReadOnly(false);
    self->selectAll();
    other->setReadOnly(true);
    other->deselect();
    return;
  }
  const std::string first = m_firstLanguageEdit->GetText();
  const std::string second = m_secondLanguageEdit->GetText();
  if (first != m_wordList.GetFirstLanguage() || second != m_wordList.GetSecondLanguage()) {
    m_wordList.SetFirstLanguage(first);
    m_wordList.SetSecondLanguage(second);
    m_wordList.SetModified(1);
    SetListTitle(true);
  }
  m_firstLanguageEdit->setReadOnly(true);
  m_secondLanguageEdit->setReadOnly(true);
}
