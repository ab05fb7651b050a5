// Feeds the settings file reader. A file that is refused must leave the tree
// empty. A tree that was read must come back the same from the file written
// of it, also after a key and a value were added, and that file must be
// written again byte for byte: otherwise every start-up would rewrite, and
// slowly change, the user's settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "settings/SettingsTree.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Every key of both trees holds the same values, looked up through the key
// paths and value names the file gave.
void CheckSame(const CSettingsTree& a, const CSettingsTree& b, const QJsonObject& keys) {
  for (auto k = keys.begin(); k != keys.end(); ++k) {
    const QJsonObject values = k.value().toObject();
    for (auto v = values.begin(); v != values.end(); ++v)
      Check(a.Value(k.key(), v.key()) == b.Value(k.key(), v.key()));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  static const QByteArray kEmpty = CSettingsTree().ToBytes();

  CSettingsTree tree;
  if (!tree.Parse(bytes)) {
    Check(tree.ToBytes() == kEmpty);
    return 0;
  }
  // Parse accepted it, so this is an object with an object of keys.
  const QJsonObject keys =
      QJsonDocument::fromJson(bytes).object().value(QLatin1String("keys")).toObject();

  const QByteArray written = tree.ToBytes();
  CSettingsTree back;
  Check(back.Parse(written));
  Check(back.ToBytes() == written);
  CheckSame(tree, back, keys);

  // A key added below the first one and given the first value found, as the
  // program does with keys and values it has not seen before.
  QString path = QStringLiteral("Vokabit");
  QString name;
  QString value = QStringLiteral("1");
  if (!keys.isEmpty()) {
    path = keys.begin().key() + QStringLiteral("\\Neu");
    const QJsonObject values = keys.begin().value().toObject();
    if (!values.isEmpty()) {
      name = values.begin().key();
      value = values.begin().value().toString() + QStringLiteral("!");
    }
  }
  tree.CreateKey(path);
  Check(!tree.CreateKey(path));  // it is there now
  tree.SetValue(path, name, value);
  Check(tree.Value(path, name) == value);
  Check(!tree.SetValue(path, name, value));
  tree.SetValue(QString(), QStringLiteral("Root"), value);

  CSettingsTree changed;
  Check(changed.Parse(tree.ToBytes()));
  Check(changed.ToBytes() == tree.ToBytes());
  CheckSame(tree, changed, keys);
  Check(changed.Value(path, name) == value);
  Check(changed.Value(QString(), QStringLiteral("root")) == value);
  return 0;
}
