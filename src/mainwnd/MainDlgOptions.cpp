// The practice options panel: its controls are the live options while the
// program runs; they are loaded at start and saved at exit.
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include "ColorEdit.h"
#include "DataDir.h"
#include "Exercise.h"
#include "HoverButton.h"
#include "LangText.h"
#include "MainDlg.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "Platform.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "SpecialCharDlg.h"

namespace {

const QString kTrue = QStringLiteral("TRUE");
const QString kFalse = QStringLiteral("FALSE");

QString Setup(QLatin1String name) {
  return ReadSetting(SettingsRoot::CurrentUser, kKeySetups, name);
}

void WriteSetup(QLatin1String name, const QString& value) {
  WriteSetting(SettingsRoot::CurrentUser, kKeySetups, name, value);
}

// The leading decimal integer of a text, as atoi reads it (0 when none).
int LeadingInt(const QString& text) {
  const std::string bytes = text.toStdString();
  long long value = 0;
  std::size_t i = 0;
  while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t')) ++i;
  bool negative = false;
  if (i < bytes.size() && (bytes[i] == '+' || bytes[i] == '-')) negative = bytes[i++] == '-';
  while (i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9') {
    value = std::min<long long>(value * 10 + (bytes[i++] - '0'), 1LL << 31);
  }
  value = negative ? -value : value;
  return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

constexpr QLatin1String kSpecialNames[4] = {kValueSpecial1, kValueSpecial2, kValueSpecial3,
                                            kValueSpecial4};

}  // namespace

bool CMainDlg::IsChecked(int id) const {
  const auto* check = qobject_cast<const QAbstractButton*>(Control(id));
  return check && check->isChecked();
}

void CMainDlg::SetChecked(int id, bool checked) {
  if (auto* check = qobject_cast<QAbstractButton*>(Control(id))) check->setChecked(checked);
}

QString CMainDlg::EditText(int id) const {
  const auto* edit = qobject_cast<const QLineEdit*>(Control(id));
  return edit ? edit->text() : QString();
}

QString CMainDlg::SpecialChar(int index) const {
  return ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kSpecialNames[index]);
}

void CMainDlg::LoadSpecialCaptions() {
  for (int i = 0; i < 4; ++i) {
    auto* button = static_cast<QAbstractButton*>(Control(IDC_SPECIAL1 + i));
    const QString text = QStringLiteral("F%1: ").arg(5 + i) + SpecialChar(i);
    // A single "&" would underline the next letter.
    button->setText(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
    button->setAccessibleName(text);
  }
}

void CMainDlg::LoadPracticeOptions() {
  static_cast<QLineEdit*>(Control(IDC_WRONG_SOUND_PATH))->setText(Setup(kValueLjudFel));
  static_cast<QLineEdit*>(Control(IDC_RIGHT_SOUND_PATH))->setText(Setup(kValueLjudRatt));
  const bool all = Setup(kValueOvaAllaRadio) == kTrue;
  SetChecked(IDC_ALL_WORDS, all);
  SetChecked(IDC_ONLY_WORDS, !all);
  static_cast<QLineEdit*>(Control(IDC_ONLY_COUNT))
      ->setText(QString::number(LeadingInt(Setup(kValueOvaBara))));
  SetChecked(IDC_SHUFFLE, Setup(kValueBlandaCheck) == kTrue);
  SetChecked(IDC_WRONG_SOUND_CHECK, Setup(kValueLjudFelCheck) == kTrue);
  SetChecked(IDC_RIGHT_SOUND_CHECK, Setup(kValueLjudRattCheck) == kTrue);
  SetChecked(IDC_MATCH_CASE, Setup(kValueSkiljCheck) == kTrue);
  SetChecked(IDC_SHOW_CLASS, Setup(kValueClassCheck) == kTrue);
  SetChecked(IDC_CHECK_WHILE_TYPING, Setup(kValueShowRightDirect) == kTrue);
  static_cast<QLineEdit*>(Control(IDC_PAUSE))->setText(Setup(kValuePause));
  LoadSpecialCaptions();
  UpdateSoundControls();
}

void CMainDlg::SavePracticeOptions() {
  const CSettingsBatch batch;  // one replace of the settings file for all
  if (IsChecked(IDC_ALL_WORDS)) {
    WriteSetup(kValueOvaAllaRadio, kTrue);
  } else {
    WriteSetup(kValueOvaAllaRadio, kFalse);
    WriteSetup(kValueOvaBara, QString::number(LeadingInt(EditText(IDC_ONLY_COUNT))));
  }
  WriteSetup(kValueBlandaCheck, IsChecked(IDC_SHUFFLE) ? kTrue : kFalse);
  WriteSetup(kValueLjudFelCheck, IsChecked(IDC_WRONG_SOUND_CHECK) ? kTrue : kFalse);
  WriteSetup(kValueLjudRattCheck, IsChecked(IDC_RIGHT_SOUND_CHECK) ? kTrue : kFalse);
  WriteSetup(kValueSkiljCheck, IsChecked(IDC_MATCH_CASE) ? kTrue : kFalse);
  WriteSetup(kValueClassCheck, IsChecked(IDC_SHOW_CLASS) ? kTrue : kFalse);
  WriteSetup(kValueShowRightDirect, IsChecked(IDC_CHECK_WHILE_TYPING) ? kTrue : kFalse);
  WriteSetup(kValueLjudFel, EditText(IDC_WRONG_SOUND_PATH));
  WriteSetup(kValueLjudRatt, EditText(IDC_RIGHT_SOUND_PATH));
}

void CMainDlg::UpdateSoundControls() {
  const bool wrong = IsChecked(IDC_WRONG_SOUND_CHECK);
  static_cast<QLineEdit*>(Control(IDC_WRONG_SOUND_PATH))->setReadOnly(!wrong);
  Control(IDC_CHOOSE_WRONG_SOUND)->setEnabled(wrong);
  Control(IDC_PLAY_WRONG)->setEnabled(wrong);
  const bool right = IsChecked(IDC_RIGHT_SOUND_CHECK);
  static_cast<QLineEdit*>(Control(IDC_RIGHT_SOUND_PATH))->setReadOnly(!right);
  Control(IDC_CHOOSE_RIGHT_SOUND)->setEnabled(right);
  Control(IDC_PLAY_RIGHT)->setEnabled(right);
}

void CMainDlg::OnOptionPairClicked(int id) {
  // A click on the checked one of the pair moves the check to the other.
  const int other = id == IDC_ALL_WORDS ? IDC_ONLY_WORDS : IDC_ALL_WORDS;
  SetChecked(other, !IsChecked(id));
}

void CMainDlg::ClampOnlyCount() {
  const int n = std::clamp(LeadingInt(EditText(IDC_ONLY_COUNT)), 0, CWordList::kMaxWords);
  static_cast<QLineEdit*>(Control(IDC_ONLY_COUNT))->setText(QString::number(n));
}

void CMainDlg::NormalisePause() {
  const std::string text = CExercise::NormalisePauseText(EditText(IDC_PAUSE).toStdString());
  const QString normal = QString::fromStdString(text);
  static_cast<QLineEdit*>(Control(IDC_PAUSE))->setText(normal);
  WriteSetup(kValuePause, normal);
}

void CMainDlg::ChooseSoundFile(int editId) {
  auto* edit = static_cast<QLineEdit*>(Control(editId));
  FileDialogRequest request;
  // The folder of the current sound (a relative path lies in the data
  // folder, as the sound is played), else the program's own sounds.
  const QString current = edit->text().trimmed();
  const QFileInfo sound(QDir(DataDirectory()).filePath(current));
  if (!current.isEmpty() && sound.dir().exists()) {
    request.initialPath = sound.absoluteFilePath();
  } else {
    request.initialPath = QDir(DataDirectory()).filePath(QStringLiteral("sounds"));
  }
  request.filter = LangQText(kTxtChooseSound);
  FileDialogResult result;
  if (m_platform.GetOpenFileName(request, result)) edit->setText(result.path);
}

void CMainDlg::PlayTestSound(int editId) {
  m_platform.PlaySound(EditText(editId));
}

void CMainDlg::OnSpecialButton(int index) {
  if (m_mode != Settings) {
    m_platform.MessageBox(LangQText(kTxtSpecialHint), MessageButtons::Ok, MessageIcon::Information);
    return;
  }
  SetStatus(kTxtStatusSpecialChar);
  CSpecialCharDlg dialog(m_platform, this, &CMainDlg::HelpFile);
  dialog.SetCharacter(SpecialChar(index));
  if (dialog.exec() == QDialog::Accepted) {
    WriteSetup(kSpecialNames[index], dialog.Character());
    // Only the characters are reloaded, so that option changes not yet saved
    // stay as they are.
    LoadSpecialCaptions();
  }
  SetStatus(kTxtStatusSettings);
}
