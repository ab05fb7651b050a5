#include "LangLibrary.h"

#include <QFile>
#include <QRegularExpression>

#include "DataDir.h"

CLangLibrary& CLangLibrary::Instance() {
  static CLangLibrary library;
  return library;
}

void CLangLibrary::SetCatalogDir(const QString& dir) {
  const std::lock_guard lock(m_mutex);
  m_dir = dir;
  m_listed = false;
  m_error = false;
  m_languages.clear();
  m_current = kNotChosen;
}

void CLangLibrary::EnsureListed() {
  if (m_listed) return;
  m_listed = true;
  m_catalogDir = m_dir.isEmpty() ? DataDirectory() + QStringLiteral("/lang") : m_dir;
  LoadLanguageList();
}

void CLangLibrary::LoadLanguageList() {
  QFile file(m_catalogDir + QStringLiteral("/languages.txt"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    m_error = true;
    return;
  }
  static const QRegularExpression codePattern(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
  const QString list = QString::fromUtf8(file.read(CLangCatalog::kMaxFileSize));
  for (const QString& raw : list.split(QLatin1Char('\n'))) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    const bool known = std::any_of(m_languages.begin(), m_languages.end(),
                                   [&](const Language& l) { return l.code == line; });
    if (!codePattern.match(line).hasMatch() || known || int(m_languages.size()) >= kMaxLanguages) {
      m_error = true;
      continue;
    }
    m_languages.push_back(Language{line, false, {}, nullptr});
  }
}

const CLangCatalog* CLangLibrary::Catalog(int index) {
  Language& language = m_languages[std::size_t(index)];
  if (!language.read) {
    language.read = true;
    auto catalog = std::make_unique<CLangCatalog>();
    const bool ok =
        catalog->Load(m_catalogDir + QLatin1Char('/') + language.code + QStringLiteral(".lang"));
    if (catalog->IsDamaged()) m_error = true;
    language.name = (catalog->Name().isEmpty() ? language.code : catalog->Name()).toStdString();
    if (ok) language.catalog = std::move(catalog);
  }
  return language.catalog.get();
}

const CLangCatalog* CLangLibrary::Current() {
  EnsureListed();
  if (m_current == kNotChosen) {
    QStringList codes;
    for (const Language& language : m_languages) codes.append(language.code);
    m_current = PickLanguage(
        codes, [this](int index) { return Catalog(index) != nullptr; }, UserLanguages());
  }
  return m_current < 0 ? nullptr : Catalog(m_current);
}

const char* CLangLibrary::Text(unsigned n) {
  const std::lock_guard lock(m_mutex);
  const CLangCatalog* catalog = Current();
  const std::string* text = catalog ? catalog->Text(n) : nullptr;
  return text ? text->c_str() : nullptr;
}

const char* CLangLibrary::StringTableText(unsigned id) {
  const std::lock_guard lock(m_mutex);
  const CLangCatalog* catalog = Current();
  const std::string* text = catalog ? catalog->StringTableText(id) : nullptr;
  return text ? text->c_str() : nullptr;
}

int CLangLibrary::SetLanguage(int index) {
  const std::lock_guard lock(m_mutex);
  EnsureListed();
  if (index < 0 || index >= int(m_languages.size())) return 1;
  if (!Catalog(index)) return 2;
  m_current = index;
  return 0;
}

int CLangLibrary::LanguageCount() {
  const std::lock_guard lock(m_mutex);
  EnsureListed();
  return int(m_languages.size());
}

const char* CLangLibrary::LanguageName(int index) {
  const std::lock_guard lock(m_mutex);
  EnsureListed();
  if (index < 0 || index >= int(m_languages.size())) return nullptr;
  Catalog(index);  // the name comes from the catalog's header
  return m_languages[std::size_t(index)].name.c_str();
}

int CLangLibrary::CurrentLanguage() {
  const std::lock_guard lock(m_mutex);
  Current();
  return m_current;
}

bool CLangLibrary::HasCatalogError() {
  const std::lock_guard lock(m_mutex);
  EnsureListed();
  for (int i = 0; i < int(m_languages.size()); ++i) Catalog(i);
  return m_error;
}

QStringList CLangLibrary::UserLanguages() {
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = qEnvironmentVariable(name);
    if (!locale.isEmpty()) break;
  }
  const bool plain = locale.isEmpty() || locale == QLatin1String("C") ||
                     locale == QLatin1String("POSIX") || locale.startsWith(QLatin1String("C."));

  QStringList wanted;
  const auto add = [&wanted](const QString& entry) {
    // "de_AT.UTF-8@euro" -> "de"
    const QString language = entry.section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('@'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0)
                                 .toLower();
    if (language.isEmpty() || language == QLatin1String("c") ||
        language == QLatin1String("posix") || wanted.contains(language)) {
      return;
    }
    wanted.append(language);
  };
  // As gettext does, the LANGUAGE priority list counts only with a real locale.
  if (!plain) {
    for (const QString& entry :
         qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
      add(entry);
    }
    add(locale);
  }
  return wanted;
}

int CLangLibrary::PickLanguage(const QStringList& codes, const std::function<bool(int)>& usable,
                               const QStringList& wanted) {
  const auto find = [&](const QString& language) {
    for (qsizetype i = 0; i < codes.size(); ++i) {
      if (codes[i].section(QLatin1Char('_'), 0, 0) == language && usable(int(i))) return int(i);
    }
    return -1;
  };
  for (const QString& language : wanted) {
    if (const int index = find(language); index >= 0) return index;
  }
  if (const int index = find(QStringLiteral("en")); index >= 0) return index;
  for (qsizetype i = 0; i < codes.size(); ++i) {
    if (usable(int(i))) return int(i);
  }
  return -1;
}
