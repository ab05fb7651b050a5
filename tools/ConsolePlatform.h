#pragma once
// The platform seam for command-line tools: messages go to the terminal,
// questions are answered with No (or Cancel), file and print dialogs are
// cancelled.
#include "platform/Platform.h"

class CConsolePlatform : public CPlatform {
 public:
  // Information goes to standard output, everything else to standard error.
  int MessageBox(const QString& text, MessageButtons buttons, MessageIcon icon) override;
  bool GetOpenFileName(const FileDialogRequest&, FileDialogResult&) override { return false; }
  bool GetSaveFileName(const FileDialogRequest&, FileDialogResult&) override { return false; }
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void PlaySound(const QString&) override {}
  void ShellOpen(const QString&) override {}
  void ShowHelp(const QString&, unsigned) override {}
  std::unique_ptr<CPrintTarget> ShowPrintDialog(const QString&) override { return nullptr; }

  // Prints text and a line end to standard error.
  static void PrintError(const QString& text);
};
