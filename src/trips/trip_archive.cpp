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
      Literal(u"Dal: "),       Column({tripField("DataPartenza")}, 10), Literal(u"  Al: "),
      Column({tripField("DataRientro")}, 10), Literal(u"  "),           Column({tripField("Luogo")}, 25),
      Literal(u"  "),          Column({tripField("Veicolo")}, 25),      Literal(u"  Targa: "),
      Column({tripField("Targa")}, 10),       Literal(u"  Litri: "),    Column({tripField("LitriTot")}, 5),
  };
}

}  // namespace

core::LineFormat tripListLine() {
  using namespace core::line;
  std::vector<core::LinePiece> pieces = lineStart();
  pieces.insert(pieces.end(), {Literal(u"  Costo: € "), Column({tripField("ImportoTot")}, 12), Literal(u"  Km: "),
                               Rest({tripField("KmPercorsi")})});
  return core::LineFormat(std::move(pieces));
}

core::LineFormat fuelSummaryLine() {
  using namespace core::line;
  std::vector<core::LinePiece> pieces = lineStart();
  pieces.insert(pieces.end(), {Literal(u"  Km: "), Column({tripField("KmPercorsi")}, 10), Literal(u"  Costo: € "),
                               Rest({tripField("ImportoTot")})});
  return core::LineFormat(std::move(pieces));
}

QString refuelLine(const QString& date, const QString& time, const QString& station, const QString& litres,
                   const QString& amount) {
  using platform::Trim;
  return QStringLiteral("Data: ") + Trim(date) + QStringLiteral("   Ora: ") + Trim(time) +
         QStringLiteral("   Stazione: ") + Trim(station) + QStringLiteral("   Litri: ") + Trim(litres) +
         QStringLiteral("   Importo: € ") + Trim(amount);
}

}  // namespace trips
