#pragma once
// Files, word lists and settings as the tests prepare and inspect them.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "WordList.h"

// The whole file; empty when it cannot be read.
QByteArray ReadAll(const QString& path);
// Writes data as the whole file; false when that fails.
bool WriteFile(const QString& path, const QByteArray& data);

struct TestWord {
  std::string foreign;
  std::string translation;
  int mark = 0;
};

// A new list of these words, in this order.
CWordList ListOf(const std::vector<TestWord>& words);
// Writes them as a version 2 list file; false when that fails.
bool SaveList(const QString& path, const std::vector<TestWord>& words);

// "foreign/translation/mark" of every word, in the list's order.
QStringList WordsOf(const CWordList& list);

// A catalog text with its "%s" replaced by path.
QString WithPath(unsigned text, const QString& path);

// Writes the start-up defaults into the private settings store of the test,
// with the texts of the current language.
void ApplyTestDefaults(const QString& programDirectory);
