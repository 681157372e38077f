#include "gate/day_lists.h"

#include "gate/frm_registro.h"
#include "gate/visit_days.h"
#include "gate/visit_lines.h"

namespace gate {

namespace {

struct DayListTexts {
  const char* windowClass;
  const char* caption;
  const char* heading;  // the banner's words
  core::Verdict (*select)(const core::RecordBuffer&, const core::Date&);
  core::LineFormat (*line)();
  const char* printTitle;
  bool dated;  // the title is followed by the date of printing
};

const DayListTexts& textsOf(DayList list) {
  static const DayListTexts texts[] = {
      {"TfrmUscitiOggi", " Veicoli usciti oggi", "VEICOLI USCITI OGGI", &exitedOn, &exitedTodayLine,
       "Veicoli usciti in data ", true},
      {"TfrmEntratiOggi", " Veicoli entrati oggi", "VEICOLI ENTRATI OGGI", &enteredOn, &enteredTodayLine,
       "Veicoli entrati in data ", true},
      {"TfrmNonUsciti", " Veicoli non ancora usciti", "VEICOLI NON ANCORA USCITI", &notYetOut, &notYetOutLine,
       "Veicoli non ancora usciti", false},
  };
  return texts[static_cast<int>(list)];
}

}  // namespace

kit::ListSettings dayListSettings(DayList list) {
  const DayListTexts& t = textsOf(list);
  kit::ListSettings s;
  s.windowClass = QString::fromLatin1(t.windowClass);
  s.caption = QString::fromLatin1(t.caption);
  s.archive = TfrmRegistro::gateArchive();
  s.line = t.line();
  s.select = t.select;
  s.explanation = TfrmRegistro::kListExplanation;
  s.resultHeading = QString::fromLatin1(t.heading);
  s.findStrip = TfrmRegistro::kFindInstructions;
  s.printTitle = QString::fromLatin1(t.printTitle);
  // The date in the title is the day the list is printed, not the day it was filled.
  if (t.dated) s.printOptions = kit::ListPrintOptions::dated();
  s.doubleClick = true;
  // A list writes into the gate card whatever its memory label holds.
  s.targets = {TfrmRegistro::pickTarget(QString())};
  return s;
}

}  // namespace gate
