#include "PracticeOptions.h"

#include "settings/SettingValues.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

namespace {

QString Text(QLatin1String name) {
  return ReadSetting(SettingsRoot::CurrentUser, kKeySetups, name);
}

void WriteText(QLatin1String name, const QString& value) {
  WriteSetting(SettingsRoot::CurrentUser, kKeySetups, name, value);
}

}  // namespace

PracticeOptions PracticeOptions::Load() {
  PracticeOptions options;
  options.wrongSoundPath = Text(kValueLjudFel);
  options.rightSoundPath = Text(kValueLjudRatt);
  options.allWords = ReadBoolSetting(kKeySetups, kValueOvaAllaRadio);
  options.onlyCount = ReadIntSetting(kKeySetups, kValueOvaBara);
  options.shuffle = ReadBoolSetting(kKeySetups, kValueBlandaCheck);
  options.wrongSound = ReadBoolSetting(kKeySetups, kValueLjudFelCheck);
  options.rightSound = ReadBoolSetting(kKeySetups, kValueLjudRattCheck);
  options.matchCase = ReadBoolSetting(kKeySetups, kValueSkiljCheck);
  options.showClass = ReadBoolSetting(kKeySetups, kValueClassCheck);
  options.checkWhileTyping = ReadBoolSetting(kKeySetups, kValueShowRightDirect);
  options.pause = Text(kValuePause);
  return options;
}

void PracticeOptions::Save() const {
  const CSettingsBatch batch;  // one replace of the settings file for all
  WriteBoolSetting(kKeySetups, kValueOvaAllaRadio, allWords);
  if (!allWords) WriteIntSetting(kKeySetups, kValueOvaBara, onlyCount);
  WriteBoolSetting(kKeySetups, kValueBlandaCheck, shuffle);
  WriteBoolSetting(kKeySetups, kValueLjudFelCheck, wrongSound);
  WriteBoolSetting(kKeySetups, kValueLjudRattCheck, rightSound);
  WriteBoolSetting(kKeySetups, kValueSkiljCheck, matchCase);
  WriteBoolSetting(kKeySetups, kValueClassCheck, showClass);
  WriteBoolSetting(kKeySetups, kValueShowRightDirect, checkWhileTyping);
  WriteText(kValueLjudFel, wrongSoundPath);
  WriteText(kValueLjudRatt, rightSoundPath);
}

void PracticeOptions::SavePause(const QString& pause) {
  WriteText(kValuePause, pause);
}

Direction LastDirection() {
  // Only the exact "FALSE" means translations; anything else, also nothing
  // stored yet, means foreign words.
  return ReadSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF) == QLatin1String("FALSE")
             ? Direction::Translation
             : Direction::Foreign;
}

void RememberDirection(Direction direction) {
  WriteBoolSetting(kKeyPractise, kValueF, direction == Direction::Foreign);
}
