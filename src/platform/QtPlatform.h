#pragma once
#include <memory>

#include <QPointer>
#include <QString>

#include "Platform.h"

class QWidget;
class CSoundModule;

// The desktop as Qt offers it: message boxes, file dialogs, the wait cursor,
// sound, the desktop's URL handler and the program's help viewer.
class CQtPlatform : public CPlatform {
 public:
  CQtPlatform();
  ~CQtPlatform() override;

  // Dialogs are shown over this window (may be null).
  void SetParentWindow(QWidget* parent) { m_parent = parent; }

  int MessageBox(const QString& text, MessageButtons buttons, MessageIcon icon) override;
  bool GetOpenFileName(const FileDialogRequest& request, FileDialogResult& result) override;
  bool GetSaveFileName(const FileDialogRequest& request, FileDialogResult& result) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void PlaySound(const QString& path) override;
  void ShellOpen(const QString& url) override;
  void ShowHelp(const QString& helpFile, unsigned context) override;
  std::unique_ptr<CPrintTarget> ShowPrintDialog(const QString& documentName) override;

  // How a help request is shown; the program installs its help viewer here.
  using HelpHandler = void (*)(QWidget* parent, const QString& helpFile, unsigned context);
  void SetHelpHandler(HelpHandler handler) { m_helpHandler = handler; }

  // How the print dialog is shown; the program installs its printer here.
  // Without one, printing is cancelled.
  using PrintDialogHandler = std::unique_ptr<CPrintTarget> (*)(QWidget* parent,
                                                               const QString& documentName);
  void SetPrintDialogHandler(PrintDialogHandler handler) { m_printDialogHandler = handler; }

  // "Desc|*.a;*.b|Desc2|*.c||" as a list of Qt name filters, one per entry.
  static QStringList ToQtFilters(const QString& filter);
  // The sound module is loaded on the first sound from this file (tests
  // point it elsewhere); the default lies beside the program.
  void SetSoundModulePath(const QString& path);
  const CSoundModule& SoundModule() const;

  // A sound path as given in the settings, resolved against the data folder
  // when it is relative.
  static QString ResolveSoundPath(const QString& path);

 private:
  bool RunFileDialog(bool save, const FileDialogRequest& request, FileDialogResult& result);

  QPointer<QWidget> m_parent;
  std::unique_ptr<CSoundModule> m_sound;
  HelpHandler m_helpHandler = nullptr;
  PrintDialogHandler m_printDialogHandler = nullptr;
};
