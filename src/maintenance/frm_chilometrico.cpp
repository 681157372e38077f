#include "maintenance/frm_chilometrico.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>
#include <string_view>

#include "core/clock.h"
#include "drivers/frm_trova_anagrafica.h"
#include "kit/card_fields.h"
#include "kit/card_frame.h"
#include "maintenance/frm_da_effettuare.h"
#include "maintenance/frm_effettuate.h"
#include "maintenance/frm_exp_chilometrico.h"
#include "maintenance/frm_scadute_km.h"
#include "maintenance/frm_trova_chilometrico.h"
#include "maintenance/mileage_archive.h"
#include "maintenance/mileage_record.h"
#include "maintenance/mileage_rules.h"
#include "platform/control_text.h"
#include "platform/dialogs.h"
#include "platform/edits.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"
#include "shell/frm_calendario.h"
#include "shell/frm_cod_fisc.h"
#include "shell/frm_guida.h"
#include "vehicles/frm_trova_automezzi.h"

using maintenance::MileageDeadlineRecord;

namespace {

constexpr int kWidth = 1016;
constexpr int kHeight = 600;

const QString kBadReadings = QStringLiteral(
    "Attenzione: valori non validi.\r\n\r\n"
    "Inserire correttamente il numero dei chilometri prima di premere il pulsante Calcola.");
const QString kBadDate = QStringLiteral(
    "Attenzione: la data indicata non esiste.\n\r\n\r"
    "Per poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/anno.");
const char* const kDateHint =
    "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.";

using T = TfrmChilometrico;

// The distances and the cost take no more characters than their fields hold; the text
// fields take any length and are cut when stored.
consteval int width(std::string_view field) { return core::fieldWidth(MileageDeadlineRecord::fields, field); }

// Today as the date edits show it.
QString todayText() { return platform::formatDate(core::today()); }

// A picture of the card with its status hint and its handler.
using CommandPicture = kit::CommandPicture<TfrmChilometrico>;

// Five panels with their titles: vehicle and driver on the left, the maintenance and its
// readings on the right, the notes below the driver. In each, rows 30 pixels apart
// below the title, a caption at the left of each control.
constexpr int kRowPitch = 30;
constexpr int kEditHeight = 24;
constexpr int kTop = 28;  // below a panel's title
constexpr int kPanelW = 493;
constexpr int kRight = kWidth - 10 - kPanelW;
constexpr int panelHeight(int rows) { return kTop + rows * kRowPitch + 4; }
kit::CardSection section(const char* name, const char* title, int x, int y, int rows) {
  return {.name = name, .at = {x, y, kPanelW, panelHeight(rows)}, .title = title, .titleTop = 4, .titleHeight = 20};
}
const kit::CardSection kSections[] = {
    section("bkgVeicolo", "Veicolo", 10, 74, 6),
    section("bkgConduttore", "Conduttore", 10, 74 + panelHeight(6) + 10, 3),
    section("bkgManutenzione", "Manutenzione", kRight, 74, 5),
    section("bkgChilometri", "Chilometri e stato", kRight, 74 + panelHeight(5) + 10, 7),
    section("bkgNote", "Note", 10, 74 + panelHeight(6) + panelHeight(3) + 20, 2),
};

constexpr int rowY(int row) { return kTop + row * kRowPitch; }
kit::Place at(const char* section, int row, const char* caption, int width, Qt::Alignment align = {}) {
  return {.section = section, .at = {184, rowY(row), width, kEditHeight},
          .caption = {caption, {8, rowY(row), 170, kEditHeight}}, .align = align};
}
kit::Place vehicle(int row, const char* caption, int width = 300) { return at("bkgVeicolo", row, caption, width); }
kit::Place driver(int row, const char* caption, int width) { return at("bkgConduttore", row, caption, width); }
kit::Place maintenance(int row, const char* caption, int width = 300, Qt::Alignment align = {}) {
  return at("bkgManutenzione", row, caption, width, align);
}
kit::Place reading(int row, const char* caption, Qt::Alignment align = Qt::AlignRight) {
  return at("bkgChilometri", row, caption, 120, align);
}
// A button at the right of the reading on `row`.
kit::CardField button(const char* control, kit::MemberSlot member, const char* text, const char* hint, int row) {
  return {.control = control, .member = member, .hint = hint, .widget = kit::Widget::Button, .text = text,
          .place = {.section = "bkgChilometri", .at = {184 + 120 + 5, rowY(row) - 1, 150, kEditHeight + 2}}};
}

// An edit that shows the yellow highlight.
kit::CardField edit(const char* control, kit::MemberSlot member, std::string_view field, kit::Place place,
                    kit::Typing typing = kit::Typing::None) {
  return {.control = control, .member = member, .field = field, .typing = typing, .mark = kit::highlight(),
          .place = place};
}
// A distance: digits, normalised when left.
kit::CardField distance(const char* control, kit::MemberSlot member, std::string_view field, int maxLength,
                        kit::Place place) {
  return {.control = control, .member = member, .field = field, .maxLength = maxLength, .keys = kit::Keys::Digits,
          .leave = platform::normaliseKm, .mark = kit::highlight(), .place = place};
}
// A date: read-only, any key but Backspace, Delete and Enter opens the calendar.
kit::CardField date(const char* control, kit::MemberSlot member, std::string_view field, const char* keyWord,
                    kit::Place place) {
  return {.control = control, .member = member, .field = field, .next = kit::kNoNext, .calendarKey = keyWord,
          .mark = kit::highlight(), .hint = kDateHint, .place = place};
}

// The card's controls in tab order, the 21 edits in record order among them, each
// button after the field it serves. Enter runs along the edits, wrapping from the notes
// to the vehicle, and stops at the three dates; the plate and the tax code show
// capitals; the distances take digits, the cost digits and a comma, and both are
// normalised when left.
const std::vector<kit::CardField> kFields = kit::joinRows({
    kit::vehicleRows<T>(kit::Typing::TrimUpper,
                        {vehicle(0, "Tipo veicolo:"), vehicle(1, "Marca:"), vehicle(2, "Modello:"),
                         vehicle(3, "Colore:"), vehicle(4, "Alimentazione:"), vehicle(5, "Targa:", 160)}),
    std::initializer_list<kit::CardField>{
        edit("txtConducente", kit::member<&T::txtConducente>, "Conducente", driver(0, "Conduttore:", 270)),
        edit("txtCodFisc", kit::member<&T::txtCodFisc>, "CodFisc", driver(1, "Codice fiscale:", 200),
             kit::Typing::TrimUpper),
        edit("txtRecapito", kit::member<&T::txtRecapito>, "Recapito", driver(2, "Recapito preferenziale:", 300)),
        edit("txtManutenzione", kit::member<&T::txtManutenzione>, "Manutenzione", maintenance(0, "Tipo manutenzione:")),
        edit("txtDettagli", kit::member<&T::txtDettagli>, "Dettagli", maintenance(1, "Dettagli intervento:")),
        edit("txtOfficina", kit::member<&T::txtOfficina>, "Officina", maintenance(2, "Officina incaricata:")),
        {.control = "txtCosto", .member = kit::member<&T::txtCosto>, .field = "Costo", .maxLength = width("Costo"),
         .keys = kit::Keys::DigitsComma, .leave = platform::normaliseAmount, .mark = kit::highlight(),
         .place = maintenance(3, "Costo intervento:", 120, Qt::AlignRight)},
        date("txtDataInt", kit::member<&T::txtDataInt>, "DataInt", "dataint",
             maintenance(4, "Data intervento:", 120, Qt::AlignCenter)),
        distance("txtKmRil", kit::member<&T::txtKmRil>, "KmRil", width("KmRil"),
                 reading(0, "Km iniziali:")),
        date("txtDataRil", kit::member<&T::txtDataRil>, "DataRil", "dataril",
             reading(1, "Data iniziale:", Qt::AlignCenter)),
        button("btnDataRil", kit::member<&T::btnDataRil>, "<< Data corrente", "Inserisci la data corrente.", 1),
        distance("txtOgni", kit::member<&T::txtOgni>, "Ogni", width("Ogni"),
                 reading(2, "Manutenzione ogni n.")),
        distance("txtProssima", kit::member<&T::txtProssima>, "Prossima", width("Prossima"),
                 reading(3, "Scadenza a km:")),
        button("btnCalcola", kit::member<&T::btnCalcola>, "<< Calcola",
               "Calcola il il limite chilometrico per la prossima manutenzione.", 3),
        distance("txtKmAttuali", kit::member<&T::txtKmAttuali>, "KmAttuali", width("KmAttuali"),
                 reading(4, "Km attuali:")),
        date("txtDataAtt", kit::member<&T::txtDataAtt>, "DataAtt", "dataatt",
             reading(5, "Data attuale:", Qt::AlignCenter)),
        // The state: a label that only the computations, a loaded record, New and
        // Duplicate set.
        {.control = "txtStato", .member = kit::member<&T::txtStato>, .field = "Stato", .widget = kit::Widget::Label,
         .newText = "VALIDA", .place = reading(6, "Stato manutenzione:", Qt::AlignCenter)},
        button("btnControlla", kit::member<&T::btnControlla>, "<< Controlla",
               "Controlla lo stato attuale della manutenzione.", 6),
        edit("txtNote", kit::member<&T::txtNote>, "Note", at("bkgNote", 0, "Note:", 300)),
        {.control = "chkEffettuata", .member = kit::member<&T::chkEffettuata>, .field = "Effettuata",
         .hint = "Spunta questa casella per annotare che la manutenzione è stata effettuata.",
         .widget = kit::Widget::Check, .text = "Manutenzione effettuata",
         .place = {.section = "bkgNote", .at = {184, rowY(1), 300, kEditHeight}}},
        {.control = "lblKm", .widget = kit::Widget::Label, .text = "km",
         .place = {.section = "bkgChilometri", .at = {184 + 120 + 5, rowY(2), 30, kEditHeight}}},
    },
});

}  // namespace

TfrmChilometrico::TfrmChilometrico(QWidget* owner)
    : kit::CardWindow(owner, QStringLiteral("TfrmChilometrico"),
                      QStringLiteral(" Velmora 4.0 - Scadenzario Chilometrico"), kWidth, kHeight) {
  buildControls();
  bindCard();
}

TfrmChilometrico::~TfrmChilometrico() = default;

void TfrmChilometrico::buildControls() {
  buildContainer(kWidth, kHeight);

  // The title strip across the top of the card.
  auto* header =
      new kit::TitleStrip(panContainer_, QStringLiteral("icoIntestazione"), QStringLiteral("Scadenzario Chilometrico"),
                          {.pixelSize = 20, .left = 14, .width = 220, .wordWrap = true});
  header->setGeometry(0, 0, kWidth, 64);
  setHint(header, QString());

  auto addPicture = [this](QWidget* parent, const CommandPicture& c, const QRect& geometry) {
    return kit::addPicture(*this, parent, c, geometry);
  };
  const CommandPicture commands[] = {
      {&T::cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.",
       &T::cmdNuovoClick},
      {&T::cmdDuplica, "cmdDuplica", "Duplica",
       "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.",
       &T::cmdDuplicaClick},
      {&T::cmdImporta, "cmdImporta", "Importa", "Importa i dati dal parco automezzi.", &T::cmdImportaClick},
      {&T::cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", &T::cmdSalvaClick},
      {&T::cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", &T::cmdTrovaClick},
      {&T::cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.", &T::cmdStampaClick},
      {&T::cmdEsporta, "cmdEsporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.",
       &T::cmdEsportaClick},
      {&T::cmdScadute, "cmdScadute", "Scadute",
       "Visualizza il riepilogo delle manutenzioni scadute e non ancora effettuate.", &T::cmdScaduteClick},
      {&T::cmdDaEffettuare, "cmdDaEffettuare", "Da fare",
       "Visualizza il riepilogo delle manutenzioni da effettuare, sia scadute che non.", &T::cmdDaEffettuareClick},
      {&T::cmdEffettuate, "cmdEffettuate", "Effettuate",
       "Visualizza il riepilogo storico delle manutenzioni effettuate.", &T::cmdEffettuateClick},
      {&T::cmdGuida, "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.",
       &T::cmdGuidaClick},
      {&T::cmdEsci, "cmdEsci", "Esci", "Esci dalla schermata di lavoro corrente.", &T::cmdEsciClick},
  };
  int x = 240;
  for (const CommandPicture& c : commands) {
    addPicture(panContainer_, c, QRect(x, 10, 62, 44));
    x += 64;
  }

  kit::buildSections(*this, panContainer_, kSections);

  // Record navigation, the position between the arrows, below the readings.
  const QRect readings = kSections[3].at;
  const int navY = readings.bottom() + 14;
  const int navLeft = readings.left();
  const auto navigation = kit::navigationPictures<T>();
  const int navX[] = {navLeft + 8, navLeft + 64, navLeft + kPanelW - 116, navLeft + kPanelW - 60};
  for (int i = 0; i < 4; ++i) addPicture(panContainer_, navigation[i], QRect(navX[i], navY, 52, 36));
  lblPosizione = kit::positionLabel(panContainer_, QRect(navLeft + 120, navY, kPanelW - 240, 36));

  panInfo = kit::hintBar(*this, panContainer_, QStringLiteral("Pronto per archiviare una nuova scheda..."),
                         QRect(0, kHeight - 28, kWidth, 28));
}

void TfrmChilometrico::bindCard() {
  card_ = std::make_unique<kit::RecordCard>(*this, maintenance::mileageLayout(), lblPosizione);
  card_->setArchive(maintenance::mileageArchive());
  cardFields_ =
      new kit::CardFields(*this, *card_, kFields,
                          {.openCalendar = [this](const QString& keyWord) { TfrmCalendario::open(this, keyWord); },
                           .enterFollowsRows = true});
  connect(btnDataRil, &QPushButton::clicked, this, &T::btnDataRilClick);
  connect(btnCalcola, &QPushButton::clicked, this, &T::btnCalcolaClick);
  connect(btnControlla, &QPushButton::clicked, this, &T::btnControllaClick);

  // Beside the fields: today's dates, the driver picker, the tax-code check.
  const CommandPicture beside[] = {
      {&T::impConduttore, "impConduttore", "➜", "Importa i dati dall'archivio dei conduttori.",
       &T::impConduttoreClick},
      {&T::btnCodFisc, "btnCodFisc", "✓", "Controlla il codice fiscale.", &T::btnCodFiscClick},
      {&T::impDataInt, "impDataInt", "◷", "Inserisci la data corrente.", &T::impDataIntClick},
      {&T::impDataAtt, "impDataAtt", "◷", "Inserisci la data corrente.", &T::impDataAttClick},
  };
  QLineEdit* besideOf[] = {txtConducente, txtCodFisc, txtDataInt, txtDataAtt};
  for (int i = 0; i < 4; ++i) {
    const QRect at = besideOf[i]->geometry();
    kit::addPicture(*this, besideOf[i]->parentWidget(), beside[i], QRect(at.right() + 6, at.y(), 28, kEditHeight));
  }
  impConduttore->setStyleSheet(QStringLiteral("color: #C00000;"));

  txtStato->setAutoFillBackground(true);
  QPalette statoPal = txtStato->palette();
  statoPal.setColor(QPalette::Window, Qt::black);
  statoPal.setColor(QPalette::WindowText, Qt::yellow);
  txtStato->setPalette(statoPal);
  QFont statoFont = txtStato->font();
  statoFont.setBold(true);
  txtStato->setFont(statoFont);

  const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
  card_->require(txtVeicolo, need + QStringLiteral("il tipo di veicolo."));
  card_->require(txtMarca, need + QStringLiteral("la marca del veicolo."));
  card_->require(txtModello, need + QStringLiteral("il modello del veicolo."));
  card_->require(txtTarga, need + QStringLiteral("il numero di targa del veicolo."));
  card_->require(txtManutenzione, need + QStringLiteral("il tipo di manutenzione da effettuare."));
  card_->require(txtDataRil, need + QStringLiteral("la data di rilevamento iniziale dei chilometri percorsi."));
  card_->addCheck([this] { return checkInitialDate(); });
  card_->addCheck([this] { return computeBeforeSave(); });

  card_->onNew = [this] {
    txtCosto->setText(QStringLiteral("0,00"));
    txtOgni->setText(QStringLiteral("0"));
    resetReadings();
  };
  card_->setFirstField(txtVeicolo);
  // A copy is the next deadline of the same maintenance: new readings and dates, the
  // same interval, vehicle, driver, maintenance, cost and notes.
  card_->setDuplicateClears({txtDataInt});
  card_->onDuplicate = [this] {
    resetReadings();
    calcola();
    controlla();
  };
  card_->setDuplicateFocus(txtKmRil);
  card_->setDuplicateOpensArchive(true);
  card_->setAppendMessage(kit::RecordCard::AppendMessage::Inserita);
  card_->setAccessErrorKind(platform::MsgKind::Warning);
  card_->setAccessErrorKind(kit::RecordCard::Command::Duplicate, platform::MsgKind::Error);
}

void TfrmChilometrico::resetReadings() {
  txtKmRil->setText(QStringLiteral("0"));
  txtDataRil->setText(todayText());
  txtProssima->setText(QStringLiteral("0"));
  txtKmAttuali->setText(QStringLiteral("0"));
  txtDataAtt->setText(todayText());
  txtStato->setText(QStringLiteral("VALIDA"));
  chkEffettuata->setChecked(false);
}

// ---- computations ------------------------------------------------------------------

bool TfrmChilometrico::calcola() {
  const maintenance::DueReading due =
      maintenance::computeDueReading(platform::toCore(txtKmRil->text()), platform::toCore(txtOgni->text()));
  if (!due.ok) platform::warning(kBadReadings, this);
  txtKmRil->setText(platform::fromCore(due.kmRil));
  txtOgni->setText(platform::fromCore(due.ogni));
  txtProssima->setText(platform::fromCore(due.prossima));
  if (!due.ok) txtKmRil->setFocus(Qt::OtherFocusReason);
  return due.ok;
}

bool TfrmChilometrico::controlla() {
  const bool computed = calcola();
  const maintenance::StateCheck state =
      maintenance::checkState(platform::toCore(txtProssima->text()), platform::toCore(txtKmAttuali->text()));
  if (!state.ok) platform::warning(kBadReadings, this);
  txtProssima->setText(platform::fromCore(state.prossima));
  txtKmAttuali->setText(platform::fromCore(state.kmAttuali));
  if (state.stato) txtStato->setText(platform::fromCore(*state.stato));
  if (!state.ok) txtKmAttuali->setFocus(Qt::OtherFocusReason);
  return computed && state.ok;
}

bool TfrmChilometrico::checkInitialDate() {
  if (platform::IsValidDateText(platform::trim(txtDataRil->text()))) return true;
  platform::warning(kBadDate, this);
  txtDataRil->setFocus(Qt::OtherFocusReason);
  return false;
}

bool TfrmChilometrico::computeBeforeSave() {
  if (platform::trim(txtCosto->text()).isEmpty()) txtCosto->setText(QStringLiteral("0,00"));
  // The state on screen is never trusted: both computations run on the readings as
  // they stand. A reading that is not a number stops the save after the warning, so
  // no record is written with readings the user did not type.
  return calcola() && controlla();
}

// ---- commands --------------------------------------------------------------------

void TfrmChilometrico::cmdDuplicaClick() { card_->duplicate(); }

void TfrmChilometrico::btnCalcolaClick() { calcola(); }
void TfrmChilometrico::btnControllaClick() { controlla(); }

void TfrmChilometrico::btnDataRilClick() { txtDataRil->setText(todayText()); }
void TfrmChilometrico::impDataIntClick() { txtDataInt->setText(todayText()); }
void TfrmChilometrico::impDataAttClick() { txtDataAtt->setText(todayText()); }

void TfrmChilometrico::cmdImportaClick() {
  platform::openModal<TfrmTrovaAutomezzi>(this, QStringLiteral("chilometrico"));
}

void TfrmChilometrico::impConduttoreClick() { TfrmTrovaAnagrafica::open(this, QStringLiteral("chilometrico")); }

void TfrmChilometrico::btnCodFiscClick() { TfrmCodFisc::openForCardCode(this, txtCodFisc->text()); }

void TfrmChilometrico::cmdTrovaClick() {
  platform::openModal<TfrmTrovaChilometrico>(this, QStringLiteral("chilometrico"));
}

void TfrmChilometrico::cmdScaduteClick() { platform::openModal<TfrmScaduteKm>(this); }

void TfrmChilometrico::cmdDaEffettuareClick() { platform::openModal<TfrmDaEffettuare>(this); }

void TfrmChilometrico::cmdEffettuateClick() { platform::openModal<TfrmEffettuate>(this); }

void TfrmChilometrico::cmdEsportaClick() { platform::openModal<TfrmExpChilometrico>(this); }

void TfrmChilometrico::cmdStampaClick() { kit::printCanvasCard(this, printedCard()); }

void TfrmChilometrico::cmdGuidaClick() {
  TfrmGuida::showHelp(this, QStringLiteral("App Scadenzario Chilometrico"), helpParagraphs());
}

void TfrmChilometrico::cmdEsciClick() { closeForm(); }

kit::CanvasCard TfrmChilometrico::printedCard() const {
  static const kit::CardPrintRow rows[] = {
      {.caption = "Tipo veicolo:", .memo = "txtVeicolo"},
      {.caption = "Marca e modello:", .memo = "txtMarca", .value = "{txtMarca} {txtModello}"},
      {.caption = "Colore:", .memo = "txtColore"},
      {.caption = "Alimentazione:", .memo = "txtAlimentazione"},
      {.caption = "Targa:", .memo = "txtTarga"},
      {.caption = "Conduttore:", .memo = "txtConducente"},
      {.caption = "Codice fiscale:", .memo = "txtCodFisc"},
      {.caption = "Recapito preferenziale:", .memo = "txtRecapito"},
      {.caption = "Tipo manutenzione:", .memo = "txtManutenzione"},
      {.caption = "Dettagli intervento:", .memo = "txtDettagli"},
      {.caption = "Officina incaricata:", .memo = "txtOfficina"},
      {.caption = "Costo intervento:", .memo = "txtCosto", .value = "€ {txtCosto}"},
      {.caption = "Data intervento:", .memo = "txtDataInt"},
      {.caption = "Km e data iniziali:", .memo = "txtKmRil", .value = "{txtKmRil}  {txtDataRil}"},
      {.caption = "Frequenza manutenzione:", .memo = "txtOgni", .value = "Ogni {txtOgni} km"},
      {.caption = "Prossima scadenza:", .memo = "txtProssima", .value = "A km {txtProssima}"},
      {.caption = "Km e data attuali:", .memo = "txtKmAttuali", .value = "{txtKmAttuali}  {txtDataAtt}"},
      {.caption = "Stato manutenzione:", .memo = "txtStato"},
      {.caption = "Note:", .memo = "txtNote"},
      {.caption = "Manutenzione effettuata:", .memo = "chkEffettuata"},
  };
  return kit::canvasCard(this, QStringLiteral("SCHEDA SCADENZA CHILOMETRICA"), rows);
}

// ---- help --------------------------------------------------------------------------

QStringList TfrmChilometrico::helpParagraphs() {
  return {
      QStringLiteral(
          "Lo scadenzario chilometrico registra le manutenzioni che scadono a una certa percorrenza anziché a una "
          "data: in qualsiasi momento confronta i chilometri percorsi da ciascun veicolo con il limite oltre il "
          "quale la manutenzione diventa necessaria."),
      QStringLiteral(
          "Per registrare una nuova scadenza premere \"Nuovo\" e indicare i dati del veicolo e del conduttore: si "
          "possono digitare oppure importare con \"Importa dati\" dall'archivio del parco automezzi e, con la "
          "freccia rossa, dall'archivio dei conduttori."),
      QStringLiteral(
          "Nella sezione della manutenzione si indicano il tipo, i dettagli dell'intervento, l'officina incaricata, "
          "le note e il costo previsto. La data dell'intervento si inserisce più tardi, a lavoro eseguito, insieme "
          "al costo definitivo."),
      QStringLiteral(
          "\"Km iniziali\" è la lettura del contachilometri al momento della registrazione: in una scheda nuova è "
          "uguale ai \"Km attuali\", così come la \"Data iniziale\" è uguale alla \"Data attuale\"."),
      QStringLiteral(
          "Indicare ogni quanti chilometri va eseguita la manutenzione e premere \"Calcola\": la scadenza è data dai "
          "chilometri iniziali più l'intervallo, ed è il limite massimo oltre il quale la manutenzione va eseguita."),
      QStringLiteral(
          "I chilometri attuali e la data attuale vanno aggiornati periodicamente, per esempio una volta al mese."),
      QStringLiteral(
          "Il modo più rapido per aggiornarli: aprire \"Da effettuare\", cercare la targa con \"Trova\", fare doppio "
          "clic sulla voce, digitare i nuovi chilometri attuali e la nuova data e premere \"Salva\"."),
      QStringLiteral(
          "Se al salvataggio i chilometri attuali superano la scadenza, lo \"Stato manutenzione\" diventa "
          "\"Scaduta\" e la scheda compare nel riepilogo delle manutenzioni scadute; spuntando \"Manutenzione "
          "effettuata\" e salvando, la scheda esce dal riepilogo."),
      QStringLiteral(
          "\"Scadute\" elenca le manutenzioni urgenti, già scadute e non ancora eseguite; \"Da effettuare\" elenca "
          "tutte le manutenzioni non ancora eseguite, scadute o no."),
      QStringLiteral(
          "Dopo aver segnato come effettuata una manutenzione, premere \"Duplica\", indicare le nuove date e i nuovi "
          "chilometri e premere \"Salva\" per registrare la scadenza successiva."),
      QStringLiteral(
          "\"Effettuate\" è lo storico dei lavori eseguiti e può essere stampato."),
      QStringLiteral(
          "\"Trova\" cerca qualsiasi scheda con uno o più filtri insieme, per esempio tutti gli interventi di "
          "un'officina su un tipo di veicolo."),
      QStringLiteral(
          "Ogni scheda può essere stampata e l'intero archivio può essere esportato in un file di Microsoft Excel."),
  };
}
