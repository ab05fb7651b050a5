#pragma once
// The start-up routine of a start without a list file: it checks the
// versions of the language library and its companion, gives every setting
// without a value its default, writes the list file associations, loads the
// chosen language (asking for one when none is chosen or the chosen one
// fails) and takes the help file path. Warnings are collected and shown
// together in one message at the end.
#include <cstdint>
#include <functional>

#include <QString>

class CPlatform;

// What the routine shows and asks while it runs: the start-up dialog, or a
// stand-in of a test.
class CStartupView {
 public:
  virtual ~CStartupView() = default;
  // The status line, repainted at once.
  virtual void SetStatus(const QString& text) = 0;
  // Red while a warning or an error is shown, else white; the colour holds
  // for the following texts until it is set again.
  virtual void SetStatusRed(bool red) = 0;
  // Runs the language choice; true when the user chose a language with OK
  // (the choice is then stored).
  virtual bool ChooseLanguage() = 0;
};

struct StartupSetup {
  // The folder with the program's data, with its trailing separator.
  QString programDirectory;
  // The running program, for the file associations.
  QString programPath;
  // The versions of the two libraries; a test may give others.
  std::function<std::uint32_t()> langVersion;
  std::function<std::uint32_t()> filesVersion;
};

// The setup of the running program.
StartupSetup ProgramStartupSetup();

// Runs the routine. Returns the help file path of the settings ("HelpFile");
// empty when the settings hold none.
QString RunStartupRoutine(CStartupView& view, CPlatform& platform, const StartupSetup& setup);

// What a start with a list file does instead: no associations and no
// language choice, but missing defaults are written (a first start by a
// double click must find its options) and the stored language is applied.
// Returns the warnings to show: a damaged settings file is reported on this
// start too.
QString PrepareStartWithFile(const QString& programDirectory);
