#include "WordImport.h"

#include "WordList.h"
#include "WordListDialogTexts.h"
#include "lang/LangText.h"

ImportResult ImportWordsInto(CWordList& target, const CWordList& chosen) {
  ImportResult result;
  const int count = chosen.GetCount();
  for (int i = 0; i < count; ++i) {
    const std::string foreign = chosen.GetForeign(i);
    const std::string translation = chosen.GetTranslation(i);
    const bool present =
        target.FindForeign(0, foreign) >= 0 || target.FindTranslation(0, translation) >= 0;
    if (present || target.AddWord(foreign, translation, chosen.GetMark(i)) != WordResult::Done) {
      result.skipped += foreign;
      result.skipped += '\t';
      result.skipped += translation;
      result.skipped += '\n';
    } else {
      ++result.added;
    }
  }
  target.SetModified(1);
  return result;
}

QString ImportReport(const ImportResult& result) {
  QString text = QString::number(result.added) + QLatin1Char(' ') +
                 LangQText(result.added == 1 ? kTxtImportedOne : kTxtImportedCount);
  if (result.skipped.empty()) return text;
  // A message box of hundreds of lines would not fit on the screen.
  constexpr int kMaxNamedWords = 20;
  std::size_t end = 0;
  for (int named = 0; named < kMaxNamedWords; ++named) {
    const std::size_t feed = result.skipped.find('\n', end);
    end = feed == std::string::npos ? result.skipped.size() : feed + 1;
  }
  text += QLatin1String("\n\n") + LangQText(kTxtImportSkipped) + QLatin1Char('\n') +
          QString::fromUtf8(result.skipped.data(), static_cast<qsizetype>(end));
  if (end < result.skipped.size()) text += QChar(0x2026);
  return text;
}
