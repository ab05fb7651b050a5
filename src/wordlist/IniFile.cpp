#include "IniFile.h"

#include <algorithm>
#include <climits>

#include "FileBytes.h"
#include "lang/TextParse.h"

bool CIniFile::Load(const QString& path) {
  std::string data;
  const bool ok = ReadWholeFile(path, data) == ReadStatus::Ok;
  SetData(std::move(data));
  return ok;
}

void CIniFile::SetData(std::string data) {
  m_data = std::move(data);
  m_keys.clear();
  m_sections.clear();
  const std::string_view all(m_data);
  std::size_t pos = 0;
  TextLine line;
  while (NextLine(all, pos, line)) {
    const std::string_view text = line.text;
    // A header counts only when a line feed closes it.
    if (line.hasLineFeed && text.size() >= 2 && text.front() == '[' && text.back() == ']') {
      m_sections.push_back(text.substr(1, text.size() - 2));
    }
    const std::size_t eq = text.find('=');
    if (eq != std::string_view::npos) m_keys.emplace_back(text.substr(0, eq), text.substr(eq + 1));
  }
  std::stable_sort(m_keys.begin(), m_keys.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::sort(m_sections.begin(), m_sections.end());
  m_sections.erase(std::unique(m_sections.begin(), m_sections.end()), m_sections.end());
}

bool CIniFile::HasSection(std::string_view section) const {
  return std::binary_search(m_sections.begin(), m_sections.end(), section);
}

const std::string_view* CIniFile::Find(std::string_view key) const {
  const auto it =
      std::lower_bound(m_keys.begin(), m_keys.end(), key,
                       [](const auto& entry, std::string_view k) { return entry.first < k; });
  if (it == m_keys.end() || it->first != key) return nullptr;
  return &it->second;
}

std::string CIniFile::Value(std::string_view section, std::string_view key) const {
  if (!HasSection(section)) return std::string(kMissing);
  const std::string_view* value = Find(key);
  return value ? std::string(*value) : std::string(kMissing);
}

int CIniFile::Int(std::string_view section, std::string_view key) const {
  const std::string value = Value(section, key);
  if (value == kMissing || value == "NULL") return -1;
  return LeadingInt(value);
}

std::string GetIniValue(const std::string& section, const std::string& key, const QString& path) {
  CIniFile file;
  file.Load(path);
  return file.Value(section, key);
}

int GetIniInt(const std::string& section, const std::string& key, const QString& path) {
  CIniFile file;
  file.Load(path);
  return file.Int(section, key);
}
