#include "SpecialChars.h"

#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

namespace {
constexpr QLatin1String kNames[4] = {kValueSpecial1, kValueSpecial2, kValueSpecial3,
                                     kValueSpecial4};
}  // namespace

QString SpecialChar(int index) {
  return ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kNames[index]);
}

std::array<QString, 4> SpecialChars() {
  return {SpecialChar(0), SpecialChar(1), SpecialChar(2), SpecialChar(3)};
}

void StoreSpecialChar(int index, const QString& character) {
  WriteSetting(SettingsRoot::CurrentUser, kKeySetups, kNames[index], character);
}
