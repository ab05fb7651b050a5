#include "ListProperties.h"

#include <QFileInfo>

#include "WordList.h"
#include "WordListDialogTexts.h"
#include "WordListTexts.h"
#include "lang/LangText.h"

namespace {

// Lists read from interchange files, and new lists, carry this creator.
constexpr const char* kNoCreator = "N\\A";

bool HasNoFile(const QString& displayName) {
  return displayName == LangQText(kTxtUntitled);
}

}  // namespace

QString ListFormatText(const QString& extension) {
  const QString type = extension.toUpper();
  if (type == QLatin1String("VK1")) return LangQText(kTxtPropFormatVk1);
  if (type == QLatin1String("VK2")) return LangQText(kTxtPropFormatVk2);
  if (type == QLatin1String("ORD")) return LangQText(kTxtPropFormatOrd);
  return LangQText(kTxtPropOtherFormat);
}

QString ListCreatorText(const std::string& creator) {
  if (creator == kNoCreator) return LangQText(kTxtPropNotAvailable);
  return QString::fromStdString(creator);
}

QString ListFolderText(const QString& path, const QString& displayName) {
  if (HasNoFile(displayName)) return LangQText(kTxtPropNotAvailable);
  qsizetype at = displayName.isEmpty() ? -1 : path.lastIndexOf(displayName);
  if (at < 0) at = path.lastIndexOf(QLatin1Char('/')) + 1;  // the name differs from the path's
  return path.left(at);
}

QString ListFileSizeText(const QString& path, const QString& displayName) {
  qint64 size = 0;
  if (!HasNoFile(displayName)) {
    const QFileInfo file(path);
    if (file.isFile()) size = file.size();
  }
  return QString::number(size) + QLatin1Char(' ') + LangQText(kTxtPropBytes);
}

std::string DescriptionForDisplay(std::string stored) {
  for (char& c : stored) {
    if (c == '\x1E')
      c = '\n';
    else if (c == '\x1F')
      c = '\r';
  }
  return stored;
}

std::string DescriptionForStorage(std::string shown) {
  for (char& c : shown) {
    if (c == '\n')
      c = '\x1E';
    else if (c == '\r')
      c = '\x1F';
  }
  return shown;
}

bool ApplyListProperties(CWordList& list, const ListPropertiesEdit& edit) {
  if (!edit.changed) return false;
  list.SetTitle(edit.title);
  list.SetDescription(edit.description);
  list.SetOwner(edit.owner);
  list.SetModified(1);
  return true;
}
