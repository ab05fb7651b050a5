#include "HelpViewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeySequence>
#include <QList>
#include <QPair>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "HelpTexts.h"
#include "lang/LangText.h"
#include "lang/TextParse.h"
#include "platform/HelpTopics.h"

QSize CHelpViewer::s_lastSize;

namespace {

constexpr QLatin1String kMapFile("map.txt");
constexpr QLatin1String kLanguagesFile("languages.txt");
// Pages that could not be found at all (no help file, unmapped topic) are
// shown under this scheme, so that they take their place in the history.
constexpr QLatin1String kMissingScheme("vokabit-help-missing");

QString g_language;
QPointer<CHelpViewer> g_viewer;

using Pairs = QList<QPair<QString, QString>>;

// The entries of one of the help folder's small text files: per line a key,
// white space and a value; blank lines and lines starting with '#' are left
// out.
Pairs ReadPairs(const QString& path) {
  Pairs pairs;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return pairs;
  // Both files are a few lines long; a damaged one is cut, not read whole.
  constexpr qint64 kMaxSize = 64 * 1024;
  const QString text = QString::fromUtf8(file.read(kMaxSize));
  for (const QString& raw : text.split(QLatin1Char('\n'))) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    qsizetype gap = 0;
    while (gap < line.size() && !line.at(gap).isSpace()) ++gap;
    pairs.append({line.left(gap), line.mid(gap).trimmed()});
  }
  return pairs;
}

bool IsLanguageDir(const QDir& root, const QString& name) {
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
      name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
    return false;
  return QFileInfo(root.filePath(name)).isDir();
}

// The page of a context number: the language folder's map first, then the
// shared one. Only the first word of the value counts, so a line may end in
// a remark.
QString MappedPage(const QString& pageDir, const QString& rootDir, unsigned context) {
  QStringList maps{QDir(pageDir).filePath(kMapFile)};
  if (QDir(pageDir) != QDir(rootDir)) maps.append(QDir(rootDir).filePath(kMapFile));
  for (const QString& map : maps) {
    for (const auto& [number, value] : ReadPairs(map)) {
      bool ok = false;
      if (number.toUInt(&ok) != context || !ok) continue;
      const QString page = value.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
      if (!page.isEmpty()) return page;
    }
  }
  return {};
}

QUrl MissingUrl(const QString& what) {
  QUrl url;
  url.setScheme(kMissingScheme);
  url.setPath(what);
  return url;
}

QString NotFoundPage(const QString& what) {
  const QString text = LangQTextWith(kTxtHelpNotFound, what);
  return QStringLiteral("<html><body><h2>") + text.toHtmlEscaped() +
         QStringLiteral("</h2></body></html>");
}

// A menu or button caption as plain text: without its mnemonic marks.
QString PlainCaption(QString caption) {
  caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
  caption.remove(QLatin1Char('&'));
  caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  return caption;
}

// The help pages as the browser loads them: a page that is not there turns
// into a short "page not found" page instead of an empty window.
class CHelpBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override {
    if (type == QTextDocument::HtmlResource) {
      if (name.scheme() == kMissingScheme) return NotFoundPage(name.path());
      if (name.isLocalFile() && !QFileInfo(name.toLocalFile()).isFile())
        return NotFoundPage(QDir::toNativeSeparators(name.toLocalFile()));
    }
    return QTextBrowser::loadResource(type, name);
  }
};

QToolButton* MakeButton(QWidget* parent, QStyle::StandardPixmap icon) {
  auto* button = new QToolButton(parent);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

}  // namespace

void SetHelpLanguage(const QString& language) {
  g_language = language;
}

QString HelpLanguage() {
  return g_language;
}

QString HelpLanguageFolder(const QString& helpDir, const QString& language) {
  const QDir root(helpDir);
  const Pairs languages = ReadPairs(root.filePath(kLanguagesFile));
  const auto match = [&](const QString& wanted) -> QString {
    if (wanted.isEmpty()) return {};
    if (IsLanguageDir(root, wanted)) return wanted;
    for (const auto& [folder, name] : languages) {
      if ((name.compare(wanted, Qt::CaseInsensitive) == 0 ||
           folder.compare(wanted, Qt::CaseInsensitive) == 0) &&
          IsLanguageDir(root, folder))
        return folder;
    }
    return {};
  };
  for (const QString& wanted : {language.trimmed(), LangQText(kTxtHelpFolder).trimmed()}) {
    const QString folder = match(wanted);
    if (!folder.isEmpty()) return folder;
  }
  for (const auto& entry : languages) {
    if (IsLanguageDir(root, entry.first)) return entry.first;
  }
  return {};
}

QUrl HelpPageUrl(const QString& helpFile, const QString& language, unsigned context) {
  if (helpFile.isEmpty()) return {};
  const QFileInfo contents(helpFile);
  const QString rootDir = contents.absolutePath();
  const QString folder = HelpLanguageFolder(rootDir, language);
  const QString pageDir = folder.isEmpty() ? rootDir : QDir(rootDir).filePath(folder);

  QString page = contents.fileName();
  if (context != kHelpContents) {
    page = MappedPage(pageDir, rootDir, context);
    if (page.isEmpty()) return {};
  }
  const qsizetype hash = page.indexOf(QLatin1Char('#'));
  QUrl url = QUrl::fromLocalFile(
      QDir::cleanPath(QDir(pageDir).filePath(hash < 0 ? page : page.left(hash))));
  if (hash >= 0) url.setFragment(page.mid(hash + 1));
  return url;
}

void ShowHelp(QWidget* parent, const QString& helpFile, unsigned context) {
  QWidget* owner = parent ? parent->window() : nullptr;
  if (!g_viewer) g_viewer = new CHelpViewer(owner);
  g_viewer->ShowTopic(owner, helpFile, context);
}

CHelpViewer::CHelpViewer(QWidget* owner) : QWidget(owner ? owner->window() : nullptr, Qt::Window) {
  setObjectName(QStringLiteral("helpViewer"));
  // Closing the help must never end the program.
  setAttribute(Qt::WA_QuitOnClose, false);

  m_browser = new CHelpBrowser(this);
  m_browser->setObjectName(QStringLiteral("helpBrowser"));
  m_browser->setOpenLinks(false);
  m_browser->setOpenExternalLinks(false);

  m_back = MakeButton(this, QStyle::SP_ArrowBack);
  m_back->setObjectName(QStringLiteral("helpBack"));
  m_forward = MakeButton(this, QStyle::SP_ArrowForward);
  m_forward->setObjectName(QStringLiteral("helpForward"));
  m_contents = MakeButton(this, QStyle::SP_DirHomeIcon);
  m_contents->setObjectName(QStringLiteral("helpContents"));
  m_back->setEnabled(false);
  m_forward->setEnabled(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_back);
  buttons->addWidget(m_forward);
  buttons->addWidget(m_contents);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(m_browser, 1);
  setFocusProxy(m_browser);

  connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
  connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
  connect(m_contents, &QToolButton::clicked, this, &CHelpViewer::ShowContents);
  connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
  connect(m_browser, &QTextBrowser::anchorClicked, this, &CHelpViewer::OpenLink);
  connect(m_browser, &QTextBrowser::sourceChanged, this, &CHelpViewer::OnSourceChanged);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  if (s_lastSize.isValid()) {
    resize(s_lastSize);
  } else {
    const QFontMetrics metrics(font());
    QSize size(metrics.averageCharWidth() * 100, metrics.height() * 38);
    if (const QScreen* screen = this->screen())
      size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
  }
  ApplyTexts();
  AttachTo(owner ? owner->window() : nullptr);
}

CHelpViewer::~CHelpViewer() {
  if (m_owner) m_owner->removeEventFilter(this);
}

CHelpViewer* CHelpViewer::Instance() {
  return g_viewer;
}

void CHelpViewer::ShowTopic(QWidget* owner, const QString& helpFile, unsigned context) {
  if (owner) AttachTo(owner->window());
  ApplyTexts();
  m_helpFile = helpFile;
  QUrl url = HelpPageUrl(helpFile, g_language, context);
  if (url.isEmpty()) url = MissingUrl(helpFile.isEmpty() ? QString() : QString::number(context));
  m_browser->setSource(url, QTextDocument::HtmlResource);
  show();
  raise();
  activateWindow();
  m_browser->setFocus();
}

QUrl CHelpViewer::CurrentPage() const {
  return m_browser->source();
}

bool CHelpViewer::IsPageMissing() const {
  const QUrl url = m_browser->source();
  if (url.isEmpty()) return false;
  if (url.scheme() == kMissingScheme) return true;
  return url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile();
}

bool CHelpViewer::eventFilter(QObject* watched, QEvent* event) {
  // When the dialog that asked for help closes, the help window moves on to
  // the window below it instead of dying with the dialog. A minimised window
  // (a spontaneous hide) keeps its help.
  if (watched == m_owner && event->type() == QEvent::Hide && !event->spontaneous()) {
    QWidget* below = m_owner->parentWidget() ? m_owner->parentWidget()->window() : nullptr;
    if (below) AttachTo(below);
  }
  return QWidget::eventFilter(watched, event);
}

void CHelpViewer::hideEvent(QHideEvent* event) {
  s_lastSize = size();
  QWidget::hideEvent(event);
}

void CHelpViewer::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  ApplyTexts();
  ShowPageInLanguage();
}

void CHelpViewer::ShowPageInLanguage() {
  const QUrl current = m_browser->source();
  if (m_helpFile.isEmpty() || !current.isLocalFile()) return;
  const QDir root(QFileInfo(m_helpFile).absolutePath());
  const QFileInfo page(current.toLocalFile());
  // Only a page of a language folder has a counterpart in another language.
  if (QFileInfo(page.absolutePath()).absolutePath() != root.absolutePath()) return;
  const QString folder = HelpLanguageFolder(root.absolutePath(), g_language);
  if (folder.isEmpty() || folder == page.absoluteDir().dirName()) return;
  QUrl url = QUrl::fromLocalFile(root.filePath(folder + u'/' + page.fileName()));
  if (!QFileInfo(url.toLocalFile()).isFile()) return;
  url.setFragment(current.fragment());
  m_browser->setSource(url, QTextDocument::HtmlResource);
  // The pages visited before were in the old language.
  m_browser->clearHistory();
}

void CHelpViewer::AttachTo(QWidget* owner) {
  if (!owner || owner == m_owner || owner == this || isAncestorOf(owner)) return;
  if (m_owner) m_owner->removeEventFilter(this);
  m_owner = owner;
  owner->installEventFilter(this);
  if (parentWidget() == owner) return;
  // A window that belongs to the modal dialog stays usable while the dialog
  // runs; a separate top-level window would be locked out.
  const bool wasVisible = isVisible();
  const QRect frame = geometry();
  setParent(owner, windowFlags());
  if (wasVisible) {
    setGeometry(frame);
    show();
  }
}

void CHelpViewer::ShowContents() {
  QUrl url = HelpPageUrl(m_helpFile, g_language, kHelpContents);
  if (url.isEmpty()) url = MissingUrl(QString());
  m_browser->setSource(url, QTextDocument::HtmlResource);
}

void CHelpViewer::OpenLink(const QUrl& link) {
  const QUrl target = m_browser->source().resolved(link);
  if (target.isLocalFile()) {
    m_browser->setSource(target, QTextDocument::HtmlResource);
  } else if (target.scheme() != kMissingScheme) {
    QDesktopServices::openUrl(target);
  }
}

void CHelpViewer::OnSourceChanged() {
  QString title = m_browser->documentTitle().trimmed();
  if (title.isEmpty()) title = PlainCaption(LangQText(kTxtHelpWindow));
  setWindowTitle(title);
  m_browser->setAccessibleName(title);
}

void CHelpViewer::ApplyTexts() {
  const struct {
    QToolButton* button;
    unsigned text;
    QKeySequence key;
  } captions[] = {{m_back, kTxtHelpBack, QKeySequence::Back},
                  {m_forward, kTxtHelpForward, QKeySequence::Forward},
                  {m_contents, kTxtHelpContents, QKeySequence(Qt::ALT | Qt::Key_Home)}};
  for (const auto& [button, text, key] : captions) {
    const QString plain = PlainCaption(LangQText(text));
    // The keys are the browser's usual ones, the same in every language, so
    // the caption carries no mnemonic; setText would replace the key with it.
    QString shown = plain;
    button->setText(shown.replace(QLatin1Char('&'), QLatin1String("&&")));
    button->setShortcut(key);
    button->setAccessibleName(plain);
    const QString keyText = key.toString(QKeySequence::NativeText);
    button->setToolTip(plain.isEmpty() ? keyText
                                       : plain + QStringLiteral(" (") + keyText + QLatin1Char(')'));
  }
  OnSourceChanged();
}
