#include "TestFiles.h"

#include <QFile>

#include "Cp1252.h"
#include "LangText.h"
#include "SettingsDefaults.h"

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& data) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

CWordList ListOf(const std::vector<TestWord>& words) {
  CWordList list;
  for (const TestWord& w : words) list.AddWord(w.foreign, w.translation, w.mark);
  return list;
}

bool SaveList(const QString& path, const std::vector<TestWord>& words) {
  return ListOf(words).SaveTo(path, QStringLiteral("VK2")) == 0;
}

QStringList WordsOf(const CWordList& list) {
  QStringList words;
  for (int i = 0; i < list.GetCount(); ++i) {
    words << FromCp1252(list.GetForeign(i)) + u'/' + FromCp1252(list.GetTranslation(i)) + u'/' +
                 QString::number(list.GetMark(i));
  }
  return words;
}

QString WithPath(unsigned text, const QString& path) {
  QString s = LangQText(text);
  const qsizetype at = s.indexOf(QLatin1String("%s"));
  if (at >= 0) s.replace(at, 2, path);
  return s;
}

void ApplyTestDefaults(const QString& programDirectory) {
  ApplySettingsDefaults(programDirectory, [](unsigned n) { return LangQText(n); });
}
