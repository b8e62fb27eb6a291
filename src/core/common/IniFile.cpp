#include "common/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>
#include <unordered_set>

#include "common/AtomicFile.h"
#include "common/Cp1251.h"
#include "common/TextCase.h"

namespace lir {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

std::string foldName(std::string_view name) { return lowerCaseText(name); }

// Text an editor saved as UTF-8: malformed sequences become U+FFFD, so memory
// holds valid UTF-8 whatever the file held.
std::string sanitizedUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) appendUtf8(out, nextCodePoint(text, pos));
  return out;
}

// Splits at CR LF, LF or a lone CR; a last line without a line end counts too.
std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// Accepts the integer forms settings files are written with: an optional sign, then
// decimal digits, or hexadecimal digits after "$" or "0x". Nothing may follow.
bool parseInteger(std::string_view s, int& result) {
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s.front() == '$') {
    base = 16;
    s.remove_prefix(1);
  } else if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty() || s.front() == '+' || s.front() == '-') return false;
  std::uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  if (error != std::errc() || end != s.data() + s.size()) return false;
  const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
  if (magnitude > limit) return false;
  const auto signedValue = static_cast<std::int64_t>(magnitude);
  result = static_cast<int>(negative ? -signedValue : signedValue);
  return true;
}

bool isBlankLine(std::string_view text) { return trim(text).empty(); }

}  // namespace

TIniFile TIniFile::fromBytes(std::string_view bytes) {
  const std::string text = bytes.starts_with(kUtf8Bom)
                               ? sanitizedUtf8(bytes.substr(kUtf8Bom.size()))
                               : cp1251ToUtf8(bytes);
  TIniFile ini;
  for (const std::string_view raw : splitLines(text)) {
    const std::string_view trimmed = trim(raw);
    const std::size_t close = trimmed.find(']');
    if (trimmed.starts_with('[') && close != std::string_view::npos) {
      Section section;
      section.header = raw;
      section.name = trim(trimmed.substr(1, close - 1));
      section.foldedName = foldName(section.name);
      ini.sections_.push_back(std::move(section));
      continue;
    }
    Line line;
    line.text = raw;
    if (!trimmed.empty() && !trimmed.starts_with(';')) {
      line.kind = Line::Kind::kEntry;
      const std::size_t eq = trimmed.find('=');
      line.key = trim(trimmed.substr(0, eq));
      if (eq != std::string_view::npos) line.value = trim(trimmed.substr(eq + 1));
      line.foldedKey = foldName(line.key);
    }
    (ini.sections_.empty() ? ini.preamble_ : ini.sections_.back().lines).push_back(std::move(line));
  }
  return ini;
}

std::string TIniFile::toBytes() const {
  std::string text;
  for (const Line& line : preamble_) text.append(line.text).append(kLineEnd);
  for (const Section& section : sections_) {
    text.append(section.header).append(kLineEnd);
    for (const Line& line : section.lines) text.append(line.text).append(kLineEnd);
  }
  return utf8ToCp1251(text);
}

std::string TIniFile::loadFile(const std::string& path) {
  *this = TIniFile();
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return {};
  if (ec) return ec.message();
  if (status.type() == std::filesystem::file_type::directory) return std::strerror(EISDIR);
  std::string bytes;
  std::string error;
  if (!readWholeFile(path, bytes, error)) return error;
  *this = fromBytes(bytes);
  return {};
}

std::string TIniFile::saveFile(const std::string& path) const {
  return saveFileAtomically(path, toBytes());
}

TIniFile::Section* TIniFile::findSection(std::string_view section) {
  const std::string folded = foldName(section);
  for (Section& s : sections_) {
    if (s.foldedName == folded) return &s;
  }
  return nullptr;
}

const TIniFile::Section* TIniFile::findSection(std::string_view section) const {
  return const_cast<TIniFile*>(this)->findSection(section);
}

// A section that occurs more than once is read as one: its occurrences are
// searched in file order and the first line of the key wins.
TIniFile::Line* TIniFile::findLine(std::string_view section, std::string_view key) {
  if (key.empty()) return nullptr;
  const std::string foldedSection = foldName(section);
  const std::string foldedKey = foldName(trim(key));
  for (Section& s : sections_) {
    if (s.foldedName != foldedSection) continue;
    for (Line& line : s.lines) {
      if (line.kind == Line::Kind::kEntry && line.foldedKey == foldedKey) return &line;
    }
  }
  return nullptr;
}

const TIniFile::Line* TIniFile::findLine(std::string_view section, std::string_view key) const {
  return const_cast<TIniFile*>(this)->findLine(section, key);
}

TIniFile::Section& TIniFile::appendSection(std::string_view section) {
  std::vector<Line>& last = sections_.empty() ? preamble_ : sections_.back().lines;
  if (!last.empty() && !isBlankLine(last.back().text)) last.push_back(Line());
  Section fresh;
  fresh.name = section;
  fresh.foldedName = foldName(section);
  fresh.header = "[" + fresh.name + "]";
  sections_.push_back(std::move(fresh));
  return sections_.back();
}

bool TIniFile::sectionExists(std::string_view section) const {
  return findSection(section) != nullptr;
}

bool TIniFile::valueExists(std::string_view section, std::string_view key) const {
  return findLine(section, key) != nullptr;
}

std::vector<std::string> TIniFile::sectionNames() const {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  for (const Section& s : sections_) {
    if (seen.insert(s.foldedName).second) names.push_back(s.name);
  }
  return names;
}

std::vector<std::string> TIniFile::sectionKeys(std::string_view section) const {
  std::vector<std::string> keys;
  std::unordered_set<std::string> seen;
  const std::string folded = foldName(section);
  for (const Section& s : sections_) {
    if (s.foldedName != folded) continue;
    for (const Line& line : s.lines) {
      if (line.kind != Line::Kind::kEntry || line.key.empty()) continue;
      if (seen.insert(line.foldedKey).second) keys.push_back(line.key);
    }
  }
  return keys;
}

std::vector<TIniEntry> TIniFile::sectionValues(std::string_view section) const {
  std::vector<TIniEntry> entries;
  const std::string folded = foldName(section);
  for (const Section& s : sections_) {
    if (s.foldedName != folded) continue;
    for (const Line& line : s.lines) {
      if (line.kind == Line::Kind::kEntry) entries.push_back({line.key, line.value});
    }
  }
  return entries;
}

std::string TIniFile::readString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
  const Line* line = findLine(section, key);
  return std::string(line ? std::string_view(line->value) : defaultValue);
}

int TIniFile::readInteger(std::string_view section, std::string_view key,
                          int defaultValue) const {
  const Line* line = findLine(section, key);
  int value = 0;
  return line && parseInteger(line->value, value) ? value : defaultValue;
}

bool TIniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::isStorableSection(std::string_view section) {
  return !section.empty() && section.find(']') == std::string_view::npos &&
         !hasLineBreak(section) && trim(section) == section;
}

bool TIniFile::isStorableKey(std::string_view key) {
  return key.find('=') == std::string_view::npos && !hasLineBreak(key) &&
         !key.starts_with('[') && !key.starts_with(';') && trim(key) == key;
}

bool TIniFile::isStorableValue(std::string_view value) { return !hasLineBreak(value); }

TIniFile::Line TIniFile::entryLine(std::string_view key, std::string_view value) {
  Line line;
  line.kind = Line::Kind::kEntry;
  line.key = key;
  line.foldedKey = foldName(key);
  line.value = trim(value);
  line.text = std::string(key) + "=" + std::string(value);
  return line;
}

bool TIniFile::writeString(std::string_view section, std::string_view key,
                           std::string_view value) {
  if (!isStorableSection(section) || key.empty() || !isStorableKey(key) ||
      !isStorableValue(value)) {
    return false;
  }
  if (Line* found = findLine(section, key)) {
    // An unchanged value keeps its line exactly as the user wrote it.
    if (found->value != trim(value)) *found = entryLine(found->key, value);
    return true;
  }
  Section* target = findSection(section);
  if (!target) target = &appendSection(section);
  // After the last non-blank line, so blank lines that part sections stay last.
  auto at = target->lines.end();
  while (at != target->lines.begin() && isBlankLine((at - 1)->text)) --at;
  target->lines.insert(at, entryLine(key, value));
  return true;
}

bool TIniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  return writeString(section, key, std::to_string(value));
}

bool TIniFile::writeBool(std::string_view section, std::string_view key, bool value) {
  return writeString(section, key, value ? "1" : "0");
}

void TIniFile::eraseSection(std::string_view section) {
  const std::string folded = foldName(section);
  std::erase_if(sections_, [&](const Section& s) { return s.foldedName == folded; });
}

void TIniFile::deleteKey(std::string_view section, std::string_view key) {
  const std::string foldedSection = foldName(section);
  const std::string foldedKey = foldName(trim(key));
  for (Section& s : sections_) {
    if (s.foldedName != foldedSection) continue;
    std::erase_if(s.lines, [&](const Line& line) {
      return line.kind == Line::Kind::kEntry && line.foldedKey == foldedKey;
    });
  }
}

bool TIniFile::replaceSection(std::string_view section, const std::vector<TIniEntry>& entries) {
  if (!isStorableSection(section)) return false;
  std::vector<Line> lines;
  bool allStored = true;
  for (const TIniEntry& entry : entries) {
    if (isStorableKey(entry.key) && isStorableValue(entry.value)) {
      lines.push_back(entryLine(entry.key, entry.value));
    } else {
      allStored = false;
    }
  }
  if (lines.empty()) {
    eraseSection(section);
    return allStored;
  }
  std::size_t first = 0;
  while (first < sections_.size() && sections_[first].foldedName != foldName(section)) ++first;
  if (first == sections_.size()) appendSection(section);
  Section& target = sections_[first];
  // Blank lines that ended the old section still part it from the next one.
  auto trailing = target.lines.end();
  while (trailing != target.lines.begin() && isBlankLine((trailing - 1)->text)) --trailing;
  lines.insert(lines.end(), std::make_move_iterator(trailing),
               std::make_move_iterator(target.lines.end()));
  target.lines = std::move(lines);
  // Later occurrences of the section go; the first one now holds everything.
  const std::string folded = target.foldedName;
  const auto later = std::remove_if(sections_.begin() + static_cast<std::ptrdiff_t>(first) + 1,
                                    sections_.end(),
                                    [&](const Section& s) { return s.foldedName == folded; });
  sections_.erase(later, sections_.end());
  return allStored;
}

std::string editIniFile(const std::string& path, const std::function<void(TIniFile&)>& edit) {
  TIniFile ini;
  if (std::string error = ini.loadFile(path); !error.empty()) return error;
  edit(ini);
  return ini.saveFile(path);
}

}  // namespace lir
