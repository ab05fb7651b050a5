#include "TipsFile.h"

#include <ctime>

#include <QFileInfo>
#include <QStringDecoder>

#include "lang/TextCodec.h"

bool CTipsFile::Open(const QString& path) {
  m_file.close();
  if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
  m_file.setFileName(path);
  return m_file.open(QIODevice::ReadOnly);
}

QString CTipsFile::TimeStamp() const {
  const QFileInfo info(m_file);
  const std::time_t time =
      static_cast<std::time_t>(info.fileTime(QFileDevice::FileModificationTime).toSecsSinceEpoch());
  char text[64] = {};
  // ctime_r gives the English C form whatever the user's locale is.
  if (!ctime_r(&time, text)) return QString();
  return QString::fromLatin1(text).trimmed();
}

bool CTipsFile::Seek(qint64 position) {
  return position >= 0 && m_file.seek(position);
}

QByteArray CTipsFile::ReadPiece(bool& error) {
  error = false;
  const qint64 start = m_file.pos();
  QByteArray piece = m_file.readLine(kMaxLine + 1);
  if (piece.isEmpty()) {
    error = m_file.error() != QFileDevice::NoError;
    return piece;
  }
  if (piece.size() == kMaxLine && !piece.endsWith('\n')) {
    // A long line goes on in the next piece; a UTF-8 character cut at the
    // end is left for it whole.
    qsizetype lead = piece.size() - 1;
    while (lead > piece.size() - 4 && (uchar(piece[lead]) & 0xC0) == 0x80) --lead;
    const uchar first = uchar(piece[lead]);
    const int length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
    if (first >= 0x80 && lead + length > piece.size()) {
      piece.truncate(lead);
      if (!m_file.seek(start + lead)) error = true;
    }
  }
  return piece;
}

bool CTipsFile::IsTipLine(const QByteArray& line) {
  if (line.isEmpty()) return false;
  switch (line[0]) {
    case ' ':
    case '\t':
    case '\n':
    case '\r':  // the empty line of a file written with CR LF
    case ';':
      return false;
    default:
      return true;
  }
}

QString CTipsFile::TipText(const QByteArray& line) {
  QByteArray text = line;
  while (text.endsWith('\n') || text.endsWith('\r')) text.chop(1);
  // Stateless: a sequence cut off at the end is an error, not held back.
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8.decode(text);
  if (!utf8.hasError()) return decoded;
  return QString::fromStdString(
      Cp1252ToUtf8(std::string_view(text.constData(), std::size_t(text.size()))));
}

CTipsFile::ReadResult CTipsFile::ReadNextTip(QString& tip) {
  bool wrapped = false;
  for (;;) {
    bool error = false;
    const QByteArray piece = ReadPiece(error);
    if (error) return ReadResult::ReadError;
    if (piece.isEmpty()) {
      // The end of the file: go on at its start, but after a whole pass
      // from the start without a tip there is none to find.
      if (wrapped) return ReadResult::NoTips;
      wrapped = true;
      if (!m_file.seek(0)) return ReadResult::ReadError;
      continue;
    }
    if (IsTipLine(piece)) {
      tip = TipText(piece);
      return ReadResult::Tip;
    }
  }
}
