#include "FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Closes a descriptor when the scope ends.
class CFd {
 public:
  explicit CFd(int fd) : m_fd(fd) {}
  ~CFd() {
    if (m_fd >= 0) ::close(m_fd);
  }
  CFd(const CFd&) = delete;
  CFd& operator=(const CFd&) = delete;
  int Get() const { return m_fd; }
  // Closes now; false when close reports an error (a write that never
  // reached the disk, on some file systems).
  bool Close() {
    const int fd = m_fd;
    m_fd = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int m_fd;
};

bool WriteAllFd(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

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

// A device or pipe is written in place: an atomic save would put a regular
// file in its place. A pipe that nobody reads refuses at once instead of
// blocking the program.
bool WriteInPlace(const QString& path, std::string_view bytes) {
  CFd fd(::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.Get() < 0) return false;
  // With a reader at the other end, writes wait for it as usual.
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) < 0) return false;
  const bool written = WriteAllFd(fd.Get(), bytes);
  return fd.Close() && written;
}

}  // namespace

ReadStatus ReadWholeFile(const QString& path, std::string& out) {
  out.clear();
  // Without O_NONBLOCK, opening a pipe waits for a writer, possibly for ever.
  CFd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.Get() < 0) return ReadStatus::CannotOpen;
  // Only a regular file is a list: a folder, pipe, socket or device is not,
  // and reading one could block or never end.
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return ReadStatus::CannotOpen;
  if (info.st_size > static_cast<off_t>(kMaxListFileBytes)) return ReadStatus::TooLarge;
  // Read until the end rather than trusting the size: the file may be
  // growing while it is read. The last read, which finds the end, needs a
  // chunk of room past the file's size.
  constexpr std::size_t kChunk = 64 * 1024;
  out.reserve(static_cast<std::size_t>(info.st_size) + kChunk);
  for (;;) {
    const std::size_t old = out.size();
    out.resize(old + kChunk);
    const ssize_t got = ::read(fd.Get(), out.data() + old, kChunk);
    if (got < 0 && errno == EINTR) {
      out.resize(old);
      continue;
    }
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

bool WriteWholeFile(const QString& path, std::string_view bytes) {
  const QFileInfo info(path);
  if (info.exists() && !info.isFile() && !info.isDir()) return WriteInPlace(path, bytes);

  // Unbuffered, so that every write reports its own error. Qt 6.4 renames
  // the temporary file even when the flush of a buffered last write failed
  // (a full disk), which would replace the old file by a cut one.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  // Some file systems report a full disk or a lost write only when the data
  // goes to disk; the old file must stay until it has.
  const bool written = WriteAll(file, bytes) && (::fsync(file.handle()) == 0 || errno == EINVAL);
  if (!written) {
    file.cancelWriting();
    return false;
  }
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
