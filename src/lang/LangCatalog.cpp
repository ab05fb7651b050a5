#include "LangCatalog.h"

#include <limits>
#include <optional>

#include <QFile>
#include <QStringDecoder>

namespace {

// Undoes the escapes of the file format; nullopt on a stray backslash.
std::optional<QString> Unescape(const QString& field) {
  QString text;
  text.reserve(field.size());
  for (qsizetype i = 0; i < field.size(); ++i) {
    const QChar ch = field.at(i);
    if (ch != QLatin1Char('\\')) {
      text.append(ch);
      continue;
    }
    if (++i == field.size()) return std::nullopt;
    switch (field.at(i).unicode()) {
      case 'n':
        text.append(QLatin1Char('\n'));
        break;
      case 't':
        text.append(QLatin1Char('\t'));
        break;
      case '\\':
        text.append(QLatin1Char('\\'));
        break;
      default:
        return std::nullopt;
    }
  }
  return text;
}

std::optional<unsigned> ParseNumber(const QString& field) {
  if (field.isEmpty() || field.size() > 10) return std::nullopt;
  quint64 value = 0;
  for (const QChar ch : field) {
    if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return std::nullopt;
    value = value * 10 + quint64(ch.unicode() - '0');
  }
  if (value > std::numeric_limits<unsigned>::max()) return std::nullopt;
  return unsigned(value);
}

}  // namespace

void CLangCatalog::Clear() {
  m_name.clear();
  m_texts.clear();
  m_strings.clear();
  m_section = &m_texts;
  m_problems.clear();
}

bool CLangCatalog::Load(const QString& path) {
  Clear();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Problem(0, QStringLiteral("cannot open %1").arg(path));
    return false;
  }
  // One byte more than a catalog may have: Parse refuses a longer file.
  const QByteArray data = file.read(kMaxFileSize + 1);
  if (file.error() != QFileDevice::NoError) {
    Problem(0, QStringLiteral("cannot read %1").arg(path));
    return false;
  }
  return Parse(data);
}

bool CLangCatalog::Parse(const QByteArray& data) {
  Clear();
  if (data.size() > kMaxFileSize) {
    Problem(0, QStringLiteral("too big for a catalog"));
    return false;
  }
  int lineNo = 0;
  qsizetype start = 0;
  while (start < data.size()) {
    qsizetype end = data.indexOf('\n', start);
    if (end < 0) end = data.size();
    QByteArray line = data.mid(start, end - start);
    start = end + 1;
    ++lineNo;
    if (line.endsWith('\r')) line.chop(1);
    if (lineNo == 1 && line.startsWith("\xEF\xBB\xBF")) line.remove(0, 3);
    ParseLine(lineNo, line);
  }
  if (m_name.isEmpty()) Problem(0, QStringLiteral("no @language line"));
  if (m_texts.empty()) Problem(0, QStringLiteral("no texts"));
  return IsUsable();
}

void CLangCatalog::ParseLine(int lineNo, const QByteArray& raw) {
  if (raw.isEmpty() || raw.startsWith('#')) return;

  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString line = decoder(raw);
  if (decoder.hasError()) {
    Problem(lineNo, QStringLiteral("not UTF-8"));
    return;
  }
  const QStringList fields = line.split(QLatin1Char('\t'));

  if (line.startsWith(QLatin1Char('@'))) {
    const QString& key = fields.at(0);
    const QString value = fields.size() > 1 ? fields.at(1) : QString();
    if (key == QLatin1String("@language") && !value.isEmpty()) {
      m_name = value;
    } else if (key == QLatin1String("@section") && value == QLatin1String("texts")) {
      m_section = &m_texts;
    } else if (key == QLatin1String("@section") && value == QLatin1String("strings")) {
      m_section = &m_strings;
    } else {
      Problem(lineNo, QStringLiteral("unknown header line"));
    }
    return;
  }

  const std::optional<unsigned> number = ParseNumber(fields.at(0));
  if (!number) {
    Problem(lineNo, QStringLiteral("no text number"));
    return;
  }
  if (fields.size() < 2) {
    Problem(lineNo, QStringLiteral("no tab after the number"));
    return;
  }
  const std::optional<QString> text = Unescape(fields.at(1));
  if (!text) {
    Problem(lineNo, QStringLiteral("bad escape"));
    return;
  }
  if (!m_section->emplace(*number, text->toStdString()).second) {
    Problem(lineNo, QStringLiteral("number %1 given twice").arg(*number));
  }
}

void CLangCatalog::Problem(int lineNo, const QString& what) {
  m_problems.append(lineNo > 0 ? QStringLiteral("line %1: %2").arg(lineNo).arg(what) : what);
}

const std::string* CLangCatalog::Text(unsigned n) const {
  const auto it = m_texts.find(n);
  return it == m_texts.end() ? nullptr : &it->second;
}

const std::string* CLangCatalog::StringTableText(unsigned id) const {
  const auto it = m_strings.find(id);
  return it == m_strings.end() ? Text(id) : &it->second;
}
