#include "FileBytes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

ReadStatus ReadWholeFile(const QString& path, std::string& out) {
  out.clear();
  if (QFileInfo(path).isDir()) return ReadStatus::CannotOpen;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return ReadStatus::CannotOpen;
  // Read in chunks rather than trusting size(): devices and pipes report 0.
  if (file.size() > 0 && static_cast<std::size_t>(file.size()) <= kMaxListFileBytes)
    out.reserve(static_cast<std::size_t>(file.size()) + 1);
  constexpr qint64 kChunk = 64 * 1024;
  for (;;) {
    const std::size_t old = out.size();
    out.resize(old + kChunk);
    const qint64 got = file.read(out.data() + old, kChunk);
    if (got < 0) {
      out.clear();
      return ReadStatus::CannotOpen;
    }
    out.resize(old + static_cast<std::size_t>(got));
    if (out.size() > kMaxListFileBytes) {
      out.clear();
      out.shrink_to_fit();
      return ReadStatus::TooLarge;
    }
    if (got == 0) break;
  }
  return ReadStatus::Ok;
}

namespace {

bool WriteAll(QFileDevice& file, std::string_view bytes) {
  qint64 done = 0;
  const qint64 total = static_cast<qint64>(bytes.size());
  while (done < total) {
    const qint64 n = file.write(bytes.data() + done, total - done);
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

}  // namespace

bool WriteWholeFile(const QString& path, std::string_view bytes) {
  const QFileInfo info(path);
  if (info.exists() && !info.isFile() && !info.isDir()) {
    // A device or pipe: an atomic save would put a regular file in its place.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const bool written = WriteAll(file, bytes) && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  // Leaving without commit() removes the temporary file.
  if (!WriteAll(file, bytes)) return false;
  return file.commit();
}

bool NextLine(std::string_view data, std::size_t& pos, TextLine& line) {
  if (pos >= data.size()) return false;
  const std::size_t end = data.find('\n', pos);
  if (end == std::string_view::npos) {
    line.text = data.substr(pos);
    line.hasLineFeed = false;
    pos = data.size();
    return true;
  }
  std::size_t stop = end;
  if (stop > pos && data[stop - 1] == '\r') --stop;
  line.text = data.substr(pos, stop - pos);
  line.hasLineFeed = true;
  pos = end + 1;
  return true;
}
