#include "planner/frm_menu_disponibili.h"

#include <QEvent>
#include <QFont>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "kit/archive_source.h"
#include "kit/card_frame.h"
#include "kit/list_find.h"
#include "kit/result_list.h"
#include "planner/frm_planning.h"
#include "planner/planner_help.h"
#include "platform/dialogs.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"
#include "shell/frm_guida.h"
#include "vehicles/vehicle_record.h"

namespace {

const QString kEmptyList = QStringLiteral(
    "Attenzione: l'elenco dei veicoli non contiene nessuna voce.\n\r\n\r"
    "Per poter utilizzare il planner delle prenotazioni è necessario registrare almeno un veicolo nel parco "
    "automezzi.");
const QString kNoSelection =
    QStringLiteral("Attenzione: selezionare un veicolo dall'elenco prima di premere il pulsante Apri.");

const QColor kBand(0xDE, 0xEA, 0xF3);
constexpr int kItemWidth = 910;

kit::ArchiveSource vehicleArchive() {
  return kit::ArchiveSource::fixed(QString::fromLatin1(vehicles::VehicleRecord::kArchiveName.data(),
                                                       qsizetype(vehicles::VehicleRecord::kArchiveName.size())),
                                   &vehicles::vehicleLayout());
}

// The hand shown once a vehicle is taken: a pointing hand on a small white plate.
QPixmap handPicture(int width, int height) {
  QPixmap pm(width, height);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(height);
  p.setFont(f);
  p.setPen(QColor(0x28, 0x53, 0xA2));
  p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, QStringLiteral("\u261B"));
  return pm;
}

}  // namespace

kit::YearMenuSettings TfrmMenuDisponibili::settings() {
  return {
      .menuClass = QStringLiteral("TfrmMenuDisponibili"),
      .caption = QStringLiteral(" Velmora 4.0 - Planner Prenotazioni"),
      .title = QStringLiteral("Planner Prenotazioni"),
      .information = QStringLiteral("Selezionare un anno solare e un veicolo e premere il pulsante Apri."),
      .yearBox = QStringLiteral("txtAnnoFatture"),
      .opens = {{.button = QStringLiteral("btnApriFatture"),
                 .keyWord = QStringLiteral("planning"),
                 .window = QStringLiteral("TfrmPlanning"),
                 .checksYear = true,
                 .prepare = [](kit::YearMenu& menu, const QString& year) {
                   return static_cast<TfrmMenuDisponibili&>(menu).prepareBoard(year);
                 }}},
      .helpTitle = planner::helpTitle(),
      .helpParagraphs = planner::helpParagraphs(),
      .help = TfrmGuida::showHelp,
  };
}

TfrmMenuDisponibili::TfrmMenuDisponibili(QWidget* owner) : kit::YearMenu(owner, settings()) {
  QWidget* pan = container();
  const int w = pan->width(), h = pan->height();

  // The year row in a band of its own across the panel, the list in another below it.
  lblInformazioni->setGeometry(26, 112, w - 52, 40);
  if (auto* band = pan->findChild<QWidget*>(QStringLiteral("bkgSezione01"))) band->setGeometry(16, 160, w - 32, 56);
  auto* listBand = new kit::CardPanel(pan, QStringLiteral("bkgLista"), kBand, kBand);
  listBand->setGeometry(16, 224, w - 32, 354);
  listBand->lower();
  if (auto* caption = pan->findChild<QLabel*>(QStringLiteral("titAnno"))) caption->setGeometry(350, 170, 70, 36);
  yearBox()->setGeometry(422, 170, 94, 36);
  QPushButton* apri = button(QStringLiteral("btnApriFatture"));
  apri->setGeometry(526, 170, 122, 36);

  icoMano = platform::namedLabel(pan, QStringLiteral("icoMano"), QString(), QRect(656, 176, 36, 24));
  icoMano->setPixmap(handPicture(36, 24));
  icoMano->hide();

  lstRecords = new kit::ResultList(pan, kItemWidth);
  lstRecords->setObjectName(QStringLiteral("lstRecords"));
  lstRecords->setGeometry(32, 232, w - 64, 337);
  lstRecords->viewport()->installEventFilter(this);
  lstRecords->setTextElideMode(Qt::ElideNone);  // a line longer than the item is cut, not marked
  setTabOrder(apri, lstRecords);

  imgGuida->move(40, h - 100);
  imgEsci->move(w - 40 - imgEsci->width(), h - 100);

  const auto hidden = [pan](const char* name, const char* design) {
    QLabel* l = platform::namedLabel(pan, QLatin1String(name), QLatin1String(design), QRect(0, 0, 10, 10));
    l->hide();
    return l;
  };
  lblVeicolo = hidden("lblVeicolo", "veicolo");
  lblMarca = hidden("lblMarca", "marca");
  lblModello = hidden("lblModello", "modello");
  lblTarga = hidden("lblTarga", "targa");
  lblFile = hidden("lblFile", "lblFile");

  // A line reached with the keys takes its vehicle at once; one reached with the
  // mouse when the click is complete.
  connect(lstRecords->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    if (!mouseDown_) lstRecordsClick();
  });
  connect(lstRecords, &QAbstractItemView::clicked, this, &TfrmMenuDisponibili::lstRecordsClick);
}

bool TfrmMenuDisponibili::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstRecords->viewport()) {
    if (event->type() == QEvent::MouseButtonPress) mouseDown_ = true;
    if (event->type() == QEvent::MouseButtonRelease) mouseDown_ = false;
  }
  return kit::YearMenu::eventFilter(watched, event);
}

void TfrmMenuDisponibili::setVehicle(const planner::PlannerVehicle& v) {
  lblVeicolo->setText(platform::fromCore(v.tipo));
  lblMarca->setText(platform::fromCore(v.marca));
  lblModello->setText(platform::fromCore(v.modello));
  lblTarga->setText(platform::fromCore(v.targa));
}

void TfrmMenuDisponibili::FormShow() {
  setVehicle({});
  icoMano->hide();
  fillList();
  kit::YearMenu::FormShow();
}

void TfrmMenuDisponibili::fillList() {
  lstRecords->clear();
  core::LineList lines;
  try {
    core::Archive archive = kit::openArchive(vehicleArchive());
    planner::listVehicles(archive, lines);
  } catch (const core::ArchiveError&) {
    // The list shows what was read before the failure; nothing is said.
  }
  lstRecords->setLines(std::move(lines));
  kit::selectRow(lstRecords, -1);
}

void TfrmMenuDisponibili::lstRecordsClick() {
  const int row = kit::selectedRow(lstRecords);
  if (row < 0) return;
  std::optional<planner::PlannerVehicle> found;
  try {
    core::Archive archive = kit::openArchive(vehicleArchive());
    found = planner::vehicleOfLine(archive, lstRecords->line(row));
  } catch (const core::ArchiveError&) {
    found.reset();
  }
  // A look-up that failed or found nothing leaves no vehicle chosen: "Apri" must not
  // open the planner of a vehicle other than the line's.
  setVehicle(found.value_or(planner::PlannerVehicle{}));
  icoMano->setVisible(found.has_value());
}

bool TfrmMenuDisponibili::prepareBoard(const QString& year) {
  if (lstRecords->count() == 0) {
    platform::warning(kEmptyList, this);
    return false;
  }
  if (kit::selectedRow(lstRecords) < 0 || platform::trim(lblTarga->text()).isEmpty()) {
    platform::warning(kNoSelection, this);
    return false;
  }
  const planner::BoardVehicle vehicle{platform::trim(lblVeicolo->text()), platform::trim(lblMarca->text()),
                                      platform::trim(lblModello->text()), platform::trim(lblTarga->text())};
  lblFile->setText(planner::plannerFilePath(vehicle.targa, platform::trim(year)));
  if (auto* board = platform::findWindow<TfrmPlanning>(QStringLiteral("TfrmPlanning")))
    board->openFor(lblFile->text(), year, vehicle);
  return true;
}
