// Loading and saving a full list of 300 words in the version 2 format.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "WordList.h"

namespace {

void FillFullList(CWordList& list) {
  list.SetTitle("Benchmark");
  list.SetOwner("Vokabit");
  list.SetDescription("300 words\x1F\x1Ewith marks");
  for (int i = 0; i < CWordList::kMaxWords; ++i)
    list.AddWord("fr\xE4mmande ord " + std::to_string(i),
                 "translation, alternative " + std::to_string(i), i % 3);
}

class CFullList {
 public:
  CFullList() {
    m_path = m_dir.filePath(QStringLiteral("full.vk2"));
    CWordList list;
    FillFullList(list);
    m_ok = m_dir.isValid() && list.SaveTo(m_path, QStringLiteral("VK2")) == 0;
  }
  const QString& Path() const { return m_path; }
  bool Ok() const { return m_ok; }

 private:
  QTemporaryDir m_dir;
  QString m_path;
  bool m_ok = false;
};

void BM_LoadVersion2(benchmark::State& state) {
  CFullList file;
  if (!file.Ok()) {
    state.SkipWithError("cannot write the list");
    return;
  }
  for (auto _ : state) {
    CWordList list;
    const int result = list.OpenFile(file.Path());
    benchmark::DoNotOptimize(result);
    if (result != 0 || list.GetCount() != CWordList::kMaxWords) {
      state.SkipWithError("the list did not read back");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * CWordList::kMaxWords);
}
BENCHMARK(BM_LoadVersion2)->Unit(benchmark::kMicrosecond);

void BM_SaveVersion2(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("save.vk2"));
  CWordList list;
  FillFullList(list);
  for (auto _ : state) {
    const int result = list.SaveTo(path, QStringLiteral("VK2"));
    benchmark::DoNotOptimize(result);
    if (result != 0) {
      state.SkipWithError("cannot save the list");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * CWordList::kMaxWords);
}
BENCHMARK(BM_SaveVersion2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
