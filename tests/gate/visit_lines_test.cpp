// The four lines of a visit: each field at its column, long texts cut, the driver
// whole at the end.
#include <gtest/gtest.h>

#include <string>

#include "core/record.h"
#include "core/text.h"
#include "gate/visit_lines.h"
#include "gate/visit_record.h"

using core::Text;

namespace {

std::string u8(core::TextView t) { return core::toUtf8(t); }

// `text` padded with blanks to `width` characters (the test's own, not the program's).
Text cell(const Text& text, std::size_t width) { return text + Text(width - text.size(), u' '); }

core::RecordBuffer visit() {
  core::RecordBuffer r(gate::visitLayout());
  r.set("DataEnt", u"05/03/2024");
  r.set("OraEnt", u"08:15");
  r.set("OperatoreEnt", u"Bianchi");
  r.set("Veicolo", u"  Fiat Panda ");
  r.set("Targa", u"ab123cd");
  r.set("Conduttore", u"  Mario Rossi  ");
  r.set("DataUsc", u"06/03/2024");
  r.set("OraUsc", u"17:45");
  return r;
}

struct Case {
  const char* name;
  core::LineFormat (*format)();
  Text expected;
  std::size_t driverAt;  // 1-based character where the driver starts
};

const Text kHead = cell(u"Fiat Panda", 30) + u"  Targa: " + cell(u"ab123cd", 12);

const Case kCases[] = {
    {"exited today", gate::exitedTodayLine,
     kHead + u"  Ora uscita: 17:45  Entrata: 05/03/2024  Ora: 08:15  Conduttore: Mario Rossi", 118},
    {"entered today", gate::enteredTodayLine,
     kHead + u"  Ora entrata: 08:15  Uscita: 06/03/2024  Ora: 17:45  Conduttore: Mario Rossi", 118},
    {"not yet out", gate::notYetOutLine, kHead + u"  Entrata: 05/03/2024  Ora: 08:15  Conduttore: Mario Rossi", 99},
    {"search", gate::visitSearchLine,
     cell(u"Fiat Panda", 28) + u"  Targa: " + cell(u"ab123cd", 12) +
         u"  Entrata: 05/03/2024  Ora: 08:15  Uscita: 06/03/2024  Ora: 17:45  Conduttore: Mario Rossi",
     129},
};

TEST(VisitLines, EachFieldAtItsColumnAndTheDriverLast) {
  const core::RecordBuffer record = visit();
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const Text line = c.format().build(record);
    EXPECT_EQ(u8(line), u8(c.expected));
    EXPECT_EQ(u8(line.substr(c.driverAt - 1)), "Mario Rossi");
    EXPECT_EQ(u8(line.substr(c.driverAt - 15, 14)), "  Conduttore: ");
  }
}

TEST(VisitLines, LongTextsAreCutButTheDriverIsWholeAndEmptyFieldsKeepTheirColumns) {
  core::RecordBuffer record(gate::visitLayout());
  record.set("Veicolo", Text(50, u'V'));
  record.set("Targa", u"ABCDEFGHIJKLMNOP");
  record.set("Conduttore", Text(50, u'c'));
  record.set("OraUsc", u"1");
  // Every field but those three is empty: the columns keep their widths all the same.
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const Text line = c.format().build(record);
    const std::size_t vehicle = c.driverAt == 129 ? 28 : 30;
    EXPECT_EQ(u8(line.substr(0, vehicle + 9 + 12)), u8(Text(vehicle, u'V') + u"  Targa: ABCDEFGHIJKL"));
    EXPECT_EQ(line.size(), c.driverAt - 1 + 50);
    EXPECT_EQ(u8(line.substr(c.driverAt - 1)), u8(Text(50, u'c')));
  }
  // A blank driver ends the line at its caption.
  record.set("Conduttore", u"   ");
  EXPECT_EQ(gate::notYetOutLine().build(record).size(), 98u);
}

}  // namespace
