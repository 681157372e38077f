// The cost list line: each field at its column, 143 characters before the amount,
// long texts cut, an empty make keeping its blank, the amount as stored.
#include <gtest/gtest.h>

#include <string>

#include "core/record.h"
#include "core/text.h"
#include "costs/cost_lines.h"
#include "costs/cost_record.h"

using core::Text;

namespace {

std::string u8(core::TextView t) { return core::toUtf8(t); }

// `text` padded with blanks to `width` characters (the test's own, not the program's).
Text cell(const Text& text, std::size_t width) { return text + Text(width - text.size(), u' '); }

struct Payment {
  const char16_t *marca, *modello, *targa, *data, *causale, *beneficiario, *importo;
};

Text lineOf(const Payment& p) {
  core::RecordBuffer r(costs::costLayout());
  r.set("Marca", p.marca);
  r.set("Modello", p.modello);
  r.set("Targa", p.targa);
  r.set("Data", p.data);
  r.set("Causale", p.causale);
  r.set("Beneficiario", p.beneficiario);
  r.set("Importo", p.importo);
  r.set("Descrizione", u"not in the line");
  return costs::costListLine().build(r);
}

TEST(CostLines, EachFieldAtItsColumnAndTheAmountAsStored) {
  struct Case {
    const char* name;
    Payment payment;
    Text expected;
  } cases[] = {
      {"every field",
       {u" Fiat ", u"Panda", u"AB123CD", u"05/03/2023", u"Revisione", u"Officina Rossi", u"80,00"},
       cell(u"Fiat Panda", 28) + u"  Targa: " + cell(u"AB123CD", 10) + u"  Data: 05/03/2023  " +
           cell(u"Revisione", 32) + u"  A: " + cell(u"Officina Rossi", 28) + u"  Costo: \u20AC 80,00"},
      {"an empty make starts with a blank",
       {u"", u"Ducato", u"EF456GH", u"31/12/2023", u"Bollo", u"ACI", u"3,1416"},
       cell(u" Ducato", 28) + u"  Targa: " + cell(u"EF456GH", 10) + u"  Data: 31/12/2023  " + cell(u"Bollo", 32) +
           u"  A: " + cell(u"ACI", 28) + u"  Costo: \u20AC 3,1416"},
      {"make and model both empty: 28 blanks; an empty amount ends the line",
       {u"", u"", u"", u"", u"", u"", u""},
       cell(u" ", 28) + u"  Targa: " + cell(u"", 10) + u"  Data: " + cell(u"", 10) + u"  " + cell(u"", 32) +
           u"  A: " + cell(u"", 28) + u"  Costo: \u20AC "},
      {"long texts cut at their widths",
       {u"Mercedes-Benz", u"Sprinter 316 CDI Furgone Tetto Alto", u"ABCDEFGHIJKLMN", u"05/03/2023",
        u"Manutenzione straordinaria del motore", u"Concessionaria Autorizzata Mercedes Benz", u"12,5"},
       Text(u"Mercedes-Benz Sprinter 316 C") + u"  Targa: ABCDEFGHIJ  Data: 05/03/2023  " +
           u"Manutenzione straordinaria del m" + u"  A: " + u"Concessionaria Autorizzata M" + u"  Costo: \u20AC 12,5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Text line = lineOf(c.payment);
    EXPECT_EQ(u8(line), u8(c.expected));
    ASSERT_GE(line.size(), 143u);
    EXPECT_EQ(u8(line.substr(132, 11)), u8(u"  Costo: \u20AC "));
    EXPECT_EQ(u8(line.substr(143)), u8(core::trim(c.payment.importo)));
  }
}

// Two payments that differ only after the cut, or outside the line, give one line:
// the double-click finds both and loads the later one.
TEST(CostLines, PaymentsThatDifferOnlyAfterTheCutShareTheirLine) {
  const Payment a{u"Volkswagen", u"Transporter Kombi 2.0 TDI A", u"AB123CD", u"05/03/2023", u"Bollo", u"ACI", u"80,00"};
  Payment b = a;
  b.modello = u"Transporter Kombi 2.0 TDI B";
  EXPECT_EQ(u8(lineOf(a)), u8(lineOf(b)));
}

}  // namespace
