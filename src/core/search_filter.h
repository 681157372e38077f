#pragma once
// What the search and list windows do with the records of an archive, without a
// screen: the filters and their matching, the fixed-column list line, which records
// a list takes, the scan of an archive and the order of the result list.
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
  // A line without computed columns, written at `out` (room for maxChars_
  // characters) with no allocation; returns its end. The same text as appendTo.
  char16_t* write(char16_t* out, const RecordBuffer& record) const;

  std::vector<LinePiece> pieces_;
  bool computed_ = false;      // a column is computed: no write()
  std::size_t maxChars_ = 0;   // room write() may use, columns not yet cut included
};

// The lines of a result list, kept back to back in a few large blocks: a search of a
// large archive makes a few allocations, not one per line, and taking more lines never
// moves those already taken (there is no moment with two copies of them).
class LineList {
 public:
  LineList() = default;
  LineList(const LineList& other);
  LineList& operator=(const LineList& other);
  LineList(LineList&&) noexcept = default;
  LineList& operator=(LineList&&) noexcept = default;

  std::size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  TextView operator[](std::size_t i) const;
  void add(TextView line);
  void add(const LineFormat& format, const RecordBuffer& record);
  // Room for `lines` lines of `chars` characters in all, taken when the first line is.
  void reserve(std::size_t lines, std::size_t chars);
  // Takes the lines of `other` after its own, moving them, not copying (`other` is
  // left empty).
  void append(LineList&& other);
  // Forgets every line and gives the memory back.
  void clear();
  std::vector<Text> toVector() const;
  // The list's sorted order (see sortLines): the indexes of the lines in that order,
  // the lines left where they are. A long list is sorted on a few cores at once; the
  // call returns when all of them are done.
  LargeVector<std::size_t> sortedOrder() const;

 private:
  struct Block {
    LargeArray<char16_t> chars;
    std::size_t size = 0, capacity = 0;
  };
  // Where the next line goes, with room for `length` characters; records its start.
  char16_t* room(std::size_t length);

  std::vector<Block> blocks_;
  LargeVector<std::uint64_t> starts_;  // block << 32 | offset in the block
  std::size_t nextBlockChars_ = 0;
  Text line_;  // a line with computed columns, built before it is placed
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
void sortLines(std::vector<Text>& lines);

}  // namespace core
