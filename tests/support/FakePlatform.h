#pragma once
// A scripted stand-in for the desktop: answers message boxes and file dialogs
// from queues the test fills, and records everything it was asked to show or
// play.
#include <deque>
#include <vector>

#include <QStringList>

#include "platform/Platform.h"

class CFakePlatform : public CPlatform {
 public:
  struct Message {
    QString text;
    MessageButtons buttons;
    MessageIcon icon;
  };
  struct Dialog {
    bool save;
    FileDialogRequest request;
  };

  // Answers for the next message boxes, in order. When the queue is empty a
  // box is answered with Cancel (or OK when it has only an OK button).
  std::deque<int> m_answers;
  // Answers for the next file dialogs; an empty path means Cancel.
  std::deque<FileDialogResult> m_files;
  // Printers for the next print dialogs; a null one, or none, means Cancel.
  std::deque<std::unique_ptr<CPrintTarget>> m_printers;

  std::vector<Message> m_messages;
  std::vector<Dialog> m_dialogs;
  QStringList m_sounds;
  QStringList m_opened;
  std::vector<std::pair<QString, unsigned>> m_help;
  QStringList m_printDocuments;  // the document name of every print dialog
  int m_waitDepth = 0;
  int m_waitCalls = 0;

  // Queues a file dialog answer for path, taking name and extension from it.
  void QueueFile(const QString& path, int filterIndex = 1);
  void QueueCancelFile() { m_files.push_back(FileDialogResult{}); }

  int MessageBox(const QString& text, MessageButtons buttons, MessageIcon icon) override;
  bool GetOpenFileName(const FileDialogRequest& r, FileDialogResult& result) override {
    return NextFile(false, r, result);
  }
  bool GetSaveFileName(const FileDialogRequest& r, FileDialogResult& result) override {
    return NextFile(true, r, result);
  }
  void BeginWaitCursor() override {
    ++m_waitDepth;
    ++m_waitCalls;
  }
  void EndWaitCursor() override { --m_waitDepth; }
  void PlaySound(const QString& path) override { m_sounds.append(path); }
  void ShellOpen(const QString& url) override { m_opened.append(url); }
  void ShowHelp(const QString& helpFile, unsigned context) override {
    m_help.emplace_back(helpFile, context);
  }
  std::unique_ptr<CPrintTarget> ShowPrintDialog(const QString& documentName) override;

 private:
  bool NextFile(bool save, const FileDialogRequest& request, FileDialogResult& result);
};
