#pragma once
// The program's INI settings file: Windows-1251 on disk, UTF-8 in memory.
//
// Every line is kept as it was read, so sections, keys, comments and odd lines
// this program does not know survive a save unchanged; only a line whose value is
// written with a different value is rebuilt. Section and key names compare
// without regard to case, for Latin and Cyrillic letters alike. Names and values
// are read with the spaces around them trimmed.
//
// Several parts of the program keep their own sections in the same file, so the
// file is never held open for a session: whoever writes reads the file afresh,
// changes its own keys and saves at once (editIniFile below). That way no writer
// undoes what another one, or the user, put into the file meanwhile.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lir {

// One line of a section as a (key, value) pair. A line without "=" is a key with
// an empty value; a line "=value" has an empty key.
struct TIniEntry {
  std::string key;
  std::string value;

  bool operator==(const TIniEntry&) const = default;
};

class TIniFile {
 public:
  // Any byte string gives some INI; nothing is refused. A leading UTF-8
  // byte-order mark means an editor saved the text as UTF-8: it is read as such
  // and saved as Windows-1251 like every other file of the program.
  static TIniFile fromBytes(std::string_view bytes);
  // The whole file in Windows-1251 with CR LF line ends.
  std::string toBytes() const;

  // Answers an empty text on success; a missing file is a success and gives an
  // empty INI. On failure the INI is empty and the text is the system's reason.
  std::string loadFile(const std::string& path);
  // Saves atomically; answers the system's reason on failure, else empty.
  std::string saveFile(const std::string& path) const;

  bool sectionExists(std::string_view section) const;
  bool valueExists(std::string_view section, std::string_view key) const;
  // Section names in file order, each name once.
  std::vector<std::string> sectionNames() const;
  // Non-empty key names of a section in file order, each name once.
  std::vector<std::string> sectionKeys(std::string_view section) const;
  // Every key line of a section in file order, duplicates and empty keys included;
  // blank and comment (";") lines are left out.
  std::vector<TIniEntry> sectionValues(std::string_view section) const;

  std::string readString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // A value that is not a 32-bit integer (decimal, or hexadecimal after "$" or
  // "0x") gives the default.
  int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
  // "0" is false, any other integer true; a value that is no integer gives the
  // default.
  bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

  // Writers answer false and change nothing when the names or the value cannot
  // be stored on one INI line (see isStorable below). A new key goes after the
  // last key of its section, a new section at the end of the file.
  bool writeString(std::string_view section, std::string_view key, std::string_view value);
  bool writeInteger(std::string_view section, std::string_view key, int value);
  bool writeBool(std::string_view section, std::string_view key, bool value);

  // Removes every occurrence of the section, its header included.
  void eraseSection(std::string_view section);
  // Removes every line of the key from the section.
  void deleteKey(std::string_view section, std::string_view key);
  // Replaces the section's lines with these entries in this order, duplicates
  // and empty keys allowed; the section keeps its place in the file. Entries that
  // cannot be stored are left out, and the answer is then false.
  bool replaceSection(std::string_view section, const std::vector<TIniEntry>& entries);

  // A section name is storable when it is not empty, holds no "]" or line break
  // and has no spaces around it; a key when it holds no "=" or line break, does not start with "[" or
  // ";" and has no spaces around it; a value when it holds no line break.
  // Anything else would read back as something else, or as other lines.
  static bool isStorableSection(std::string_view section);
  static bool isStorableKey(std::string_view key);
  static bool isStorableValue(std::string_view value);

 private:
  struct Line {
    enum class Kind { kOther, kEntry };
    Kind kind = Kind::kOther;
    std::string text;  // the line as read, without its line end
    std::string key;
    std::string foldedKey;
    std::string value;
  };
  struct Section {
    std::string header;  // the header line as read
    std::string name;
    std::string foldedName;
    std::vector<Line> lines;
  };

  Section* findSection(std::string_view section);
  const Section* findSection(std::string_view section) const;
  Line* findLine(std::string_view section, std::string_view key);
  const Line* findLine(std::string_view section, std::string_view key) const;
  Section& appendSection(std::string_view section);
  static Line entryLine(std::string_view key, std::string_view value);

  std::vector<Line> preamble_;  // lines before the first section
  std::vector<Section> sections_;
};

// Reads the file, lets edit change it and saves it. A file that cannot be read
// (other than a missing one) is not written, so an unreadable file is never
// replaced by a nearly empty one. Answers an empty text or the reason of failure.
std::string editIniFile(const std::string& path, const std::function<void(TIniFile&)>& edit);

}  // namespace lir
