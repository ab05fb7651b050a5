// Printing a full list of 300 words: counting its pages, and the whole PDF
// (layout, fonts and the file), as the print command and the converter do.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <string>

#include "print/ListPrinter.h"
#include "print/PdfExport.h"
#include "settings/SettingsDefaults.h"
#include "wordlist/WordList.h"

namespace {

CWordList FullList() {
  CWordList list;
  list.SetTitle("Benchmark");
  for (int i = 0; i < CWordList::kMaxWords; ++i)
    (void)list.AddWord("främmande ord " + std::to_string(i), "translation " + std::to_string(i));
  return list;
}

void BM_PageCount(benchmark::State& state) {
  const CWordList list = FullList();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter device(&buffer);
  device.setResolution(CListPrinter::kResolution);
  for (auto _ : state) {
    CListPrinter printer(list);
    printer.PreparePrint(device);
    benchmark::DoNotOptimize(printer.PageCount());
  }
}
BENCHMARK(BM_PageCount)->Unit(benchmark::kMicrosecond);

void BM_WritePdf(benchmark::State& state) {
  const CWordList list = FullList();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("full.pdf"));
  for (auto _ : state) {
    if (WriteListPdf(list, path) != 0) {
      state.SkipWithError("the PDF could not be written");
      break;
    }
  }
}
BENCHMARK(BM_WritePdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Fonts need the GUI application; nothing is shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("VOKABIT_CONFIG_DIR", QFile::encodeName(config.path()));
  QGuiApplication app(argc, argv);
  ApplySettingsDefaults(QStringLiteral("/"), [](unsigned) { return QString(); });
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
