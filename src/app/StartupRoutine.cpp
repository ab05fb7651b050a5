#include "StartupRoutine.h"

#include "AppTexts.h"
#include "LangText.h"
#include "Settings.h"
#include "SettingsDefaults.h"
#include "SettingsKeys.h"
#include "VkLang.h"

QString RunStartupSettings(const QString& programDirectory, const QString& programPath) {
  QString warnings;
  ApplySettingsDefaults(programDirectory, [](unsigned n) { return LangQText(n); });
  WriteFileAssociations(programPath);
  if (const QString damaged = SettingsStoreProblem(); !damaged.isEmpty()) {
    warnings +=
        LangQText(kTxtSettingsDamaged).replace(QLatin1String("%s"), damaged) + QLatin1Char('\n');
  }
  if (!ApplyStoredLanguage()) warnings += QStringLiteral("Error loading language!\n");
  if (VKLangHasCatalogError() != 0) {
    warnings += LangQText(kTxtCatalogDamaged) + QLatin1Char('\n');
  }
  if (!warnings.isEmpty()) warnings.prepend(StringTableQText(kStrStartupErrors));
  return warnings;
}

QString RunStartupWithFile(const QString& programDirectory) {
  ApplySettingsDefaults(programDirectory, [](unsigned n) { return LangQText(n); });
  ApplyStoredLanguage();
  const QString damaged = SettingsStoreProblem();
  if (damaged.isEmpty()) return QString();
  return LangQText(kTxtSettingsDamaged).replace(QLatin1String("%s"), damaged);
}

bool ApplyStoredLanguage() {
  const QString stored = ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueLanguage);
  if (stored.isEmpty()) return true;
  bool ok = false;
  const int index = stored.toInt(&ok);
  return VKLangSetLanguage(ok ? index : 0) == 0;
}
