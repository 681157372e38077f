#include "core/checkers.h"

#include <array>
#include <cstdint>

namespace core {

namespace {

// Check-character values of the tax code, indexed by the characters "0" to "Z" in
// character-code order; the seven characters between "9" and "A" count 0.
constexpr char16_t kFirstTableChar = u'0';
constexpr char16_t kLastTableChar = u'Z';
constexpr std::size_t kTableSize = kLastTableChar - kFirstTableChar + 1;
static_assert(kTableSize == 43);

constexpr std::array<std::uint8_t, kTableSize> kOddValues = {
    1,  0,  5,  7,  9,  13, 15, 17, 19, 21,                  // 0..9
    0,  0,  0,  0,  0,  0,  0,                               // : ; < = > ? @
    1,  0,  5,  7,  9,  13, 15, 17, 19, 21, 2,  4,  18,      // A..M
    20, 11, 3,  6,  8,  12, 14, 16, 10, 22, 25, 24, 23};     // N..Z

constexpr std::array<std::uint8_t, kTableSize> kEvenValues = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,                   // 0..9
    0,  0,  0,  0,  0,  0,  0,                               // : ; < = > ? @
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,      // A..M
    13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};     // N..Z

struct VatOffice {
  const char16_t* code;
  const char16_t* town;
};

constexpr VatOffice kVatOffices[] = {
    {u"001", u"Torino"},          {u"002", u"Vercelli"},         {u"003", u"Novara"},
    {u"004", u"Cuneo"},           {u"005", u"Asti"},             {u"006", u"Alessandria"},
    {u"007", u"Aosta"},           {u"008", u"Imperia"},          {u"009", u"Savona"},
    {u"010", u"Genova 1"},        {u"011", u"La Spezia"},        {u"012", u"Varese"},
    {u"013", u"Como"},            {u"014", u"Sondrio"},          {u"015", u"Milano 1"},
    {u"016", u"Bergamo"},         {u"017", u"Brescia 1"},        {u"018", u"Pavia"},
    {u"019", u"Cremona"},         {u"020", u"Mantova"},          {u"021", u"Bolzano"},
    {u"022", u"Trento"},          {u"023", u"Verona"},           {u"024", u"Vicenza"},
    {u"025", u"Belluno"},         {u"026", u"Treviso"},          {u"027", u"Venezia"},
    {u"028", u"Padova"},          {u"029", u"Rovigo"},           {u"030", u"Udine"},
    {u"031", u"Gorizia"},         {u"032", u"Trieste"},          {u"033", u"Piacenza"},
    {u"034", u"Parma"},           {u"035", u"Reggio Emilia"},    {u"036", u"Modena"},
    {u"037", u"Bologna 1"},       {u"038", u"Ferrara"},          {u"039", u"Ravenna"},
    {u"040", u"Forlì"},           {u"041", u"Pesaro"},           {u"042", u"Ancona"},
    {u"043", u"Macerata"},        {u"044", u"Ascoli Piceno"},    {u"045", u"Massa Carrara"},
    {u"046", u"Lucca"},           {u"047", u"Pistoia"},          {u"048", u"Firenze 1"},
    {u"049", u"Livorno"},         {u"050", u"Pisa"},             {u"051", u"Arezzo"},
    {u"052", u"Siena"},           {u"053", u"Grosseto"},         {u"054", u"Perugia"},
    {u"055", u"Terni"},           {u"056", u"Viterbo"},          {u"057", u"Rieti"},
    {u"058", u"Roma 1"},          {u"059", u"Latina"},           {u"060", u"Frosinone"},
    {u"061", u"Caserta"},         {u"062", u"Benevento"},        {u"063", u"Napoli 1"},
    {u"064", u"Avellino"},        {u"065", u"Salerno"},          {u"066", u"Aquila"},
    {u"067", u"Teramo"},          {u"068", u"Pescara"},          {u"069", u"Chieti"},
    {u"070", u"Campobasso"},      {u"071", u"Foggia"},           {u"072", u"Bari"},
    {u"073", u"Taranto"},         {u"074", u"Brindisi"},         {u"075", u"Lecce"},
    {u"076", u"Potenza"},         {u"077", u"Matera"},           {u"078", u"Cosenza"},
    {u"079", u"Catanzaro"},       {u"080", u"Reggio Calabria"},  {u"081", u"Trapani"},
    {u"082", u"Palermo"},         {u"083", u"Messina"},          {u"084", u"Agrigento"},
    {u"085", u"Caltanissetta"},   {u"086", u"Enna"},             {u"087", u"Catania"},
    {u"088", u"Ragusa"},          {u"089", u"Siracusa"},         {u"090", u"Sassari"},
    {u"091", u"Nuoro"},           {u"092", u"Cagliari"},         {u"093", u"Pordenone"},
    {u"094", u"Isernia"},         {u"095", u"Oristano"},         {u"096", u"Monza (Milano 2)"},
    {u"097", u"Prato (Firenze 2)"}, {u"098", u"Brescia 2"},      {u"099", u"Chiavari (Genova 2)"},
    {u"100", u"Roma 2"},          {u"101", u"Bologna 2"},        {u"102", u"Napoli 2"},
    {u"120", u"Bologna 2"},       {u"121", u"Napoli 2"},
};
static_assert(std::size(kVatOffices) == 104);

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

const char16_t kCrLfCrLf[] = u"\r\n\r\n";

}  // namespace

bool IsValidCodFisc(TextView code) {
  if (code.size() != 16) return false;
  int sum = 0;
  for (std::size_t i = 0; i < 15; ++i) {
    char16_t c = code[i];
    // Outside the tables (punctuation, accented letters): never a valid code.
    if (c < kFirstTableChar || c > kLastTableChar) return false;
    const auto& table = (i % 2 == 0) ? kOddValues : kEvenValues;  // position i + 1
    sum += table[c - kFirstTableChar];
  }
  return code[15] == static_cast<char16_t>(u'A' + sum % 26);
}

bool IsValidPartitaIva(TextView text) {
  if (text.size() != 11 || !IsAllDigits(text)) return false;
  int sum = 0;
  for (std::size_t i = 0; i < 10; ++i) {
    int digit = text[i] - u'0';
    if (i % 2 == 0) {
      sum += digit;
    } else {
      int doubled = digit * 2;
      sum += doubled > 9 ? doubled - 9 : doubled;
    }
  }
  int check = (10 - sum % 10) % 10;
  return text[10] - u'0' == check;
}

Text vatOfficeTown(TextView officeCode) {
  for (const auto& office : kVatOffices)
    if (officeCode == office.code) return office.town;
  return Text();
}

int CreditCardKind(TextView text) {
  Text digits;
  for (std::size_t i = 0; i < text.size() && i < 20; ++i)
    if (isDigit(text[i])) digits += text[i];
  if (digits.empty()) return 0;
  const std::size_t a = digits.size();
  int sum = 0;
  bool doubled = true;  // the digit just left of the last one is doubled
  for (std::size_t pos = a - 1; pos >= 1; --pos) {
    int digit = digits[pos - 1] - u'0';
    if (doubled) {
      digit *= 2;
      if (digit > 9) digit -= 9;
    }
    sum += digit;
    doubled = !doubled;
  }
  int check = sum % 10 == 0 ? 0 : 10 - sum % 10;
  if (digits[a - 1] - u'0' != check) return 0;
  return (digits[0] - u'0') - 2;
}

Text creditCardKindName(int kindCode, TextView trimmedNumber) {
  switch (kindCode) {
    case 1: {
      TextView prefix = trimmedNumber.substr(0, 2);
      if (prefix == u"30" || prefix == u"36" || prefix == u"38") return u"Diner's Club / Carte Blanche";
      if (prefix == u"34" || prefix == u"37") return u"American Express";
      if (prefix == u"31" || prefix == u"33" || prefix == u"35") return u"JCB";
      return Text();
    }
    case 2: return u"Visa";
    case 3: return u"MasterCard";
    case 4: return u"Discover";
    default: return Text();
  }
}

Text IbanLettersToDigits(TextView text) {
  Text out;
  for (char16_t c : text) {
    if (c >= u'A' && c <= u'Z') {
      int value = c - u'A' + 10;
      out += static_cast<char16_t>(u'0' + value / 10);
      out += static_cast<char16_t>(u'0' + value % 10);
    } else {
      out += c;
    }
  }
  return out;
}

int IbanMod97(TextView text) {
  Text s = upperAZ(text);
  if (auto at = s.find(u"IBAN"); at != Text::npos) s.erase(at, 4);
  if (s.size() >= 4) s = s.substr(4) + s.substr(0, 4);
  s = IbanLettersToDigits(s);

  // Piecewise, so that no number converted has more than nine digits.
  Text r;
  int remainder = 0;
  std::size_t position = 0;
  std::size_t pieceLength = 9;
  while (position < s.size()) {
    r += s.substr(position, pieceLength);
    if (!IsAllDigits(r)) return 0;
    long long value = 0;
    for (char16_t c : r) value = value * 10 + (c - u'0');
    remainder = static_cast<int>(value % 97);
    r = fromUtf8(std::to_string(remainder));
    position += pieceLength;
    pieceLength = 9 - r.size();
  }
  return remainder;
}

bool IsValidIban(TextView text) {
  Text compact;
  for (char16_t c : text)
    if (c != u' ') compact += c;
  return IbanMod97(compact) == 1;
}

CheckVerdict checkCodFisc(TextView editText) {
  Text code = upperAZ(editText);
  if (code.size() != 16)
    return {CheckOutcome::Retry,
            u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."};
  if (IsValidCodFisc(code)) return {CheckOutcome::Valid, u"Il codice fiscale digitato è VALIDO."};
  return {CheckOutcome::Invalid, u"Attenzione: il codice fiscale digitato è ERRATO."};
}

CheckVerdict checkPartitaIva(TextView editText) {
  Text number = upperAZ(editText);
  if (number.size() != 11)
    return {CheckOutcome::Retry,
            u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."};
  if (IsValidPartitaIva(number)) {
    Text town = vatOfficeTown(MidChars(number, 8, 3));
    return {CheckOutcome::Valid, u"Il numero di partita IVA digitato risulta VALIDO." + Text(kCrLfCrLf) +
                                     u"E' stato rilasciato dall'Ufficio IVA del Comune di " + town + u"."};
  }
  return {CheckOutcome::Invalid,
          u"Attenzione: il numero di partita IVA digitato risulta ERRATO!" + Text(kCrLfCrLf) +
              u"Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."};
}

CheckVerdict checkCreditCard(TextView editText) {
  Text number = trim(editText);
  if (number.empty())
    return {CheckOutcome::Retry,
            u"Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo."};
  // A number that passes the Luhn check but names no known kind (first digit 0, 1, 2,
  // 7, 8, 9, or 3 with a prefix such as 32 or 39) is reported like a wrong number.
  Text kind = creditCardKindName(CreditCardKind(number), number);
  if (kind.empty())
    return {CheckOutcome::Invalid,
            u"Attenzione: il numero digitato risulta ERRATO!" + Text(kCrLfCrLf) +
                u"Non è quindi possibile fornire informazioni relative al tipo di carta di credito."};
  return {CheckOutcome::Valid, u"Il numero di carta di credito " + number + u" risulta valido." +
                                   Text(kCrLfCrLf) + u"La carta di credito è del tipo " + kind + u"."};
}

CheckVerdict checkIban(TextView editText) {
  Text iban = trim(editText);
  if (iban.size() != 27)
    return {CheckOutcome::Retry, u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."};
  if (IsValidIban(iban)) return {CheckOutcome::Valid, u"L'IBAN digitato è VALIDO."};
  return {CheckOutcome::Invalid, u"Attenzione: l'IBAN digitato è ERRATO!"};
}

TaxCodeChecker chooseTaxCodeChecker(TextView trimmedCode) {
  if (!trimmedCode.empty() && IsAllDigits(trimmedCode)) return TaxCodeChecker::PartitaIva;
  return TaxCodeChecker::CodFisc;
}

}  // namespace core
