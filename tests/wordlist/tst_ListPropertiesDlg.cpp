#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "LangText.h"
#include "ListProperties.h"
#include "ListPropertiesDlg.h"
#include "WordList.h"

using namespace Qt::StringLiterals;

namespace {

// Types text as the keyboard does, also characters beyond ASCII.
void Type(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(widget, &release);
  }
}

template <class T>
T* Control(const QWidget& dlg, int id) {
  return dlg.findChild<T*>(u"c%1"_s.arg(id));
}

QString Text(const QWidget& dlg, int id) {
  if (auto* edit = Control<QLineEdit>(dlg, id)) return edit->text();
  if (auto* label = Control<QLabel>(dlg, id)) return label->text();
  return u"<missing %1>"_s.arg(id);
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
    CListPropertiesDlg dlg(platform, nullptr, [] { return u"/help/vokabit"_s; });
    dlg.SetFromList(list);
    QCOMPARE(dlg.windowTitle(), LangQText(436) + LangQText(104));
    QCOMPARE(Text(dlg, 1119), LangQText(104));
    QCOMPARE(Text(dlg, 1121), LangQText(446));
    QCOMPARE(Text(dlg, 1122), LangQText(446));
    QCOMPARE(Text(dlg, 1156), u"0"_s);
    QCOMPARE(Text(dlg, 1157), u"0 "_s + LangQText(511));
    QCOMPARE(Text(dlg, 1124), LangQText(104));

    dlg.show();
    QTest::keyClick(Control<QLineEdit>(dlg, 1124), Qt::Key_F1);
    QCOMPARE(platform.m_help.size(), std::size_t(1));
    QCOMPARE(platform.m_help[0].second, 131217u);

    // OK without changes changes nothing; neither does Cancel after changes.
    dlg.accept();
    QVERIFY(!dlg.IsChanged());
    QVERIFY(!dlg.ApplyTo(list));
    QVERIFY(!list.IsModified());

    CListPropertiesDlg cancelled(platform);
    cancelled.SetFromList(list);
    Control<QLineEdit>(cancelled, 1124)->setText(u"Annat"_s);
    cancelled.reject();
    QVERIFY(!cancelled.ApplyTo(list));
    QCOMPARE(list.GetTitle(), LangText(104));
  }

  void savedListShowsItsFile() {
    CWordList list;
    list.NewList();
    for (int i = 0; i < 300; ++i) list.AddWord("f" + std::to_string(i), "t" + std::to_string(i));
    const QString path = m_dir.filePath(u"m\u00e5nga.vk2"_s);
    QCOMPARE(list.SaveTo(path, u"VK2"_s), 0);
    CWordList read;
    QCOMPARE(read.OpenFile(path), 0);

    CFakePlatform platform;
    CListPropertiesDlg dlg(platform);
    dlg.SetFromList(read);
    QCOMPARE(Text(dlg, 1119), u"m\u00e5nga.vk2"_s);
    QCOMPARE(Text(dlg, 1120), LangQText(448));
    QCOMPARE(Text(dlg, 1121), LangQText(103));
    QCOMPARE(Text(dlg, 1122), m_dir.path() + u"/"_s);
    QCOMPARE(Text(dlg, 1156), u"300"_s);
    QCOMPARE(Text(dlg, 1157), u"%1 "_s.arg(QFileInfo(path).size()) + LangQText(511));

    QFile::remove(path);  // a file gone since: no size to show
    dlg.SetFromList(read);
    QCOMPARE(Text(dlg, 1157), u"0 "_s + LangQText(511));
  }

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
    auto* description = Control<QPlainTextEdit>(dlg, 1126);
    QVERIFY(description);
    QCOMPARE(description->toPlainText(), u"rad 1\nrad 2\nrad 3"_s);

    // A change to the title alone hands back the description byte for byte.
    Control<QLineEdit>(dlg, 1124)->setText(u"Djur och v\u00e4xter"_s);
    dlg.accept();
    QVERIFY(dlg.IsChanged());
    QCOMPARE(dlg.GetTitle(), std::string("Djur och v\xe4xter"));
    QCOMPARE(dlg.GetOwner(), std::string("Anna"));
    QCOMPARE(dlg.GetDescription(), std::string("rad 1\x1Erad 2\x1F\x1Erad 3"));
    QVERIFY(dlg.ApplyTo(list));
    QCOMPARE(list.GetTitle(), std::string("Djur och v\xe4xter"));
    QVERIFY(list.IsModified());

    // A typed line break is stored on the one line of the list.
    list.SetModified(0);
    CListPropertiesDlg again(platform);
    again.SetFromList(list);
    auto* edit = Control<QPlainTextEdit>(again, 1126);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit, Qt::Key_Return);
    Type(edit, u"r\u00e4d 4"_s);
    again.accept();
    QVERIFY(again.IsChanged());
    QCOMPARE(again.GetDescription(),
             std::string("rad 1\x1F\x1Erad 2\x1F\x1Erad 3\x1F\x1Er\xe4\x64 4"));
    QVERIFY(again.ApplyTo(list));
    QCOMPARE(list.GetDescription(), again.GetDescription());
    QCOMPARE(list.GetTitle(), std::string("Djur och v\xe4xter"));
  }
};

QTEST_MAIN(TestListPropertiesDlg)
#include "tst_ListPropertiesDlg.moc"
