// vokabit-convert INPUT OUTPUT: reads a word list in any type the program
// reads and writes it in the type OUTPUT's extension names.
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "ConsolePlatform.h"
#include "LangText.h"
#include "PdfExport.h"
#include "PdfOutput.h"
#include "WordList.h"
#include "WordListTexts.h"

namespace {

constexpr const char* kUsage =
    "Usage: vokabit-convert INPUT OUTPUT\n"
    "Reads the word list INPUT (.vk2, .vk1, .ord, .txt, .skv, .scv) and writes it to\n"
    "OUTPUT in the type its extension names: vk2, vk1, html, ord, txt, skv or scv\n"
    "(any other extension: vk2); pdf writes the printed pages with the print\n"
    "format of the settings.\n"
    "Exit status: 0 done, 1 the list could not be read or written, 2 usage.\n";

QString OutputType(const QString& path) {
  const QString extension = QFileInfo(path).suffix().toUpper();
  static const QStringList kTypes = {
      QStringLiteral("VK2"), QStringLiteral("VK1"), QStringLiteral("HTML"), QStringLiteral("ORD"),
      QStringLiteral("TXT"), QStringLiteral("SKV"), QStringLiteral("SCV")};
  return kTypes.contains(extension) ? extension : QStringLiteral("VK2");
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::unique_ptr<QCoreApplication> app = MakeConverterApplication(argc, argv);
  const QStringList args = app->arguments();
  if (args.size() == 2 && (args[1] == QLatin1String("-h") || args[1] == QLatin1String("--help"))) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args.size() != 3 || args[1].isEmpty() || args[2].isEmpty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }

  CConsolePlatform platform;
  CWordList list(&platform);
  // A rejected input has been reported by the list itself.
  if (list.OpenFile(args[1]) != 0) return 1;

  const QString output = args[2];
  const int written =
      IsPdfPath(output) ? WriteListPdf(list, output) : list.SaveTo(output, OutputType(output));
  if (written != 0) {
    QString text = LangQText(kTxtSaveFailed);
    const qsizetype at = text.indexOf(QLatin1String("%s"));
    if (at >= 0) text.replace(at, 2, output);
    CConsolePlatform::PrintError(text);
    return 1;
  }
  return 0;
}
