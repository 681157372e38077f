#include "planner/frm_intervallo.h"

#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "core/summary.h"
#include "kit/summary.h"
#include "planner/board_days.h"
#include "planner/booking_text.h"
#include "planner/frm_planning.h"
#include "platform/dialogs.h"
#include "platform/edits.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"

namespace {

const QColor kGround(0xEB, 0xEA, 0xEA);
const QColor kSfondo(0xEA, 0xEA, 0xEA);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kWhiteSmoke(0xF5, 0xF5, 0xF5);
const QColor kDarkBlue(0x00, 0x00, 0x8B);

// The grounds of the dialog: the background, the navy band of the vehicle and the two
// white-smoke panels behind the dates.
class IntervalloPanel : public QWidget {
 public:
  explicit IntervalloPanel(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(Qt::white);
    p.setBrush(kSfondo);
    p.drawRect(8, 8, 737, 285);    // shpSfondo
    p.setBrush(kNavy);
    p.drawRect(20, 18, 713, 31);   // recCamera
    p.setBrush(kWhiteSmoke);
    p.drawRect(20, 83, 348, 114);  // bkgDataInizio
    p.drawRect(384, 83, 348, 114); // bkgDataFine
  }
};

// How the date messages of the booking end.
const core::IntervalEndings kEndings{
    .startMissing = u"Per poter effettuare la prenotazione è necessario indicare una data valida.",
    .endMissing = u"Per effettuare la prenotazione è necessario indicare una data valida.",
    .order = u"Per effettuare la prenotazione è necessario indicare un intervallo di tempo valido.",
};

QString confirmation(const QString& start, const QString& end) {
  return QStringLiteral("INTERVALLO SELEZIONATO:  DAL  ") + platform::trim(start) + QStringLiteral(" AL ") +
         platform::trim(end) + QStringLiteral(".\r\n\r\nSi conferma la prenotazione?");
}

}  // namespace

TfrmIntervallo::TfrmIntervallo(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmIntervallo"), platform::WindowKind::CentredOnScreen,
                     QStringLiteral(" Prenotazione noleggio veicolo per intervallo di tempo"), 778, 366) {
  platform::setRegionalFormats();
  const QFont verdana(QStringLiteral("Verdana"));

  panContainer = new IntervalloPanel(this);
  panContainer->setObjectName(QStringLiteral("panContainer"));
  panContainer->setGeometry(12, 12, 754, 300);
  panContainer->setFont(verdana);

  infCamera = platform::namedLabel(panContainer, QStringLiteral("infCamera"), QStringLiteral("Veicolo"),
                                   QRect(27, 23, 700, 22));
  infCamera->setFont(QFont(QStringLiteral("Verdana"), 14));
  infCamera->setAlignment(Qt::AlignCenter);
  infCamera->setWordWrap(false);
  platform::setTextColour(infCamera, Qt::white);

  lblCampo03 = platform::namedLabel(panContainer, QStringLiteral("lblCampo03"),
                                    QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da prenotare."),
                                    QRect(20, 61, 714, 20));

  addIntervalGroups(panContainer, QPoint(35, 96), QPoint(399, 96), 86);
  for (QLabel* scratch : {lblDataInizio, lblDataFine}) platform::setTextColour(scratch, kDarkBlue);
  // The pickers alone show where the focus is.
  addPickerHighlights();

  lblCampo02 = platform::namedLabel(panContainer, QStringLiteral("lblCampo02"),
                                    QStringLiteral("Indicare il nome del cliente nel campo sottostante."),
                                    QRect(20, 210, 714, 20));

  const planner::BookingTextRow row = planner::addBookingTextRow(panContainer, QRect(20, 232, 714, 43), 636);
  effPrenotazione = row.effPrenotazione;
  txtPrenotazione = row.txtPrenotazione;
  cmdClipboard = row.cmdClipboard;
  cmdCancella = row.cmdCancella;
  txtPrenotazione->installEventFilter(this);

  lblMemory()->move(665, 23);

  btnChiudi = platform::pushButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Applica e chiudi"),
                                   QRect(606, 322, 160, 30));
  btnAnnulla = platform::pushButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                                    QRect(12, 322, 160, 30));
  for (QPushButton* b : {btnChiudi, btnAnnulla}) {
    b->setFont(verdana);
    b->setCursor(Qt::PointingHandCursor);
    platform::clickOnEnter(b);
  }

  // Tab order and the Enter chain, which stops at "Applica e chiudi".
  QWidget* order[] = {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine, txtPrenotazione, btnChiudi,
                      btnAnnulla};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  chainEnter(this, txtPrenotazione);

  connect(cmdClipboard, &platform::PictureButton::clicked, this, &TfrmIntervallo::cmdClipboardClick);
  connect(cmdCancella, &platform::PictureButton::clicked, this, &TfrmIntervallo::cmdCancellaClick);
  connect(btnChiudi, &QPushButton::clicked, this, &TfrmIntervallo::btnChiudiClick);
  connect(btnAnnulla, &QPushButton::clicked, this, &TfrmIntervallo::btnAnnullaClick);
}

void TfrmIntervallo::FormShow() { txtPrenotazione->setFocus(); }

bool TfrmIntervallo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtPrenotazione && event->type() == QEvent::KeyPress &&
      platform::isEnterKey(static_cast<QKeyEvent*>(event)->key())) {
    btnChiudi->setFocus(Qt::TabFocusReason);  // moves on, books nothing
    return true;
  }
  return platform::Form::eventFilter(watched, event);
}

void TfrmIntervallo::cmdClipboardClick() { planner::copyBookingText(txtPrenotazione, this); }

void TfrmIntervallo::cmdCancellaClick() { planner::clearBookingText(txtPrenotazione); }

void TfrmIntervallo::btnAnnullaClick() { closeForm(); }

void TfrmIntervallo::btnChiudiClick() {
  lblDataInizio->clear();
  lblDataFine->clear();
  try {
    if (book()) closeForm();
  } catch (...) {
    // Nothing the dialog lets through gets here; what was booked stays, the dialog stays
    // open.
  }
}

bool TfrmIntervallo::book() {
  // The year is the board's, in the two year labels.
  const core::SummaryCheck check = core::checkInterval(entries(), kEndings);
  if (!applyCheck(check, this)) return false;
  const QString text = platform::trim(txtPrenotazione->text());
  if (text.isEmpty()) {
    platform::warning(
        QStringLiteral("Attenzione: per effettuare la prenotazione è necessario indicare il nome del cliente."), this);
    txtPrenotazione->setFocus();
    return false;
  }
  if (!platform::question(confirmation(lblDataInizio->text(), lblDataFine->text()), this)) return false;

  // Every day of the board whose date in the year lies in the interval, 29 February
  // included in a leap year; the days outside keep what they hold.
  auto* board = platform::findWindow<TfrmPlanning>(QStringLiteral("TfrmPlanning"));
  if (!board) return true;
  const core::Text year = core::trim(platform::toCore(lblAnnoInizio->text()));
  for (const planner::BoardDay& day : planner::boardDays())
    if (planner::inInterval(day, year, check.start, check.end)) board->setDay(day, text);
  return true;
}

void TfrmIntervallo::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kGround);
}
