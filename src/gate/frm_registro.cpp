#include "gate/frm_registro.h"

#include <QLabel>
#include <QLineEdit>
#include <string_view>
#include <vector>

#include "gate/frm_entrati_oggi.h"
#include "gate/frm_exp_visite.h"
#include "gate/frm_non_usciti.h"
#include "gate/frm_stampa_visita.h"
#include "gate/frm_trova_visite.h"
#include "gate/frm_usciti_oggi.h"
#include "gate/visit_record.h"
#include "kit/card_fields.h"
#include "kit/card_frame.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/edits.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"
#include "shell/frm_calendario.h"
#include "shell/frm_guida.h"
#include "vehicles/frm_trova_automezzi.h"

namespace {

constexpr int kWidth = 1016;
constexpr int kHeight = 713;

using T = TfrmRegistro;

constexpr const char* kDateHint =
    "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.";

// The three framed sections at the right of the command column: the entry, the vehicle
// and the exit, each under its title strip.
constexpr int kSectionX = 220;
constexpr int kSectionW = kWidth - kSectionX - 10;
constexpr int kStrip = 32;
constexpr int kEditH = 26;
constexpr int kRowPitch = 36;
constexpr int kVehicleRows = 10;
const kit::CardSection kSections[] = {
    {.name = "bkgIngresso", .at = {kSectionX, 60, kSectionW, 84}, .title = "Ingresso", .strip = "titIngresso"},
    {.name = "bkgVeicolo",
     .at = {kSectionX, 152, kSectionW, kStrip + 12 + kVehicleRows * kRowPitch},
     .title = "Veicolo",
     .strip = "titVeicolo"},
    {.name = "bkgUscita",
     .at = {kSectionX, 152 + kStrip + 12 + kVehicleRows * kRowPitch + 8, kSectionW, 84},
     .title = "Uscita",
     .strip = "titUscita"},
};

// ---- where the fields stand ----------------------------------------------------------

// The entry and exit sections hold one row: the date (its today picture beside it), the
// time (its now picture beside it) and the operator, each after its caption.
constexpr int kMomentY = kStrip + 12;
kit::Place momentDate(const char* section) {
  return {.section = section, .at = {64, kMomentY, 112, kEditH}, .caption = {"Data:", {8, kMomentY, 52, kEditH}},
          .align = Qt::AlignCenter};
}
kit::Place momentTime(const char* section) {
  return {.section = section, .at = {282, kMomentY, 70, kEditH}, .caption = {"Ora:", {230, kMomentY, 48, kEditH}},
          .align = Qt::AlignCenter};
}
kit::Place momentOperator(const char* section) {
  return {.section = section, .at = {560, kMomentY, kSectionW - 570, kEditH},
          .caption = {"Registrato da:", {430, kMomentY, 126, kEditH}}};
}
// The vehicle section: a caption at the left of each edit, a row each.
kit::Place vehicle(int row, const char* caption, int width) {
  const int y = kStrip + 12 + row * kRowPitch;
  return {.section = "bkgVeicolo", .at = {232, y, width, kEditH}, .caption = {caption, {8, y, 218, kEditH}}};
}

// ---- the kinds of row ----------------------------------------------------------------

// An edit of the card, its yellow highlight (eff + its field) behind it while focused.
kit::CardField text(const char* control, kit::MemberSlot member, std::string_view field, kit::Place place) {
  return {.control = control, .member = member, .field = field, .mark = kit::highlight(), .place = place};
}
// A read-only date filled from the calendar, which any key but Backspace and Delete
// opens, Enter too: the Enter chain stops there.
kit::CardField date(const char* control, kit::MemberSlot member, std::string_view field, const char* keyWord,
                    kit::Place place) {
  return {.control = control, .member = member, .field = field, .next = kit::kNoNext, .calendarKey = keyWord,
          .mark = kit::highlight(), .hint = kDateHint, .place = place};
}

// The 16 edits in record order, which is also the tab order and the Enter chain
// (wrapping from the exit operator to the entry date).
const std::vector<kit::CardField>& fieldRows() {
  static const std::vector<kit::CardField> rows = {
      date("txtDataEnt", kit::member<&T::txtDataEnt>, "DataEnt", "dataent", momentDate("bkgIngresso")),
      text("txtOraEnt", kit::member<&T::txtOraEnt>, "OraEnt", momentTime("bkgIngresso")),
      text("txtOperatoreEnt", kit::member<&T::txtOperatoreEnt>, "OperatoreEnt", momentOperator("bkgIngresso")),
      text("txtVeicolo", kit::member<&T::txtVeicolo>, "Veicolo", vehicle(0, "Marca e modello veicolo:", 500)),
      {.control = "txtTarga",
       .member = kit::member<&T::txtTarga>,
       .field = "Targa",
       .typing = kit::Typing::TrimUpper,
       .mark = kit::highlight(),
       .place = vehicle(1, "Targa:", 200)},
      text("txtConduttore", kit::member<&T::txtConduttore>, "Conduttore", vehicle(2, "Conduttore:", 500)),
      text("txtPersone", kit::member<&T::txtPersone>, "Persone", vehicle(3, "Altre persone a bordo:", 540)),
      text("txtMerce", kit::member<&T::txtMerce>, "Merce", vehicle(4, "Merce trasportata:", 540)),
      text("txtFoglio", kit::member<&T::txtFoglio>, "Foglio", vehicle(5, "Foglio di marcia:", 300)),
      text("txtTessere", kit::member<&T::txtTessere>, "Tessere", vehicle(6, "Tessere:", 540)),
      text("txtLuogo", kit::member<&T::txtLuogo>, "Luogo", vehicle(7, "Luogo destinazione:", 540)),
      text("txtTelCel", kit::member<&T::txtTelCel>, "TelCel", vehicle(8, "Cellulare:", 300)),
      text("txtNote", kit::member<&T::txtNote>, "Note", vehicle(9, "Note:", 540)),
      date("txtDataUsc", kit::member<&T::txtDataUsc>, "DataUsc", "datausc", momentDate("bkgUscita")),
      text("txtOraUsc", kit::member<&T::txtOraUsc>, "OraUsc", momentTime("bkgUscita")),
      text("txtOperatoreUsc", kit::member<&T::txtOperatoreUsc>, "OperatoreUsc", momentOperator("bkgUscita")),
  };
  return rows;
}

using CommandPicture = kit::CommandPicture<TfrmRegistro>;

const QString kDateMissing = QStringLiteral(
    "\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/aaaa.");
const QString kBothOrNeither = QStringLiteral(
    "\n\r\n\rPer poter salvare la scheda è necessario o compilare o lasciare in bianco entrambi i campi di testo.");

}  // namespace

const QString TfrmRegistro::kHelpTitle = QStringLiteral("App Ingressi e Uscite Veicoli");
const QString TfrmRegistro::kListExplanation =
    QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
const QString TfrmRegistro::kFindInstructions = QStringLiteral(
    "Digitare una o più parole consecutive contenute in una voce dell'elenco e premere \"Trova\"; premere di nuovo "
    "\"Trova\" per passare alla voce successiva che contiene lo stesso testo.");

TfrmRegistro::TfrmRegistro(QWidget* owner)
    : kit::CardWindow(owner, QStringLiteral("TfrmRegistro"), QStringLiteral(" Velmora 4.0 - Ingressi e Uscite Veicoli"),
                      kWidth, kHeight) {
  buildControls();
  bindCard();
}

TfrmRegistro::~TfrmRegistro() = default;

void TfrmRegistro::buildControls() {
  buildContainer(kWidth, kHeight);

  auto* header = new kit::TitleStrip(panContainer_, QStringLiteral("icoIntestazione"),
                                     QStringLiteral("Ingressi e Uscite Veicoli"), {.pixelSize = 22, .left = 14});
  header->setGeometry(0, 0, kWidth, 50);
  setHint(header, QString());

  kit::buildSections(*this, panContainer_, kSections);

  // The command column at the left: the record box (the arrows around the position),
  // then the commands in their groups.
  const auto navigation = kit::navigationPictures<T>();
  const int navY = 60, arrowW = 38, navH = 36;
  const int navX[] = {10, 10 + arrowW + 2, 10 + 200 - 2 * arrowW - 2, 10 + 200 - arrowW};
  for (int i = 0; i < 4; ++i) kit::addPicture(*this, panContainer_, navigation[i], QRect(navX[i], navY, arrowW, navH));
  lblPosizione = kit::positionLabel(panContainer_, QRect(navX[1] + arrowW, navY, navX[2] - navX[1] - arrowW, navH));
  setHint(lblPosizione, QString());

  const std::vector<std::vector<CommandPicture>> groups = {
      {{&T::cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.",
        &T::cmdNuovoClick},
       {&T::cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", &T::cmdSalvaClick},
       {&T::cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", &T::cmdTrovaClick},
       {&T::cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.", &T::cmdStampaClick}},
      {{&T::cmdNonUsciti, "cmdNonUsciti", "Veicoli non usciti", "Visualizza l'elenco dei veicoli non ancora usciti.",
        &T::cmdNonUscitiClick},
       {&T::cmdEntratiOggi, "cmdEntratiOggi", "Entrati oggi", "Visualizza l'elenco dei veicoli entrati oggi.",
        &T::cmdEntratiOggiClick},
       {&T::cmdUscitiOggi, "cmdUscitiOggi", "Usciti oggi", "Visualizza l'elenco dei veicoli usciti oggi.",
        &T::cmdUscitiOggiClick}},
      {{&T::cmdExcel, "cmdExcel", "Esporta in Excel", "Esporta le schede in archivio in un file di Microsoft Excel.",
        &T::cmdExcelClick}},
      {{&T::cmdGuida, "cmdGuida", "Guida", "Visualizza la guida in linea.", &T::cmdGuidaClick},
       {&T::cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata di lavoro.", &T::cmdEsciClick}},
  };
  int y = navY + navH + 12;
  for (const auto& group : groups) {
    for (const CommandPicture& c : group) {
      kit::addPicture(*this, panContainer_, c, QRect(10, y, 200, 38));
      y += 42;
    }
    y += 14;
  }

  lblFile = platform::namedLabel(panContainer_, QStringLiteral("lblFile"), QString(), QRect());
  lblFile->setVisible(false);

  panInfo = kit::hintBar(*this, panContainer_, QStringLiteral("Pronto per archiviare una nuova scheda..."),
                         QRect(0, kHeight - 28, kWidth, 28), kit::HintBarLook::WhiteOnBlue);
  setHint(panInfo, QString());
}

void TfrmRegistro::bindCard() {
  card_ = std::make_unique<kit::RecordCard>(*this, gate::visitLayout(), lblPosizione);
  card_->setArchive(kit::ArchiveSource::fromControl(lblFile));
  QFont editFont(QStringLiteral("Verdana"));
  editFont.setBold(true);
  editFont.setPixelSize(15);
  cardFields_ = new kit::CardFields(
      *this, *card_, fieldRows(),
      {.openCalendar = [this](const QString& keyWord) { TfrmCalendario::open(this, keyWord); },
       .enterFollowsRows = true,
       .limitToFields = true,
       .font = editFont});
  const std::vector<platform::FilteredEdit*> edits = cardFields_->edits();
  std::copy(edits.begin(), edits.end(), edits_.begin());

  // The pictures beside their edits: today beside each date, now beside each time, the
  // vehicle picker beside the plate.
  const CommandPicture beside[] = {
      {&T::impDataEnt, "impDataEnt", "Oggi", "Inserisci data corrente.", &T::impDataEntClick},
      {&T::impOraEnt, "impOraEnt", "Ora", "Inserisci ora corrente.", &T::impOraEntClick},
      {&T::impVeicolo, "impVeicolo", "◀", "Importa i dati dal Parco Automezzi.", &T::impVeicoloClick},
      {&T::impDataUsc, "impDataUsc", "Oggi", "Inserisci data corrente.", &T::impDataUscClick},
      {&T::impOraUscita, "impOraUscita", "Ora", "Inserisci ora corrente.", &T::impOraUscitaClick},
  };
  QLineEdit* besideOf[] = {txtDataEnt, txtOraEnt, txtTarga, txtDataUsc, txtOraUsc};
  for (std::size_t i = 0; i < std::size(beside); ++i) {
    const QRect at = besideOf[i]->geometry();
    const int width = besideOf[i] == txtTarga ? 30 : 48;
    kit::addPicture(*this, besideOf[i]->parentWidget(), beside[i], QRect(at.right() + 5, at.y(), width, at.height()));
  }

  // Save: the required fields and the checks of the dates, in this order.
  const QString required = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
  card_->require(txtDataEnt, required + QStringLiteral("la data d'ingresso."));
  card_->addCheck([this] { return entryDateExists(); });
  card_->require(txtOraEnt, required + QStringLiteral("l'ora d'ingresso."));
  card_->require(txtVeicolo, required + QStringLiteral("la marca e il modello del veicolo."));
  card_->require(txtTarga, required + QStringLiteral("la targa del veicolo."));
  card_->addCheck([this] { return exitDateExists(); });
  card_->addCheck([this] { return exitDateAndTimeTogether(); });

  card_->onNew = [this] {
    txtDataEnt->setText(platform::todayText());
    txtOraEnt->setText(platform::nowText());
  };
  card_->setFirstField(txtOperatoreEnt);
  card_->setAppendMessage(kit::RecordCard::AppendMessage::Inserita);
  card_->setAccessErrorKind(platform::MsgKind::Error);
}

// ---- Save's checks -------------------------------------------------------------------

// The dates are read as dd/mm/yyyy with "/", whatever the system's date separator, so
// the card's own today always passes.
bool TfrmRegistro::entryDateExists() {
  if (platform::IsValidDateText(txtDataEnt->text())) return true;
  platform::plainMessage(QStringLiteral("Attenzione: la data d'ingresso ") + platform::trim(txtDataEnt->text()) +
                             QStringLiteral(" non esiste.") + kDateMissing,
                         this);
  txtDataEnt->setFocus(Qt::OtherFocusReason);
  return false;
}

bool TfrmRegistro::exitDateExists() {
  const QString exit = platform::trim(txtDataUsc->text());
  if (exit.isEmpty() || platform::IsValidDateText(txtDataUsc->text())) return true;
  platform::plainMessage(QStringLiteral("Attenzione: la data d'uscita ") + exit + QStringLiteral(" non esiste.") +
                             kDateMissing,
                         this);
  txtDataUsc->setFocus(Qt::OtherFocusReason);
  return false;
}

// The exit time is never tested, only whether it stands with its date.
bool TfrmRegistro::exitDateAndTimeTogether() {
  const bool date = !platform::trim(txtDataUsc->text()).isEmpty();
  const bool time = !platform::trim(txtOraUsc->text()).isEmpty();
  if (date == time) return true;
  platform::plainMessage(date ? QStringLiteral("Attenzione: è stata indicata la data d'uscita ma non l'ora.") +
                                    kBothOrNeither
                              : QStringLiteral("Attenzione: è stata indicata l'ora d'uscita ma non la data.") +
                                    kBothOrNeither,
                         this);
  // Also where the time is missing, the focus goes to the exit date.
  txtDataUsc->setFocus(Qt::OtherFocusReason);
  return false;
}

// ---- the year ------------------------------------------------------------------------

void TfrmRegistro::openYear(const QString& year) {
  lblFile->setText(platform::exePath(year + QString::fromLatin1(gate::VisitRecord::kExtension.data(),
                                                                qsizetype(gate::VisitRecord::kExtension.size()))));
  setWindowTitle(QStringLiteral(" Velmora 4.0 - Ingresso e Uscite Veicoli anno ") + year);
}

kit::ArchiveSource TfrmRegistro::gateArchive() {
  QLabel* file = nullptr;
  if (platform::Form* card = platform::findWindow(QStringLiteral("TfrmRegistro")))
    file = card->findChild<QLabel*>(QStringLiteral("lblFile"));
  return kit::ArchiveSource::fromControl(file, &gate::visitLayout());
}

kit::PickTarget TfrmRegistro::pickTarget(const QString& keyWord) {
  kit::PickTarget card{.keyWord = keyWord, .window = QStringLiteral("TfrmRegistro")};
  card.after = [](platform::Form& window, const core::RecordBuffer& record, std::size_t number) {
    if (auto* registro = qobject_cast<TfrmRegistro*>(&window)) registro->loadCard(record, number);
  };
  return card;
}

// ---- commands --------------------------------------------------------------------------

// The pictures fill their edit and leave the focus where it is.
void TfrmRegistro::impDataEntClick() { txtDataEnt->setText(platform::todayText()); }
void TfrmRegistro::impDataUscClick() { txtDataUsc->setText(platform::todayText()); }
void TfrmRegistro::impOraEntClick() { txtOraEnt->setText(platform::nowText()); }
void TfrmRegistro::impOraUscitaClick() { txtOraUsc->setText(platform::nowText()); }

// The dialogs are owned by the card; what they give back they write into its controls.
void TfrmRegistro::impVeicoloClick() { platform::openModal<TfrmTrovaAutomezzi>(this, QStringLiteral("registro")); }
void TfrmRegistro::cmdTrovaClick() { platform::openModal<TfrmTrovaVisite>(this, QStringLiteral("registro")); }
void TfrmRegistro::cmdStampaClick() { platform::openModal<TfrmStampaVisita>(this); }
void TfrmRegistro::cmdNonUscitiClick() { platform::openModal<TfrmNonUsciti>(this); }
void TfrmRegistro::cmdEntratiOggiClick() { platform::openModal<TfrmEntratiOggi>(this); }
void TfrmRegistro::cmdUscitiOggiClick() { platform::openModal<TfrmUscitiOggi>(this); }
void TfrmRegistro::cmdExcelClick() { platform::openModal<TfrmExpVisite>(this); }

void TfrmRegistro::cmdGuidaClick() { TfrmGuida::showHelp(this, kHelpTitle, helpParagraphs()); }

void TfrmRegistro::cmdEsciClick() { closeForm(); }

// ---- help ------------------------------------------------------------------------------

QStringList TfrmRegistro::helpParagraphs() {
  return {
      QStringLiteral(
          "L'app Ingressi e Uscite Veicoli è studiata per gestire le schede da compilarsi a cura del personale di "
          "servizio alla porta carraia, al passaggio dei veicoli dei visitatori o dei veicoli aziendali. Ogni scheda "
          "registra la data e l'ora d'ingresso e d'uscita, la marca, il modello e la targa del veicolo, il conduttore "
          "e le altre persone a bordo, la merce trasportata, il foglio di marcia, le tessere consegnate ai "
          "visitatori, il luogo di destinazione, il numero di cellulare, l'operatore che ha registrato il passaggio "
          "e le note."),
      QStringLiteral(
          "Per inserire una nuova scheda in archivio bisogna selezionare un anno solare, premere il pulsante Nuovo, "
          "compilare la scheda e premere Salva. La data e l'ora d'ingresso, la marca e il modello del veicolo e la "
          "targa sono obbligatori. Il pulsante a forma di freccia rossa accanto alla targa importa il veicolo e il "
          "conduttore dall'archivio del Parco Automezzi."),
      QStringLiteral(
          "Quando i visitatori stanno per lasciare la sede, l'operatore richiama la scheda dall'elenco dei veicoli non "
          "ancora usciti con un doppio clic, indica la data e l'ora d'uscita e preme Salva."),
      QStringLiteral(
          "La funzione Trova permette di ottenere riepiloghi personalizzati combinando uno o più filtri: la data "
          "d'ingresso o d'uscita, la marca e il modello, la targa, il conduttore o le altre persone a bordo, il "
          "foglio di marcia, la merce trasportata, il luogo di destinazione e le note."),
      QStringLiteral(
          "Si può richiamare una scheda anche utilizzando le frecce di scorrimento, che visualizzano la prima, la "
          "precedente, la successiva o l'ultima scheda in archivio."),
      QStringLiteral(
          "La scheda di rilevazione dell'ingresso e dell'uscita del veicolo può essere stampata in duplice copia su "
          "un unico foglio A4, una delle quali da consegnare al conduttore. L'intero registro può essere esportato in "
          "un file di Microsoft Excel; sono inoltre disponibili gli elenchi dei veicoli non ancora usciti e dei "
          "veicoli entrati e usciti nella giornata odierna."),
  };
}
