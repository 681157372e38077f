#include "trips/frm_servizi.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <span>
#include <stdexcept>
#include <string_view>

#include "core/column_sums.h"
#include "kit/card_fields.h"
#include "kit/card_frame.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/edits.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"
#include "shell/frm_allega_cartella.h"
#include "shell/frm_calendario.h"
#include "shell/frm_guida.h"
#include "trips/frm_exp_servizi.h"
#include "trips/frm_in_corso.h"
#include "trips/frm_istruzioni.h"
#include "trips/frm_stampa_istruttore.h"
#include "trips/frm_trova_servizi.h"
#include "trips/trip_archive.h"
#include "vehicles/frm_trova_automezzi.h"

using trips::TripRecord;

namespace {

constexpr int kWidth = 1016;
constexpr int kHeight = 713;

// Each edit takes as many characters as its field holds.
int width(std::string_view field) { return trips::tripLayout().field(trips::tripField(field)).width; }

// The attached files and their descriptions, after the in-progress flag.
std::span<const core::FieldDef, 6> attachmentFields() {
  return std::span<const core::FieldDef>(TripRecord::fields).subspan<TripRecord::kEditCount + 1, 6>();
}

const kit::FocusMark kEdit = kit::painted(platform::kAliceBlue);
const kit::FocusMark kTotal = kit::paintedWithoutFocus(platform::kLightSteelBlue);
constexpr const char* kDateHint =
    "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.";

// A free-text edit: Enter does nothing.
kit::CardField text(const char* control, std::string_view field) {
  return {.control = control, .field = field, .maxLength = width(field), .mark = kEdit};
}
// A date filled from the calendar; Enter opens the calendar too.
kit::CardField date(const char* control, std::string_view field, const char* keyWord) {
  return {.control = control, .field = field, .maxLength = width(field), .calendarKey = keyWord, .mark = kEdit,
          .hint = kDateHint};
}
// Digits only, "0" when left empty.
kit::CardField whole(const char* control, std::string_view field, const char* next) {
  return {.control = control, .field = field, .maxLength = width(field), .next = next, .keys = kit::Keys::Digits,
          .leave = kit::zeroWhenEmpty, .mark = kEdit, .newText = "0"};
}
// Digits and a comma, normalised as an amount when left.
kit::CardField amount(const char* control, std::string_view field, const char* next) {
  return {.control = control, .field = field, .maxLength = width(field), .next = next,
          .keys = kit::Keys::DigitsComma, .leave = kit::normalisedAmount, .mark = kEdit, .newText = "0,00"};
}
// A total the card computes: never typed into, never yellow.
kit::CardField total(const char* control, std::string_view field, const char* zero) {
  return {.control = control, .field = field, .maxLength = width(field), .mark = kTotal, .newText = zero,
          .readOnly = true};
}

// The edits in record order. Enter moves only along a few links: the plate to the
// driver, the travellers to the goods, each refuelling row from its litres to its
// amount and on to the next row's date, the readings to their button.
const std::vector<kit::CardField>& fieldRows() {
  static const std::vector<kit::CardField> rows = {
      date("txtDataPartenza", "DataPartenza", "datapartenza"),
      text("txtOraPartenza", "OraPartenza"),
      date("txtDataRientro", "DataRientro", "datarientro"),
      text("txtOraRientro", "OraRientro"),
      text("txtLuogo", "Luogo"),
      text("txtItinerario", "Itinerario"),
      text("txtScopo", "Scopo"),
      text("txtVeicolo", "Veicolo"),
      {.control = "txtTarga", .field = "Targa", .maxLength = width("Targa"), .next = "txtConduttore",
       .typing = kit::Typing::TrimUpper, .mark = kEdit},
      text("txtConduttore", "Conduttore"),
      text("txtSupplementare", "Supplementare"),
      text("txtPersone", "Persone"),
      whole("txtTotViaggiatori", "TotViaggiatori", "txtMerce"),
      text("txtMerce", "Merce"),
      date("txtDataRif01", "DataRif01", "datarif01"),
      text("txtOraRif01", "OraRif01"),
      text("txtStazione01", "Stazione01"),
      whole("txtLitri01", "Litri01", "txtImporto01"),
      amount("txtImporto01", "Importo01", "txtDataRif02"),
      date("txtDataRif02", "DataRif02", "datarif02"),
      text("txtOraRif02", "OraRif02"),
      text("txtStazione02", "Stazione02"),
      whole("txtLitri02", "Litri02", "txtImporto02"),
      amount("txtImporto02", "Importo02", "txtDataRif03"),
      date("txtDataRif03", "DataRif03", "datarif03"),
      text("txtOraRif03", "OraRif03"),
      text("txtStazione03", "Stazione03"),
      whole("txtLitri03", "Litri03", "txtImporto03"),
      amount("txtImporto03", "Importo03", "txtDataRif04"),
      date("txtDataRif04", "DataRif04", "datarif04"),
      text("txtOraRif04", "OraRif04"),
      text("txtStazione04", "Stazione04"),
      whole("txtLitri04", "Litri04", "txtImporto04"),
      amount("txtImporto04", "Importo04", "txtDataRif05"),
      date("txtDataRif05", "DataRif05", "datarif05"),
      text("txtOraRif05", "OraRif05"),
      text("txtStazione05", "Stazione05"),
      whole("txtLitri05", "Litri05", "txtImporto05"),
      amount("txtImporto05", "Importo05", "btnCalcolaRif"),
      total("txtLitriTot", "LitriTot", "0"),
      total("txtImportoTot", "ImportoTot", "0,00"),
      whole("txtKmPartenza", "KmPartenza", "txtKmRientro"),
      whole("txtKmRientro", "KmRientro", "btnCalcolaKm"),
      total("txtKmPercorsi", "KmPercorsi", "0"),
  };
  return rows;
}

// A picture button of the card with its status hint, its handler and its width.
using CommandPicture = kit::CommandPicture<TfrmServizi>;

// A section's title strip over its panel.
kit::TitleStrip* sectionStrip(QWidget* panel, const QString& name, const QString& title) {
  return new kit::TitleStrip(panel, name, title, {.pixelSize = 14, .left = 12, .antialiased = true});
}

QLabel* caption(QWidget* parent, const QString& text, const QRect& geometry, Qt::Alignment align = Qt::AlignRight) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(geometry);
  l->setAlignment(align | Qt::AlignVCenter);
  return l;
}

}  // namespace

TfrmServizi::TfrmServizi(QWidget* owner)
    : kit::CardWindow(owner, QStringLiteral("TfrmServizi"), QStringLiteral(" Velmora 4.0 - Registro Viaggi"), kWidth,
                      kHeight),
      kit::CardAttachments(attachmentFields()) {
  buildControls();
  bindCard();
}

TfrmServizi::~TfrmServizi() = default;

void TfrmServizi::buildControls() {
  buildContainer(kWidth, kHeight);

  // The title strip across the top of the card.
  auto* header = new kit::TitleStrip(panContainer_, QStringLiteral("icoIntestazione"), QStringLiteral("Registro Viaggi"),
                                     {.pixelSize = 20, .left = 12, .antialiased = true});
  header->setGeometry(0, 0, kWidth, 60);
  setHint(header, QString());

  // The commands along the title strip, the position between the arrows.
  using T = TfrmServizi;
  std::vector<CommandPicture> commands = {
      {&T::cmdNuovo, "cmdNuovo", "Nuovo", "Predisponi la schermata per l'inserimento di una nuova scheda.",
       &T::cmdNuovoClick, 58},
      {&T::cmdDuplica, "cmdDuplica", "Duplica",
       "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.", &T::cmdDuplicaClick,
       58},
      {&T::cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", &T::cmdSalvaClick, 58},
      {&T::cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", &T::cmdTrovaClick, 58},
      {&T::cmdFile, "cmdFile", "Allegati", "Allega file alla scheda corrente.", &T::cmdFileClick, 58},
      {&T::cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.", &T::cmdStampaClick, 58},
  };
  const auto navigation = kit::navigationPictures<T>(36);
  commands.insert(commands.end(), navigation.begin(), navigation.end());
  commands.insert(commands.end(), {
      {&T::cmdEsporta, "cmdEsporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.",
       &T::cmdEsportaClick, 58},
      {&T::cmdInCorso, "cmdInCorso", "In corso", "Visualizza il riepilogo dei viaggi in corso.", &T::cmdInCorsoClick,
       62},
      {&T::cmdGuida, "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.", &T::cmdGuidaClick,
       58},
      {&T::cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata di lavoro.", &T::cmdEsciClick, 58},
  });
  int x = 196;
  for (const CommandPicture& c : commands) {
    kit::addPicture(*this, panContainer_, c, QRect(x, 10, c.width, 40));
    x += c.width + 2;
    if (c.slot == &T::cmdIndietro) {
      lblPosizione = kit::positionLabel(panContainer_, QRect(x, 10, 56, 40));
      QPalette lp = lblPosizione->palette();
      lp.setColor(QPalette::WindowText, Qt::white);
      lblPosizione->setPalette(lp);
      x += 58;
    }
  }

  // The trip: dates, destination, vehicle, people and goods.
  auto* bkgViaggio = new kit::CardPanel(panContainer_, QStringLiteral("bkgViaggio"));
  bkgViaggio->setGeometry(10, 70, 486, 430);
  setHint(bkgViaggio, QString());
  constexpr int kPitch = 35, kEditH = 24, kCapW = 174, kEditX = 182, kEditW = 294;
  auto row = [&](int r) { return 10 + r * kPitch; };
  auto edit = [this](QWidget* parent, const char* name, const QRect& g) {
    auto* e = new platform::FilteredEdit(parent, QString::fromLatin1(name));
    e->setGeometry(g);
    return e;
  };
  caption(bkgViaggio, QStringLiteral("Data partenza:"), QRect(6, row(0), kCapW, kEditH));
  txtDataPartenza = edit(bkgViaggio, "txtDataPartenza", QRect(kEditX, row(0), 104, kEditH));
  caption(bkgViaggio, QStringLiteral("Ora partenza:"), QRect(290, row(0), 110, kEditH));
  txtOraPartenza = edit(bkgViaggio, "txtOraPartenza", QRect(406, row(0), 70, kEditH));
  caption(bkgViaggio, QStringLiteral("Data rientro:"), QRect(6, row(1), kCapW, kEditH));
  txtDataRientro = edit(bkgViaggio, "txtDataRientro", QRect(kEditX, row(1), 104, kEditH));
  caption(bkgViaggio, QStringLiteral("Ora rientro:"), QRect(290, row(1), 110, kEditH));
  txtOraRientro = edit(bkgViaggio, "txtOraRientro", QRect(406, row(1), 70, kEditH));
  struct Wide {
    QLineEdit* TfrmServizi::*slot;
    const char* name;
    const char* caption;
    int width;
  };
  const Wide wide[] = {
      {&TfrmServizi::txtLuogo, "txtLuogo", "Luogo destinazione:", kEditW},
      {&TfrmServizi::txtItinerario, "txtItinerario", "Itinerario:", kEditW},
      {&TfrmServizi::txtScopo, "txtScopo", "Scopo del viaggio:", kEditW},
      {&TfrmServizi::txtVeicolo, "txtVeicolo", "Marca e modello veicolo:", kEditW - 30},
      {&TfrmServizi::txtTarga, "txtTarga", "Targa:", 150},
      {&TfrmServizi::txtConduttore, "txtConduttore", "Conduttore:", kEditW},
      {&TfrmServizi::txtSupplementare, "txtSupplementare", "Conduttore supplementare:", kEditW},
      {&TfrmServizi::txtPersone, "txtPersone", "Altre persone a bordo:", kEditW},
      {&TfrmServizi::txtTotViaggiatori, "txtTotViaggiatori", "Tot. viaggiatori:", 60},
      {&TfrmServizi::txtMerce, "txtMerce", "Merce trasportata:", kEditW},
  };
  for (int i = 0; i < static_cast<int>(std::size(wide)); ++i) {
    caption(bkgViaggio, QString::fromUtf8(wide[i].caption), QRect(6, row(i + 2), kCapW, kEditH));
    this->*wide[i].slot = edit(bkgViaggio, wide[i].name, QRect(kEditX, row(i + 2), wide[i].width, kEditH));
  }
  impVeicolo = new platform::PictureButton(bkgViaggio, QStringLiteral("impVeicolo"), QStringLiteral("◀"));
  impVeicolo->setGeometry(kEditX + kEditW - 24, row(5), 24, kEditH);
  setHint(impVeicolo, QStringLiteral("Importa i dati dal Parco Automezzi."));
  connect(impVeicolo, &platform::PictureButton::clicked, this, &TfrmServizi::impVeicoloClick);

  // The refuelling rows, a grid of five, and their totals.
  auto* bkgRifornimenti =
      new kit::CardPanel(panContainer_, QStringLiteral("bkgRifornimenti"), kit::kNotesTop, kit::kNotesBottom);
  bkgRifornimenti->setGeometry(506, 70, 500, 300);
  setHint(bkgRifornimenti, QString());
  auto* titRifornimenti =
      sectionStrip(bkgRifornimenti, QStringLiteral("titRifornimenti"), QStringLiteral("Rifornimenti di carburante"));
  titRifornimenti->setGeometry(1, 1, 498, 32);
  setHint(titRifornimenti, QString());
  icoInfo = new platform::PictureButton(titRifornimenti, QStringLiteral("icoInfo"), QStringLiteral("i"));
  icoInfo->setGeometry(330, 4, 24, 24);
  titInfo = new platform::PictureButton(titRifornimenti, QStringLiteral("titInfo"), QStringLiteral("Istruzioni per l'uso"));
  titInfo->setGeometry(358, 4, 134, 24);
  for (platform::PictureButton* b : {icoInfo, titInfo}) {
    setHint(b, QStringLiteral("Visualizza le istruzioni per l'uso su come calcolare i consumi di carburante."));
    connect(b, &platform::PictureButton::clicked, this, &TfrmServizi::icoInfoClick);
  }
  struct Column {
    const char* heading;
    int x, w;
  };
  const Column columns[] = {{"Data", 8, 92}, {"Ora", 104, 54}, {"Stazione di servizio", 162, 196},
                            {"Litri", 362, 52}, {"Importo", 418, 74}};
  for (const Column& c : columns)
    caption(bkgRifornimenti, QString::fromUtf8(c.heading), QRect(c.x, 40, c.w, 20), Qt::AlignHCenter);
  for (int r = 0; r < 5; ++r) {
    const int y = 64 + r * 32;
    const QString n = QStringLiteral("%1").arg(r + 1, 2, 10, QLatin1Char('0'));
    auto add = [&](const QString& stem, int c) {
      auto* e = new platform::FilteredEdit(bkgRifornimenti, stem + n);
      e->setGeometry(columns[c].x, y, columns[c].w, kEditH);
      return e;
    };
    txtDataRif[r] = add(QStringLiteral("txtDataRif"), 0);
    txtOraRif[r] = add(QStringLiteral("txtOraRif"), 1);
    txtStazione[r] = add(QStringLiteral("txtStazione"), 2);
    txtLitri[r] = add(QStringLiteral("txtLitri"), 3);
    txtImporto[r] = add(QStringLiteral("txtImporto"), 4);
  }
  btnCalcolaRif = platform::pushButton(bkgRifornimenti, QStringLiteral("btnCalcolaRif"), QStringLiteral("CALCOLA  >>"),
                                       QRect(162, 234, 196, 28));
  setHint(btnCalcolaRif, QStringLiteral("Calcola il totale dei litri di carburante e l'importo complessivo pagato per i "
                                        "rifornimenti effettuati."));
  connect(btnCalcolaRif, &QPushButton::clicked, this, &TfrmServizi::btnCalcolaRifClick);
  txtLitriTot = edit(bkgRifornimenti, "txtLitriTot", QRect(362, 236, 52, kEditH));
  txtImportoTot = edit(bkgRifornimenti, "txtImportoTot", QRect(418, 236, 74, kEditH));
  caption(bkgRifornimenti, QStringLiteral("Totali:"), QRect(8, 236, 148, kEditH));

  // The odometer and the distance driven.
  auto* bkgChilometri = new kit::CardPanel(panContainer_, QStringLiteral("bkgChilometri"));
  bkgChilometri->setGeometry(10, 510, 486, 166);
  setHint(bkgChilometri, QString());
  auto* titChilometri = sectionStrip(bkgChilometri, QStringLiteral("titChilometri"), QStringLiteral("Chilometri"));
  titChilometri->setGeometry(1, 1, 484, 32);
  setHint(titChilometri, QString());
  caption(bkgChilometri, QStringLiteral("Km alla partenza"), QRect(10, 48, 150, 20), Qt::AlignHCenter);
  caption(bkgChilometri, QStringLiteral("Km al rientro"), QRect(168, 48, 150, 20), Qt::AlignHCenter);
  caption(bkgChilometri, QStringLiteral("Km percorsi"), QRect(326, 48, 150, 20), Qt::AlignHCenter);
  txtKmPartenza = edit(bkgChilometri, "txtKmPartenza", QRect(10, 72, 150, kEditH));
  txtKmRientro = edit(bkgChilometri, "txtKmRientro", QRect(168, 72, 150, kEditH));
  txtKmPercorsi = edit(bkgChilometri, "txtKmPercorsi", QRect(326, 72, 150, kEditH));
  btnCalcolaKm = platform::pushButton(bkgChilometri, QStringLiteral("btnCalcolaKm"), QStringLiteral("CALCOLA"),
                                      QRect(168, 110, 150, 30));
  setHint(btnCalcolaKm, QStringLiteral("Calcola il totale dei chilometri percorsi."));
  connect(btnCalcolaKm, &QPushButton::clicked, this, &TfrmServizi::btnCalcolaKmClick);

  auto* bkgStato = new kit::CardPanel(panContainer_, QStringLiteral("bkgStato"), kit::kNotesTop, kit::kNotesBottom);
  bkgStato->setGeometry(506, 380, 500, 296);
  setHint(bkgStato, QString());
  chkInCorso = new QCheckBox(QStringLiteral("Viaggio in corso"), bkgStato);
  chkInCorso->setObjectName(QStringLiteral("chkInCorso"));
  chkInCorso->setGeometry(16, 14, 300, 26);
  QFont chkFont = chkInCorso->font();
  chkFont.setBold(true);
  chkFont.setPixelSize(15);
  chkInCorso->setFont(chkFont);
  setHint(chkInCorso, QStringLiteral("Spunta questa casella per annotare che il viaggio non è ancora terminato."));
  auto* note = caption(bkgStato,
                       QStringLiteral("Per un calcolo esatto dei consumi fare il pieno alla partenza, annotare ogni "
                                      "rifornimento e il pieno al rientro: il carburante consumato è la somma dei "
                                      "litri riforniti."),
                       QRect(16, 48, 468, 100), Qt::AlignLeft);
  note->setWordWrap(true);
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  for (QLineEdit* e : {txtDataPartenza, txtOraPartenza, txtDataRientro, txtOraRientro, txtTotViaggiatori})
    e->setAlignment(Qt::AlignCenter);
  for (int r = 0; r < 5; ++r) {
    txtDataRif[r]->setAlignment(Qt::AlignCenter);
    txtOraRif[r]->setAlignment(Qt::AlignCenter);
    txtLitri[r]->setAlignment(Qt::AlignCenter);
    txtImporto[r]->setAlignment(Qt::AlignRight);
  }
  txtLitriTot->setAlignment(Qt::AlignCenter);
  txtImportoTot->setAlignment(Qt::AlignRight);
  for (QLineEdit* e : {txtKmPartenza, txtKmRientro, txtKmPercorsi}) e->setAlignment(Qt::AlignCenter);
  // The totals are written in brown.
  for (QLineEdit* e : {txtLitriTot, txtImportoTot, txtKmPercorsi}) {
    QPalette p = e->palette();
    p.setColor(QPalette::Text, QColor(0xA5, 0x2A, 0x2A));
    e->setPalette(p);
  }

  // The attachments travel in hidden labels.
  buildAttachmentLabels(panContainer_);

  btnFocus = kit::focusSink(panContainer_);

  // Record order, the refuelling grid row by row.
  QLineEdit* ordered[TripRecord::kEditCount] = {
      txtDataPartenza, txtOraPartenza, txtDataRientro, txtOraRientro, txtLuogo,   txtItinerario, txtScopo,
      txtVeicolo,      txtTarga,       txtConduttore,  txtSupplementare, txtPersone, txtTotViaggiatori, txtMerce};
  std::size_t i = 14;
  for (int r = 0; r < 5; ++r)
    for (QLineEdit* e : {txtDataRif[r], txtOraRif[r], txtStazione[r], txtLitri[r], txtImporto[r]}) ordered[i++] = e;
  for (QLineEdit* e : {txtLitriTot, txtImportoTot, txtKmPartenza, txtKmRientro, txtKmPercorsi}) ordered[i++] = e;
  std::copy(std::begin(ordered), std::end(ordered), edits_.begin());

  // Tab: the trip, the refuelling rows and their button, the totals, the readings and
  // theirs, the distance, the flag.
  QWidget* tab[] = {txtDataPartenza, txtOraPartenza, txtDataRientro, txtOraRientro, txtLuogo, txtItinerario,
                    txtScopo, txtVeicolo, txtTarga, txtConduttore, txtSupplementare, txtPersone, txtTotViaggiatori,
                    txtMerce};
  QWidget* previous = nullptr;
  for (QWidget* w : tab) {
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
  for (int r = 0; r < 5; ++r)
    for (QWidget* w : {static_cast<QWidget*>(txtDataRif[r]), static_cast<QWidget*>(txtOraRif[r]),
                       static_cast<QWidget*>(txtStazione[r]), static_cast<QWidget*>(txtLitri[r]),
                       static_cast<QWidget*>(txtImporto[r])}) {
      setTabOrder(previous, w);
      previous = w;
    }
  for (QWidget* w : {static_cast<QWidget*>(btnCalcolaRif), static_cast<QWidget*>(txtLitriTot),
                     static_cast<QWidget*>(txtImportoTot), static_cast<QWidget*>(txtKmPartenza),
                     static_cast<QWidget*>(txtKmRientro), static_cast<QWidget*>(btnCalcolaKm),
                     static_cast<QWidget*>(txtKmPercorsi), static_cast<QWidget*>(chkInCorso),
                     static_cast<QWidget*>(btnFocus)}) {
    setTabOrder(previous, w);
    previous = w;
  }

  panInfo = kit::hintBar(*this, panContainer_, QStringLiteral("Pronto per archiviare una nuova scheda..."),
                         QRect(0, kHeight - 28, kWidth, 28));
}

void TfrmServizi::bindCard() {
  card_ = std::make_unique<kit::RecordCard>(*this, trips::tripLayout(), lblPosizione);
  card_->setArchive(trips::tripArchive());
  cardFields_ = new kit::CardFields(*this, *card_, fieldRows(),
                                {.openCalendar = [this](const QString& keyWord) { TfrmCalendario::open(this, keyWord); }});
  card_->bind("InCorso", chkInCorso);
  bindAttachments(*card_);

  // The totals are recomputed first, and change the screen even when Save is refused.
  card_->beforeSave = [this] {
    btnFocus->setFocus(Qt::OtherFocusReason);
    btnCalcolaRifClick();
    btnCalcolaKmClick();
  };
  card_->require(txtDataPartenza,
                 QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di partenza."));
  card_->require(txtVeicolo, QStringLiteral(
                                 "Attenzione: per salvare la scheda è necessario indicare la marca e il modello di veicolo."));
  card_->require(txtLuogo,
                 QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il luogo di destinazione."));
  card_->require(txtTarga, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la targa del veicolo."));
  card_->addCheck([this] { return totalsFit(); });

  card_->onNew = [this] {
    txtDataPartenza->setText(platform::formatDate(core::today()));
    txtOraPartenza->setText(platform::now().toString(QStringLiteral("HH:mm")));
  };
  card_->setFirstField(txtDataRientro);
  // A copy starts today, without attachments; every other text stays.
  card_->setDuplicateClears({lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03});
  card_->onDuplicate = [this] {
    txtDataPartenza->setText(platform::formatDate(core::today()));
    txtOraPartenza->setText(platform::now().toString(QStringLiteral("HH:mm")));
  };
  card_->setDuplicateFocus(txtDataRientro);
  card_->setAppendMessage(kit::RecordCard::AppendMessage::Inserita);
  card_->setAccessErrorKind(platform::MsgKind::Error);
}

QString TfrmServizi::totalTooLong(const QString& what, const QString& total, int width) {
  return QStringLiteral("Attenzione: %1 (%2) supera i %3 caratteri che l'archivio può contenere.\n\r\n\r"
                        "La scheda non è stata salvata: correggere i valori da cui è calcolato.")
      .arg(what, total, QString::number(width));
}

bool TfrmServizi::totalsFit() {
  // A total is never stored cut: a litre total of 499995 kept as 49999 would be a
  // wrong figure in every summary that reads it.
  struct Total {
    QLineEdit* edit;
    std::string_view field;
    const char* what;
  };
  const Total totals[] = {{txtLitriTot, "LitriTot", "il totale dei litri"},
                          {txtImportoTot, "ImportoTot", "l'importo totale"},
                          {txtKmPercorsi, "KmPercorsi", "il totale dei km percorsi"}};
  for (const Total& t : totals) {
    const QString value = platform::trim(t.edit->text());
    const int limit = trips::tripLayout().field(trips::tripField(t.field)).width;
    if (value.size() > limit) {
      platform::warning(totalTooLong(QString::fromUtf8(t.what), value, limit), this);
      return false;
    }
  }
  return true;
}

// ---- commands --------------------------------------------------------------------

void TfrmServizi::ClearTripCard() { card_->newCard(); }

void TfrmServizi::cmdDuplicaClick() { card_->duplicate(); }

const QString TfrmServizi::kListExplanation =
    QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
const QString TfrmServizi::kFindInstructions = QStringLiteral(
    "Digitare una o più parole consecutive della riga cercata e premere \"Trova\"; premere di nuovo \"Trova\" per "
    "passare alla riga successiva che contiene le stesse parole.");

kit::PickTarget TfrmServizi::pickTarget(const QString& keyWord) {
  kit::PickTarget card{.keyWord = keyWord, .window = QStringLiteral("TfrmServizi")};
  card.after = [](platform::Form& window, const core::RecordBuffer& record, std::size_t number) {
    if (auto* servizi = qobject_cast<TfrmServizi*>(&window)) servizi->loadCard(record, number);
  };
  return card;
}

void TfrmServizi::btnCalcolaRifClick() {
  std::vector<core::Text> litres, amounts;
  for (int r = 0; r < 5; ++r) {
    litres.push_back(platform::toCore(txtLitri[r]->text()));
    amounts.push_back(platform::toCore(txtImporto[r]->text()));
  }
  // A text that is not a number becomes its zero alone; the others are kept and summed.
  const core::ColumnSum a = core::sumColumn(amounts, core::TotalForm::Amount);
  const core::ColumnSum l = core::sumColumn(litres, core::TotalForm::Shortest);
  for (int r = 0; r < 5; ++r) {
    const QString amount = platform::fromCore(a.texts[static_cast<std::size_t>(r)]);
    const QString litre = platform::fromCore(l.texts[static_cast<std::size_t>(r)]);
    if (txtImporto[r]->text() != amount) txtImporto[r]->setText(amount);
    if (txtLitri[r]->text() != litre) txtLitri[r]->setText(litre);
  }
  txtImportoTot->setText(platform::fromCore(a.total));
  txtLitriTot->setText(platform::fromCore(l.total));
}

void TfrmServizi::btnCalcolaKmClick() {
  const core::ReadingDifference d =
      core::differenceOf(platform::toCore(txtKmPartenza->text()), platform::toCore(txtKmRientro->text()));
  if (txtKmPartenza->text() != platform::fromCore(d.from)) txtKmPartenza->setText(platform::fromCore(d.from));
  if (txtKmRientro->text() != platform::fromCore(d.to)) txtKmRientro->setText(platform::fromCore(d.to));
  txtKmPercorsi->setText(platform::fromCore(d.difference));
}

// The dialogs are owned by the card.
void TfrmServizi::cmdTrovaClick() { platform::openModal<TfrmTrovaServizi>(this, QStringLiteral("servizi")); }

void TfrmServizi::cmdInCorsoClick() { platform::openModal<TfrmInCorso>(this); }

void TfrmServizi::cmdEsportaClick() { platform::openModal<TfrmExpServizi>(this); }

void TfrmServizi::cmdStampaClick() { platform::openModal<TfrmStampaIstruttore>(this); }

void TfrmServizi::icoInfoClick() { platform::openModal<TfrmIstruzioni>(this); }

void TfrmServizi::cmdFileClick() { TfrmAllegaCartella::open(this, QStringLiteral("servizi")); }

void TfrmServizi::impVeicoloClick() { platform::openModal<TfrmTrovaAutomezzi>(this, QStringLiteral("servizi")); }

void TfrmServizi::cmdGuidaClick() {
  TfrmGuida::showHelp(this, QStringLiteral("App Registro Viaggi"), helpParagraphs());
}

void TfrmServizi::cmdEsciClick() { closeForm(); }

// ---- help --------------------------------------------------------------------------

QStringList TfrmServizi::helpParagraphs() {
  return {
      QStringLiteral(
          "L'app Registro Viaggi registra i viaggi di tutti i veicoli del parco automezzi, così da ottenere per "
          "ciascun veicolo i litri di carburante consumati, i costi dei rifornimenti e i chilometri percorsi in "
          "qualsiasi intervallo di tempo dell'anno selezionato."),
      QStringLiteral(
          "Per ogni viaggio si compila una scheda con la data e l'ora di partenza e di rientro, il luogo di "
          "destinazione, l'itinerario, lo scopo del viaggio, il veicolo, i conduttori, le altre persone a bordo, il "
          "numero totale dei viaggiatori e la merce trasportata."),
      QStringLiteral(
          "La marca, il modello e la targa del veicolo possono essere importati dall'archivio del Parco Automezzi "
          "con il pulsante a forma di freccia rossa accanto al campo del veicolo."),
      QStringLiteral(
          "Alla partenza e al rientro si legge il contachilometri e si annotano le due letture: il pulsante Calcola "
          "ricava i chilometri percorsi."),
      QStringLiteral(
          "Ogni rifornimento effettuato durante il viaggio si annota con la data, l'ora, la stazione di servizio, i "
          "litri e l'importo pagato."),
      QStringLiteral(
          "Per un conteggio esatto del carburante si fa il pieno alla partenza, senza annotarlo; si annota ogni "
          "rifornimento fatto durante il viaggio e, al rientro, si fa di nuovo il pieno e lo si annota."),
      QStringLiteral(
          "Il carburante consumato e il suo costo sono allora la somma dei litri e degli importi di tutti i "
          "rifornimenti, compreso il pieno fatto al rientro."),
      QStringLiteral(
          "Nei viaggi brevi, senza rifornimenti durante il percorso, il consumo è dato dal solo pieno fatto al "
          "rientro."),
      QStringLiteral(
          "La casella Viaggio in corso indica un viaggio non ancora terminato; il pulsante con l'automobile rossa "
          "visualizza l'elenco dei viaggi in corso."),
      QStringLiteral(
          "Per registrare un nuovo viaggio premere Nuovo, compilare la scheda e premere Salva. La data di partenza, "
          "il luogo di destinazione, la marca e il modello del veicolo e la targa sono obbligatori."),
      QStringLiteral(
          "Per aggiornare una scheda la si richiama con la ricerca o con le frecce di scorrimento, si apportano le "
          "modifiche e si preme Salva."),
      QStringLiteral(
          "La ricerca accetta chiavi parziali: si possono trovare, per esempio, tutti i viaggi di un conduttore, di "
          "un veicolo, verso una destinazione o con un certo tipo di merce."),
      QStringLiteral(
          "La funzione Duplica aiuta a registrare un viaggio molto simile a uno già in archivio: richiamare la "
          "scheda esistente, premere Duplica, modificare i dati che cambiano e premere Salva."),
      QStringLiteral(
          "A ogni scheda si possono allegare file esterni, per esempio la copia digitale del documento di "
          "trasporto."),
      QStringLiteral(
          "L'intero registro può essere esportato in un file di Microsoft Excel e ogni singola scheda può essere "
          "stampata."),
  };
}
