#pragma once
// The defaults that start-up gives every missing setting, and the list file
// associations it writes at every start.
#include <functional>
#include <span>

#include <QLatin1String>
#include <QList>
#include <QString>

// Language texts that serve as defaults.
inline constexpr unsigned kTextDefaultSound = 249;    // LjudFel, LjudRatt
inline constexpr unsigned kTextProductWebPage = 111;  // Hemsida of the product
inline constexpr unsigned kTextMakerMail = 139;       // Mail of the maker

enum class DefaultSource {
  Text,              // text is the value
  LanguageText,      // language text number langText
  ProgramDirectory,  // the program directory with its trailing '/', then text
};

struct SettingsDefault {
  QLatin1String keyPath;  // below the per-user root
  QLatin1String valueName;
  DefaultSource source;
  QLatin1String text;
  unsigned langText = 0;
};

// Yields language text n as the language library has it at that moment.
using LanguageTextSource = std::function<QString(unsigned)>;

// The keys start-up creates, in order, before it writes any default.
std::span<const QLatin1String> SettingsKeysCreatedAtStart();

// Every setting that has a default, in the order start-up checks them.
std::span<const SettingsDefault> SettingsDefaultsTable();

// The help file shipped in the program directory.
inline constexpr QLatin1String kHelpFileInProgramDirectory("help/index.html");

QString SettingsDefaultValue(const SettingsDefault& entry, const QString& programDirectory,
                             const LanguageTextSource& langText);

// Creates the keys and writes the default of every setting that reads as
// the empty string (missing, or stored empty); a value the user set stays.
// programDirectory is the folder with the program's data; langText is asked
// only for the defaults that are missing. All of it is one replace of the
// settings file, and none when nothing is missing. False when the settings file is damaged
// or cannot be written; it is then left as it was.
bool ApplySettingsDefaults(const QString& programDirectory, const LanguageTextSource& langText);

// One default value of the file-class root.
struct FileAssociation {
  QString keyPath;
  QString value;
};

// The keys of the list file associations, in the order they are created.
std::span<const QLatin1String> FileAssociationKeys();

// Their default values, in the order they are written, for the program at
// programPath.
QList<FileAssociation> FileAssociationValues(const QString& programPath);

// Creates the association keys and writes every value, replacing what is
// there. False when the file-class store is damaged or cannot be written.
bool WriteFileAssociations(const QString& programPath);
