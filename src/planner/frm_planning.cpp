#include "planner/frm_planning.h"

#include <QDir>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QResizeEvent>

#include "kit/archive_source.h"
#include "kit/card_window.h"
#include "kit/messages.h"
#include "planner/board_print.h"
#include "planner/day_calendar.h"
#include "planner/frm_giorno.h"
#include "planner/frm_riep_prenotazioni.h"
#include "planner/frm_intervallo.h"
#include "planner/planner_help.h"
#include "planner/planner_pictures.h"
#include "platform/dialogs.h"
#include "platform/edits.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"
#include "shell/frm_guida.h"

namespace planner {

QString plannerFilePath(const QString& plate, const QString& year) {
  return platform::exePath(platform::fromCore(plannerFileName(platform::toCore(plate), platform::toCore(year))));
}

}  // namespace planner

namespace {

constexpr int kDesignWidth = 1016;
constexpr int kDesignHeight = 713;
constexpr int kPanelWidth = 995;
constexpr int kPanelHeight = 692;

const QColor kGroundTop(0x42, 0x7A, 0xA8);
const QColor kContainer(0xC8, 0xD6, 0xE3);

// The board's panel: the container, the white grounds of the title, the pictures and
// the vehicle header. Moving over any of them empties the status hint.
class BoardPanel : public QWidget {
 public:
  explicit BoardPanel(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(kContainer);
    p.setBrush(kContainer);
    p.drawRect(8, 8, 976, 674);  // shpContainer
    p.setPen(Qt::white);
    p.setBrush(Qt::white);
    p.drawRect(16, 16, 237, 56);  // shpTitolo
    for (int x : {260, 416, 572, 728}) p.drawRect(x, 16, 149, 56);  // shpIntervallo .. shpStampa
    p.drawRect(884, 16, 92, 56);   // shpControlli06
    p.drawRect(16, 80, 765, 55);   // bkgCamera
    if (title_.isNull()) title_ = planner::boardTitlePicture(199, 38);
    p.drawPixmap(34, 29, title_);  // icoTitolo
  }

 private:
  QPixmap title_;
};

// A picture button of the board with its word as face.
platform::PictureButton* commandPicture(QWidget* parent, const char* name, const QString& face, const QRect& geometry,
                                        int pointSize) {
  auto* b = new platform::PictureButton(parent, QLatin1String(name), face);
  b->setGeometry(geometry);
  b->setFont(QFont(QStringLiteral("Verdana"), pointSize, QFont::Bold));
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

QLabel* headerLabel(QWidget* parent, const char* name, const QString& text, int x) {
  QLabel* l = platform::namedLabel(parent, QLatin1String(name), text, QRect(x, 86, 180, 18));
  l->setFont(QFont(QStringLiteral("Verdana"), 9));
  return l;
}

QLineEdit* headerEdit(QWidget* parent, const char* name, const QRect& geometry, int maxLength) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QLatin1String(name));
  e->setGeometry(geometry);
  e->setReadOnly(true);
  e->setMaxLength(maxLength);  // the header fields of the planner file
  e->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
  // Alice blue with a sky-blue border, focused or not: they are read-only.
  platform::paintFocus(e, platform::kAliceBlue, /*yellowWhileFocused=*/false);
  return e;
}

// A control over which the mouse leaves the status hint as it is.
void keepsHint(QWidget* w) { w->setAttribute(Qt::WA_NoMousePropagation); }

QString latin(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

const QString TfrmPlanning::kDayHint =
    QStringLiteral("Fai clic sul numero del giorno per inserire o cancellare una prenotazione.");

TfrmPlanning::TfrmPlanning(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmPlanning"), platform::WindowKind::Maximized,
                     QStringLiteral(" Velmora 4.0 - Planner prenotazioni"), kDesignWidth, kDesignHeight) {
  platform::setRegionalFormats();

  panContainer = new BoardPanel(this);
  panContainer->setObjectName(QStringLiteral("panContainer"));
  panContainer->setFixedSize(kPanelWidth, kPanelHeight);

  cmdIntervallo = commandPicture(panContainer, "cmdIntervallo", QStringLiteral("Intervallo"), QRect(268, 26, 135, 43), 11);
  cmdRiepilogo = commandPicture(panContainer, "cmdRiepilogo", QStringLiteral("Riepilogo"), QRect(424, 26, 135, 43), 11);
  cmdAnteprima = commandPicture(panContainer, "cmdAnteprima", QStringLiteral("Anteprima"), QRect(580, 26, 135, 43), 11);
  cmdStampa = commandPicture(panContainer, "cmdStampa", QStringLiteral("Stampa"), QRect(736, 26, 135, 43), 11);
  cmdGuida = commandPicture(panContainer, "cmdGuida", QStringLiteral("?"), QRect(892, 27, 37, 39), 14);
  cmdEsci = commandPicture(panContainer, "cmdEsci", QStringLiteral("\u2715"), QRect(933, 27, 37, 39), 14);

  lblCampo001 = headerLabel(panContainer, "lblCampo001", QStringLiteral("Tipo veicolo:"), 28);
  lblCampo002 = headerLabel(panContainer, "lblCampo002", QStringLiteral("Marca:"), 216);
  lblCampo003 = headerLabel(panContainer, "lblCampo003", QStringLiteral("Modello:"), 428);
  lblCampo004 = headerLabel(panContainer, "lblCampo004", QStringLiteral("Targa:"), 640);
  txtVeicolo = headerEdit(panContainer, "txtVeicolo", QRect(28, 104, 176, 22), 50);
  txtMarca = headerEdit(panContainer, "txtMarca", QRect(216, 104, 200, 22), 50);
  txtModello = headerEdit(panContainer, "txtModello", QRect(428, 104, 200, 22), 50);
  txtTarga = headerEdit(panContainer, "txtTarga", QRect(640, 104, 130, 22), 30);
  setTabOrder(txtVeicolo, txtMarca);
  setTabOrder(txtMarca, txtModello);
  setTabOrder(txtModello, txtTarga);

  auto* icoAnno = platform::namedLabel(panContainer, QStringLiteral("icoAnno"), QString(), QRect(788, 80, 190, 56));
  icoAnno->setPixmap(planner::yearGroundPicture(190, 56));
  txtAnno = platform::namedLabel(panContainer, QStringLiteral("txtAnno"), QStringLiteral("ANNO"), QRect(889, 93, 80, 30));
  txtAnno->setFont(QFont(QStringLiteral("Verdana"), 23, QFont::Bold));
  platform::setTextColour(txtAnno, Qt::yellow);
  txtAnno->adjustSize();

  panMemGiorni = new QWidget(this);
  panMemGiorni->setObjectName(QStringLiteral("panMemGiorni"));
  panMemGiorni->setGeometry(-100, -100, 10, 10);
  panMemGiorni->hide();

  calendar_ = new planner::DayCalendar(panContainer, panMemGiorni);
  calendar_->setGeometry(16, 144, 962, 490);

  panInfo = kit::hintBar(*this, panContainer, QStringLiteral("Pronto per archiviare una nuova scheda..."),
                         QRect(16, 642, 962, 32), kit::HintBarLook::WhiteOnBlue);
  panInfo->setIndent(6);  // the text at 22, the bar at 16

  lblPosizione = platform::namedLabel(panContainer, QStringLiteral("lblPosizione"), QStringLiteral("1"),
                                      QRect(840, 648, 40, 20));
  lblPosizione->hide();
  cmdSalva = commandPicture(panContainer, "cmdSalva", QString(), QRect(896, 642, 37, 39), 9);
  cmdNuovo = commandPicture(panContainer, "cmdNuovo", QString(), QRect(936, 642, 37, 39), 9);
  cmdSalva->hide();
  cmdNuovo->hide();

  // The status hint: each picture button writes its own; the day pictures the day
  // hint; the window, the panel and the calendar's ground empty it; the header, the
  // year and the status bar leave it as it is.
  setHint(cmdIntervallo, QStringLiteral("Prenota intervallo di tempo."));
  setHint(cmdRiepilogo, QStringLiteral("Visualizza il riepilogo delle prenotazioni registrate."));
  setHint(cmdAnteprima, QStringLiteral("Visualizza l'anteprima di stampa del planning corrente."));
  setHint(cmdStampa, QStringLiteral("Stampa il planning corrente."));
  setHint(cmdGuida, QStringLiteral("Visualizza la guida in linea."));
  setHint(cmdEsci, QStringLiteral("Esci da questa schermata di lavoro."));
  clearsHint(this);
  clearsHint(panContainer);
  for (QWidget* w : std::initializer_list<QWidget*>{lblCampo001, lblCampo002, lblCampo003, lblCampo004, txtVeicolo,
                                                    txtMarca, txtModello, txtTarga, icoAnno, txtAnno, panInfo})
    keepsHint(w);
  connect(calendar_, &planner::DayCalendar::dayHovered, this, [this] { panInfo->setText(kDayHint); });
  connect(calendar_, &planner::DayCalendar::backgroundHovered, panInfo, &QLabel::clear);

  connect(cmdIntervallo, &platform::PictureButton::clicked, this, &TfrmPlanning::cmdIntervalloClick);
  connect(cmdGuida, &platform::PictureButton::clicked, this, &TfrmPlanning::cmdGuidaClick);
  connect(cmdEsci, &platform::PictureButton::clicked, this, &TfrmPlanning::cmdEsciClick);
  connect(cmdRiepilogo, &platform::PictureButton::clicked, this, &TfrmPlanning::cmdRiepilogoClick);
  connect(cmdAnteprima, &platform::PictureButton::clicked, this, &TfrmPlanning::cmdAnteprimaClick);
  connect(cmdStampa, &platform::PictureButton::clicked, this, &TfrmPlanning::cmdStampaClick);
  connect(cmdNuovo, &platform::PictureButton::clicked, this, &TfrmPlanning::cmdNuovoClick);
  connect(cmdSalva, &platform::PictureButton::clicked, this, &TfrmPlanning::cmdSalvaClick);
  connect(calendar_, &planner::DayCalendar::dayClicked, this, &TfrmPlanning::dayCellClick);
}

void TfrmPlanning::openFor(const QString& filePath, const QString& year, const planner::BoardVehicle& vehicle) {
  const QString y = platform::trim(year);
  filePath_ = platform::trim(filePath);
  vehicle_ = {platform::trim(vehicle.veicolo), platform::trim(vehicle.marca), platform::trim(vehicle.modello),
              platform::trim(vehicle.targa)};
  setWindowTitle(QStringLiteral(" Velmora 4.0 - Planner prenotazioni anno ") + y);
  txtAnno->setText(y);
  txtAnno->adjustSize();
  txtVeicolo->setText(vehicle_.veicolo);
  txtMarca->setText(vehicle_.marca);
  txtModello->setText(vehicle_.modello);
  txtTarga->setText(vehicle_.targa);
}

void TfrmPlanning::setDay(const planner::BoardDay& day, const QString& text) {
  const QString t = platform::trim(text);
  const bool booked = !t.isEmpty();
  calendar_->freePicture(day.index)->setVisible(!booked);
  calendar_->bookedPicture(day.index)->setVisible(booked);
  calendar_->bookingText(day.index)->setText(t);
}

QString TfrmPlanning::dayText(const planner::BoardDay& day) const { return calendar_->bookingText(day.index)->text(); }

bool TfrmPlanning::isDayBooked(const planner::BoardDay& day) const {
  return calendar_->bookedPicture(day.index)->isVisible();
}

void TfrmPlanning::cmdNuovoClick() {
  for (const planner::BoardDay& day : planner::boardDays()) {
    calendar_->freePicture(day.index)->setVisible(true);
    calendar_->bookedPicture(day.index)->setVisible(false);
  }
  for (const planner::BoardDay& day : planner::boardDays()) calendar_->bookingText(day.index)->setText(QString());
  lblPosizione->clear();
  txtVeicolo->setFocus();
}

void TfrmPlanning::FormShow() {
  cmdNuovoClick();
  txtVeicolo->setText(vehicle_.veicolo);
  txtMarca->setText(vehicle_.marca);
  txtModello->setText(vehicle_.modello);
  txtTarga->setText(vehicle_.targa);
  lblPosizione->setText(QStringLiteral("1"));
  load();
}

namespace {

// The planner file's path for one use: a full path, or no file at all (a board shown
// before the menu named one).
QString plannerPath(const QString& filePath) {
  const QString path = platform::trim(filePath);
  if (!QDir::isAbsolutePath(path)) throw core::ArchiveError("no planner file named: " + path.toStdString());
  return path;
}

}  // namespace

void TfrmPlanning::load() {
  loadFailed_ = false;
  try {
    core::Archive archive = kit::openArchive(plannerPath(filePath_), planner::BookingPlanRecord::kSize);
    if (plan_.load(archive)) {
      for (const planner::BoardDay& day : planner::boardDays())
        setDay(day, platform::fromCore(plan_.dayText(static_cast<std::size_t>(day.index))));
    }
    lblPosizione->setText(QStringLiteral("1"));
  } catch (const core::ArchiveError&) {
    // Said now, and nothing is written at the close: the empty board would otherwise
    // replace the bookings the file may still hold.
    loadFailed_ = true;
    platform::error(kit::msg::kAccessError, this);
  }
}

bool TfrmPlanning::save() {
  try {
    core::Archive archive = kit::openArchive(plannerPath(filePath_), planner::BookingPlanRecord::kSize);
    bool number = false;
    const int position = platform::trim(lblPosizione->text()).toInt(&number);
    if (!number || position < 1) throw core::ArchiveError("no record position on the board");
    plan_.setHeader(platform::toCore(txtVeicolo->text()), platform::toCore(txtMarca->text()),
                    platform::toCore(txtModello->text()), platform::toCore(txtTarga->text()));
    for (const planner::BoardDay& day : planner::boardDays())
      plan_.setDayText(static_cast<std::size_t>(day.index), platform::toCore(dayText(day)));
    const std::size_t after = plan_.save(archive, static_cast<std::size_t>(position - 1));
    lblPosizione->setText(QString::number(after));
    return true;
  } catch (const core::ArchiveError&) {
    platform::error(kit::msg::kAccessError, this);
    return false;
  }
}

void TfrmPlanning::cmdSalvaClick() {
  if (loadFailed_) {
    platform::error(kit::msg::kAccessError, this);
    return;
  }
  save();
}

void TfrmPlanning::FormClose() {
  cmdSalvaClick();
  platform::showLauncher();
  hide();
}

void TfrmPlanning::cmdEsciClick() { closeForm(); }

void TfrmPlanning::cmdRiepilogoClick() {
  TfrmRiepPrenotazioni summary(this);
  summary.showModalDialog();
}

void TfrmPlanning::cmdAnteprimaClick() {
  TfrmAnteprimaPlanning preview(this);
  preview.showModalDialog();
}

void TfrmPlanning::cmdStampaClick() {
  TfrmStampaPlanning print(this);
  print.showModalDialog();
}

void TfrmPlanning::cmdIntervalloClick() {
  TfrmIntervallo dialog(this);
  dialog.setIntervalYear(platform::trim(txtAnno->text()));
  dialog.infCamera->setText(platform::trim(txtMarca->text()) + QLatin1Char(' ') + platform::trim(txtModello->text()));
  dialog.emptyPickers();
  dialog.showModalDialog();
}

void TfrmPlanning::cmdGuidaClick() { TfrmGuida::showHelp(this, planner::helpTitle(), planner::helpParagraphs()); }

void TfrmPlanning::dayCellClick(int index) {
  const planner::BoardDay& day = planner::boardDays()[static_cast<std::size_t>(index)];
  const QString year = platform::trim(txtAnno->text());
  // Only 29 February asks the year: the other cells open whatever it holds.
  if (day.isLeapDay() && !planner::dateIn(day, platform::toCore(year))) {
    platform::warning(QStringLiteral("Attenzione: la data ") + platform::fromCore(planner::dateText(day, platform::toCore(year))) +
                          QStringLiteral(" non esiste.\n\r\n\r"
                                         "Per poter effettuare la prenotazione è necessario indicare una data valida."),
                      this);
    return;
  }
  TfrmGiorno dialog(this);
  dialog.setMemory(latin(day.key));
  dialog.infGiorno->setText(platform::fromCore(planner::dayHeading(day, platform::toCore(year))));
  dialog.infCamera->setText(platform::trim(txtMarca->text()) + QLatin1Char(' ') + platform::trim(txtModello->text()));
  dialog.txtPrenotazione->setText(platform::trim(dayText(day)));
  dialog.showModalDialog();
}

void TfrmPlanning::paintEvent(QPaintEvent*) { platform::paintGradient(this, kGroundTop); }

void TfrmPlanning::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  platform::centreIn(panContainer, size());
}
