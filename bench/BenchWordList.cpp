// Loading and saving a full list of 300 words in the version 2 format (in
// Windows-1252, and in UTF-8 for words of other scripts) and as a CSV file,
// what the CSV preview does on each change of its choices, and judging an
// answer at each key press.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "practice/AnswerJudge.h"
#include "practice/Exercise.h"
#include "wordlist/CsvFile.h"
#include "wordlist/FileBytes.h"
#include "wordlist/ListFileIo.h"
#include "wordlist/WordList.h"

namespace {

// scripts: words in Cyrillic, Greek and Japanese, which make the files UTF-8.
void FillFullList(CWordList& list, bool scripts = false) {
  list.SetTitle("Benchmark");
  list.SetOwner("Vokabit");
  list.SetDescription("300 words\x1F\x1Ewith marks");
  for (int i = 0; i < CWordList::kMaxWords; ++i)
    (void)list.AddWord(
        (scripts ? "иностранное слово " : "främmande ord ") + std::to_string(i),
        (scripts ? "μετάφραση, 翻訳 " : "translation, alternative ") + std::to_string(i), i % 3);
}

class CFullList {
 public:
  explicit CFullList(const QString& type = QStringLiteral("VK2"), bool scripts = false) {
    m_path = m_dir.filePath(QStringLiteral("full.") + type.toLower());
    CWordList list;
    FillFullList(list, scripts);
    m_ok = m_dir.isValid() && list.SaveTo(m_path, type) == FileResult::Done;
  }
  const QString& Path() const { return m_path; }
  bool Ok() const { return m_ok; }

 private:
  QTemporaryDir m_dir;
  QString m_path;
  bool m_ok = false;
};

// The list type, and as argument 1 the words of other scripts (a UTF-8 file).
void BM_Load(benchmark::State& state, const char* type) {
  CFullList file(QString::fromLatin1(type), state.range(0) != 0);
  if (!file.Ok()) {
    state.SkipWithError("cannot write the list");
    return;
  }
  for (auto _ : state) {
    CWordList list;
    const FileResult result = list.OpenFile(file.Path());
    benchmark::DoNotOptimize(result);
    if (result != FileResult::Done || list.GetCount() != CWordList::kMaxWords) {
      state.SkipWithError("the list did not read back");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * CWordList::kMaxWords);
}
BENCHMARK_CAPTURE(BM_Load, Version2, "VK2")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Load, Csv, "CSV")->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_Save(benchmark::State& state, const char* type) {
  QTemporaryDir dir;
  const QString kind = QString::fromLatin1(type);
  const QString path = dir.filePath(QStringLiteral("save.") + kind.toLower());
  CWordList list;
  FillFullList(list, state.range(0) != 0);
  for (auto _ : state) {
    const FileResult result = list.SaveTo(path, kind);
    benchmark::DoNotOptimize(result);
    if (result != FileResult::Done) {
      state.SkipWithError("cannot save the list");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * CWordList::kMaxWords);
}
BENCHMARK_CAPTURE(BM_Save, Version2, "VK2")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Save, Csv, "CSV")->Arg(0)->Unit(benchmark::kMicrosecond);

// What each key press in the answer field costs with check while typing and
// case not distinguished: the typed text and every stored alternative folded.
void BM_JudgeWhileTyping(benchmark::State& state) {
  CWordList list;
  (void)list.AddWord("Straße, улица, οδός, 通り, rue, calle, strada, ulica", "street", 0);
  CExercise exercise;
  ExerciseSetup setup;
  setup.writeForeign = true;
  setup.checkWhileTyping = true;
  exercise.Start(list, setup);
  exercise.NextQuestion();
  const CAnswerJudge judge(exercise);
  for (auto _ : state) {
    const TypingFeedback feedback = judge.OnAnswerChanged("STRASSE, УЛИЦА, ΟΔΌ", false);
    benchmark::DoNotOptimize(feedback);
  }
}
BENCHMARK(BM_JudgeWhileTyping)->Unit(benchmark::kMicrosecond);

// The preview reads the file again and counts its word rows whenever the
// delimiter or the header choice changes; here on the largest file a list
// reader takes, with quoted fields and line breaks in it.
void BM_CsvPreviewOfLargestFile(benchmark::State& state) {
  std::string data = "\xEF\xBB\xBFSvenska;Deutsch\r\n";
  for (int i = 0; data.size() < kMaxListFileBytes - 100; ++i)
    data +=
        "fr\xC3\xA4mmande " + std::to_string(i) + ";\"\xC3\xB6versetzt, \"\"eins\"\"\r\nzwei\"\r\n";
  CsvOptions options;
  options.delimiter = ';';
  for (auto _ : state) {
    CWordList list;
    list.SetCsvQuestion([options](const QString&, std::string_view, CsvOptions& asked) {
      asked = options;
      return true;
    });
    const ReadResult result = list.ReadBytes(QStringLiteral("CSV"), data);
    const int rows = CCsvFile::CountWordRows(std::string_view(data).substr(3), ';');
    benchmark::DoNotOptimize(rows);
    if (result != ReadResult::Read || list.GetCount() != CWordList::kMaxWords) {
      state.SkipWithError("the file did not read");
      break;
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
}
BENCHMARK(BM_CsvPreviewOfLargestFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
