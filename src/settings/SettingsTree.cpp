#include "SettingsTree.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace {

constexpr int kFormat = 1;
const QLatin1String kFormatField("format");
const QLatin1String kKeysField("keys");
const QChar kSeparator = QLatin1Char('\\');

bool SameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

QStringList CSettingsTree::Components(const QString& keyPath) {
  return keyPath.split(kSeparator, Qt::SkipEmptyParts);
}

const CSettingsTree::Key* CSettingsTree::FindKey(const QString& normalizedPath) const {
  for (const Key& key : m_keys) {
    if (SameName(key.normalized, normalizedPath)) return &key;
  }
  return nullptr;
}

CSettingsTree::Key* CSettingsTree::FindKey(const QString& normalizedPath) {
  // Walked without const, so that a list shared with a copy of the tree is
  // detached before a key of it is changed.
  for (Key& key : m_keys) {
    if (SameName(key.normalized, normalizedPath)) return &key;
  }
  return nullptr;
}

bool CSettingsTree::Parse(const QByteArray& bytes) {
  m_keys.clear();
  if (bytes.size() > kMaxFileSize) return false;

  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject()) return false;
  const QJsonObject top = doc.object();
  // A file from a later, different layout is not ours to rewrite.
  if (top.value(kFormatField) != QJsonValue(kFormat)) return false;
  const QJsonValue keysValue = top.value(kKeysField);
  if (!keysValue.isObject()) return false;

  QList<Key> keys;
  const QJsonObject keysObject = keysValue.toObject();
  for (auto k = keysObject.begin(); k != keysObject.end(); ++k) {
    if (!k.value().isObject()) return false;
    Key key;
    key.path = k.key();
    key.normalized = Components(key.path).join(kSeparator);
    const QJsonObject values = k.value().toObject();
    for (auto v = values.begin(); v != values.end(); ++v) {
      if (!v.value().isString()) return false;
      key.values.append({v.key(), v.value().toString()});
    }
    keys.append(std::move(key));
  }
  m_keys = std::move(keys);
  return true;
}

QByteArray CSettingsTree::ToBytes() const {
  QJsonObject keysObject;
  for (const Key& key : m_keys) {
    QJsonObject values;
    for (const auto& [name, value] : key.values) values.insert(name, value);
    keysObject.insert(key.path, values);
  }
  QJsonObject top;
  top.insert(kFormatField, kFormat);
  top.insert(kKeysField, keysObject);
  return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

QString CSettingsTree::Value(const QString& keyPath, const QString& valueName) const {
  const Key* key = FindKey(Components(keyPath).join(kSeparator));
  if (!key) return QString();
  for (const auto& [name, value] : key->values) {
    if (SameName(name, valueName)) return value;
  }
  return QString();
}

bool CSettingsTree::SetValue(const QString& keyPath, const QString& valueName,
                             const QString& value) {
  const QString path = Components(keyPath).join(kSeparator);
  Key* key = FindKey(path);
  if (!key) {
    if (!path.isEmpty()) return false;
    // The root exists without being listed; list it once it holds a value.
    m_keys.append(Key{path, path, {}});
    key = &m_keys.last();
  }
  for (auto& [name, stored] : key->values) {
    if (SameName(name, valueName)) {
      if (stored == value) return false;
      stored = value;
      return true;
    }
  }
  key->values.append({valueName, value});
  return true;
}

bool CSettingsTree::CreateKey(const QString& keyPath) {
  const QStringList components = Components(keyPath);
  bool changed = false;
  QString wanted;  // the path asked for so far
  QString stored;  // the same path in the case of the keys that exist
  for (const QString& component : components) {
    if (!wanted.isEmpty()) {
      wanted += kSeparator;
      stored += kSeparator;
    }
    wanted += component;
    if (const Key* key = FindKey(wanted)) {
      stored = key->normalized;
    } else {
      stored += component;
      m_keys.append(Key{stored, stored, {}});
      changed = true;
    }
  }
  return changed;
}
