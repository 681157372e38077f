#include "trips/trip_archive.h"

#include "platform/qtext.h"
#include "trips/trip_record.h"

namespace trips {

kit::ArchiveSource tripArchive() {
  return kit::ArchiveSource::fixed(QString::fromLatin1(TripRecord::kArchiveName.data(),
                                                       static_cast<qsizetype>(TripRecord::kArchiveName.size())),
                                   &tripLayout());
}

std::size_t tripField(std::string_view name) { return tripLayout().indexOf(name); }

namespace {

// What both lines share, up to the litres.
std::vector<core::LinePiece> lineStart() {
  using namespace core::line;
  return {
      literal(u"Dal: "),       column({tripField("DataPartenza")}, 10), literal(u"  Al: "),
      column({tripField("DataRientro")}, 10), literal(u"  "),           column({tripField("Luogo")}, 25),
      literal(u"  "),          column({tripField("Veicolo")}, 25),      literal(u"  Targa: "),
      column({tripField("Targa")}, 10),       literal(u"  Litri: "),    column({tripField("LitriTot")}, 5),
  };
}

}  // namespace

core::LineFormat tripListLine() {
  using namespace core::line;
  std::vector<core::LinePiece> pieces = lineStart();
  pieces.insert(pieces.end(), {literal(u"  Costo: € "), column({tripField("ImportoTot")}, 12), literal(u"  Km: "),
                               rest({tripField("KmPercorsi")})});
  return core::LineFormat(std::move(pieces));
}

core::LineFormat fuelSummaryLine() {
  using namespace core::line;
  std::vector<core::LinePiece> pieces = lineStart();
  pieces.insert(pieces.end(), {literal(u"  Km: "), column({tripField("KmPercorsi")}, 10), literal(u"  Costo: € "),
                               rest({tripField("ImportoTot")})});
  return core::LineFormat(std::move(pieces));
}

}  // namespace trips
