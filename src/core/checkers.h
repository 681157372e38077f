#pragma once
// The four code checkers: Italian tax code (codice fiscale), VAT number (partita IVA)
// with the tax office that issued it, credit-card number (Luhn digit and card kind)
// and IBAN (mod-97). The Check* functions give a checker window's whole verdict:
// what to say and whether the window stays open for another try.
#include "core/text.h"

namespace core {

// A code of exactly 16 characters whose 16th is the check letter of the first 15.
// A character outside "0".."Z" makes the code invalid (it has no value in the tables).
bool IsValidCodFisc(TextView code);

// Exactly 11 digits whose 11th is the check digit of the first ten.
bool IsValidPartitaIva(TextView text);
// The town of the VAT office with that three-digit code (digits 8 to 10 of a VAT
// number), compared as exact text; empty when the code has no office.
Text vatOfficeTown(TextView officeCode);

// 0 when the digits among the first 20 characters fail the Luhn check (or there are
// none); otherwise the first digit minus 2 (1 for 3, 2 for 4, 3 for 5, 4 for 6, ...).
int CreditCardKind(TextView text);
// The card kind for a kind code and the trimmed number (code 1 is split by the first
// two characters); empty when the code or the prefix names no kind.
Text creditCardKindName(int kindCode, TextView trimmedNumber);

// Every letter A..Z replaced by its number, A = 10 up to Z = 35.
Text IbanLettersToDigits(TextView text);
// The IBAN remainder modulo 97 (upper-cased, first "IBAN" removed, first four characters
// moved to the end, letters to numbers); 0 when a character other than a digit is left
// and for the empty text.
int IbanMod97(TextView text);
// IbanMod97 of the text without blanks is 1.
bool IsValidIban(TextView text);

// What a checker window does after "Controlla".
enum class CheckOutcome {
  Retry,    // warning; focus back into the edit, the window stays open
  Valid,    // information; the window closes
  Invalid,  // warning; the window closes
};

struct CheckVerdict {
  CheckOutcome outcome;
  Text message;
};

// Each takes the edit's text as it stands.
CheckVerdict checkCodFisc(TextView editText);
CheckVerdict checkPartitaIva(TextView editText);
CheckVerdict checkCreditCard(TextView editText);
CheckVerdict checkIban(TextView editText);

// The tax-code buttons of the cards open the VAT-number checker for a code made only
// of digits, the tax-code checker otherwise (an empty code included).
enum class TaxCodeChecker { CodFisc, PartitaIva };
TaxCodeChecker chooseTaxCodeChecker(TextView trimmedCode);

}  // namespace core
