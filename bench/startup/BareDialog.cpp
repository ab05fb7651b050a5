// The yardstick of the start-up benchmark: the least a Qt program with the
// same kind of window does before it maps, namely a dialog with a menu bar and
// a two-column list of 300 rows read from a tab-separated file.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Bare dialog"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* menuBar = new QMenuBar(&dialog);
  for (const char* title : {"&File", "&Practice", "&Help"}) {
    QMenu* menu = menuBar->addMenu(QString::fromLatin1(title));
    for (int i = 1; i <= 8; ++i) menu->addAction(QStringLiteral("Item %1").arg(i));
  }
  layout->setMenuBar(menuBar);
  auto* list = new QTreeWidget(&dialog);
  list->setColumnCount(2);
  list->setHeaderHidden(true);
  if (argc > 1) {
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (file.open(QIODevice::ReadOnly)) {
      QList<QTreeWidgetItem*> items;
      while (!file.atEnd()) {
        const QList<QByteArray> parts = file.readLine().trimmed().split('\t');
        if (parts.size() < 2) continue;
        items.append(
            new QTreeWidgetItem({QString::fromUtf8(parts[0]), QString::fromUtf8(parts[1])}));
      }
      list->addTopLevelItems(items);
    }
  }
  layout->addWidget(list);
  dialog.resize(700, 500);
  return dialog.exec();
}
