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

// Each distance and the cost take no more characters than their fields hold.
consteval int width(std::string_view field) {
  for (const core::FieldDef& f : MileageDeadlineRecord::fields)
    if (f.name == field) return f.width;
  throw std::logic_error("no such mileage field");  // at compile time: a misspelt field does not build
}

// The 21 edits in record order. Enter runs along them and stops at the three dates,
// where any key but Backspace and Delete opens the calendar; the plate and the tax
// code show capitals; the distances take digits, the cost digits and a comma, and
// both are normalised when left. Text fields take any length and are cut when stored.
const kit::CardField kFields[] = {
    {.control = "txtVeicolo", .field = "Veicolo", .next = "txtMarca", .mark = kit::highlight("effVeicolo")},
    {.control = "txtMarca", .field = "Marca", .next = "txtModello", .mark = kit::highlight("effMarca")},
    {.control = "txtModello", .field = "Modello", .next = "txtColore", .mark = kit::highlight("effModello")},
    {.control = "txtColore", .field = "Colore", .next = "txtAlimentazione", .mark = kit::highlight("effColore")},
    {.control = "txtAlimentazione", .field = "Alimentazione", .next = "txtTarga", .mark = kit::highlight("effAlimentazione")},
    {.control = "txtTarga", .field = "Targa", .next = "txtConducente", .typing = kit::Typing::TrimUpper,
     .mark = kit::highlight("effTarga")},
    {.control = "txtConducente", .field = "Conducente", .next = "txtCodFisc", .mark = kit::highlight("effConducente")},
    {.control = "txtCodFisc", .field = "CodFisc", .next = "txtRecapito", .typing = kit::Typing::TrimUpper,
     .mark = kit::highlight("effCodFisc")},
    {.control = "txtRecapito", .field = "Recapito", .next = "txtManutenzione", .mark = kit::highlight("effRecapito")},
    {.control = "txtManutenzione", .field = "Manutenzione", .next = "txtDettagli", .mark = kit::highlight("effManutenzione")},
    {.control = "txtDettagli", .field = "Dettagli", .next = "txtOfficina", .mark = kit::highlight("effDettagli")},
    {.control = "txtOfficina", .field = "Officina", .next = "txtCosto", .mark = kit::highlight("effOfficina")},
    {.control = "txtCosto", .field = "Costo", .maxLength = width("Costo"), .next = "txtDataInt",
     .keys = kit::Keys::DigitsComma, .leave = platform::normaliseAmount, .mark = kit::highlight("effCosto")},
    {.control = "txtDataInt", .field = "DataInt", .calendarKey = "dataint", .mark = kit::highlight("effDataInt"),
     .hint = kDateHint},
    {.control = "txtKmRil", .field = "KmRil", .maxLength = width("KmRil"), .next = "txtDataRil",
     .keys = kit::Keys::Digits, .leave = platform::normaliseKm, .mark = kit::highlight("effKmRil")},
    {.control = "txtDataRil", .field = "DataRil", .calendarKey = "dataril", .mark = kit::highlight("effDataRil"),
     .hint = kDateHint},
    {.control = "txtOgni", .field = "Ogni", .maxLength = width("Ogni"), .next = "txtProssima",
     .keys = kit::Keys::Digits, .leave = platform::normaliseKm, .mark = kit::highlight("effOgni")},
    {.control = "txtProssima", .field = "Prossima", .maxLength = width("Prossima"), .next = "txtKmAttuali",
     .keys = kit::Keys::Digits, .leave = platform::normaliseKm, .mark = kit::highlight("effProssima")},
    {.control = "txtKmAttuali", .field = "KmAttuali", .maxLength = width("KmAttuali"), .next = "txtDataAtt",
     .keys = kit::Keys::Digits, .leave = platform::normaliseKm, .mark = kit::highlight("effKmAttuali")},
    {.control = "txtDataAtt", .field = "DataAtt", .calendarKey = "dataatt", .mark = kit::highlight("effDataAtt"),
     .hint = kDateHint},
    {.control = "txtNote", .field = "Note", .next = "txtVeicolo", .mark = kit::highlight("effNote")},
};
constexpr std::size_t kEditCount = std::size(kFields);
static_assert(kEditCount == 21);

// Today as the date edits show it.
QString todayText() { return platform::formatDate(core::today()); }

// A picture of the card with its status hint and its handler.
using CommandPicture = kit::CommandPicture<TfrmChilometrico>;

// Where an edit sits: its panel, its row, and how wide the edit is.
struct FieldPlace {
  const char* caption;
  int panel;  // 0 vehicle, 1 driver, 2 maintenance, 3 readings, 4 notes
  int row;
  int editWidth;
};

constexpr FieldPlace kPlaces[kEditCount] = {
    {"Tipo veicolo:", 0, 0, 300},
    {"Marca:", 0, 1, 300},
    {"Modello:", 0, 2, 300},
    {"Colore:", 0, 3, 300},
    {"Alimentazione:", 0, 4, 300},
    {"Targa:", 0, 5, 160},
    {"Conduttore:", 1, 0, 270},
    {"Codice fiscale:", 1, 1, 200},
    {"Recapito preferenziale:", 1, 2, 300},
    {"Tipo manutenzione:", 2, 0, 300},
    {"Dettagli intervento:", 2, 1, 300},
    {"Officina incaricata:", 2, 2, 300},
    {"Costo intervento:", 2, 3, 120},
    {"Data intervento:", 2, 4, 120},
    {"Km iniziali:", 3, 0, 120},
    {"Data iniziale:", 3, 1, 120},
    {"Manutenzione ogni n.", 3, 2, 120},
    {"Scadenza a km:", 3, 3, 120},
    {"Km attuali:", 3, 4, 120},
    {"Data attuale:", 3, 5, 120},
    {"Note:", 4, 0, 300},
};

constexpr int kRowPitch = 30;
constexpr int kEditHeight = 24;
constexpr int kTop = 28;  // below a panel's title
constexpr int kCaptionX = 8, kCaptionW = 170, kEditX = 184;
constexpr int kPanelW = 493;

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
  using T = TfrmChilometrico;
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

  // Panels: vehicle and driver on the left, the maintenance and its readings on the
  // right, the notes below the driver.
  const QRect panelRects[] = {
      {10, 74, kPanelW, kTop + 6 * kRowPitch + 4},
      {10, 74 + kTop + 6 * kRowPitch + 14, kPanelW, kTop + 3 * kRowPitch + 4},
      {kWidth - 10 - kPanelW, 74, kPanelW, kTop + 5 * kRowPitch + 4},
      {kWidth - 10 - kPanelW, 74 + kTop + 5 * kRowPitch + 14, kPanelW, kTop + 7 * kRowPitch + 4},
      {10, 74 + 2 * kTop + 9 * kRowPitch + 28, kPanelW, kTop + 2 * kRowPitch + 4},
  };
  const char* panelNames[] = {"bkgVeicolo", "bkgConduttore", "bkgManutenzione", "bkgChilometri", "bkgNote"};
  const char* panelTitles[] = {"Veicolo", "Conduttore", "Manutenzione", "Chilometri e stato", "Note"};
  kit::CardPanel* panels[5];
  for (int i = 0; i < 5; ++i) {
    panels[i] = new kit::CardPanel(panContainer_, QString::fromLatin1(panelNames[i]));
    panels[i]->setTitle(QString::fromLatin1(panelTitles[i]), 4, 20);
    panels[i]->setGeometry(panelRects[i]);
    setHint(panels[i], QString());
  }

  QLineEdit** editSlots[kEditCount] = {
      &txtVeicolo,  &txtMarca,    &txtModello,   &txtColore,  &txtAlimentazione, &txtTarga,   &txtConducente,
      &txtCodFisc,  &txtRecapito, &txtManutenzione, &txtDettagli, &txtOfficina,  &txtCosto,   &txtDataInt,
      &txtKmRil,    &txtDataRil,  &txtOgni,      &txtProssima, &txtKmAttuali,   &txtDataAtt, &txtNote,
  };
  auto rowY = [](int row) { return kTop + row * kRowPitch; };
  for (std::size_t i = 0; i < kEditCount; ++i) {
    const FieldPlace& place = kPlaces[i];
    QWidget* panel = panels[place.panel];
    auto* caption = new QLabel(QString::fromUtf8(place.caption), panel);
    caption->setGeometry(kCaptionX, rowY(place.row), kCaptionW, kEditHeight);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The table gives each edit its behaviour (bindCard); here it only takes its place.
    auto* edit = new platform::FilteredEdit(panel, QString::fromLatin1(kFields[i].control));
    edit->setGeometry(kEditX, rowY(place.row), place.editWidth, kEditHeight);
    *editSlots[i] = edit;
  }
  for (QLineEdit* e : {txtCosto, txtKmRil, txtOgni, txtProssima, txtKmAttuali}) e->setAlignment(Qt::AlignRight);
  for (QLineEdit* e : {txtDataInt, txtDataRil, txtDataAtt}) e->setAlignment(Qt::AlignCenter);
  auto* lblKm = new QLabel(QStringLiteral("km"), panels[3]);
  lblKm->setGeometry(txtOgni->geometry().right() + 6, txtOgni->y(), 30, kEditHeight);

  // Beside the fields: today's dates, the driver picker, the tax-code check, the two
  // computations.
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
    addPicture(besideOf[i]->parentWidget(), beside[i], QRect(at.right() + 6, at.y(), 28, kEditHeight));
  }
  impConduttore->setStyleSheet(QStringLiteral("color: #C00000;"));

  auto addButton = [this](QLineEdit* beside, QPushButton*& slot, const char* name, const char* text,
                          const char* hint, void (TfrmChilometrico::*handler)()) {
    const QRect at = beside->geometry();
    slot = platform::pushButton(beside->parentWidget(), QString::fromLatin1(name), QString::fromUtf8(text),
                                QRect(at.right() + 6, at.y() - 1, 150, kEditHeight + 2));
    setHint(slot, QString::fromUtf8(hint));
    connect(slot, &QPushButton::clicked, this, handler);
  };
  addButton(txtDataRil, btnDataRil, "btnDataRil", "<< Data corrente", "Inserisci la data corrente.",
            &T::btnDataRilClick);
  addButton(txtProssima, btnCalcola, "btnCalcola", "<< Calcola",
            "Calcola il il limite chilometrico per la prossima manutenzione.", &T::btnCalcolaClick);

  // The state: a label that only the computations, a loaded record, New and Duplicate set.
  auto* lblStato = new QLabel(QStringLiteral("Stato manutenzione:"), panels[3]);
  lblStato->setGeometry(kCaptionX, rowY(6), kCaptionW, kEditHeight);
  lblStato->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  txtStato = new QLabel(panels[3]);
  txtStato->setObjectName(QStringLiteral("txtStato"));
  txtStato->setGeometry(kEditX, rowY(6), 120, kEditHeight);
  txtStato->setAlignment(Qt::AlignCenter);
  txtStato->setAutoFillBackground(true);
  QPalette statoPal = txtStato->palette();
  statoPal.setColor(QPalette::Window, Qt::black);
  statoPal.setColor(QPalette::WindowText, Qt::yellow);
  txtStato->setPalette(statoPal);
  QFont statoFont = txtStato->font();
  statoFont.setBold(true);
  txtStato->setFont(statoFont);
  {
    const QRect at = txtStato->geometry();
    btnControlla = platform::pushButton(panels[3], QStringLiteral("btnControlla"), QStringLiteral("<< Controlla"),
                                        QRect(at.right() + 6, at.y() - 1, 150, kEditHeight + 2));
    setHint(btnControlla, QStringLiteral("Controlla lo stato attuale della manutenzione."));
    connect(btnControlla, &QPushButton::clicked, this, &T::btnControllaClick);
  }

  chkEffettuata = new QCheckBox(QStringLiteral("Manutenzione effettuata"), panels[4]);
  chkEffettuata->setObjectName(QStringLiteral("chkEffettuata"));
  chkEffettuata->setGeometry(kEditX, rowY(1), 300, kEditHeight);
  setHint(chkEffettuata,
          QStringLiteral("Spunta questa casella per annotare che la manutenzione è stata effettuata."));

  // Record navigation, the position between the arrows, below the readings.
  const int navY = panelRects[3].bottom() + 14;
  const int navLeft = panelRects[3].left();
  const auto navigation = kit::navigationPictures<T>();
  const int navX[] = {navLeft + 8, navLeft + 64, navLeft + kPanelW - 116, navLeft + kPanelW - 60};
  for (int i = 0; i < 4; ++i) addPicture(panContainer_, navigation[i], QRect(navX[i], navY, 52, 36));
  lblPosizione = kit::positionLabel(panContainer_, QRect(navLeft + 120, navY, kPanelW - 240, 36));

  // Tab: record order, each button after the field it serves, then the notes and the box.
  QWidget* order[] = {txtVeicolo,  txtMarca,    txtModello,   txtColore, txtAlimentazione, txtTarga,
                      txtConducente, txtCodFisc, txtRecapito, txtManutenzione, txtDettagli, txtOfficina,
                      txtCosto,    txtDataInt,  txtKmRil,     txtDataRil, btnDataRil,     txtOgni,
                      txtProssima, btnCalcola,  txtKmAttuali, txtDataAtt, btnControlla,   txtNote,
                      chkEffettuata};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  panInfo = kit::hintBar(*this, panContainer_, QStringLiteral("Pronto per archiviare una nuova scheda..."),
                         QRect(0, kHeight - 28, kWidth, 28));
}

void TfrmChilometrico::bindCard() {
  card_ = std::make_unique<kit::RecordCard>(*this, maintenance::mileageLayout(), lblPosizione);
  card_->setArchive(maintenance::mileageArchive());
  cardFields_ = new kit::CardFields(*this, *card_, kFields,
                                {.openCalendar = [this](const QString& keyWord) { TfrmCalendario::open(this, keyWord); }});
  card_->bind("Stato", txtStato, kit::OnNew::set(QStringLiteral("VALIDA")));
  card_->bind("Effettuata", chkEffettuata);

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
  auto t = [](QWidget* w) { return platform::controlText(w); };
  const QString two = QStringLiteral("  ");
  return {
      QStringLiteral("SCHEDA SCADENZA CHILOMETRICA"),
      {
          {QStringLiteral("Tipo veicolo:"), t(txtVeicolo)},
          {QStringLiteral("Marca e modello:"), t(txtMarca) + QLatin1Char(' ') + t(txtModello)},
          {QStringLiteral("Colore:"), t(txtColore)},
          {QStringLiteral("Alimentazione:"), t(txtAlimentazione)},
          {QStringLiteral("Targa:"), t(txtTarga)},
          {QStringLiteral("Conduttore:"), t(txtConducente)},
          {QStringLiteral("Codice fiscale:"), t(txtCodFisc)},
          {QStringLiteral("Recapito preferenziale:"), t(txtRecapito)},
          {QStringLiteral("Tipo manutenzione:"), t(txtManutenzione)},
          {QStringLiteral("Dettagli intervento:"), t(txtDettagli)},
          {QStringLiteral("Officina incaricata:"), t(txtOfficina)},
          {QStringLiteral("Costo intervento:"), QStringLiteral("€ ") + t(txtCosto)},
          {QStringLiteral("Data intervento:"), t(txtDataInt)},
          {QStringLiteral("Km e data iniziali:"), t(txtKmRil) + two + t(txtDataRil)},
          {QStringLiteral("Frequenza manutenzione:"), QStringLiteral("Ogni ") + t(txtOgni) + QStringLiteral(" km")},
          {QStringLiteral("Prossima scadenza:"), QStringLiteral("A km ") + t(txtProssima)},
          {QStringLiteral("Km e data attuali:"), t(txtKmAttuali) + two + t(txtDataAtt)},
          {QStringLiteral("Stato manutenzione:"), t(txtStato)},
          {QStringLiteral("Note:"), t(txtNote)},
          {QStringLiteral("Manutenzione effettuata:"), chkEffettuata->isChecked() ? kit::msg::kYes : kit::msg::kNo},
      },
  };
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
