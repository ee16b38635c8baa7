// DataFile: the airplane data file (.TQD), nine "key=value" lines.
#pragma once

#include "physics/CalcEngine.h"
#include "case/Figures.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The file's text: an, nl, ls, ll, wl, hl, wt, lt, wa in this order, numbers
// as printf "%f" with a point whatever the locale, CRLF line ends.
std::string DataFileText(const FlightCase &fc);

struct DataFileEntry {
    std::string key;    // lower case: one of the nine keys
    std::string value;  // as it stands in the file, never empty
    bool operator==(const DataFileEntry &o) const { return key == o.key && value == o.value; }
};

// The recognised lines of a file, in file order. Keys ignore letter case and
// every character of code 32 or below; a value runs from the first "=" to
// the first control character. Lines without "=", other keys and empty
// values are skipped. Never fails, whatever the content.
std::vector<DataFileEntry> ParseDataFile(const std::string &content);

// Airplane names: files written on Windows machines hold them in
// Windows-1252. A name in a file is read as UTF-8 when it is valid UTF-8,
// otherwise as Windows-1252; it is written in Windows-1252 when every
// character has a place there and those bytes are not also valid UTF-8,
// otherwise in UTF-8. So old files round-trip byte for byte and every name
// reads back as typed.
std::string NameFromFileBytes(const std::string &bytes);
std::string NameToFileBytes(const std::string &utf8);
bool IsValidUtf8(const std::string &text);
// The UTF-8 bytes of the code point c.
void AppendUtf8(std::string &out, char32_t c);

// The C library's conversions as the reader uses them, without the locale:
// leading white space, a sign, digits; conversion stops at the first
// character that does not fit, and nothing readable gives 0.
int WholeNumberPrefix(const std::string &text);
double DecimalNumberPrefix(const std::string &text);

// Where the entries of a file go, in file order: the window's fields, or a
// flight case on its own. Numbers arrive converted and within single
// precision; entries whose numbers do not fit are skipped.
class DataFileTarget {
public:
    virtual ~DataFileTarget() = default;
    virtual void SetName(const std::string &name) = 0;
    virtual void SetLines(int count) = 0;
    virtual void SetNumber(const InputKey &key, float value) = 0;
};

void ApplyDataFileEntries(const std::vector<DataFileEntry> &entries, DataFileTarget &target);

// A flight case filled the way the window's fields fill it when a file is
// opened: each number is shown with four significant digits (the wing area
// six); when that text differs from what the field showed, the value is read
// back from it, as the field's change does, and when it does not, the file's
// value stays. The name is cut to the field's 70 characters; a line count is
// limited to 1 … 3 by the spin field unless the field already showed the
// limited value.
class FlightCaseTarget : public DataFileTarget {
public:
    // shownText: the text each numeric field shows now, as its imperial
    // number text; by default the stored value's.
    explicit FlightCaseTarget(FlightCase &fc,
                              const std::function<std::string(const InputKey &)> &shownText = nullptr);
    void SetName(const std::string &name) override;
    void SetLines(int count) override;
    void SetNumber(const InputKey &key, float value) override;
    // The keys whose field text the file changed, in file order: the name,
    // the line count, and each number whose text differs from the field's.
    const std::vector<const InputKey *> &ChangedKeys() const { return changed; }

private:
    void Changed(const InputKey &key);
    FlightCase &fc;
    int shownLines;  // what the spin field shows
    std::function<std::string(const InputKey &)> shownText;
    std::vector<std::pair<const InputKey *, std::string>> shown;  // texts set so far
    std::vector<const InputKey *> changed;
};

constexpr int MaxNameLength = 70;
// The name as the 70-character field keeps it. Characters are counted as
// UTF-8 sequences; stray continuation bytes count one each, as a field's
// decoding turns each into a replacement character.
std::string CutName(const std::string &name);

// Data files are about 120 bytes; anything over this is not one.
constexpr std::size_t MaxDataFileBytes = std::size_t(1) << 20;  // 1 MiB
constexpr const char *DataFileTooLarge = "it is larger than 1 MiB, far too large for a Tethrix data file";
// "Cannot Open File <name>" and, on the next line, why.
std::string OpenFailure(const std::string &fileName, const std::string &reason);
