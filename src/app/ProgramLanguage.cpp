#include "ProgramLanguage.h"

#include <algorithm>
#include <iterator>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "AppTexts.h"
#include "lang/LangText.h"
#include "lang/TextParse.h"
#include "lang/VkLang.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

namespace {

// Qt texts that the translations of some languages lack (Debian's Swedish
// one predates Qt 6 and misses the standard buttons, the edit menus and
// parts of the file dialog). Qt's own translation, installed after this
// one, wins wherever it has the text.
struct QtText {
  const char* context;
  const char* source;
  unsigned text;
};
constexpr QtText kQtTexts[] = {
    {"QPlatformTheme", "OK", kTxtQtOk},
    {"QPlatformTheme", "Cancel", kTxtQtCancel},
    {"QPlatformTheme", "&Yes", kTxtQtYes},
    {"QPlatformTheme", "&No", kTxtQtNo},
    {"QPlatformTheme", "Open", kTxtQtOpen},
    {"QPlatformTheme", "Save", kTxtQtSave},
    {"QPlatformTheme", "Close", kTxtQtClose},
    {"QLineEdit", "&Undo", kTxtQtUndo},
    {"QLineEdit", "&Redo", kTxtQtRedo},
    {"QLineEdit", "Cu&t", kTxtQtCut},
    {"QLineEdit", "&Copy", kTxtQtCopy},
    {"QLineEdit", "&Paste", kTxtQtPaste},
    {"QLineEdit", "Delete", kTxtQtDelete},
    {"QLineEdit", "Select All", kTxtQtSelectAll},
    {"QWidgetTextControl", "&Undo", kTxtQtUndo},
    {"QWidgetTextControl", "&Redo", kTxtQtRedo},
    {"QWidgetTextControl", "Cu&t", kTxtQtCut},
    {"QWidgetTextControl", "&Copy", kTxtQtCopy},
    {"QWidgetTextControl", "&Paste", kTxtQtPaste},
    {"QWidgetTextControl", "Delete", kTxtQtDelete},
    {"QWidgetTextControl", "Select All", kTxtQtSelectAll},
    {"QFileDialog", "Look in:", kTxtQtLookIn},
    {"QFileSystemModel", "Computer", kTxtQtComputer},
    {"QAbstractFileIconProvider", "Folder", kTxtQtFolder},
};

class CQtTextsTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override {
    Q_UNUSED(disambiguation);
    Q_UNUSED(n);
    if (!context || !sourceText) return QString();
    for (const QtText& entry : kQtTexts) {
      if (qstrcmp(entry.context, context) == 0 && qstrcmp(entry.source, sourceText) == 0)
        return m_texts[&entry - kQtTexts];
    }
    return QString();
  }
  bool isEmpty() const override { return false; }

  // Texts are taken once, so that a lookup never reaches the library.
  void Load() {
    for (std::size_t i = 0; i < std::size(kQtTexts); ++i) m_texts[i] = LangQText(kQtTexts[i].text);
  }

 private:
  QString m_texts[std::size(kQtTexts)];
};

QTranslator* g_qtTranslator = nullptr;
CQtTextsTranslator* g_ownTranslator = nullptr;

}  // namespace

int SetProgramLanguage(int index) {
  const int result = VKLangSetLanguage(index);
  if (result == 0) InstallQtTranslations();
  return result;
}

bool ApplyStoredLanguage() {
  const QString stored = ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueLanguage);
  if (!stored.isEmpty() && SetProgramLanguage(LeadingInt(stored)) == 0) return true;
  // Qt's texts follow the language the library has by itself.
  InstallQtTranslations();
  return stored.isEmpty();
}

bool InstallQtTranslations(const QString& directory) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return false;
  if (g_qtTranslator) {
    QCoreApplication::removeTranslator(g_qtTranslator);
    delete g_qtTranslator;
    g_qtTranslator = nullptr;
  }
  if (g_ownTranslator) {
    QCoreApplication::removeTranslator(g_ownTranslator);
    delete g_ownTranslator;
    g_ownTranslator = nullptr;
  }
  const QString locale = LangQText(kTxtQtLocale).trimmed();
  // Qt's texts are English already.
  if (locale.isEmpty() || locale == QLatin1String("en") || locale.startsWith(QLatin1String("en_")))
    return false;

  g_ownTranslator = new CQtTextsTranslator;
  g_ownTranslator->Load();
  QCoreApplication::installTranslator(g_ownTranslator);

  const QString folder =
      directory.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : directory;
  auto* qt = new QTranslator;
  // "qt_<locale>" gathers the translations of every Qt module.
  if (!qt->load(QStringLiteral("qt_") + locale, folder)) {
    delete qt;
    return false;
  }
  g_qtTranslator = qt;
  QCoreApplication::installTranslator(g_qtTranslator);
  return true;
}
