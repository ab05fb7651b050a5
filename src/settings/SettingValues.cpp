#include "SettingValues.h"

#include "Settings.h"
#include "lang/TextParse.h"

namespace {
const QString kTrue = QStringLiteral("TRUE");
const QString kFalse = QStringLiteral("FALSE");
}  // namespace

bool ReadBoolSetting(const QString& keyPath, const QString& valueName) {
  return ReadSetting(SettingsRoot::CurrentUser, keyPath, valueName) == kTrue;
}

bool WriteBoolSetting(const QString& keyPath, const QString& valueName, bool value) {
  return WriteSetting(SettingsRoot::CurrentUser, keyPath, valueName, value ? kTrue : kFalse);
}

int ReadIntSetting(const QString& keyPath, const QString& valueName) {
  return LeadingInt(ReadSetting(SettingsRoot::CurrentUser, keyPath, valueName));
}

bool WriteIntSetting(const QString& keyPath, const QString& valueName, int value) {
  return WriteSetting(SettingsRoot::CurrentUser, keyPath, valueName, QString::number(value));
}
