#pragma once
#include <QPointer>
#include <QSize>
#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The help is a folder of HTML pages: the "HelpFile" setting names its
// contents page (<data>/help/index.html). Beside that page lie one folder per
// language (en/, sv/, de/), each with a contents page of the same name and
// the topic pages, plus two small files:
//   map.txt        "131202 edit.html": context number and page (a page may
//                  carry an anchor, "page.html#part"); a language folder may
//                  hold its own map.txt, which then wins.
//   languages.txt  "sv Svenska": a language folder and a name of that
//                  language as the language choice lists it. The first line
//                  names the folder used when nothing else matches.

// Shows help over parent (which may be null): context 0 opens the contents,
// any other context the page that map.txt gives for it. A missing file or an
// unmapped context shows a "page not found" page in the help window; no
// message box. Matches CQtPlatform::HelpHandler.
void ShowHelp(QWidget* parent, const QString& helpFile, unsigned context);

// The language of the help: a language folder ("sv") or a language's name
// ("Svenska"). When it is empty or matches nothing, the language text
// kTxtHelpFolder of the current catalog names the folder; failing that, the
// first line of languages.txt.
void SetHelpLanguage(const QString& language);
QString HelpLanguage();

// The language folder (a name below helpDir) for language, resolved as
// above; empty when helpDir has no language folders, so that the pages lie
// in helpDir itself.
QString HelpLanguageFolder(const QString& helpDir, const QString& language);

// The page a request opens, as a file URL (with its anchor as fragment).
// Empty for an empty helpFile or an unmapped context. The file itself is not
// checked; it may be missing.
QUrl HelpPageUrl(const QString& helpFile, const QString& language, unsigned context);

// The help window. One window serves every request of the run; it follows
// the window that asked for help so that a modal dialog does not lock it out.
class CHelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit CHelpViewer(QWidget* owner = nullptr);
  ~CHelpViewer() override;

  // The help window of the run, or null before the first request.
  static CHelpViewer* Instance();

  // Makes owner's window the owner of the help window (null keeps the
  // present one), then shows the page for context and brings the window up.
  void ShowTopic(QWidget* owner, const QString& helpFile, unsigned context);

  // The page shown, as a file URL (the not-found page keeps the URL that
  // was asked for); empty before the first page.
  QUrl CurrentPage() const;
  // True while the window shows the not-found page.
  bool IsPageMissing() const;

  QTextBrowser* Browser() const { return m_browser; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  // A new program language: the captions and the page shown follow it.
  void changeEvent(QEvent* event) override;

 private:
  void AttachTo(QWidget* owner);
  void ShowPageInLanguage();
  void ShowContents();
  void OpenLink(const QUrl& link);
  void OnSourceChanged();
  void ApplyTexts();

  QTextBrowser* m_browser = nullptr;
  QToolButton* m_back = nullptr;
  QToolButton* m_forward = nullptr;
  QToolButton* m_contents = nullptr;
  QString m_helpFile;         // contents page of the last request
  QPointer<QWidget> m_owner;  // the window whose help this is

  static QSize s_lastSize;  // the size the user left the window at
};
