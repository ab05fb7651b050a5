#include "EditPanel.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>

#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "SearchDlg.h"
#include "SearchLogic.h"
#include "SpecialChars.h"
#include "controls/ClassComboBox.h"
#include "controls/DialogSupport.h"
#include "controls/HoverButton.h"
#include "controls/SpecialKeyEdit.h"
#include "controls/WordListBox.h"
#include "lang/LangText.h"
#include "lang/TextParse.h"
#include "platform/Platform.h"
#include "wordlist/ImportDlg.h"
#include "wordlist/WordImport.h"
#include "wordlist/WordList.h"
#include "wordlist/WordListTexts.h"

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
    words.emplace_back(QString::fromStdString(word), word);
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

}  // namespace

CEditPanel::CEditPanel(CWordList& list, CPlatform& platform, QWidget* parent)
    : CPanel(parent), m_list(list), m_platform(platform) {
  const auto control = [this](QWidget* widget, int id, unsigned hover) {
    Name(widget, id);
    SetHoverText(widget, hover);
    return widget;
  };
  const auto button = [&](int id, unsigned hover) {
    CHoverButton* b = MakeDialogButton(QString(), this);
    control(b, id, hover);
    return b;
  };

  m_words = new CWordListBox(this);
  control(m_words, IDC_WORDLIST, kTxtHoverWordList);
  m_words->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_words->SetEnterActivates(true);
  connect(m_words, &QListWidget::itemSelectionChanged, this, [this] {
    m_foreign->clear();
    m_translation->clear();
    m_delete->setEnabled(true);
    Q_EMIT CommandsChanged();
  });
  connect(m_words, &QListWidget::itemDoubleClicked, this, &CEditPanel::TakeWordForChange);
  connect(m_words, &QListWidget::itemActivated, this, &CEditPanel::TakeWordForChange);

  const auto specialEdit = [&](int id, unsigned hover) {
    auto* edit = new CSpecialKeyEdit(this);
    control(edit, id, hover);
    edit->SetSpecialSource(&SpecialChars);
    edit->SetRefusalHint(LangQText(kTxtCharRefused));
    edit->installEventFilter(this);
    return edit;
  };
  m_firstLanguage = specialEdit(IDC_FIRST_LANGUAGE, kTxtHoverFirstLanguage);
  m_secondLanguage = specialEdit(IDC_SECOND_LANGUAGE, kTxtHoverSecondLanguage);
  m_firstLanguage->setReadOnly(true);
  m_secondLanguage->setReadOnly(true);
  m_foreign = specialEdit(IDC_FOREIGN, kTxtHoverForeign);
  m_translation = specialEdit(IDC_TRANSLATION, kTxtHoverTranslation);
  SetFocusStatus(m_foreign, kTxtStatusForeign);
  SetFocusStatus(m_translation, kTxtStatusTranslation);
  connect(m_foreign, &QLineEdit::textChanged, this, &CEditPanel::OnTextChanged);
  connect(m_translation, &QLineEdit::textChanged, this, &CEditPanel::OnTextChanged);

  m_add = button(IDC_ADD, kTxtHoverAdd);
  m_newWord = button(IDC_NEW_WORD, kTxtHoverNewWord);
  m_delete = button(IDC_DELETE, kTxtHoverDelete);
  m_delete->setEnabled(false);
  connect(m_add, &QAbstractButton::clicked, this, &CEditPanel::AddOrChangeWord);
  connect(m_newWord, &QAbstractButton::clicked, this, &CEditPanel::NewWord);
  connect(m_delete, &QAbstractButton::clicked, this, &CEditPanel::DeleteWords);
  m_class = new CClassComboBox(this);
  control(m_class, IDC_CLASS, kTxtHoverClass);
  m_class->installEventFilter(this);
  // The layout gives the box its width.
  m_class->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_class->setMinimumContentsLength(4);
  m_sort = new QCheckBox(this);
  control(m_sort, IDC_SORT, kTxtHoverSort);
  connect(m_sort, &QAbstractButton::clicked, this, [this] {
    ShowWords();
    m_foreign->setFocus();
  });
  m_count = new QLabel(this);
  control(m_count, IDC_WORD_COUNT, kTxtHoverWordCount);
  m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_search = button(IDC_SEARCH, kTxtHoverSearch);
  m_import = button(IDC_IMPORT, kTxtHoverImport);
  SetFocusStatus(m_search, kTxtStatusSearch);
  SetFocusStatus(m_import, kTxtStatusImport);
  connect(m_search, &QAbstractButton::clicked, this, &CEditPanel::SearchWord);
  connect(m_import, &QAbstractButton::clicked, this, &CEditPanel::ImportWords);
  // The frame of the special character buttons, which the window owns.
  m_specialGroup = new QGroupBox(this);
  control(m_specialGroup, IDC_EDIT_GROUP, 0);
  m_specialGroup->lower();
  m_words->installEventFilter(this);
}

void CEditPanel::TakeFocus() {
  m_foreign->setFocus();
}

void CEditPanel::SetActive(bool active) {
  setVisible(active);
  m_add->setEnabled(false);
  if (!active) return;
  ShowWords();
  m_foreign->setFocus();
}

// --- the list ------------------------------------------------------------------

void CEditPanel::ShowWords() {
  m_words->clear();
  if (m_sort->isChecked()) m_list.SortLike(SortedForeignWords(m_list));
  const int count = m_list.GetCount();
  for (int i = 0; i < count; ++i) {
    m_words->AddLine(m_list.GetForeign(i) + '\t' + m_list.GetTranslation(i), m_list.GetMark(i));
  }
  m_words->viewport()->update();
}

void CEditPanel::ShowLanguageNames() {
  // SetText: a name an old file holds is shown as it is, never refused.
  m_firstLanguage->SetText(m_list.GetFirstLanguage());
  m_secondLanguage->SetText(m_list.GetSecondLanguage());
}

void CEditPanel::ShowWordCount() {
  m_count->setText(LangQText(kTxtWordCountBefore) + QStringLiteral(" %1").arg(m_list.GetCount()) +
                   LangQText(kTxtWordCountAfter));
  // The count's place depends on its width.
  if (m_width > 0) Layout(m_width, m_height);
}

void CEditPanel::SelectLine(int row) {
  m_words->SelectOnly(row);
  m_words->setCurrentRow(row, QItemSelectionModel::NoUpdate);
}

// --- commands ------------------------------------------------------------------

bool CEditPanel::CanAdd() const {
  return m_add->isEnabled();
}

bool CEditPanel::CanDelete() const {
  return m_delete->isEnabled();
}

void CEditPanel::OnEnter() {
  if (m_listHasFocus) {
    TakeWordForChange();
    return;
  }
  m_firstLanguage->setReadOnly(true);
  m_secondLanguage->setReadOnly(true);
  AddOrChangeWord();
}

void CEditPanel::TakeWordForChange() {
  m_adding = false;
  SetText(m_add, kTxtChange);
  FitText(m_add, font());
  const int i = m_words->currentRow();
  if (i < 0 || i >= m_list.GetCount()) return;
  m_class->SelectItemData(m_list.GetMark(i));
  // Filling the fields must not count as a new selection.
  m_foreign->SetText(m_list.GetForeign(i));
  m_translation->SetText(m_list.GetTranslation(i));
  m_delete->setEnabled(true);
  Q_EMIT StatusText(kTxtStatusChange);
  Q_EMIT CommandsChanged();
  m_foreign->setFocus();
}

void CEditPanel::OnTextChanged() {
  const bool enable = !m_foreign->text().isEmpty() || !m_translation->text().isEmpty();
  if (m_add->isEnabled() != enable) {
    m_add->setEnabled(enable);
    Q_EMIT CommandsChanged();
  }
}

void CEditPanel::AddOrChangeWord() {
  const std::string foreign = m_foreign->GetText();
  const std::string translation = m_translation->GetText();
  if (foreign.empty() || translation.empty()) {
    // The missing side gets the focus; nothing is stored.
    if (m_adding) Q_EMIT StatusText(0);
    (foreign.empty() ? m_foreign : m_translation)->setFocus();
    return;
  }
  const int mark = std::max(0, m_class->CurrentItemData());
  if (!m_adding) {
    const int i = m_words->currentRow();
    if (i >= 0 && i < m_list.GetCount()) {
      (void)m_list.SetWord(i, foreign, translation, mark);  // i is a word of the list
      ShowWords();
      // With sorting on, the changed word may have moved.
      int row = i;
      for (int k = 0; k < m_list.GetCount(); ++k) {
        if (m_list.GetForeign(k) == foreign && m_list.GetTranslation(k) == translation) {
          row = k;
          break;
        }
      }
      SelectLine(row);
    }
    m_class->setCurrentIndex(0);
  } else {
    // Each side is looked for in its own column only.
    const bool foreignTaken = m_list.FindForeign(0, foreign) >= 0;
    if (foreignTaken || m_list.FindTranslation(0, translation) >= 0) {
      const std::string& taken = foreignTaken ? foreign : translation;
      m_platform.MessageBox(LangQTextWith(kTxtDuplicate, QString::fromStdString(taken)),
                            MessageButtons::Ok, MessageIcon::Information);
      return;
    }
    if (m_list.AddWord(foreign, translation, mark) == WordResult::ListFull) {
      // The typed word stays in the fields, and the list as it was.
      m_platform.MessageBox(LangQText(kTxtListFull), MessageButtons::Ok, MessageIcon::Warning);
      return;
    }
    ShowWords();
    const std::string line = foreign + '\t' + translation;
    for (int k = 0; k < m_words->count(); ++k) {
      if (m_words->LineText(k) == line) {
        m_words->SelectOnly(k);
        m_words->scrollToItem(m_words->item(k));
        break;
      }
    }
    m_class->setCurrentIndex(0);
    ShowWordCount();
  }
  m_list.SetModified(true);
  Q_EMIT ListChanged();
  NewWord();
}

void CEditPanel::NewWord() {
  if (!IsActive()) return;
  m_adding = true;
  SetText(m_add, kTxtAdd);
  FitText(m_add, font());
  m_delete->setEnabled(false);
  m_foreign->clear();
  m_translation->clear();
  m_add->setEnabled(false);
  Q_EMIT CommandsChanged();
  m_foreign->setFocus();
}

void CEditPanel::DeleteWords() {
  if (!IsActive()) return;
  const std::vector<int> rows = m_words->SelectedRows();
  if (rows.empty()) return;
  // Every selected line is a word of the list; each deletion moves the
  // words after it up by one.
  for (std::size_t k = 0; k < rows.size(); ++k)
    (void)m_list.DeleteWord(rows[k] - static_cast<int>(k));
  m_list.SetModified(true);
  Q_EMIT ListChanged();
  ShowWords();
  ShowWordCount();
  NewWord();
}

void CEditPanel::SearchWord() {
  if (!IsActive()) return;
  if (const unsigned status = FocusStatus(QApplication::focusWidget())) Q_EMIT StatusText(status);
  CSearchDlg dialog(m_platform, window());
  dialog.SetSearchText(m_lastSearch);
  if (dialog.exec() != QDialog::Accepted) {
    m_foreign->setFocus();
    return;
  }
  m_lastSearch = dialog.GetSearchText();
  const int found = FindNextWord(m_list, m_words->currentRow(), m_lastSearch);
  if (found < 0) {
    m_platform.MessageBox(LangQText(kTxtNotFound), MessageButtons::Ok, MessageIcon::Error);
    return;
  }
  SelectLine(found);
  m_words->scrollToItem(m_words->item(found));
  m_words->setFocus();
}

void CEditPanel::ImportWords() {
  if (!IsActive()) return;
  if (const unsigned status = FocusStatus(QApplication::focusWidget())) Q_EMIT StatusText(status);
  CImportDlg dialog(m_platform, window());
  if (dialog.exec() != QDialog::Accepted) return;
  const ImportResult result = ImportWordsInto(m_list, dialog.GetChosenWords());
  Q_EMIT ListChanged();
  ShowWords();
  ShowWordCount();
  m_platform.MessageBox(ImportReport(result), MessageButtons::Ok, MessageIcon::Information);
}

// --- focus -------------------------------------------------------------------------

bool CEditPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
    return CPanel::eventFilter(watched, event);
  const bool in = event->type() == QEvent::FocusIn;
  if (watched == m_words) {
    m_listHasFocus = in;
    // An empty list has nothing to choose: the focus goes on to the word.
    if (in && m_words->count() == 0) {
      m_foreign->setFocus();
    } else if (in) {
      Q_EMIT StatusText(kTxtStatusWordList);
    }
  } else if (watched == m_foreign && in) {
    Q_EMIT StatusText(m_adding ? kTxtStatusForeign : kTxtStatusChange);
  } else if (watched == m_translation && in) {
    Q_EMIT StatusText(m_adding ? kTxtStatusTranslation : kTxtStatusChange);
  } else if (watched == m_class && in) {
    Q_EMIT StatusText(kTxtStatusClassFocus);
  } else if (watched == m_firstLanguage || watched == m_secondLanguage) {
    OnLanguageFocus(static_cast<CSpecialKeyEdit*>(watched), in);
  }
  return CPanel::eventFilter(watched, event);
}

void CEditPanel::OnLanguageFocus(CSpecialKeyEdit* edit, bool in) {
  // A language name is edited only while it has the focus; it is stored
  // when the focus leaves it.
  CSpecialKeyEdit* other = edit == m_firstLanguage ? m_secondLanguage : m_firstLanguage;
  if (in) {
    edit->setReadOnly(false);
    edit->selectAll();
    other->setReadOnly(true);
    other->deselect();
    return;
  }
  const std::string first = m_firstLanguage->GetText();
  const std::string second = m_secondLanguage->GetText();
  if (first != m_list.GetFirstLanguage() || second != m_list.GetSecondLanguage()) {
    m_list.SetFirstLanguage(first);
    m_list.SetSecondLanguage(second);
    m_list.SetModified(true);
    Q_EMIT ListChanged();
  }
  m_firstLanguage->setReadOnly(true);
  m_secondLanguage->setReadOnly(true);
}

// --- language and layout -------------------------------------------------------------

void CEditPanel::ApplyLanguage() {
  SetText(m_search, kTxtSearchButton);
  SetText(m_import, kTxtImportButton);
  SetText(m_specialGroup, kTxtSpecialGroup);
  SetText(m_add, m_adding ? kTxtAdd : kTxtChange);
  SetText(m_newWord, kTxtNewWord);
  SetText(m_delete, kTxtDelete);
  // Before the first layout the buttons have no width to fit; the layout fits them.
  if (m_width > 0)
    for (QWidget* button : {m_add, m_newWord, m_delete}) FitText(button, font());
  SetText(m_sort, kTxtSortCheck);
  const int classData = std::max(0, m_class->CurrentItemData());
  m_class->clear();
  m_class->AddLine(LangQText(kTxtClassNone), 0);
  m_class->AddLine(LangQText(kTxtClass1), 1);
  m_class->AddLine(LangQText(kTxtClass2), 2);
  m_class->SelectItemData(classData);
  m_words->SetClassNames({LangQText(kTxtClassNone), LangQText(kTxtClass1), LangQText(kTxtClass2)});
  // A new list's names are the defaults, which speak the language too.
  if (m_list.IsUntitled() && !m_list.IsModified()) {
    m_firstLanguage->setText(LangQText(kTxtFirstLanguage));
    m_secondLanguage->setText(LangQText(kTxtSecondLanguage));
  }
  for (CSpecialKeyEdit* edit : {m_foreign, m_translation, m_firstLanguage, m_secondLanguage})
    edit->SetRefusalHint(LangQText(kTxtCharRefused));
  ShowWordCount();
}

void CEditPanel::Layout(int w, int h) {
  m_width = w;
  m_height = h;
  setGeometry(0, 0, w, h);
  const int e = (w - 120) / 2;
  m_search->setGeometry(w - 100, 90, 90, 28);
  m_import->setGeometry(w - 100, 125, 90, 28);
  m_specialGroup->setGeometry(w - 100, 160, 96, 112);
  m_words->setGeometry(10, 90, w - 120, h - 192);
  m_foreign->setGeometry(10, h - 100, e, 20);
  m_translation->setGeometry(e + 10, h - 100, e, 20);
  m_class->setGeometry(w - 100, h - 104, 96, 24);
  // The three buttons share the room left of the middle: add at the left
  // edge, new word centred on a quarter, delete ending at the middle.
  const int quarter = (w - 120) / 4;
  const int buttonWidth = std::clamp((quarter - 10) * 2 / 3 - 4, 40, 100);
  m_add->setGeometry(10, h - 75, buttonWidth, 26);
  m_newWord->setGeometry(quarter - buttonWidth / 2, h - 75, buttonWidth, 26);
  m_delete->setGeometry(e - buttonWidth, h - 75, buttonWidth, 26);
  for (QWidget* button : {m_add, m_newWord, m_delete}) FitText(button, font());
  m_firstLanguage->setGeometry(32, 66, std::max(40, e - 26), 20);
  m_secondLanguage->setGeometry(e + 10, 66, std::max(40, e - 4), 20);
  m_sort->move((w - 100) / 2 + 10, h - 72);
  m_sort->adjustSize();
  // The word count ends where the list ends and gives way to the sort switch.
  const int countLeft = std::max(w - 120 - 150, m_sort->geometry().right() + 8);
  const int countWidth = m_count->fontMetrics().horizontalAdvance(m_count->text()) + 8;
  if (countLeft + countWidth <= w - 120) {
    m_count->setGeometry(countLeft, h - 75, w - 120 - countLeft, 26);
  } else {
    // A narrow window has no room beside the sort switch: the count goes
    // under it.
    m_count->setGeometry(std::max(10, w - 120 - countWidth), h - 46, std::min(countWidth, w - 130),
                         24);
  }
}
