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
  m_loaded = false;
  m_error = false;
  m_languages.clear();
  m_current = -1;
}

void CLangLibrary::EnsureLoaded() {
  if (m_loaded) return;
  m_loaded = true;
  const QString dir = m_dir.isEmpty() ? DataDirectory() + QStringLiteral("/lang") : m_dir;
  LoadLanguageList(dir);

  QStringList codes;
  std::vector<bool> usable;
  for (Language& language : m_languages) {
    auto catalog = std::make_unique<CLangCatalog>();
    const bool ok = catalog->Load(dir + QLatin1Char('/') + language.code + QStringLiteral(".lang"));
    if (catalog->IsDamaged()) m_error = true;
    const QString name = catalog->Name().isEmpty() ? language.code : catalog->Name();
    language.name = name.toStdString();
    if (ok) language.catalog = std::move(catalog);
    codes.append(language.code);
    usable.push_back(ok);
  }
  m_current = PickLanguage(codes, usable, UserLanguages());
}

void CLangLibrary::LoadLanguageList(const QString& dir) {
  QFile file(dir + QStringLiteral("/languages.txt"));
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
    m_languages.push_back(Language{line, {}, nullptr});
  }
}

const CLangCatalog* CLangLibrary::Current() const {
  if (m_current < 0) return nullptr;
  return m_languages[std::size_t(m_current)].catalog.get();
}

const char* CLangLibrary::Text(unsigned n) {
  const std::lock_guard lock(m_mutex);
  EnsureLoaded();
  const CLangCatalog* catalog = Current();
  const std::string* text = catalog ? catalog->Text(n) : nullptr;
  return text ? text->c_str() : nullptr;
}

const char* CLangLibrary::StringTableText(unsigned id) {
  const std::lock_guard lock(m_mutex);
  EnsureLoaded();
  const CLangCatalog* catalog = Current();
  const std::string* text = catalog ? catalog->StringTableText(id) : nullptr;
  return text ? text->c_str() : nullptr;
}

int CLangLibrary::SetLanguage(int index) {
  const std::lock_guard lock(m_mutex);
  EnsureLoaded();
  if (index < 0 || index >= int(m_languages.size())) return 1;
  if (!m_languages[std::size_t(index)].catalog) return 2;
  m_current = index;
  return 0;
}

int CLangLibrary::LanguageCount() {
  const std::lock_guard lock(m_mutex);
  EnsureLoaded();
  return int(m_languages.size());
}

const char* CLangLibrary::LanguageName(int index) {
  const std::lock_guard lock(m_mutex);
  EnsureLoaded();
  if (index < 0 || index >= int(m_languages.size())) return nullptr;
  return m_languages[std::size_t(index)].name.c_str();
}

int CLangLibrary::CurrentLanguage() {
  const std::lock_guard lock(m_mutex);
  EnsureLoaded();
  return m_current;
}

bool CLangLibrary::HasCatalogError() {
  const std::lock_guard lock(m_mutex);
  EnsureLoaded();
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

int CLangLibrary::PickLanguage(const QStringList& codes, const std::vector<bool>& usable,
                               const QStringList& wanted) {
  const auto find = [&](const QString& language) {
    for (qsizetype i = 0; i < codes.size() && std::size_t(i) < usable.size(); ++i) {
      if (usable[std::size_t(i)] && codes[i].section(QLatin1Char('_'), 0, 0) == language) {
        return int(i);
      }
    }
    return -1;
  };
  for (const QString& language : wanted) {
    if (const int index = find(language); index >= 0) return index;
  }
  if (const int index = find(QStringLiteral("en")); index >= 0) return index;
  for (std::size_t i = 0; i < usable.size(); ++i) {
    if (usable[i]) return int(i);
  }
  return -1;
}
