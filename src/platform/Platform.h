#pragma once
// The seam between core operations and the desktop. Core code asks the user
// or touches the desktop only through this interface; the program passes the
// Qt implementation, tests pass scripted fakes, and command-line tools pass a
// console implementation.
#include <memory>

#include <QString>

class QPaintDevice;

// Message box results, as the callers compare them.
enum MessageResult : int {
  kIdOk = 1,
  kIdCancel = 2,
  kIdYes = 6,
  kIdNo = 7,
};

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Warning, Error };

struct FileDialogRequest {
  QString title;        // empty: the platform's default title
  QString initialPath;  // proposed folder and/or file name
  QString filter;       // "Description|*.ext;*.ext2|Description|*.x||"
  int filterIndex = 1;  // entry selected at first, counted from 1
  bool overwritePrompt = false;
};

struct FileDialogResult {
  QString path;         // full path of the chosen file
  QString fileName;     // name with extension, without folder
  QString extension;    // after the last dot of fileName, any length; may be empty
  int filterIndex = 1;  // the filter entry chosen, counted from 1
};

// Where a print job draws: the printer the user chose in the print dialog,
// set up for one document. The job begins and ends the document with a
// painter on Device().
class CPrintTarget {
 public:
  virtual ~CPrintTarget() = default;
  virtual QPaintDevice* Device() = 0;
  // Ends the current page and starts the next one; false when the printer
  // refused the page.
  virtual bool NewPage() = 0;
  // Drops the document instead of printing it (before the painter ends).
  virtual void Abort() = 0;
};

class CPlatform {
 public:
  virtual ~CPlatform() = default;

  // Shows text with the program's name as caption; returns a MessageResult.
  virtual int MessageBox(const QString& text, MessageButtons buttons, MessageIcon icon) = 0;

  // False when the user cancelled.
  virtual bool GetOpenFileName(const FileDialogRequest& request, FileDialogResult& result) = 0;
  virtual bool GetSaveFileName(const FileDialogRequest& request, FileDialogResult& result) = 0;

  // Nested pairs are allowed; the cursor returns when the last one ends.
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;

  // Plays a sound file asynchronously; an empty or unplayable path plays
  // nothing and reports nothing.
  virtual void PlaySound(const QString& path) = 0;

  // Opens a web address or mail link with the desktop's handler.
  virtual void ShellOpen(const QString& url) = 0;

  // Shows the help file: context 0 for its contents, else the topic of the
  // context number. Reports nothing when the file or topic is missing.
  virtual void ShowHelp(const QString& helpFile, unsigned context) = 0;

  // Shows the platform's print dialog for the named document (whole
  // document only: no page range, no selection). Null when the user
  // cancelled.
  virtual std::unique_ptr<CPrintTarget> ShowPrintDialog(const QString& documentName) = 0;
};

// Keeps the wait cursor up for the life of a scope.
class CWaitCursor {
 public:
  explicit CWaitCursor(CPlatform* platform) : m_platform(platform) {
    if (m_platform) m_platform->BeginWaitCursor();
  }
  ~CWaitCursor() {
    if (m_platform) m_platform->EndWaitCursor();
  }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  CPlatform* m_platform;
};
