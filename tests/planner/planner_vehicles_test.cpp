// The planner menu's vehicle list without a screen: the line of a vehicle, which
// vehicles are listed, and which vehicle a chosen line stands for.
#include <gtest/gtest.h>

#include <QFile>

#include "core/archive.h"
#include "kit/archive_source.h"
#include "planner/planner_vehicles.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "support/helpers.h"
#include "support/vehicle_archive.h"
#include "vehicles/vehicle_record.h"

namespace {

core::Text line(const VehicleFields& v) {
  return planner::vehicleLine().build(recordOf(vehicles::vehicleLayout(), v));
}

core::Archive vehicleArchive() {
  return kit::openArchive(platform::exePath(kVehicleArchive), vehicles::VehicleRecord::kSize);
}

QString q(const core::Text& t) { return platform::fromCore(t); }

}  // namespace

TEST(PlannerVehicles, TheLineHasItsFixedColumnsAndTheFuelUncut) {
  const struct {
    const char* name;
    VehicleFields vehicle;
    const char* expected;
  } cases[] = {
      {"plain",
       {{"Tipo", "Autovettura"}, {"Marca", "Fiat"}, {"Modello", "Panda"}, {"Targa", "AB123CD"}, {"Posti", "5"},
        {"Alimentazione", "Benzina"}},
       "Autovettura           Fiat Panda                      Targa: AB123CD         Posti: 5           "
       "  Alim. Benzina"},
      {"long fields cut, fuel never",
       {{"Tipo", "Autovettura a noleggio lungo"},
        {"Marca", "Mercedes-Benz"},
        {"Modello", "Sprinter 316 CDI Maxi"},
        {"Targa", "ABCDEFGHIJKL"},
        {"Posti", "9 piu autista"},
        {"Alimentazione", "Gasolio con filtro antiparticolato e AdBlue"}},
       "Autovettura a nolegg  Mercedes-Benz Sprinter 316 CDI  Targa: ABCDEFGHIJKL    Posti: 9 piu autist"
       "  Alim. Gasolio con filtro antiparticolato e AdBlue"},
      {"blanks trimmed, empty make keeps the joining blank",
       {{"Tipo", "  Camper "}, {"Modello", " Baron "}, {"Targa", " CZ998KL "}},
       "Camper                 Baron                          Targa: CZ998KL         Posti:             "
       "  Alim. "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(q(line(c.vehicle)), QString::fromUtf8(c.expected));
  }
}

TEST(PlannerVehicles, OnlyVehiclesWithAPlateAreListedAndAPartRecordIsNotRead) {
  TempExeDir dir;
  appendVehicles({{{"Tipo", "Uno"}, {"Targa", "AA111AA"}},
                  {{"Tipo", "Senza targa"}},
                  {{"Tipo", "Targa di spazi"}, {"Targa", "   "}},
                  {{"Tipo", "Due"}, {"Targa", "BB222BB"}}});
  // Half a record after the last whole one.
  QFile f(dir.file(kVehicleArchive));
  ASSERT_TRUE(f.open(QIODevice::Append));
  f.write(QByteArray(1700, '\x07'));
  f.close();

  core::Archive archive = vehicleArchive();
  core::LineList lines;
  planner::listVehicles(archive, lines);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(q(core::Text(lines[0])).startsWith("Uno "));
  EXPECT_TRUE(q(core::Text(lines[1])).startsWith("Due "));
}

TEST(PlannerVehicles, AChosenLineIsTheLastEqualVehicleOrNone) {
  TempExeDir dir;
  const VehicleFields first{{"Tipo", "Furgone"}, {"Marca", "Iveco"}, {"Modello", "Daily"}, {"Targa", "EF456GH"},
                            {"Colore", "Bianco"}};
  VehicleFields later = first;
  later["Colore"] = "Rosso";  // not in the line: the two lines are equal
  later["Tipo"] = "Furgone ";
  appendVehicles({first, {{"Tipo", "Altro"}, {"Targa", "ZZ000ZZ"}}, later});

  core::Archive archive = vehicleArchive();
  const core::Text chosen = u"  " + line(first) + u"   ";
  const std::optional<planner::PlannerVehicle> found = planner::vehicleOfLine(archive, chosen);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(*found, (planner::PlannerVehicle{u"Furgone", u"Iveco", u"Daily", u"EF456GH"}));
  EXPECT_FALSE(planner::vehicleOfLine(archive, u"Nessun veicolo").has_value());
}
