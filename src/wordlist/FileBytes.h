#pragma once
// Whole-file reading and safe writing for the list files, and the line
// splitting every reader shares.
#include <cstddef>
#include <string>
#include <string_view>

#include <QString>

// No list of 300 words comes near this; anything larger is not a list file
// and is refused before it can take the memory.
inline constexpr std::size_t kMaxListFileBytes = 16u * 1024u * 1024u;

enum class ReadStatus { Ok, CannotOpen, TooLarge };

// Reads the whole file into out (at most kMaxListFileBytes). Only a regular
// file is read: a folder, pipe, socket or device is CannotOpen, without
// waiting for anything.
ReadStatus ReadWholeFile(const QString& path, std::string& out);

// Writes bytes as the new content of path. A regular file is replaced only
// once everything is on disk (temporary file in the same folder, then
// rename); a device or pipe is written in place, and a pipe without a reader
// fails at once. False on any open, write, flush, sync or rename error; the
// previous file is then left as it was.
bool WriteWholeFile(const QString& path, std::string_view bytes);

// One line of text: CR LF and LF end a line; the line excludes them. The
// last line may end without a line feed.
struct TextLine {
  std::string_view text;
  bool hasLineFeed = false;
};

// Takes the next line of data starting at pos and moves pos past it; false
// at the end of data.
bool NextLine(std::string_view data, std::size_t& pos, TextLine& line);
