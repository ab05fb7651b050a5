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
  if (!result.skipped.empty()) {
    text += QLatin1String("\n\n") + LangQText(kTxtImportSkipped) + QLatin1Char('\n') +
            QString::fromStdString(result.skipped);
  }
  return text;
}
