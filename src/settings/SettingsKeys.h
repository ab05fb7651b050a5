#pragma once
// Names of the keys and values of the settings tree. Key paths lie below the
// per-user root (SettingsRoot::CurrentUser).
#include <QLatin1String>

// The program's own tree and its subkeys.
inline constexpr QLatin1String kKeyVokabit30("SOFTWARE\\Brannvik\\Vokabit\\3.0");
inline constexpr QLatin1String kKeySetups("SOFTWARE\\Brannvik\\Vokabit\\3.0\\Setups");
inline constexpr QLatin1String kKeyPractise("SOFTWARE\\Brannvik\\Vokabit\\3.0\\Practise");
inline constexpr QLatin1String kKeyPrint("SOFTWARE\\Brannvik\\Vokabit\\3.0\\Print");
inline constexpr QLatin1String kKeyMru("SOFTWARE\\Brannvik\\Vokabit\\3.0\\MRU");
inline constexpr QLatin1String kKeyTip("SOFTWARE\\Brannvik\\Vokabit\\3.0\\Tip");
// The two keys above the tree.
inline constexpr QLatin1String kKeyVokabit("SOFTWARE\\Brannvik\\Vokabit");
inline constexpr QLatin1String kKeyBrannvik("SOFTWARE\\Brannvik");

// kKeySetups
inline constexpr QLatin1String kValueLanguage("Language");
inline constexpr QLatin1String kValueBlandaCheck("BlandaCheck");
inline constexpr QLatin1String kValueClassCheck("ClassCheck");
inline constexpr QLatin1String kValueLjudFel("LjudFel");
inline constexpr QLatin1String kValueLjudFelCheck("LjudFelCheck");
inline constexpr QLatin1String kValueLjudRatt("LjudRatt");
inline constexpr QLatin1String kValueLjudRattCheck("LjudRattCheck");
inline constexpr QLatin1String kValueOvaAllaRadio("OvaAllaRadio");
inline constexpr QLatin1String kValueOvaBara("OvaBara");
inline constexpr QLatin1String kValueSkiljCheck("SkiljCheck");
inline constexpr QLatin1String kValueShowRightDirect("ShowRightDirect");
inline constexpr QLatin1String kValuePause("Pause");
inline constexpr QLatin1String kValueSpecial1("Special1");
inline constexpr QLatin1String kValueSpecial2("Special2");
inline constexpr QLatin1String kValueSpecial3("Special3");
inline constexpr QLatin1String kValueSpecial4("Special4");
// The block the special character grid showed last.
inline constexpr QLatin1String kValueSpecialBlock("SpecialBlock");

// kKeyPractise
inline constexpr QLatin1String kValueF("F");

// kKeyPrint. Names match without regard to case, so "ShowPageNumber" names
// the same value as kValueShowPagenumber.
inline constexpr QLatin1String kValueShowFileName("ShowFileName");
inline constexpr QLatin1String kValueShowOnlyF("ShowOnlyF");
inline constexpr QLatin1String kValueShowOnlyO("ShowOnlyO");
inline constexpr QLatin1String kValueShowOnlyTOv("ShowOnlyTOv");
inline constexpr QLatin1String kValueShowPagenumber("ShowPagenumber");
inline constexpr QLatin1String kValueShowTextFO("ShowTextFO");
inline constexpr QLatin1String kValueMarginTop("MarginTop");
inline constexpr QLatin1String kValueMarginLeft("MarginLeft");
inline constexpr QLatin1String kValueMarginRight("MarginRight");
inline constexpr QLatin1String kValueMarginBottom("MarginBottom");
inline constexpr QLatin1String kValueTextSize("TextSize");

// kKeyMru, newest first.
inline constexpr QLatin1String kValueTidigare1("Tidigare1");
inline constexpr QLatin1String kValueTidigare2("Tidigare2");
inline constexpr QLatin1String kValueTidigare3("Tidigare3");
inline constexpr QLatin1String kValueTidigare4("Tidigare4");

// kKeyTip
inline constexpr QLatin1String kValueStartUp("StartUp");
inline constexpr QLatin1String kValueFilePos("FilePos");
inline constexpr QLatin1String kValueTimeStamp("TimeStamp");

// kKeyVokabit30
inline constexpr QLatin1String kValueHelpFile("HelpFile");
inline constexpr QLatin1String kValueTipsFile("TipsFile");

// kKeyVokabit: the product's web page; kKeyBrannvik: the maker's home page.
inline constexpr QLatin1String kValueHemsida("Hemsida");
// kKeyBrannvik
inline constexpr QLatin1String kValueMail("Mail");

// The default-value slot of a key.
inline constexpr QLatin1String kValueDefault("");
