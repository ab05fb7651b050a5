#include <QtTest>

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "lang/LangText.h"
#include "wordlist/ListProperties.h"
#include "wordlist/ListPropertiesDlg.h"

using namespace Qt::StringLiterals;

namespace {

// The values the dialog shows, top to bottom: file name, format, creator,
// folder, word count, file size (in bytes) and title.
QString Shown(const QWidget& dlg) {
  QStringList shown;
  for (int id : {1119, 1120, 1121, 1122, 1156, 1157, 1124})
    shown << Child<QWidget>(&dlg, id)->property("text").toString();
  return shown.join(u'|').replace(u' ' + LangQText(511), QString());
}

}  // namespace

class TestListPropertiesDlg : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // A new list shows what is not known, and Cancel after changes changes
  // nothing; a saved one shows its file (types by any case; the folder is
  // what precedes the name at the end).
  // A change to the title alone hands back the description byte for byte;
  // any script may be pasted, a control character is refused. (A typed line
  // break is played through in the main window's properties test.)
  void showsTheListAndTakesItsEdits() {
    QCOMPARE(ListFormatText(u"vk1"_s) + ListFormatText(u"Ord"_s) + ListFormatText(u"TXT"_s),
             LangQText(447) + LangQText(449) + LangQText(445));
    QCOMPARE(ListFolderText(u"/d/d/d"_s, u"d"_s), u"/d/d/"_s);
    CWordList list;
    list.NewList();
    CFakePlatform platform;
    CListPropertiesDlg dlg(platform);
    dlg.SetFromList(list);
    const QString untitled = LangQText(104);
    QCOMPARE(Shown(dlg), u"%1|%2|%3|%3|0|0|%1"_s.arg(untitled, LangQText(445), LangQText(446)));
    Child<QLineEdit>(&dlg, 1124)->setText(u"Annat"_s);
    dlg.reject();
    QVERIFY(!dlg.ApplyTo(list) && !list.IsModified());

    (void)list.AddWord("f", "t");
    list.SetDescription("rad 1\x1Erad 2\x1F\x1Erad 3");
    QTemporaryDir dir;
    const QString path = dir.filePath(u"m\u00e5nga.vk2"_s);
    QCOMPARE(list.SaveTo(path, u"VK2"_s), FileResult::Done);
    QCOMPARE(list.OpenFile(path), FileResult::Done);
    dlg.SetFromList(list);
    QCOMPARE(Shown(dlg), u"m\u00e5nga.vk2|%1|%2|%3/|1|%4|%5"_s.arg(
                             LangQText(448), LangQText(103), dir.path(),
                             QString::number(QFileInfo(path).size()), untitled));

    Child<QLineEdit>(&dlg, 1124)->setText(u"Djur"_s);
    dlg.accept();
    QVERIFY(dlg.ApplyTo(list) && list.IsModified());
    QCOMPARE(list.GetTitle() + '|' + list.GetDescription(),
             std::string("Djur|rad 1\x1Erad 2\x1F\x1Erad 3"));
    dlg.SetFromList(list);
    auto* edit = Child<QPlainTextEdit>(&dlg, 1126);
    edit->moveCursor(QTextCursor::End);
    for (const QString& pasted : {u" строка"_s, u"\u0001"_s}) {
      QGuiApplication::clipboard()->setText(pasted);
      edit->paste();
    }
    dlg.accept();
    QVERIFY(dlg.ApplyTo(list));
    QCOMPARE(list.GetDescription(), std::string("rad 1\x1F\x1Erad 2\x1F\x1Erad 3 строка"));
  }
};

QTEST_MAIN(TestListPropertiesDlg)
#include "tst_ListPropertiesDlg.moc"
