// vokabit-convert [--no-header] INPUT OUTPUT: reads a word list in any type
// the program reads and writes it in the type OUTPUT's extension names.
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "ConsolePlatform.h"
#include "PdfOutput.h"
#include "lang/LangText.h"
#include "lang/TextParse.h"
#include "print/PdfExport.h"
#include "wordlist/WordList.h"
#include "wordlist/WordListTexts.h"

namespace {

constexpr const char* kUsage =
    "Usage: vokabit-convert [--no-header] INPUT OUTPUT\n"
    "Reads the word list INPUT (.vk2, .vk1, .ord, .txt, .skv, .scv, .csv) and writes\n"
    "it to OUTPUT in the type its extension names: vk2, vk1, html, ord, txt, skv, scv\n"
    "or csv (any other extension: vk2); pdf writes the printed pages with the print\n"
    "format of the settings.\n"
    "A .csv input is read with the delimiter its first rows use (comma, semicolon or\n"
    "tab) and its first row as the two language names; --no-header reads the first\n"
    "row as a word pair instead.\n"
    "Exit status: 0 done, 1 the list could not be read or written, 2 usage.\n";

QString OutputType(const QString& path) {
  const QString extension = QFileInfo(path).suffix().toUpper();
  static const QStringList kTypes = {
      QStringLiteral("VK2"), QStringLiteral("VK1"), QStringLiteral("HTML"), QStringLiteral("ORD"),
      QStringLiteral("TXT"), QStringLiteral("SKV"), QStringLiteral("SCV"),  QStringLiteral("CSV")};
  return kTypes.contains(extension) ? extension : QStringLiteral("VK2");
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::unique_ptr<QCoreApplication> app = MakeConverterApplication(argc, argv);
  QStringList args = app->arguments();
  args.removeFirst();
  if (args.size() == 1 && (args[0] == QLatin1String("-h") || args[0] == QLatin1String("--help"))) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  bool header = true;
  QStringList files;
  bool options = true;
  for (const QString& arg : args) {
    if (options && arg == QLatin1String("--")) {
      options = false;
    } else if (options && arg == QLatin1String("--no-header")) {
      header = false;
    } else if (options && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
      files.clear();  // an unknown option: usage
      break;
    } else {
      files.append(arg);
    }
  }
  if (files.size() != 2 || files[0].isEmpty() || files[1].isEmpty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }

  CConsolePlatform platform;
  CWordList list(&platform);
  list.SetCsvQuestion([header](const QString&, std::string_view, CsvOptions& csv) {
    csv.header = header;
    return true;
  });
  // A rejected input has been reported by the list itself.
  if (list.OpenFile(files[0]) != FileResult::Done) return 1;

  const QString output = files[1];
  const bool written = IsPdfPath(output)
                           ? WriteListPdf(list, output)
                           : list.SaveTo(output, OutputType(output)) == FileResult::Done;
  if (!written) {
    CConsolePlatform::PrintError(LangQTextWith(kTxtSaveFailed, output));
    return 1;
  }
  return 0;
}
