#pragma once
// What the search and list windows do with the records of an archive, without a
// screen: the filters and their matching, the fixed-column list line, which records
// a list takes, the scan of an archive and the order of the result list.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "core/large_memory.h"
#include "core/record.h"
#include "core/text.h"

namespace core {

class Archive;

// ---- Filters ---------------------------------------------------------------------

// How many filters count: those whose trimmed text is not empty.
int countFilters(const std::vector<Text>& filters);

// Whether a filter, taken as typed (not trimmed), occurs in a field's text, with only
// A-Z folded. A filter that is empty or made only of blanks never matches: it is not
// counted either, so it can neither select nor exclude a record.
bool filterMatches(TextView filter, TextView field);

// The filters of one search prepared for the scan: each filter text bound to the
// record field it searches. Works on the stored bytes, so a record is never
// converted whole; the result is the same as FilterMatches on the field's text.
class RecordFilter {
 public:
  struct Term {
    std::size_t field;  // index in the record layout
    Text text;          // as typed
  };
  explicit RecordFilter(std::vector<Term> terms);

  // N, the number of filters that count.
  int count() const { return count_; }
  // How many filters match the record.
  int matches(const RecordBuffer& record) const;
  // The record is listed when it matches at least N filters (every record when N is 0).
  bool qualifies(const RecordBuffer& record) const { return count_ == 0 || matches(record) >= count_; }
  // The record fields the filters read.
  std::vector<std::size_t> fields() const;

 private:
  struct Needle {
    std::size_t field;
    std::string bytes;  // the filter in Windows-1252, A-Z folded to lower case
  };
  std::vector<Needle> needles_;  // only filters that can match at all
  int count_ = 0;
};

// ---- List lines ------------------------------------------------------------------

// One piece of a list line: a literal text, or a column holding the trimmed texts of
// one or more fields joined by a blank (or a computed text). A column of width n is
// its text followed by n blanks and cut to n characters; a column of width 0 (the
// last one of a line) is its text as it is.
struct LinePiece {
  Text literal;
  std::vector<std::size_t> fields;
  std::function<Text(const RecordBuffer&)> compute;
  int width = -1;  // -1: literal
};

namespace line {
LinePiece literal(Text text);
LinePiece column(std::initializer_list<std::size_t> fields, int width);
LinePiece rest(std::initializer_list<std::size_t> fields);
LinePiece computed(std::function<Text(const RecordBuffer&)> compute, int width);
}  // namespace line

// `text` followed by `width` blanks, cut to `width` characters.
Text padColumn(TextView text, int width);

class LineFormat {
 public:
  LineFormat() = default;
  explicit LineFormat(std::vector<LinePiece> pieces);
  bool empty() const { return pieces_.empty(); }
  Text build(const RecordBuffer& record) const;
  void appendTo(Text& out, const RecordBuffer& record) const;
  // Adds the record fields the line reads to `fields`; false when a computed column
  // may read any field.
  bool readsOnly(std::vector<std::size_t>& fields) const;

 private:
  friend class LineList;
  // A line without computed columns whose literals are all Windows-1252, written at
  // `out` as Windows-1252 bytes (room for maxBytes_) with no allocation; returns its
  // end. The same text as appendTo, in the code page the fields are stored in.
  char* writeBytes(char* out, const RecordBuffer& record) const;
  // The line folded: its columns' texts only, each cut to its width and without the
  // blanks its padding would add, kFold between them (the literals, the same in every
  // line, left out). The folded lines of a list are in the order of their lines (with
  // kFold placed just below the blank), and a third of the bytes or less. Null when a
  // column holds a kFold byte of its own (the line is then kept whole).
  char* writeFolded(char* out, const RecordBuffer& record) const;
  // A folded line's text made whole again, as Windows-1252 bytes.
  void unfold(std::string_view folded, std::string& out) const;

  std::vector<LinePiece> pieces_;
  std::vector<std::string> literalBytes_;  // each literal in Windows-1252, by piece
  bool bytesOnly_ = true;      // writeBytes can make every line
  // writeFolded can fold every line: no computed column, and a column left as long as
  // it is (width 0) only as the last.
  bool foldable_ = true;
  std::size_t maxBytes_ = 0;   // room writeBytes may use, columns not yet cut included
};

// What separates a folded line's columns (see LineFormat::writeFolded).
constexpr char kFold = '\0';

class LineStore;

// The lines of a result list. A line is kept as Windows-1252 bytes, the code page the
// records' texts are stored in (half the memory of the text, and what the line is made
// of: a field's bytes are copied, not converted); a line with a character the code
// page lacks is kept as it is, apart. The lines lie back to back in large blocks
// (LineStore) that the parts of a scan fill side by side, each taking pieces of them
// as it goes, so that a whole archive's lines touch little more memory than their
// bytes; taking more lines never moves those already taken.
class LineList {
 public:
  LineList();
  ~LineList();
  LineList(const LineList& other);
  LineList& operator=(const LineList& other);
  LineList(LineList&&) noexcept;
  LineList& operator=(LineList&&) noexcept;

  // `parts` empty lists whose lines go into one store: a scan's parts, joined by append.
  static std::vector<LineList> forParts(std::size_t parts);

  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  // Line i's text.
  Text operator[](std::size_t i) const;
  // Line i's bytes when it is kept as Windows-1252 bytes (valid while the list keeps
  // its lines, or for a folded line until the next call); false for a line kept as
  // text.
  bool bytes(std::size_t i, std::string_view& out) const;
  void add(TextView line);
  void add(const LineFormat& format, const RecordBuffer& record);
  // Room for the starts of `lines` lines (`chars` is a guess of their characters).
  void reserve(std::size_t lines, std::size_t chars);
  // Takes the lines of `other` after its own: moved when both keep their lines in the
  // same store (a scan's parts), copied otherwise. `other` is left empty.
  void append(LineList&& other);
  // Forgets every line and gives the memory back.
  void clear();
  std::vector<Text> toVector() const;
  // The list's sorted order (see sortLines): the indexes of the lines in that order,
  // the lines left where they are. A long list is sorted on a few cores at once; the
  // call returns when all of them are done.
  LargeVector<std::size_t> sortedOrder() const;
  // Puts the lines in that order for good: line i is then the i-th in it. Touches no
  // memory beyond a short-lived 16 bytes a line.
  void sort();

 private:
  friend class LineSorter;
  // Where line i lies in the store.
  std::uint32_t at(std::size_t i) const;
  // Copies of `other`'s lines, each kept whole (as bytes or as text), after these.
  void addCopiesOf(const LineList& other);
  // Folded lines among lines kept whole or as text: their order is their texts'.
  bool foldedAmongOthers() const;
  // Room for a line of up to `bytes` bytes after its length; records its start.
  char* room(std::size_t bytes);
  void placed(char* end);  // the line written at the room ends here
  void addWide(TextView line);

  std::shared_ptr<LineStore> store_;
  // Where each line lies in the store, in list order: one array per part appended
  // (kept as they came, never copied), `ends_` the number of lines up to each.
  std::vector<LargeVector<std::uint32_t>> at_;
  std::vector<std::size_t> ends_;
  std::size_t count_ = 0;
  char* room_ = nullptr;  // the free part of this list's current piece of the store
  char* roomEnd_ = nullptr;
  std::uint32_t roomAt_ = 0;  // where room_ lies in the store
  char* lineStart_ = nullptr;
  std::size_t lineHead_ = 0;  // the room's length bytes
  bool folding_ = false;                    // the room takes a folded line
  const LineFormat* foldsLinesOf_ = nullptr;  // the format whose lines are folded...
  const LineFormat* folds_ = nullptr;         // ... by the store's copy of it
  bool hasFolded_ = false, hasWhole_ = false;  // lines kept folded, kept whole as bytes
  mutable std::string unfolded_;              // a folded line made whole, for bytes()
  Text line_;          // a line with computed columns, built before it is placed
  std::string bytes_;  // and its bytes
};

// The trimmed texts of `fields` joined by one blank (each trimmed on its own, the
// joined text not trimmed again: an empty make gives " Model").
Text joinFields(const RecordBuffer& record, const std::vector<std::size_t>& fields);

// ---- Scan ------------------------------------------------------------------------

// What a list does with one record.
enum class Verdict { Skip, Take, Stop };

// Reads every record of an open archive in file order (to the end of the file as it
// was when the scan began) and adds to `lines` the lines of those `choose` takes; Stop
// ends the scan after that record. Throws ArchiveError when a read fails; the lines
// taken before the failure stay in `lines`. A long archive is read in parts side by
// side (scanParts): `choose` and the line's computed columns may run on several
// threads at once, and read only the record.
void scanLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
               const std::function<Verdict(const RecordBuffer&)>& choose, LineList& lines);

// The scan of a search window: the records the filters qualify.
LineList searchLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
                              const RecordFilter& filter);

// Every record (1-based number) whose rebuilt line, trimmed, equals `chosen`
// trimmed, exactly; `found` runs for each in file order.
void findEqualLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
                    TextView chosen, const std::function<void(const RecordBuffer&, std::size_t)>& found);

// ---- Order -----------------------------------------------------------------------

// The order of a result list: by text with A-Z folded (to upper case, so "_" sorts
// after the letters); lines that compare equal keep their order.
bool lessFolded(TextView a, TextView b);
// Each Windows-1252 byte's place in that order (of the character it stands for, a-z
// as A-Z), from 1: fewer than 256 places, so comparing places compares the texts.
const std::array<std::uint8_t, 256>& bytePlaces();
void sortLines(std::vector<Text>& lines);

}  // namespace core
