// The language choice: the languages of the library, the stored choice, OK
// and Cancel.
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "app/LanguageDlg.h"
#include "controls/HoverButton.h"
#include "lang/LangLibrary.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

namespace {

constexpr unsigned kStrSelectLanguage = 57371;
constexpr unsigned kHelpLanguage = 131207;
constexpr int kEnglish = 1;
constexpr int kGerman = 2;

QString StoredLanguage() {
  return ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValueLanguage);
}

void StoreLanguage(const QString& value) {
  StoreSetting(kKeySetups, kValueLanguage, value);
}

}  // namespace

class TestLanguageDlg : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;

 private Q_SLOTS:
  void init() {
    m_dir = FreshSettings(kEnglish);
    QVERIFY(m_dir);
  }

  void listsTheLanguagesAndSelectsTheStoredOne_data() {
    QTest::addColumn<QString>("stored");  // "-": nothing stored
    QTest::addColumn<int>("selected");    // -1: no selection
    QTest::newRow("nothing stored: the library's language") << u"-"_s << kEnglish;
    QTest::newRow("stored") << u"2"_s << 2;
    QTest::newRow("not a number") << u"abc"_s << 0;
    QTest::newRow("a number and more") << u"2x"_s << 2;
    QTest::newRow("beyond the list") << u"3"_s << -1;
  }
  void listsTheLanguagesAndSelectsTheStoredOne() {
    QFETCH(QString, stored);
    QFETCH(int, selected);
    if (stored != u"-"_s) StoreLanguage(stored);
    CFakePlatform platform;
    CLanguageDlg dlg(platform);
    QStringList names;
    for (int i = 0; i < dlg.List()->count(); ++i) names << dlg.List()->item(i)->text();
    QCOMPARE(names, (QStringList{u"Svenska"_s, u"English"_s, u"Deutsch"_s}));
    const QList<QListWidgetItem*> items = dlg.List()->selectedItems();
    QCOMPARE(items.isEmpty() ? -1 : dlg.List()->row(items[0]), selected);
    // The texts are fixed, whatever the language.
    QCOMPARE(dlg.windowTitle(), u"Välj språk / Select language"_s);
    QCOMPARE(Child<QPushButton>(&dlg, CLanguageDlg::IDOK)->text(), u"&OK"_s);
    QCOMPARE(Child<QPushButton>(&dlg, CLanguageDlg::IDCANCEL)->text(), u"&Cancel"_s);
  }

  // OK without a choice asks for one and keeps the dialog; Escape then
  // changes nothing, and a language chosen by keyboard is taken and stored.
  void okWithoutASelectionAsksForOne() {
    StoreLanguage(u"7"_s);
    CFakePlatform platform;
    CLanguageDlg dlg(platform);
    const int result = RunModal(dlg, [&] {
      QVERIFY(dlg.List()->selectedItems().isEmpty());
      QTest::keyClick(dlg.List(), Qt::Key_Return);
      QVERIFY(dlg.isVisible());
      QCOMPARE(platform.m_messages.size(), size_t(1));
      QCOMPARE(platform.m_messages[0].text, StringTableQText(kStrSelectLanguage));
      QCOMPARE(StoredLanguage(), u"7"_s);
      QTest::keyClick(dlg.List(), Qt::Key_Down);
      QTest::keyClick(dlg.List(), Qt::Key_F1);
      QTest::keyClick(dlg.List(), Qt::Key_Escape);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(StoredLanguage(), u"7"_s);
    QCOMPARE(CLangLibrary::Instance().CurrentLanguage(), kEnglish);
    QCOMPARE(platform.m_help.size(), size_t(1));
    QCOMPARE(platform.m_help[0].second, kHelpLanguage);
    const int chosen = RunModal(dlg, [&] {
      QTest::keyClick(dlg.List(), Qt::Key_End);
      QTest::keyClick(dlg.List(), Qt::Key_Return);
    });
    QCOMPARE(chosen, int(QDialog::Accepted));
    QCOMPARE(platform.m_messages.size(), size_t(1));
    QCOMPARE(StoredLanguage(), u"2"_s);
    QCOMPARE(CLangLibrary::Instance().CurrentLanguage(), kGerman);
    // Qt's own texts have followed.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
  }
};

QTEST_MAIN(TestLanguageDlg)
#include "tst_LanguageDlg.moc"
