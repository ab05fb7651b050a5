#pragma once
// The state behind the C interface of VkLang.h: the languages the program
// offers, their catalogs and the current language.
//
// The catalog folder holds languages.txt, which lists one language code per
// line; the line position is the language index that the settings store, so
// new languages go at the end. Each language has its catalog <code>.lang
// (see LangCatalog.h). A catalog is read when it is first needed (a start
// reads only the one of its language) and then kept, so that the pointers
// handed out stay valid until SetCatalogDir.
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "LangCatalog.h"

class CLangLibrary {
 public:
  // Most languages a catalog folder may list; the rest are ignored.
  static constexpr int kMaxLanguages = 100;

  static CLangLibrary& Instance();

  // The catalog folder; empty means <data folder>/lang. Drops what was
  // loaded: the next call reads the catalogs again and starts once more in
  // the language of the user's locale.
  void SetCatalogDir(const QString& dir);

  // Text n of the current language (UTF-8), null when unknown.
  const char* Text(unsigned n);
  // String-table text id of the current language, null when unknown.
  const char* StringTableText(unsigned id);

  // 0 on success; non-zero for an index out of range or a language whose
  // catalog cannot be used, and the current language stays.
  int SetLanguage(int index);
  int LanguageCount();
  const char* LanguageName(int index);
  // Index of the current language, -1 when no catalog can be used.
  int CurrentLanguage();
  // A listed catalog, or the list itself, was missing or damaged. Reads
  // every catalog.
  bool HasCatalogError();

  // The language codes the user's locale asks for, most wanted first
  // (LANGUAGE, then LC_ALL, LC_MESSAGES or LANG), e.g. {"de", "en"}.
  static QStringList UserLanguages();
  // The language to start with: the first wanted code whose catalog is
  // usable, else English, else the first usable one, else -1. usable(i) is
  // asked only for the languages that come into question, in that order.
  static int PickLanguage(const QStringList& codes, const std::function<bool(int)>& usable,
                          const QStringList& wanted);

 private:
  // No language is current before the first text is asked for or one is set.
  static constexpr int kNotChosen = -2;

  struct Language {
    QString code;
    bool read = false;                      // the catalog file was read
    std::string name;                       // UTF-8, once read
    std::unique_ptr<CLangCatalog> catalog;  // null when it cannot be used
  };

  void EnsureListed();
  void LoadLanguageList();
  // The language's catalog, read at the first call; null when it cannot be used.
  const CLangCatalog* Catalog(int index);
  const CLangCatalog* Current();

  std::mutex m_mutex;
  QString m_dir;
  QString m_catalogDir;  // m_dir, or the data folder's catalogs
  bool m_listed = false;
  bool m_error = false;
  std::vector<Language> m_languages;
  int m_current = kNotChosen;
};
