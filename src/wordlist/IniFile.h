#pragma once
// The key lookup of the INI-like list files (versions 1 and 2).
//
// The whole file is held in memory and indexed once, so a list of 300 words
// is read in one pass instead of opening the file again for every key. A key
// counts only at the start of a line ("KEY=value"); the value is the rest of
// the line after the first "=". Which section a key line stands in plays no
// part, but the section asked for must have a header line of its own.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QString>

class CIniFile {
 public:
  // The text every lookup gives for a missing file, section or key.
  static constexpr std::string_view kMissing = "ERROR";

  CIniFile() = default;
  explicit CIniFile(std::string data) { SetData(std::move(data)); }
  // The index points into the held text, so a copy would point into the
  // wrong one.
  CIniFile(const CIniFile&) = delete;
  CIniFile& operator=(const CIniFile&) = delete;

  // Reads and indexes the file; false (and an empty index) when it cannot
  // be read or is larger than any list file can be.
  bool Load(const QString& path);
  void SetData(std::string data);

  bool HasSection(std::string_view section) const;

  // The value of key, or "ERROR" when the section header or the key is
  // missing.
  std::string Value(std::string_view section, std::string_view key) const;

  // -1 for "ERROR" and "NULL", else the leading decimal integer of the value
  // (0 when it has no digits).
  int Int(std::string_view section, std::string_view key) const;

 private:
  const std::string_view* Find(std::string_view key) const;

  std::string m_data;
  // (key, value) in file order, sorted stably by key: the first line of a
  // key wins, as a top-down scan would find it.
  std::vector<std::pair<std::string_view, std::string_view>> m_keys;
  std::vector<std::string_view> m_sections;  // sorted, unique
};

// The same lookups on a file, reading it for the one call.
std::string GetIniValue(const std::string& section, const std::string& key, const QString& path);
int GetIniInt(const std::string& section, const std::string& key, const QString& path);
