#include "WordList.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <iterator>
#include <random>

#include "ListFileIo.h"
#include "WordListTexts.h"
#include "lang/LangText.h"
#include "lang/TextParse.h"
#include "platform/Platform.h"

namespace {

constexpr const char* kNoCreator = "N\\A";

// The file name without its last four characters (".vk2"); the whole name
// goes when it is shorter.
QString WithoutLastFour(const QString& name) {
  return name.chopped(std::min<qsizetype>(4, name.size()));
}

QString FileNameOf(const QString& path) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  return slash < 0 ? path : path.mid(slash + 1);
}

// Upper-cased comparison of the end of text with tag, over as many
// characters as tag has.
bool EndsWithTag(const QString& text, const QString& tag) {
  return text.size() >= tag.size() && text.right(tag.size()).toUpper() == tag;
}

}  // namespace

CWordList::CWordList(CPlatform* platform) : m_platform(platform) {
  ClearWords();
}

// --- words -------------------------------------------------------------------

WordResult CWordList::AddWord(const std::string& foreign, const std::string& translation,
                              int mark) {
  for (int i = 0; i < kMaxWords; ++i) {
    if (m_slots[i].m_used == 0) {
      m_slots[i].m_number = GetCount() + 1;
      return SetWord(i, foreign, translation, mark);
    }
  }
  return WordResult::ListFull;
}

WordResult CWordList::SetWord(int index, const std::string& foreign, const std::string& translation,
                              int mark) {
  if (index < 0 || index > kMaxWords) return WordResult::BadIndex;
  WordSlot& slot = m_slots[index];
  slot.m_foreign = OneLine(foreign);
  slot.m_translation = OneLine(translation);
  slot.m_mark = mark;
  slot.m_used = 1;
  m_modified = true;
  return WordResult::Done;
}

int CWordList::GetCount() const {
  for (int i = 0; i < kMaxWords; ++i)
    if (m_slots[i].m_used == 0) return i;
  return kMaxWords;
}

std::string CWordList::GetForeign(int index) const {
  return index >= 0 && index < kSlotCount ? m_slots[index].m_foreign : std::string();
}

std::string CWordList::GetTranslation(int index) const {
  return index >= 0 && index < kSlotCount ? m_slots[index].m_translation : std::string();
}

int CWordList::GetNumber(int index) const {
  return index >= 0 && index < kSlotCount ? m_slots[index].m_number : 0;
}

int CWordList::GetMark(int index) const {
  return index >= 0 && index < kSlotCount ? m_slots[index].m_mark : 0;
}

WordResult CWordList::DeleteWord(int index) {
  if (index < 0 || index > kMaxWords) return WordResult::BadIndex;
  // Slots past the spare one count as free.
  const auto used = [this](int i) { return i < kSlotCount && m_slots[i].m_used != 0; };
  int k = index;
  while (used(k + 1)) {
    m_slots[k].m_foreign = m_slots[k + 1].m_foreign;
    m_slots[k].m_translation = m_slots[k + 1].m_translation;
    m_slots[k].m_mark = m_slots[k + 1].m_mark;
    ++k;
  }
  m_slots[k].m_foreign.clear();
  m_slots[k].m_translation.clear();
  m_slots[k].m_used = 0;
  return WordResult::Done;
}

int CWordList::FindForeign(int start, const std::string& text) const {
  if (start < 0) return -1;
  for (int i = start; i < kSlotCount && m_slots[i].m_used != 0; ++i)
    if (m_slots[i].m_foreign == text) return i;
  return -1;
}

int CWordList::FindTranslation(int start, const std::string& text) const {
  if (start < 0) return -1;
  for (int i = start; i < kSlotCount && m_slots[i].m_used != 0; ++i)
    if (m_slots[i].m_translation == text) return i;
  return -1;
}

void CWordList::ClearWords() {
  for (int i = 0; i < kSlotCount; ++i) {
    WordSlot& slot = m_slots[i];
    slot.m_used = 0;
    slot.m_foreign.clear();
    slot.m_translation.clear();
    slot.m_number = i;
    slot.m_mark = 0;
  }
}

void CWordList::SortLike(const std::vector<std::string>& foreignWords) {
  const int count = GetCount();
  std::vector<WordSlot> old(m_slots.begin(), m_slots.begin() + count);
  std::vector<bool> taken(static_cast<std::size_t>(count), false);
  ClearWords();
  int next = 0;
  const auto place = [&](int from) {
    WordSlot& slot = m_slots[next];
    slot.m_foreign = std::move(old[from].m_foreign);
    slot.m_translation = std::move(old[from].m_translation);
    slot.m_mark = old[from].m_mark;
    slot.m_used = 1;
    taken[from] = true;
    ++next;
  };
  // Each entry takes the first word of that text not taken yet, so two words
  // with the same foreign text keep their own translations and marks.
  for (const std::string& text : foreignWords) {
    for (int j = 0; j < count; ++j) {
      if (!taken[j] && old[j].m_foreign == text) {
        place(j);
        break;
      }
    }
  }
  // Words the sequence did not name keep their order after the named ones:
  // sorting never drops a word.
  for (int j = 0; j < count; ++j)
    if (!taken[j]) place(j);
}

void CWordList::Shuffle() {
  Shuffle(static_cast<unsigned>(std::time(nullptr)));
}

void CWordList::Shuffle(unsigned seed) {
  // Each word keeps its running number.
  std::minstd_rand generator(seed);
  std::shuffle(m_slots.begin(), m_slots.begin() + GetCount(), generator);
  m_modified = true;
}

// --- list information ----------------------------------------------------------

std::string CWordList::OneLine(std::string text) {
  // A break inside a one-line text would split its line of the file, and
  // the next line would be read as a key of its own.
  std::size_t to = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && text[i + 1] == '\n') ++i;  // text[size()] is the terminating NUL
      text[to++] = ' ';
    } else {
      text[to++] = c;
    }
  }
  text.resize(to);
  return text;
}

QString CWordList::GetDisplayName() const {
  return m_untitled ? LangQText(kTxtUntitled) : m_fileName;
}

std::string CWordList::DefaultOwner() {
  // The account's full name, else its login name.
  if (const passwd* account = getpwuid(geteuid())) {
    QString fullName = QString::fromLocal8Bit(account->pw_gecos ? account->pw_gecos : "");
    fullName = fullName.section(QLatin1Char(','), 0, 0).trimmed();
    if (!fullName.isEmpty()) return OneLine(fullName.toStdString());
    const QString login = QString::fromLocal8Bit(account->pw_name ? account->pw_name : "");
    if (!login.isEmpty()) return OneLine(login.toStdString());
  }
  return OneLine(qEnvironmentVariable("USER").toStdString());
}

// --- file operations -------------------------------------------------------------

int CWordList::AskSaveChanges() {
  if (!m_platform) return kIdCancel;
  const QString text =
      LangQText(kTxtSaveQuestion) + QLatin1String("\n") + m_path + QLatin1String(" ?");
  return m_platform->MessageBox(text, MessageButtons::YesNoCancel, MessageIcon::Question);
}

bool CWordList::QueryClose() {
  if (!m_modified) return true;
  const int answer = AskSaveChanges();
  if (answer == kIdNo) return true;
  // An export through Save as leaves the list unsaved: it must not be lost.
  if (answer == kIdYes) return Save() == FileResult::Done && !m_modified;
  return false;
}

void CWordList::NewList() {
  if (!QueryClose()) return;
  ClearWords();
  m_creator = kNoCreator;
  m_firstLanguage = LangText(kTxtFirstLanguage);
  m_secondLanguage = LangText(kTxtSecondLanguage);
  m_fileName = m_path = LangQText(kTxtUntitled);
  m_title = LangText(kTxtUntitled);
  m_description.clear();
  m_untitled = true;
  m_modified = false;
  m_owner = OneLine(DefaultOwner());
}

FileResult CWordList::ReadFile(const QString& path, const QString& fileName, const QString& type,
                               const std::string& title) {
  // The current list stays whole until the new file has been read: a
  // rejected file must leave nothing of itself behind that a plain Save
  // could write over it.
  ListFileContent content;
  switch (CListFileIo::Read({path, type.toUpper(), m_platform, m_csvQuestion}, content)) {
    case ReadResult::Read:
      break;
    case ReadResult::Rejected:
      return FileResult::Failed;
    case ReadResult::Declined:
      return FileResult::Cancelled;
  }
  m_path = path;
  m_fileName = fileName;
  m_extension = type.toUpper();
  m_title = title;
  TakeOver(std::move(content));
  return FileResult::Done;
}

void CWordList::TakeOver(ListFileContent content) {
  ClearWords();
  for (ListFileContent::Word& word : content.words)
    (void)AddWord(word.foreign, word.translation, word.mark);  // the reader stops at a full list
  m_creator = std::move(content.creator);
  SetFirstLanguage(content.firstLanguage);
  SetSecondLanguage(content.secondLanguage);
  if (content.title) SetTitle(*content.title);
  SetOwner(content.owner);
  m_description = std::move(content.description);
  if (content.interchange) {
    // The words of an interchange file make a new list with no file of its own.
    m_untitled = true;
    m_modified = true;
    m_fileName = m_path = LangQText(kTxtUntitled);
  } else {
    m_untitled = false;
    m_modified = false;
  }
}

FileResult CWordList::OpenFile(const QString& path) {
  if (!QueryClose()) return FileResult::Cancelled;
  const QString fileName = FileNameOf(path);
  return ReadFile(path, fileName, fileName.right(3),
                  OneLine(WithoutLastFour(fileName).toStdString()));
}

FileResult CWordList::OpenWithDialog() {
  if (!m_platform) return FileResult::Cancelled;
  FileDialogRequest request;
  request.initialPath = m_path;
  request.filter = LangQText(kTxtOpenFilter);
  FileDialogResult chosen;
  if (!m_platform->GetOpenFileName(request, chosen)) return FileResult::Cancelled;
  if (!QueryClose()) return FileResult::Cancelled;
  return ReadFile(chosen.path, chosen.fileName, chosen.extension,
                  OneLine(WithoutLastFour(chosen.fileName).toStdString()));
}

ReadResult CWordList::ReadBytes(const QString& type, std::string data) {
  ListFileContent content;
  const ReadResult result = CListFileIo::ReadBytes(
      {m_path, type.toUpper(), m_platform, m_csvQuestion}, std::move(data), content);
  if (result == ReadResult::Read) {
    m_extension = type.toUpper();
    TakeOver(std::move(content));
  }
  return result;
}

FileResult CWordList::Save() {
  if (!m_untitled) return Write();
  if (SaveAs(false) == FileResult::Cancelled) return FileResult::Cancelled;
  return Write();
}

FileResult CWordList::SaveAs(bool write) {
  m_savedFileName = m_fileName;
  m_savedPath = m_path;
  m_savedExtension = m_extension;
  // Propose the bare name: the dialog adds the extension of the chosen type.
  if (!m_extension.isEmpty() && EndsWithTag(m_path, m_extension.toUpper()) &&
      m_extension.size() == 3)
    m_path.chop(std::min<qsizetype>(4, m_path.size()));

  FileDialogResult chosen;
  bool accepted = false;
  if (m_platform) {
    FileDialogRequest request;
    request.initialPath = m_path;
    request.filter = LangQText(kTxtSaveFilter);
    request.overwritePrompt = true;
    accepted = m_platform->GetSaveFileName(request, chosen);
  }
  if (!accepted) {
    m_path = m_savedPath;
    return FileResult::Cancelled;
  }
  TakeTarget(chosen.path, chosen.fileName, TypeOfFilterEntry(chosen.filterIndex));
  if (!write) return FileResult::Done;
  return Write();
}

QString CWordList::TypeOfFilterEntry(int filterIndex) {
  static const char* const kTypes[] = {"VK2", "VK1", "HTML", "ORD", "TXT", "SKV", "CSV"};
  if (filterIndex < 1 || filterIndex > int(std::size(kTypes))) return QStringLiteral("VK2");
  return QLatin1String(kTypes[filterIndex - 1]);
}

void CWordList::TakeTarget(const QString& path, const QString& fileName, const QString& type) {
  m_path = path;
  m_fileName = fileName;
  m_extension = type;
  if (!EndsWithTag(m_path, type)) {
    const QString suffix = QLatin1String(".") + type.toLower();
    m_path += suffix;
    m_fileName += suffix;
  }
  if (m_title == LangText(kTxtUntitled)) {
    // The name without the type's extension: "Lista.html" is "Lista", not "Lista.".
    const qsizetype dot = m_fileName.size() - type.size() - 1;
    const QString bare = dot >= 0 && m_fileName[dot] == QLatin1Char('.')
                             ? m_fileName.left(dot)
                             : WithoutLastFour(m_fileName);
    m_title = OneLine(bare.toStdString());
  }
}

FileResult CWordList::SaveTo(const QString& path, const QString& type) {
  m_savedFileName = m_fileName;
  m_savedPath = m_path;
  m_savedExtension = m_extension;
  m_path = path;
  m_fileName = FileNameOf(path);
  m_extension = type.toUpper();
  return Write();
}

FileResult CWordList::Write() {
  m_extension = m_extension.toUpper();
  if (!CListFileIo::Write(*this, m_path, m_extension)) return FileResult::Failed;
  if (!CListFileIo::IsExportType(m_extension)) {
    m_creator = LangText(kTxtProgramName);
    m_modified = false;
    m_untitled = false;
    return FileResult::Done;
  }
  // An export leaves the list with its own file, and still modified: the
  // words are in no file of the list's own type.
  const QString message = LangQTextWith(kTxtExported, m_path);
  m_path = m_savedPath;
  m_fileName = m_savedFileName;
  m_extension = m_savedExtension;
  if (m_platform) m_platform->MessageBox(message, MessageButtons::Ok, MessageIcon::Information);
  m_modified = true;
  return FileResult::Done;
}
