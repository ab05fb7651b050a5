#include <QtTest>

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "lang/LangText.h"
#include "platform/ProgramHelp.h"
#include "wordlist/ListProperties.h"
#include "wordlist/ListPropertiesDlg.h"

using namespace Qt::StringLiterals;

namespace {

// The values the dialog shows, top to bottom: file name, format, creator,
// folder, word count, file size and title.
QStringList Shown(const QWidget& dlg) {
  QStringList shown;
  for (int id : {1119, 1120, 1121, 1122, 1156, 1157, 1124}) {
    if (auto* edit = Child<QLineEdit>(&dlg, id))
      shown << edit->text();
    else if (auto* label = Child<QLabel>(&dlg, id))
      shown << label->text();
    else
      shown << u"<missing %1>"_s.arg(id);
  }
  return shown;
}

QString Size(qint64 bytes) {
  return QString::number(bytes) + u' ' + LangQText(511);
}

}  // namespace

class TestListPropertiesDlg : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

 private Q_SLOTS:
  void initTestCase() { QVERIFY(m_dir.isValid()); }

  void formatAndFolderTexts() {
    QCOMPARE(ListFormatText(u"VK1"_s), LangQText(447));
    QCOMPARE(ListFormatText(u"vk2"_s), LangQText(448));
    QCOMPARE(ListFormatText(u"Ord"_s), LangQText(449));
    QCOMPARE(ListFormatText(u"TXT"_s), LangQText(445));
    QCOMPARE(ListFormatText(QString()), LangQText(445));
    QCOMPARE(ListFolderText(u"/home/anna/listor/djur.vk2"_s, u"djur.vk2"_s),
             u"/home/anna/listor/"_s);
    // The name is looked for at the end, not where it first occurs.
    QCOMPARE(ListFolderText(u"/d/d/d"_s, u"d"_s), u"/d/d/"_s);
    QCOMPARE(ListFolderText(LangQText(104), LangQText(104)), LangQText(446));
    QCOMPARE(ListCreatorText("N\\A"), LangQText(446));
    QCOMPARE(ListCreatorText("Vokabit"), u"Vokabit"_s);
  }

  void newListShowsWhatIsNotKnown() {
    CWordList list;
    list.NewList();
    CFakePlatform platform;
    CListPropertiesDlg dlg(platform, nullptr);
    dlg.SetFromList(list);
    QCOMPARE(dlg.windowTitle(), LangQText(436) + LangQText(104));
    QCOMPARE(Shown(dlg), (QStringList{LangQText(104), ListFormatText(QString()), LangQText(446),
                                      LangQText(446), u"0"_s, Size(0), LangQText(104)}));
    dlg.show();
    QTest::keyClick(Child<QLineEdit>(&dlg, 1124), Qt::Key_F1);
    const std::vector<std::pair<QString, unsigned>> help{{ProgramHelpFile(), 131217u}};
    QVERIFY(platform.m_help == help);

    // Cancel after changes changes nothing.
    Child<QLineEdit>(&dlg, 1124)->setText(u"Annat"_s);
    dlg.reject();
    QVERIFY(!dlg.ApplyTo(list));
    QCOMPARE(list.GetTitle(), LangText(104));
    QVERIFY(!list.IsModified());
  }

  void savedListShowsItsFile() {
    CWordList list;
    list.NewList();
    for (int i = 0; i < 300; ++i)
      (void)list.AddWord("f" + std::to_string(i), "t" + std::to_string(i));
    const QString path = m_dir.filePath(u"m\u00e5nga.vk2"_s);
    QCOMPARE(list.SaveTo(path, u"VK2"_s), FileResult::Done);
    CWordList read;
    QCOMPARE(read.OpenFile(path), FileResult::Done);

    CFakePlatform platform;
    CListPropertiesDlg dlg(platform);
    dlg.SetFromList(read);
    QCOMPARE(Shown(dlg).mid(0, 6),
             (QStringList{u"m\u00e5nga.vk2"_s, LangQText(448), LangQText(103),
                          m_dir.path() + u"/"_s, u"300"_s, Size(QFileInfo(path).size())}));
    QFile::remove(path);  // a file gone since: no size to show
    dlg.SetFromList(read);
    QCOMPARE(Shown(dlg)[5], Size(0));
  }

  // A change to the title alone hands back the description byte for byte;
  // any script may be pasted, a control character is refused. (A typed line
  // break is played through in the main window's properties test.)
  void editedFieldsGoBackIntoTheList() {
    CWordList list;
    list.NewList();
    list.SetTitle("Djur");
    list.SetOwner("Anna");
    list.SetDescription("rad 1\x1Erad 2\x1F\x1Erad 3");
    list.SetModified(0);
    CFakePlatform platform;
    CListPropertiesDlg dlg(platform);
    dlg.SetFromList(list);
    auto* description = Child<QPlainTextEdit>(&dlg, 1126);
    QCOMPARE(description->toPlainText(), u"rad 1\nrad 2\nrad 3"_s);
    Child<QLineEdit>(&dlg, 1124)->setText(u"Djur och v\u00e4xter"_s);
    dlg.accept();
    QVERIFY(dlg.IsChanged());
    QCOMPARE(dlg.GetTitle() + '|' + dlg.GetOwner() + '|' + dlg.GetDescription(),
             std::string("Djur och växter|Anna|rad 1\x1Erad 2\x1F\x1Erad 3"));
    QVERIFY(dlg.ApplyTo(list));
    QCOMPARE(list.GetTitle(), std::string("Djur och växter"));
    QVERIFY(list.IsModified());

    CListPropertiesDlg again(platform);
    again.SetFromList(list);
    auto* edit = Child<QPlainTextEdit>(&again, 1126);
    edit->moveCursor(QTextCursor::End);
    QGuiApplication::clipboard()->setText(u" строка"_s);
    edit->paste();
    QGuiApplication::clipboard()->setText(u"\u0001"_s);
    edit->paste();
    again.accept();
    QVERIFY(again.ApplyTo(list));
    QCOMPARE(list.GetDescription(), std::string("rad 1\x1F\x1Erad 2\x1F\x1Erad 3 строка"));
  }
};

QTEST_MAIN(TestListPropertiesDlg)
#include "tst_ListPropertiesDlg.moc"
