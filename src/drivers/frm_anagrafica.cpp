#include "drivers/frm_anagrafica.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <span>
#include <stdexcept>
#include <string_view>

#include "core/mail_link.h"
#include "drivers/driver_archive.h"
#include "drivers/frm_exp_anagrafica.h"
#include "drivers/frm_ferie.h"
#include "drivers/frm_servizio.h"
#include "drivers/frm_stampa_conduttore.h"
#include "drivers/frm_trasferte.h"
#include "drivers/frm_trova_anagrafica.h"
#include "kit/card_fields.h"
#include "kit/card_frame.h"
#include "platform/edits.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"
#include "shell/frm_allega_cartella.h"
#include "shell/frm_carta.h"
#include "shell/frm_cod_fisc.h"
#include "shell/frm_guida.h"
#include "shell/frm_iban.h"
#include "shell/frm_partita_iva.h"
#include "shell/misc.h"
#include "vehicles/frm_trova_automezzi.h"

using drivers::DriverRecord;

namespace {

constexpr int kWidth = 1016;
constexpr int kHeight = 713;

// The province codes, a help for typing: any code of up to two characters is kept.
constexpr const char* kProvinces[] = {
    "AG", "AL", "AN", "AO", "AP", "AQ", "AR", "AT", "AV", "BA", "BG", "BI", "BL", "BN", "BO", "BR", "BS", "BT", "BZ",
    "CA", "CB", "CE", "CH", "CI", "CL", "CN", "CO", "CR", "CS", "CT", "CZ", "EE", "EN", "FC", "FE", "FG", "FI", "FM",
    "FO", "FR", "GE", "GO", "GR", "IM", "IS", "KR", "LC", "LE", "LI", "LO", "LT", "LU", "MB", "MC", "MD", "ME", "MI",
    "MN", "MO", "MS", "MT", "NA", "NO", "NU", "OG", "OR", "OT", "PA", "PC", "PD", "PE", "PG", "PI", "PN", "PO", "PR",
    "PT", "PU", "PV", "PZ", "RA", "RC", "RE", "RG", "RI", "RM", "RN", "RO", "SA", "SI", "SO", "SP", "SR", "SS", "SV",
    "TA", "TE", "TN", "TO", "TP", "TR", "TS", "TV", "UD", "VA", "VB", "VC", "VE", "VI", "VR", "VT", "VV",
};
static_assert(std::size(kProvinces) == 112);

using T = TfrmAnagrafica;

// Five sections stacked down the left of the card, each with its title and rows of
// fields, a caption above each field; a section is as high as its rows.
constexpr int kCaptionHeight = 16;
constexpr int kEditHeight = 24;
constexpr int kRowHeight = kCaptionHeight + kEditHeight + 4;
constexpr int kSectionTitle = 20;
constexpr int sectionHeight(int rows) { return kSectionTitle + 4 + rows * kRowHeight; }
constexpr int kSectionTop[] = {58, 58 + sectionHeight(3) + 4, 58 + sectionHeight(3) + sectionHeight(2) + 8,
                               58 + sectionHeight(3) + 2 * sectionHeight(2) + 12,
                               58 + sectionHeight(3) + 3 * sectionHeight(2) + 16};
kit::CardSection section(const char* name, const char* title, int index, int rows) {
  return {.name = name, .at = {10, kSectionTop[index], 780, sectionHeight(rows)}, .title = title, .titleTop = 1,
          .titleHeight = 18};
}
const kit::CardSection kSections[] = {
    section("grpAnagrafica", "Dati anagrafici", 0, 3), section("grpRecapiti", "Recapiti", 1, 2),
    section("grpCodici", "Codici e pagamenti", 2, 2), section("grpVeicolo", "Veicolo assegnato", 3, 2),
    section("grpDisponibilita", "Disponibilità", 4, 2),
};

// A field at `x` on a row of its section, `width` wide, its caption above it. Along a
// row the fields stand 16 pixels apart, 46 where a checker's picture sits between them.
kit::Place at(const char* section, int row, int x, int width, const char* caption) {
  const int y = kSectionTitle + row * kRowHeight;
  return {.section = section, .at = {x, y + kCaptionHeight, width, kEditHeight},
          .caption = {caption, {x, y, width, kCaptionHeight}, Qt::AlignLeft | Qt::AlignVCenter}};
}

kit::CardField field(const char* control, kit::MemberSlot member, std::string_view field, kit::Place place,
                     kit::Typing typing = kit::Typing::None) {
  return {.control = control, .member = member, .field = field, .typing = typing, .mark = kit::highlight(),
          .place = place};
}
kit::CardField flag(const char* control, kit::MemberSlot member, std::string_view field, const char* text,
                    const char* hint, int x, int width) {
  return {.control = control, .member = member, .field = field, .hint = hint, .widget = kit::Widget::Check,
          .text = text,
          .place = {.section = "grpDisponibilita", .at = {x, kSectionTitle + kCaptionHeight, width, kEditHeight}}};
}

// The fields in record order, each with the yellow highlight behind it while it has the
// focus; Enter moves along them and wraps from the notes to the name. Tab takes "In
// ferie" before the notes and "Sì trasferte" last.
const std::vector<kit::CardField> kFields = kit::joinRows({
    std::initializer_list<kit::CardField>{
        field("txtConducente", kit::member<&T::txtConducente>, "Conducente",
              at("grpAnagrafica", 0, 12, 352, "Cognome e nome:")),
        field("txtPatenti", kit::member<&T::txtPatenti>, "Patenti",
              at("grpAnagrafica", 0, 380, 352, "Patenti di guida:")),
        field("txtRecapito", kit::member<&T::txtRecapito>, "Recapito",
              at("grpAnagrafica", 1, 12, 230, "Recapito preferenziale:")),
        field("txtVia", kit::member<&T::txtVia>, "Via",
              at("grpAnagrafica", 1, 258, 474, "Via / Piazza e numero civico:")),
        field("txtCap", kit::member<&T::txtCap>, "Cap", at("grpAnagrafica", 2, 12, 90, "CAP:")),
        field("txtCitta", kit::member<&T::txtCitta>, "Citta", at("grpAnagrafica", 2, 118, 250, "Città:")),
        // The province codes are a help for typing: any code of up to two characters is kept.
        {.control = "txtProv", .member = kit::member<&T::txtProv>, .field = "Prov", .typing = kit::Typing::TrimUpper,
         .leave = kit::trimmedUpper, .mark = kit::highlight(), .widget = kit::Widget::Combo, .items = kProvinces,
         .place = at("grpAnagrafica", 2, 384, 66, "Prov.")},
        field("txtCompensi", kit::member<&T::txtCompensi>, "Compensi",
              at("grpAnagrafica", 2, 466, 266, "Compensi pattuiti:")),
        field("txtTelCasa", kit::member<&T::txtTelCasa>, "TelCasa", at("grpRecapiti", 0, 12, 224, "Tel. casa:")),
        field("txtTelUff", kit::member<&T::txtTelUff>, "TelUff", at("grpRecapiti", 0, 252, 224, "Tel. ufficio:")),
        field("txtTelCel", kit::member<&T::txtTelCel>, "TelCel", at("grpRecapiti", 0, 492, 224, "Tel. cellulare:")),
        field("txtFax", kit::member<&T::txtFax>, "Fax", at("grpRecapiti", 1, 12, 330, "PEC:"), kit::Typing::Trim),
        field("txtEmail", kit::member<&T::txtEmail>, "Email", at("grpRecapiti", 1, 358, 330, "E-mail:"),
              kit::Typing::Trim),
        field("txtCodFisc", kit::member<&T::txtCodFisc>, "CodFisc", at("grpCodici", 0, 12, 200, "Codice fiscale:"),
              kit::Typing::TrimUpper),
        {.control = "txtCarta", .member = kit::member<&T::txtCarta>, .field = "Carta", .keys = kit::Keys::Digits,
         .mark = kit::highlight(), .place = at("grpCodici", 0, 258, 240, "Carta di credito n.")},
        field("txtScadeCarta", kit::member<&T::txtScadeCarta>, "ScadeCarta",
              at("grpCodici", 0, 544, 186, "Scadenza:")),
        {.control = "txtPartitaIva", .member = kit::member<&T::txtPartitaIva>, .field = "PartitaIva",
         .keys = kit::Keys::Digits, .leave = kit::emptyUnlessDigits, .mark = kit::highlight(),
         .place = at("grpCodici", 1, 12, 200, "Partita IVA:")},
        field("txtIban", kit::member<&T::txtIban>, "Iban", at("grpCodici", 1, 258, 330, "IBAN:"),
              kit::Typing::TrimUpper),
    },
    kit::vehicleRows<T>(kit::Typing::TrimUpper,
                        {at("grpVeicolo", 0, 12, 224, "Tipo veicolo assegnato:"),
                         at("grpVeicolo", 0, 252, 224, "Marca:"), at("grpVeicolo", 0, 492, 224, "Modello:"),
                         at("grpVeicolo", 1, 12, 224, "Colore:"), at("grpVeicolo", 1, 252, 224, "Alimentazione:"),
                         at("grpVeicolo", 1, 492, 224, "Targa:")}),
    std::initializer_list<kit::CardField>{
        field("txtProgramma", kit::member<&T::txtProgramma>, "Programma",
              at("grpDisponibilita", 0, 12, 460, "Programma ferie:")),
        flag("chkFerie", kit::member<&T::chkFerie>, "Ferie", "In ferie",
             "Spunta questa casella per annotare che il conduttore è attualmente in ferie.", 488, 110),
        field("txtNote", kit::member<&T::txtNote>, "Note", at("grpDisponibilita", 1, 12, 720, "Note:")),
        flag("chkTrasferte", kit::member<&T::chkTrasferte>, "Trasferte", "Sì trasferte",
             "Spunta questa casella per annotare che il conduttore è disposto ad effettuare lunghe trasferte.", 614,
             120),
    },
});

// A picture button of the card with its status hint and its handler.
using CommandPicture = kit::CommandPicture<TfrmAnagrafica>;

const QString kFieldFont = QStringLiteral("Verdana");

// The attached files and their descriptions, after the two flags.
std::span<const core::FieldDef, 6> attachmentFields() {
  return std::span<const core::FieldDef>(DriverRecord::fields).subspan<DriverRecord::kEditCount + 2, 6>();
}

}  // namespace

TfrmAnagrafica::TfrmAnagrafica(QWidget* owner)
    : kit::CardWindow(owner, QStringLiteral("TfrmAnagrafica"),
                      QStringLiteral(" Velmora 4.0 - Anagrafica Conduttori"), kWidth, kHeight),
      kit::CardAttachments(attachmentFields()) {
  buildControls();
  bindCard();
}

TfrmAnagrafica::~TfrmAnagrafica() = default;

QStringList TfrmAnagrafica::provinces() {
  QStringList out;
  for (const char* p : kProvinces) out << QString::fromLatin1(p);
  return out;
}

void TfrmAnagrafica::buildControls() {
  buildContainer(kWidth, kHeight);

  // The title strip across the top of the card.
  auto* header = new kit::TitleStrip(panContainer_, QStringLiteral("icoIntestazione"),
                                     QStringLiteral("Anagrafica Conduttori"), {.pixelSize = 22, .left = 14});
  header->setGeometry(0, 0, kWidth, 50);
  setHint(header, QString());

  auto addPicture = [this](QWidget* parent, const CommandPicture& c, const QRect& geometry) {
    kit::addPicture(*this, parent, c, geometry);
  };
  kit::buildSections(*this, panContainer_, kSections);

  // The attachments travel in hidden labels.
  buildAttachmentLabels(panContainer_);

  // ---- commands, in a column at the right --------------------------------------
  const CommandPicture commands[] = {
      {&TfrmAnagrafica::cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda.",
       &TfrmAnagrafica::cmdNuovoClick},
      {&TfrmAnagrafica::cmdImporta, "cmdImporta", "Importa", "Importa i dati dal Parco Automezzi.",
       &TfrmAnagrafica::cmdImportaClick},
      {&TfrmAnagrafica::cmdFile, "cmdFile", "Allegati", "Allega file alla scheda corrente.",
       &TfrmAnagrafica::cmdFileClick},
      {&TfrmAnagrafica::cmdSalva, "cmdSalva", "Salva", "Salva la scheda corrente in archivio.",
       &TfrmAnagrafica::cmdSalvaClick},
      {&TfrmAnagrafica::cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", &TfrmAnagrafica::cmdTrovaClick},
      {&TfrmAnagrafica::cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.",
       &TfrmAnagrafica::cmdStampaClick},
      {&TfrmAnagrafica::cmdEsporta, "cmdEsporta", "Esporta",
       "Esporta le schede in archivio in un file di Microsoft Excel.", &TfrmAnagrafica::cmdEsportaClick},
      {&TfrmAnagrafica::cmdFerie, "cmdFerie", "In ferie", "Visualizza l'elenco dei conduttori attualmente in ferie.",
       &TfrmAnagrafica::cmdFerieClick},
      {&TfrmAnagrafica::cmdServizio, "cmdServizio", "In servizio",
       "Visualizza l'elenco dei conduttori attualmente in servizio.", &TfrmAnagrafica::cmdServizioClick},
      {&TfrmAnagrafica::cmdTrasferte, "cmdTrasferte", "Trasferte",
       "Visualizza l'elenco dei conduttori disponibili per trasferte.", &TfrmAnagrafica::cmdTrasferteClick},
      {&TfrmAnagrafica::cmdGuida, "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.",
       &TfrmAnagrafica::cmdGuidaClick},
      {&TfrmAnagrafica::cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata di lavoro.",
       &TfrmAnagrafica::cmdEsciClick},
  };
  const int columnX = 804;
  const int columnW = kWidth - columnX - 10;
  int cy = 60;
  for (const CommandPicture& c : commands) {
    addPicture(panContainer_, c, QRect(columnX, cy, columnW, 40));
    cy += 44;
  }

  // Record navigation under the commands, the position between the arrows.
  const auto navigation = kit::navigationPictures<TfrmAnagrafica>();
  const int navY = cy + 6;
  const int arrowW = 44;
  const int navX[] = {columnX, columnX + arrowW + 2, kWidth - 10 - 2 * arrowW - 2, kWidth - 10 - arrowW};
  for (int i = 0; i < 4; ++i) addPicture(panContainer_, navigation[i], QRect(navX[i], navY, arrowW, 34));
  lblPosizione = kit::positionLabel(panContainer_, QRect(navX[1] + arrowW, navY, navX[2] - navX[1] - arrowW, 34));
  setHint(lblPosizione, QString());

  panInfo = kit::hintBar(*this, panContainer_, QStringLiteral("Pronto per archiviare una nuova scheda..."),
                         QRect(0, kHeight - 28, kWidth, 28));
  setHint(panInfo, QString());
}

void TfrmAnagrafica::bindCard() {
  card_ = std::make_unique<kit::RecordCard>(*this, drivers::driverLayout(), lblPosizione);
  card_->setArchive(drivers::driverArchive());
  QFont editFont(kFieldFont);
  editFont.setBold(true);
  editFont.setPixelSize(13);
  cardFields_ = new kit::CardFields(*this, *card_, kFields,
                                    {.enterFollowsRows = true, .limitToFields = true, .font = editFont});
  for (std::size_t i = 0, f = 0; i < cardFields_->size(); ++i) {
    const kit::Widget kind = cardFields_->row(i).widget;
    if (kind == kit::Widget::Edit || kind == kit::Widget::Combo) fields_.at(f++) = cardFields_->control(i);
  }
  for (QCheckBox* box : {chkFerie, chkTrasferte}) {
    QFont bold = box->font();
    bold.setBold(true);
    box->setFont(bold);
  }

  // The checkers and the mail, each a picture at the right of its field.
  const CommandPicture checkers[] = {
      {&T::btnEmail, "btnEmail", "@", "Invia una e-mail all'indirizzo indicato.", &T::btnEmailClick},
      {&T::btnCodFisc, "btnCodFisc", "✓", "Controlla il codice fiscale.", &T::btnCodFiscClick},
      {&T::btnCarta, "btnCarta", "✓", "Controlla il numero di carta di credito.", &T::btnCartaClick},
      {&T::btnPartitaIva, "btnPartitaIva", "✓", "Controlla il numero di partita IVA.", &T::btnPartitaIvaClick},
      {&T::btnIban, "btnIban", "✓", "Controlla l'IBAN.", &T::btnIbanClick},
  };
  QLineEdit* besideOf[] = {txtEmail, txtCodFisc, txtCarta, txtPartitaIva, txtIban};
  for (std::size_t i = 0; i < std::size(checkers); ++i) {
    const QRect at = besideOf[i]->geometry();
    kit::addPicture(*this, besideOf[i]->parentWidget(), checkers[i], QRect(at.right() + 5, at.y(), 26, at.height()));
  }
  bindAttachments(*card_);

  card_->require(txtConducente,
                 QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del conducente."));
  card_->require(txtMarca, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la marca del "
                                          "veicolo abbinato al conducente."));
  card_->require(txtModello, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il modello del "
                                            "veicolo abbinato al conducente."));
  card_->require(txtTarga, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la targa del "
                                          "veicolo abbinato al conducente."));
  card_->setFirstField(txtConducente);
  card_->setAppendMessage(kit::RecordCard::AppendMessage::Inserita);
  card_->setAccessErrorKind(platform::MsgKind::Error);
}

// ---- commands --------------------------------------------------------------------

// The pickers, the attachments, the lists, the export and the print are dialogs owned
// by the card; what they give back they write into its controls.
void TfrmAnagrafica::cmdImportaClick() { platform::openModal<TfrmTrovaAutomezzi>(this, QStringLiteral("anagrafica")); }

void TfrmAnagrafica::cmdTrovaClick() { TfrmTrovaAnagrafica::open(this, QStringLiteral("anagrafica")); }

void TfrmAnagrafica::cmdFileClick() { TfrmAllegaCartella::open(this, QStringLiteral("anagrafica")); }

void TfrmAnagrafica::btnCodFiscClick() { TfrmCodFisc::openForCardCode(this, txtCodFisc->text()); }
void TfrmAnagrafica::btnPartitaIvaClick() { TfrmPartitaIva::open(this, platform::trim(txtPartitaIva->text())); }
void TfrmAnagrafica::btnCartaClick() { TfrmCarta::open(this, platform::trim(txtCarta->text())); }
void TfrmAnagrafica::btnIbanClick() { TfrmIban::open(this, platform::trim(txtIban->text())); }

void TfrmAnagrafica::btnEmailClick() {
  // The address is encoded into the link: whatever it holds stays the address.
  const QString link = platform::fromCore(core::mailtoLink(platform::toCore(platform::trim(txtEmail->text()))));
  TMisc::Open(QLatin1Char('"') + link + QLatin1Char('"'));
}

void TfrmAnagrafica::cmdStampaClick() { platform::openModal<TfrmStampaConduttore>(this); }

void TfrmAnagrafica::cmdEsportaClick() { platform::openModal<TfrmExpAnagrafica>(this); }

void TfrmAnagrafica::cmdTrasferteClick() { platform::openModal<TfrmTrasferte>(this); }

void TfrmAnagrafica::cmdFerieClick() { platform::openModal<TfrmFerie>(this); }

void TfrmAnagrafica::cmdServizioClick() { platform::openModal<TfrmServizio>(this); }

void TfrmAnagrafica::cmdGuidaClick() {
  TfrmGuida::showHelp(this, QStringLiteral("App Anagrafica Conduttori"), helpParagraphs());
}

void TfrmAnagrafica::cmdEsciClick() { closeForm(); }

// ---- help --------------------------------------------------------------------------

QStringList TfrmAnagrafica::helpParagraphs() {
  return {
      QStringLiteral(
          "L'app Anagrafica Conduttori è una rubrica elettronica dei conduttori del parco automezzi: a ogni "
          "conduttore si può abbinare un veicolo della flotta, indicandone il tipo, la marca, il modello, il colore, "
          "l'alimentazione e la targa."),
      QStringLiteral(
          "La scheda raccoglie il nome e cognome, l'indirizzo e la città, le patenti di guida possedute, il veicolo "
          "assegnato, i compensi pattuiti, i numeri di telefono di casa, dell'ufficio e del cellulare, l'indirizzo "
          "e-mail, il recapito preferenziale, il codice fiscale, la partita IVA, la carta di credito con la sua "
          "scadenza, l'IBAN e le note. I dati del veicolo possono essere importati dall'archivio del Parco "
          "Automezzi."),
      QStringLiteral(
          "Per registrare un nuovo conduttore premere \"Nuovo\", digitare i dati e premere \"Salva\". Il nome del "
          "conduttore, la marca, il modello e la targa del veicolo abbinato sono obbligatori."),
      QStringLiteral(
          "Per modificare una scheda richiamarla con la ricerca o con le frecce (precedente, successiva, prima, "
          "ultima), apportare le modifiche e premere \"Salva\"."),
      QStringLiteral(
          "I pulsanti accanto ai campi controllano il codice fiscale, il numero della carta di credito, l'IBAN e la "
          "partita IVA. Se il numero di partita IVA è esatto, il software indicherà quale Ufficio provinciale lo ha "
          "rilasciato. Il pulsante accanto al campo \"E-mail\" avvia il programma di posta elettronica con "
          "l'indirizzo già compilato."),
      QStringLiteral(
          "La casella \"Sì trasferte\" annota che il conduttore è disposto ad effettuare lunghe trasferte; il "
          "pulsante \"Trasferte\" elenca tutte le schede in cui la casella è spuntata."),
      QStringLiteral(
          "A ogni scheda si possono allegare fino a tre file, per esempio il contratto, la scansione della patente "
          "di guida o della carta d'identità."),
      QStringLiteral(
          "La ricerca accetta chiavi parziali e uno o più filtri insieme, per esempio tutti i conduttori con una "
          "certa patente di guida o residenti in una certa città. I risultati della ricerca possono essere "
          "stampati."),
      QStringLiteral(
          "Tenere aggiornati la casella \"In ferie\" e il campo \"Programma ferie\": il pulsante \"In servizio\" "
          "elenca i conduttori al lavoro con le loro note di disponibilità e, quando l'elenco è vuoto, il pulsante "
          "\"In ferie\" mostra quando ciascun conduttore in ferie rientra."),
      QStringLiteral(
          "Il pulsante \"Stampa\" stampa la scheda; l'intero archivio può essere esportato in un file di Microsoft "
          "Excel."),
  };
}
