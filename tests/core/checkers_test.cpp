#include "core/checkers.h"

#include <gtest/gtest.h>

#include <random>

using core::CheckOutcome;
using core::Text;

namespace {

const Text kCodFiscLength = u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.";
const Text kCodFiscValid = u"Il codice fiscale digitato è VALIDO.";
const Text kCodFiscWrong = u"Attenzione: il codice fiscale digitato è ERRATO.";
const Text kCardWrong =
    u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
    u"Non è quindi possibile fornire informazioni relative al tipo di carta di credito.";

// One checker's verdict for each edit text: outcome and exact message.
struct VerdictCase { const char* name; Text edit; CheckOutcome outcome; Text message; };
void expectVerdicts(core::CheckVerdict (*check)(core::TextView), std::initializer_list<VerdictCase> cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto v = check(c.edit);
    EXPECT_EQ(v.outcome, c.outcome);
    EXPECT_EQ(v.message, c.message);
  }
}

}  // namespace

TEST(CodFisc, CheckLetterOfTheFirstFifteen) {
  struct Case { const char* name; Text code; bool valid; };
  const Case cases[] = {
      {"valid", u"RSSMRA85T10A562S", true},
      {"valid other", u"BNCGVN70A01H501H", true},
      {"last letter changed", u"RSSMRA85T10A562T", false},
      {"one character changed", u"RSSMRA85T10A563S", false},
      {"lower case is not folded here", u"rssmra85t10a562s", false},
      {"15 characters", u"RSSMRA85T10A562", false},
      {"17 characters", u"RSSMRA85T10A562SX", false},
      {"empty", u"", false},
      // The seven characters between "9" and "A" count 0 in both tables.
      {"colon counts zero", u"RSSMRA85T10A56:N", true},
      {"colon, wrong letter", u"RSSMRA85T10A56:S", false},
      // Outside "0".."Z": no value in the tables, never valid, never read past them.
      {"dash", u"RSSMRA85T10A56-N", false},
      {"accented letter", u"RSSMRÀ85T10A562S", false},
      {"lower-case letter in place", u"RSSMRa85T10A562S", false},
      {"blank", u"RSSMRA85T10A56 N", false},
      {"character above the BMP table end", u"RSSMRA85T10A56\uFFFFN", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::IsValidCodFisc(c.code), c.valid);
  }
}

TEST(CodFisc, VerdictOfTheWindow) {
  expectVerdicts(core::checkCodFisc, {
      {"valid", u"RSSMRA85T10A562S", CheckOutcome::Valid, kCodFiscValid},
      {"lower case tested in upper case", u"rssmra85t10a562s", CheckOutcome::Valid, kCodFiscValid},
      {"16th letter wrong", u"RSSMRA85T10A562A", CheckOutcome::Invalid, kCodFiscWrong},
      {"punctuation", u"RSSMRA85T10A56-N", CheckOutcome::Invalid, kCodFiscWrong},
      {"15 characters", u"RSSMRA85T10A562", CheckOutcome::Retry, kCodFiscLength},
      {"empty", u"", CheckOutcome::Retry, kCodFiscLength},
      // Not trimmed: a blank counts towards the length.
      {"16 with a leading blank", u" RSSMRA85T10A562", CheckOutcome::Invalid, kCodFiscWrong},
      {"17 with a trailing blank", u"RSSMRA85T10A562S ", CheckOutcome::Retry, kCodFiscLength},
  });
}

TEST(PartitaIva, CheckDigit) {
  struct Case { const char* name; Text text; bool valid; };
  const Case cases[] = {
      {"valid", u"07643520567", true},
      {"valid, doubled digit above 9", u"12345670157", true},
      {"all zeros", u"00000000000", true},
      {"check digit wrong", u"07643520568", false},
      {"two digits swapped", u"07643525067", false},
      {"10 digits", u"0764352056", false},
      {"12 digits", u"076435205670", false},
      {"letter", u"0764352056A", false},
      {"blank inside", u"0764352 567", false},
      {"empty", u"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::IsValidPartitaIva(c.text), c.valid);
  }
}

TEST(PartitaIva, OfficeTable) {
  EXPECT_EQ(core::vatOfficeTown(u"001"), u"Torino");
  EXPECT_EQ(core::vatOfficeTown(u"040"), u"Forlì");
  EXPECT_EQ(core::vatOfficeTown(u"096"), u"Monza (Milano 2)");
  EXPECT_EQ(core::vatOfficeTown(u"099"), u"Chiavari (Genova 2)");
  EXPECT_EQ(core::vatOfficeTown(u"102"), u"Napoli 2");
  EXPECT_EQ(core::vatOfficeTown(u"120"), u"Bologna 2");
  EXPECT_EQ(core::vatOfficeTown(u"121"), u"Napoli 2");
  for (const Text& none : {Text(u"000"), Text(u"103"), Text(u"119"), Text(u"122"), Text(u"999"),
                           Text(u"1"), Text(u"01"), Text(u"")}) {
    SCOPED_TRACE(core::toUtf8(none));
    EXPECT_EQ(core::vatOfficeTown(none), u"");
  }
}

TEST(PartitaIva, VerdictOfTheWindow) {
  const Text valid = u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                     u"E' stato rilasciato dall'Ufficio IVA del Comune di ";
  const Text wrong = u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                     u"Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.";
  const Text length = u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
  expectVerdicts(core::checkPartitaIva, {
      {"office 056", u"07643520567", CheckOutcome::Valid, valid + u"Viterbo."},
      {"office 015", u"12345670157", CheckOutcome::Valid, valid + u"Milano 1."},
      {"office 040, accented town", u"12345670405", CheckOutcome::Valid, valid + u"Forlì."},
      {"office 103 has no town", u"12345671031", CheckOutcome::Valid, valid + u"."},
      {"wrong check digit", u"07643520560", CheckOutcome::Invalid, wrong},
      {"11 characters, not digits", u"0764352056a", CheckOutcome::Invalid, wrong},
      {"10 digits", u"0764352056", CheckOutcome::Retry, length},
      {"empty", u"", CheckOutcome::Retry, length},
  });
}

TEST(TaxCodeButton, ChoosesTheChecker) {
  using core::TaxCodeChecker;
  EXPECT_EQ(core::chooseTaxCodeChecker(u""), TaxCodeChecker::CodFisc);
  EXPECT_EQ(core::chooseTaxCodeChecker(u"07643520567"), TaxCodeChecker::PartitaIva);
  EXPECT_EQ(core::chooseTaxCodeChecker(u"123"), TaxCodeChecker::PartitaIva);
  EXPECT_EQ(core::chooseTaxCodeChecker(u"RSSMRA85T10A562S"), TaxCodeChecker::CodFisc);
  EXPECT_EQ(core::chooseTaxCodeChecker(u"0764 3520567"), TaxCodeChecker::CodFisc);
}

TEST(CreditCard, KindCode) {
  struct Case { const char* name; Text text; int code; };
  const Case cases[] = {
      {"Visa", u"4111111111111111", 2},
      {"MasterCard", u"5555555555554444", 3},
      {"American Express", u"378282246310005", 1},
      {"Discover", u"6011111111111117", 4},
      {"one digit wrong", u"4111111111111112", 0},
      {"two digits swapped", u"5555555555545444", 0},
      {"Luhn ok, starts with 2", u"2000000000000006", 0},
      {"Luhn ok, starts with 7", u"7000000000000005", 5},
      {"Luhn ok, starts with 0", u"0000000000000000", -2},
      {"Luhn ok, starts with 1", u"18", -1},
      {"single zero", u"0", -2},
      {"no digits", u"ABC", 0},
      {"empty", u"", 0},
      // Other characters are skipped; only the first 20 characters are looked at.
      {"blanks and dashes", u"4111-1111 1111-1111", 2},
      {"digits past the 20th ignored", u"12345678901234567894" u"0000", -1},
      {"20th character decides", u"4111 1111 1111 1111" u"9", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::CreditCardKind(c.text), c.code);
  }
}

TEST(CreditCard, VerdictOfTheWindow) {
  const Text empty =
      u"Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.";
  auto valid = [](const Text& number, const Text& kind) {
    return u"Il numero di carta di credito " + number + u" risulta valido.\r\n\r\n" +
           u"La carta di credito è del tipo " + kind + u".";
  };
  expectVerdicts(core::checkCreditCard, {
      {"Visa", u"4111111111111111", CheckOutcome::Valid, valid(u"4111111111111111", u"Visa")},
      {"MasterCard", u"5555555555554444", CheckOutcome::Valid, valid(u"5555555555554444", u"MasterCard")},
      {"Amex 37", u"378282246310005", CheckOutcome::Valid, valid(u"378282246310005", u"American Express")},
      {"Amex 34", u"343434343434343", CheckOutcome::Valid, valid(u"343434343434343", u"American Express")},
      {"Diners 30", u"30569309025904", CheckOutcome::Valid,
       valid(u"30569309025904", u"Diner's Club / Carte Blanche")},
      {"Diners 38", u"38520000023237", CheckOutcome::Valid,
       valid(u"38520000023237", u"Diner's Club / Carte Blanche")},
      {"JCB", u"3530111333300000", CheckOutcome::Valid, valid(u"3530111333300000", u"JCB")},
      {"Discover", u"6011111111111117", CheckOutcome::Valid, valid(u"6011111111111117", u"Discover")},
      // The message shows the whole trimmed text, blanks and all.
      {"shown as typed, trimmed", u"  4111 1111 1111 1111 ", CheckOutcome::Valid,
       valid(u"4111 1111 1111 1111", u"Visa")},
      {"one digit wrong", u"4111111111111121", CheckOutcome::Invalid, kCardWrong},
      {"Luhn ok, starts with 2", u"2000000000000006", CheckOutcome::Invalid, kCardWrong},
      {"Luhn ok, starts with 7", u"7000000000000005", CheckOutcome::Invalid, kCardWrong},
      {"Luhn ok, starts with 0", u"0000000000000000", CheckOutcome::Invalid, kCardWrong},
      // Code 1 with a prefix no kind has: said like any unknown number.
      {"Luhn ok, prefix 32", u"3200000000000002", CheckOutcome::Invalid, kCardWrong},
      {"Luhn ok, prefix 39", u"3900000000000005", CheckOutcome::Invalid, kCardWrong},
      {"code 1, prefix not two digits", u"3 4111111111111118", CheckOutcome::Invalid, kCardWrong},
      {"empty", u"", CheckOutcome::Retry, empty},
      {"blanks only", u"   ", CheckOutcome::Retry, empty},
  });
}

TEST(Iban, LettersToDigits) {
  EXPECT_EQ(core::IbanLettersToDigits(u"A"), u"10");
  EXPECT_EQ(core::IbanLettersToDigits(u"Z"), u"35");
  EXPECT_EQ(core::IbanLettersToDigits(u"IT60X05"), u"1829603305");
  EXPECT_EQ(core::IbanLettersToDigits(u"a-1"), u"a-1");
  EXPECT_EQ(core::IbanLettersToDigits(u""), u"");
}

TEST(Iban, Mod97) {
  struct Case { const char* name; Text text; int remainder; };
  const Case cases[] = {
      {"Italian", u"IT60X0542811101000000123456", 1},
      {"British", u"GB82WEST12345698765432", 1},
      {"lower case", u"it60x0542811101000000123456", 1},
      {"IBAN word removed", u"IBANIT60X0542811101000000123456", 1},
      {"IBAN word removed in the middle", u"IT60X054281IBAN1101000000123456", 1},
      {"only the first IBAN removed", u"IBANIBAN", 56},
      {"one digit changed", u"IT60X0542811101000000123457", 28},
      {"blank left in", u"IT60 X0542811101000000123456", 0},
      {"punctuation", u"IT60X0542811101000000-23456", 0},
      {"empty", u"", 0},
      {"shorter than four", u"12", 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::IbanMod97(c.text), c.remainder);
  }
}

TEST(Iban, PiecewiseReductionMatchesLongDivision) {
  std::mt19937 rng(97);
  const Text alphabet = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (int n = 0; n < 500; ++n) {
    Text s;
    std::size_t len = rng() % 40;
    for (std::size_t i = 0; i < len; ++i) s += alphabet[rng() % alphabet.size()];
    Text moved = s.size() >= 4 ? s.substr(4) + s.substr(0, 4) : s;
    int expected = 0;
    for (char16_t c : core::IbanLettersToDigits(moved)) expected = (expected * 10 + (c - u'0')) % 97;
    SCOPED_TRACE(core::toUtf8(s));
    if (s.find(u"IBAN") == Text::npos) {
      EXPECT_EQ(core::IbanMod97(s), expected);
    }
  }
}

TEST(Iban, VerdictOfTheWindow) {
  const Text valid = u"L'IBAN digitato è VALIDO.";
  const Text wrong = u"Attenzione: l'IBAN digitato è ERRATO!";
  const Text length = u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";
  expectVerdicts(core::checkIban, {
      {"valid", u"IT60X0542811101000000123456", CheckOutcome::Valid, valid},
      {"lower case", u"it60x0542811101000000123456", CheckOutcome::Valid, valid},
      {"surrounding blanks", u"  IT60X0542811101000000123456 ", CheckOutcome::Valid, valid},
      {"one digit changed", u"IT60X0542811101000000123457", CheckOutcome::Invalid, wrong},
      {"27 with the word IBAN", u"IBANIT60X054281110100000012", CheckOutcome::Invalid, wrong},
      // The word goes before the check: what is left is a valid 22-character IBAN.
      {"the word IBAN before a valid one", u"IBAN DE89370400440532013000", CheckOutcome::Valid, valid},
      {"26 characters", u"IT60X054281110100000012345", CheckOutcome::Retry, length},
      {"empty", u"", CheckOutcome::Retry, length},
      // The blanks count towards the 27 and are removed before the check.
      {"27 with inner blanks", u"IT60 X054 2811 1010 0000 01", CheckOutcome::Invalid, wrong},
  });
  EXPECT_TRUE(core::IsValidIban(u"IT60 X054 2811 1010 0000 0123 456"));
}
