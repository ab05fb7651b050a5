#include "StartupRoutine.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "AppTexts.h"
#include "ProgramLanguage.h"
#include "lang/DataDir.h"
#include "lang/LangText.h"
#include "lang/TextParse.h"
#include "lang/VkFiles.h"
#include "lang/VkLang.h"
#include "platform/Platform.h"
#include "settings/Settings.h"
#include "settings/SettingsDefaults.h"
#include "settings/SettingsKeys.h"

namespace {

// The routine runs before a language is chosen, so its own texts are fixed.
const QString kStatusCheckingLibraries = QStringLiteral("Checking dllfiles...");
const QString kWarnLangTooOld = QStringLiteral("Warning: The file vklang.dll is too old!");
const QString kWarnFilesTooOld = QStringLiteral("Warning: The file vkfiles.dll is too old!");
const QString kStatusCheckingSettings = QStringLiteral("Checking registry...");
const QString kStatusLoadingLanguage = QStringLiteral("Loading current language...");
const QString kStatusNoLanguage = QStringLiteral("No language selected.");
const QString kStatusLanguageError = QStringLiteral("Error loading language!");
const QString kStatusHelpFile = QStringLiteral("Searching for helpfile...");
const QString kStatusStarting = QStringLiteral("Startar...");

constexpr int kMinLangVersion = 14;
constexpr int kMinFilesVersion = 10;

// The low 16 bits of a library's version, as a signed number.
int Version16(const std::function<std::uint32_t()>& version) {
  return version ? int(std::int16_t(std::uint16_t(version() & 0xFFFFu))) : 0;
}

void CheckLibraries(CStartupView& view, const StartupSetup& setup, QString& warnings) {
  view.SetStatus(kStatusCheckingLibraries);
  const auto warn = [&](const QString& text) {
    view.SetStatusRed(true);
    view.SetStatus(text);
    warnings += text + QLatin1Char('\n');
  };
  if (Version16(setup.langVersion) < kMinLangVersion) warn(kWarnLangTooOld);
  if (Version16(setup.filesVersion) < kMinFilesVersion) warn(kWarnFilesTooOld);
  if (VKLangHasCatalogError() != 0) warnings += LangQText(kTxtCatalogDamaged) + QLatin1Char('\n');
}

void CheckSettings(CStartupView& view, const StartupSetup& setup, QString& warnings) {
  view.SetStatus(kStatusCheckingSettings);
  // The language texts among the defaults come in the language the library
  // has before the stored one is loaded.
  ApplySettingsDefaults(setup.programDirectory, [](unsigned n) { return LangQText(n); });
  WriteFileAssociations(setup.programPath);
  if (const QString damaged = SettingsStoreProblem(); !damaged.isEmpty()) {
    warnings += LangQTextWith(kTxtSettingsDamaged, damaged) + QLatin1Char('\n');
  }
}

void LoadLanguage(CStartupView& view, QString& warnings) {
  for (;;) {
    view.SetStatusRed(false);
    view.SetStatus(kStatusLoadingLanguage);
    const QString stored = ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueLanguage);
    if (stored.isEmpty()) {
      view.SetStatusRed(true);
      view.SetStatus(kStatusNoLanguage);
      if (view.ChooseLanguage()) continue;
    }
    if (SetProgramLanguage(LeadingInt(stored)) != 0) {
      view.SetStatusRed(true);
      view.SetStatus(kStatusLanguageError);
      if (view.ChooseLanguage()) continue;
      warnings += kStatusLanguageError;
      // The program goes on in the library's language; Qt's texts follow it.
      InstallQtTranslations();
    }
    return;
  }
}

}  // namespace

StartupSetup ProgramStartupSetup() {
  StartupSetup setup;
  setup.programDirectory = DataDirectory() + QLatin1Char('/');
  setup.programPath = QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath();
  setup.langVersion = &VKLangGetVersionI;
  setup.filesVersion = &VKFilesGetVersionI;
  return setup;
}

QString RunStartupRoutine(CStartupView& view, CPlatform& platform, const StartupSetup& setup) {
  QString warnings;
  CheckLibraries(view, setup, warnings);
  CheckSettings(view, setup, warnings);
  LoadLanguage(view, warnings);

  view.SetStatus(kStatusHelpFile);
  const QString helpFile = ReadSetting(SettingsRoot::CurrentUser, kKeyVokabit30, kValueHelpFile);

  view.SetStatus(kStatusStarting);
  if (!warnings.isEmpty()) {
    platform.MessageBox(StringTableQText(kStrStartupErrors) + warnings, MessageButtons::Ok,
                        MessageIcon::Warning);
  }
  return helpFile;
}

QString PrepareStartWithFile(const QString& programDirectory) {
  ApplySettingsDefaults(programDirectory, [](unsigned n) { return LangQText(n); });
  ApplyStoredLanguage();
  const QString damaged = SettingsStoreProblem();
  if (damaged.isEmpty()) return QString();
  return LangQTextWith(kTxtSettingsDamaged, damaged);
}
