#include "planner/frm_giorno.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "planner/board_days.h"
#include "planner/booking_text.h"
#include "planner/frm_planning.h"
#include "planner/planner_pictures.h"
#include "platform/dialogs.h"
#include "platform/edits.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"

namespace {

const QColor kBrown(0xA5, 0x2A, 0x2A);
const QColor kTitleBand(0xB7, 0xCF, 0xE4);
const QColor kBoxBorder(0x8E, 0xB4, 0xD3);

// The white ground of the dialog's controls with the two bands and the status box.
class GiornoPanel : public QWidget {
 public:
  explicit GiornoPanel(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(Qt::white);
    p.setBrush(Qt::white);
    p.drawRect(8, 8, 616, 341);           // shpSfondo
    p.setBrush(Qt::black);
    p.drawRect(16, 18, 599, 33);          // recCamera
    p.setBrush(kTitleBand);
    p.drawRect(16, 58, 599, 33);          // recTitolo
    p.setPen(kBoxBorder);
    p.setBrush(Qt::white);
    p.drawRect(16, 210, 599, 118);        // Rectangle1
  }
};

QLabel* textLine(QWidget* parent, const char* name, const QRect& geometry, const QColor& colour) {
  QLabel* l = platform::namedLabel(parent, QLatin1String(name), QString(), geometry);
  l->setFont(QFont(QStringLiteral("Verdana"), 14));
  l->setAlignment(Qt::AlignCenter);
  platform::setTextColour(l, colour);
  return l;
}

}  // namespace

TfrmGiorno::TfrmGiorno(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmGiorno"), platform::WindowKind::CentredOnScreen,
                     QStringLiteral(" Prenotazione noleggio veicolo"), 660, 425) {
  platform::setRegionalFormats();

  panContainer = new GiornoPanel(this);
  panContainer->setObjectName(QStringLiteral("panContainer"));
  panContainer->setGeometry(12, 12, 634, 358);

  infGiorno = textLine(panContainer, "infGiorno", QRect(22, 64, 586, 20), kBrown);
  infGiorno->setText(QStringLiteral("Data prenotazione"));

  const planner::BookingTextRow row = planner::addBookingTextRow(panContainer, QRect(16, 148, 600, 43), 520);
  effPrenotazione = row.effPrenotazione;
  txtPrenotazione = row.txtPrenotazione;
  cmdClipboard = row.cmdClipboard;
  cmdCancella = row.cmdCancella;

  infCamera = textLine(panContainer, "infCamera", QRect(23, 24, 586, 20), Qt::white);
  infCamera->setText(QStringLiteral("Attrezzatura"));

  icoIstruzioni = platform::namedLabel(
      panContainer, QStringLiteral("icoIstruzioni"),
      QStringLiteral("Per prenotare, digitare il nome del cliente nel campo sottostante.\n"
                     "Per annullare la prenotazione, svuotare lo stesso campo."),
      QRect(16, 106, 444, 32));
  icoIstruzioni->setFont(QFont(QStringLiteral("Verdana"), 8));
  icoIstruzioni->setStyleSheet(QStringLiteral("background-color: white; color: #333333; padding-left: 4px;"));

  const auto plate = [this](const char* name, const QString& word, const QColor& ink) {
    QLabel* l = platform::namedLabel(panContainer, QLatin1String(name), word, QRect(256, 241, 223, 59));
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("background-color: #1F4E9A; border-radius: 12px; color: %1;"
                                    "font-family: Verdana; font-size: 22px; font-weight: bold;")
                         .arg(ink.name()));
    return l;
  };
  const auto icon = [this](const char* name, bool circled) {
    QLabel* l = platform::namedLabel(panContainer, QLatin1String(name), QString(), QRect(166, 234, 71, 72));
    l->setPixmap(planner::calendarSheetPicture(71, 72, circled));
    return l;
  };
  icoOccupata = plate("icoOccupata", QStringLiteral("PRENOTATO"), QColor(0xE5, 0x1C, 0x23));
  icnOccupata = icon("icnOccupata", true);
  icoLibera = plate("icoLibera", QStringLiteral("DISPONIBILE"), QColor(0x2E, 0xCC, 0x40));
  icnLibera = icon("icnLibera", false);
  icoOccupata->hide();
  icnOccupata->hide();

  btnChiudi = platform::pushButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Applica e chiudi"),
                                   QRect(487, 382, 160, 30));
  btnAnnulla = platform::pushButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                                    QRect(12, 382, 160, 30));
  for (QPushButton* b : {btnChiudi, btnAnnulla}) {
    b->setFont(QFont(QStringLiteral("Verdana")));
    b->setCursor(Qt::PointingHandCursor);
  }
  setTabOrder(txtPrenotazione, btnChiudi);
  setTabOrder(btnChiudi, btnAnnulla);

  lblMemory()->setText(QStringLiteral("lblMemory"));
  lblMemory()->move(185, 391);

  connect(txtPrenotazione, &QLineEdit::textChanged, this, &TfrmGiorno::txtPrenotazioneChange);
  connect(cmdClipboard, &platform::PictureButton::clicked, this, &TfrmGiorno::cmdClipboardClick);
  connect(cmdCancella, &platform::PictureButton::clicked, this, &TfrmGiorno::cmdCancellaClick);
  connect(btnChiudi, &QPushButton::clicked, this, &TfrmGiorno::btnChiudiClick);
  connect(btnAnnulla, &QPushButton::clicked, this, &TfrmGiorno::btnAnnullaClick);
}

void TfrmGiorno::FormShow() { txtPrenotazione->setFocus(); }

void TfrmGiorno::txtPrenotazioneChange() {
  const bool booked = planner::isBooked(platform::toCore(txtPrenotazione->text()));
  icoLibera->setVisible(!booked);
  icoOccupata->setVisible(booked);
  icnLibera->setVisible(!booked);
  icnOccupata->setVisible(booked);
}

void TfrmGiorno::cmdClipboardClick() { planner::copyBookingText(txtPrenotazione, this); }

void TfrmGiorno::cmdCancellaClick() { planner::clearBookingText(txtPrenotazione); }

void TfrmGiorno::btnChiudiClick() {
  // The key names the day exactly; any other text writes nothing, and the dialog still
  // closes.
  const planner::BoardDay* day = planner::dayOfKey(platform::toCore(platform::trim(memory())));
  auto* board = platform::findWindow<TfrmPlanning>(QStringLiteral("TfrmPlanning"));
  if (day && board) board->setDay(*day, txtPrenotazione->text());
  closeForm();
}

void TfrmGiorno::btnAnnullaClick() { closeForm(); }

void TfrmGiorno::paintEvent(QPaintEvent*) { platform::paintGradient(this, platform::kSteelBlue); }
