#pragma once
// The tips file of the tip of the day: a plain text file with one tip per
// line. Lines that begin with a space, a tab or ";" and empty lines are
// skipped; every other line is a tip. A line longer than kMaxLine bytes is
// read in pieces of that size, each piece counting as a line. Tips are taken
// in file order and the search goes back to the start after the end.
//
// The file may be UTF-8 or Windows-1252; each piece is shown as UTF-8 when it
// is valid UTF-8, else as Windows-1252.
#include <QFile>
#include <QString>

class CTipsFile {
 public:
  static constexpr int kMaxLine = 999;

  enum class ReadResult {
    Tip,        // tip holds the next tip
    NoTips,     // one whole pass through the file found no tip line
    ReadError,  // the file could not be read or positioned
  };

  // Opens a regular file for reading; false when there is none at path (a
  // folder, a FIFO or a device counts as none, so nothing can block).
  bool Open(const QString& path);
  bool IsOpen() const { return m_file.isOpen(); }
  void Close() { m_file.close(); }

  // The file's modification time in the C library's ctime form without its
  // line end, "Wed Jun 30 21:49:08 1993"; it tells whether the file changed
  // since the stored position was taken.
  QString TimeStamp() const;

  // Byte offset where the next search begins. A position beyond the end
  // makes the next search start over at the first tip.
  qint64 Position() const { return m_file.pos(); }
  bool Seek(qint64 position);

  ReadResult ReadNextTip(QString& tip);

  // Turns one line of the file, as read, into the text shown: without its
  // line end, decoded as described above.
  static QString TipText(const QByteArray& line);
  // Whether a line of the file is a tip rather than a note or an empty line.
  static bool IsTipLine(const QByteArray& line);

 private:
  // The next line or piece; empty at the end of the file. error is set when
  // reading failed.
  QByteArray ReadPiece(bool& error);

  QFile m_file;
};
