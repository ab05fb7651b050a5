#include "SettingsDefaults.h"

#include <iterator>
#include <map>

#include "SettingsFile.h"
#include "SettingsKeys.h"
#include "SettingsTree.h"

namespace {

using enum DefaultSource;
constexpr QLatin1String kNone("");

constexpr QLatin1String kCreatedAtStart[] = {
    kKeyVokabit30, kKeySetups, kKeyPrint, kKeyMru, kKeyTip, kKeyPractise,
};

constexpr SettingsDefault kDefaults[] = {
    {kKeyPrint, kValueShowFileName, Text, QLatin1String("TRUE")},
    {kKeyPrint, kValueShowOnlyF, Text, QLatin1String("FALSE")},
    {kKeyPrint, kValueShowOnlyO, Text, QLatin1String("FALSE")},
    {kKeyPrint, kValueShowPagenumber, Text, QLatin1String("TRUE")},
    {kKeyPrint, kValueShowTextFO, Text, QLatin1String("TRUE")},
    {kKeyPrint, kValueMarginTop, Text, QLatin1String("50")},
    {kKeyPrint, kValueMarginLeft, Text, QLatin1String("50")},
    {kKeyPrint, kValueMarginRight, Text, QLatin1String("50")},
    {kKeyPrint, kValueMarginBottom, Text, QLatin1String("50")},
    {kKeySetups, kValueBlandaCheck, Text, QLatin1String("TRUE")},
    {kKeySetups, kValueClassCheck, Text, QLatin1String("TRUE")},
    {kKeySetups, kValueLjudFel, LanguageText, kNone, kTextDefaultSound},
    {kKeySetups, kValueLjudFelCheck, Text, QLatin1String("FALSE")},
    {kKeySetups, kValueLjudRatt, LanguageText, kNone, kTextDefaultSound},
    {kKeySetups, kValueLjudRattCheck, Text, QLatin1String("FALSE")},
    {kKeySetups, kValueOvaAllaRadio, Text, QLatin1String("TRUE")},
    {kKeySetups, kValueOvaBara, Text, QLatin1String("10")},
    {kKeySetups, kValueSkiljCheck, Text, QLatin1String("TRUE")},
    {kKeySetups, kValueShowRightDirect, Text, QLatin1String("FALSE")},
    // Latin-1 bytes: u-umlaut, U-umlaut, sharp s.
    {kKeySetups, kValueSpecial1, Text, QLatin1String("\xFC")},
    {kKeySetups, kValueSpecial2, Text, QLatin1String("\xDC")},
    {kKeySetups, kValueSpecial3, Text, QLatin1String("\xDF")},
    {kKeySetups, kValueSpecial4, Text, QLatin1String(" ")},
    {kKeySetups, kValueSpecialBlock, Text, QLatin1String("Latin1")},
    {kKeySetups, kValuePause, Text, QLatin1String("0.8")},
    {kKeyVokabit, kValueHemsida, LanguageText, kNone, kTextProductWebPage},
    {kKeyBrannvik, kValueMail, LanguageText, kNone, kTextMakerMail},
    {kKeyVokabit30, kValueHelpFile, ProgramDirectory, kHelpFileInProgramDirectory},
    // The tips file's own name is added when it is opened.
    {kKeyVokabit30, kValueTipsFile, ProgramDirectory, kNone},
};

constexpr QLatin1String kAssociationKeys[] = {
    QLatin1String(".vk1"),
    QLatin1String(".vk2"),
    QLatin1String("Vokabit.vk2"),
    QLatin1String("Vokabit.vk1"),
    QLatin1String("Vokabit.vk2\\DefaultIcon"),
    QLatin1String("Vokabit.vk1\\DefaultIcon"),
    QLatin1String("Vokabit.vk2\\shell\\open\\command"),
    QLatin1String("Vokabit.vk1\\shell\\open\\command"),
    QLatin1String("Vokabit.vk2\\shell\\print\\command"),
    QLatin1String("Vokabit.vk1\\shell\\print\\command"),
};

QString WithTrailingSlash(const QString& directory) {
  if (directory.isEmpty() || directory.endsWith(QLatin1Char('/'))) return directory;
  return directory + QLatin1Char('/');
}

}  // namespace

std::span<const QLatin1String> SettingsKeysCreatedAtStart() {
  return kCreatedAtStart;
}

std::span<const SettingsDefault> SettingsDefaultsTable() {
  return kDefaults;
}

QString SettingsDefaultValue(const SettingsDefault& entry, const QString& programDirectory,
                             const LanguageTextSource& langText) {
  switch (entry.source) {
    case Text:
      return entry.text;
    case LanguageText:
      return langText ? langText(entry.langText) : QString();
    case ProgramDirectory:
      return WithTrailingSlash(programDirectory) + entry.text;
  }
  return QString();
}

bool ApplySettingsDefaults(const QString& programDirectory, const LanguageTextSource& langText) {
  // Only the defaults of missing values are made, and each once: a language
  // text is fetched when it is needed, and so before the lock is taken. On
  // most starts nothing is missing, and nothing is locked or written.
  std::map<std::size_t, QString> made;
  const auto defaultOf = [&](std::size_t i) -> const QString& {
    auto it = made.find(i);
    if (it == made.end())
      it = made.emplace(i, SettingsDefaultValue(kDefaults[i], programDirectory, langText)).first;
    return it->second;
  };
  return ChangeSettingsTree(SettingsRoot::CurrentUser, [&](CSettingsTree& tree) {
    bool changed = false;
    for (QLatin1String key : kCreatedAtStart) changed |= tree.CreateKey(key);
    for (std::size_t i = 0; i < std::size(kDefaults); ++i) {
      const SettingsDefault& entry = kDefaults[i];
      // A value stored as the empty string counts as not set.
      if (tree.Value(entry.keyPath, entry.valueName).isEmpty())
        changed |= tree.SetValue(entry.keyPath, entry.valueName, defaultOf(i));
    }
    return changed;
  });
}

std::span<const QLatin1String> FileAssociationKeys() {
  return kAssociationKeys;
}

QList<FileAssociation> FileAssociationValues(const QString& programPath) {
  // A program path with a space in it would otherwise split into a program
  // and an argument when the command line is taken apart.
  const QString program =
      programPath.contains(QLatin1Char(' ')) || programPath.contains(QLatin1Char('\t'))
          ? QLatin1Char('"') + programPath + QLatin1Char('"')
          : programPath;
  const QString file = QStringLiteral("\"%1\"");
  const QString print = program + QStringLiteral(" /p ") + file;
  const QString open = program + QLatin1Char(' ') + file;
  const QString icon = programPath + QStringLiteral(",1");
  return {
      {QStringLiteral("Vokabit.vk2\\shell\\print\\command"), print},
      {QStringLiteral("Vokabit.vk1\\shell\\print\\command"), print},
      {QStringLiteral("Vokabit.vk2\\shell\\open\\command"), open},
      {QStringLiteral("Vokabit.vk1\\shell\\open\\command"), open},
      {QStringLiteral("Vokabit.vk2\\DefaultIcon"), icon},
      {QStringLiteral("Vokabit.vk1\\DefaultIcon"), icon},
      {QStringLiteral("Vokabit.vk2"), QStringLiteral("Vokabit-gloslista 2.x")},
      {QStringLiteral("Vokabit.vk1"), QStringLiteral("Vokabit-gloslista 1.0")},
      {QStringLiteral(".vk2"), QStringLiteral("Vokabit.vk2")},
      {QStringLiteral(".vk1"), QStringLiteral("Vokabit.vk1")},
  };
}

bool WriteFileAssociations(const QString& programPath) {
  const QList<FileAssociation> entries = FileAssociationValues(programPath);
  return ChangeSettingsTree(SettingsRoot::ClassesRoot, [&](CSettingsTree& tree) {
    bool changed = false;
    for (QLatin1String key : kAssociationKeys) changed |= tree.CreateKey(key);
    for (const FileAssociation& entry : entries)
      changed |= tree.SetValue(entry.keyPath, QString(), entry.value);
    return changed;
  });
}
