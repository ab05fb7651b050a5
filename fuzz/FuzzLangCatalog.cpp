// Feeds the language catalog reader. Whatever it keeps of a file must come
// back unchanged from a clean catalog file written of it, read into the same
// catalog object, so that nothing of the first file is left behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include <QByteArray>
#include <QString>

#include "lang/LangCatalog.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// The texts are UTF-8, whose bytes never hold a backslash, line feed or tab
// inside a longer character.
QByteArray Escaped(const std::string& text) {
  QByteArray out;
  for (const char c : text) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out;
}

// CR LF throughout: the reader takes one CR off a line end, so a CR that ends
// a text or the name survives.
QByteArray Write(const CLangCatalog& catalog) {
  QByteArray file = "# written again\r\n";
  if (!catalog.Name().isEmpty()) file += "@language\t" + catalog.Name().toUtf8() + "\r\n";
  // The texts section is where a file starts, so it gets no header line.
  for (const auto& [n, text] : catalog.Texts())
    file += QByteArray::number(n) + '\t' + Escaped(text) + "\trole\r\n";
  file += "@section\tstrings\r\n";
  for (const auto& [n, text] : catalog.Strings())
    file += QByteArray::number(n) + '\t' + Escaped(text) + "\r\n";
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CLangCatalog catalog;
  const bool usable =
      catalog.Parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  Check(usable == catalog.IsUsable());
  Check(usable == !catalog.Texts().empty());
  // A catalog without a name or without texts is reported as damaged.
  Check(catalog.IsDamaged() || (usable && !catalog.Name().isEmpty()));
  for (const auto& [n, text] : catalog.Strings()) Check(catalog.StringTableText(n) == &text);
  for (const auto& [n, text] : catalog.Texts()) {
    Check(catalog.Text(n) == &text);
    if (!catalog.Strings().count(n)) Check(catalog.StringTableText(n) == &text);
  }

  const QString name = catalog.Name();
  const std::map<unsigned, std::string> texts = catalog.Texts();
  const std::map<unsigned, std::string> strings = catalog.Strings();
  Check(catalog.Parse(Write(catalog)) == usable);
  Check(catalog.Name() == name);
  Check(catalog.Texts() == texts);
  Check(catalog.Strings() == strings);
  // Only the missing name or texts of the first file may be reported now.
  Check(catalog.Problems().size() == int(name.isEmpty()) + int(texts.empty()));
  return 0;
}
