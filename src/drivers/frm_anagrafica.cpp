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

// Each edit takes as many characters as its field holds.
consteval int width(std::string_view field) {
  for (const core::FieldDef& f : DriverRecord::fields)
    if (f.name == field) return f.width;
  throw std::logic_error("no such driver field");  // at compile time: a misspelt field does not build
}

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

// The 26 fields in record order: Enter moves along them and wraps from the notes to
// the name; each shows the yellow highlight behind it while it has the focus.
const kit::CardField kFields[DriverRecord::kEditCount] = {
    {.control = "txtConducente", .field = "Conducente", .maxLength = width("Conducente"), .next = "txtPatenti",
     .mark = kit::highlight("effConducente")},
    {.control = "txtPatenti", .field = "Patenti", .maxLength = width("Patenti"), .next = "txtRecapito",
     .mark = kit::highlight("effPatenti")},
    {.control = "txtRecapito", .field = "Recapito", .maxLength = width("Recapito"), .next = "txtVia",
     .mark = kit::highlight("effRecapito")},
    {.control = "txtVia", .field = "Via", .maxLength = width("Via"), .next = "txtCap", .mark = kit::highlight("effVia")},
    {.control = "txtCap", .field = "Cap", .maxLength = width("Cap"), .next = "txtCitta", .mark = kit::highlight("effCap")},
    {.control = "txtCitta", .field = "Citta", .maxLength = width("Citta"), .next = "txtProv",
     .mark = kit::highlight("effCitta")},
    {.control = "txtProv", .field = "Prov", .maxLength = width("Prov"), .next = "txtCompensi",
     .typing = kit::Typing::TrimUpper, .leave = kit::trimmedUpper, .mark = kit::highlight("effProv"),
     .widget = kit::Widget::Combo, .items = kProvinces},
    {.control = "txtCompensi", .field = "Compensi", .maxLength = width("Compensi"), .next = "txtTelCasa",
     .mark = kit::highlight("effCompensi")},
    {.control = "txtTelCasa", .field = "TelCasa", .maxLength = width("TelCasa"), .next = "txtTelUff",
     .mark = kit::highlight("effTelCasa")},
    {.control = "txtTelUff", .field = "TelUff", .maxLength = width("TelUff"), .next = "txtTelCel",
     .mark = kit::highlight("effTelUff")},
    {.control = "txtTelCel", .field = "TelCel", .maxLength = width("TelCel"), .next = "txtFax",
     .mark = kit::highlight("effTelCel")},
    {.control = "txtFax", .field = "Fax", .maxLength = width("Fax"), .next = "txtEmail", .typing = kit::Typing::Trim,
     .mark = kit::highlight("effFax")},
    {.control = "txtEmail", .field = "Email", .maxLength = width("Email"), .next = "txtCodFisc",
     .typing = kit::Typing::Trim, .mark = kit::highlight("effEmail")},
    {.control = "txtCodFisc", .field = "CodFisc", .maxLength = width("CodFisc"), .next = "txtCarta",
     .typing = kit::Typing::TrimUpper, .mark = kit::highlight("effCodFisc")},
    {.control = "txtCarta", .field = "Carta", .maxLength = width("Carta"), .next = "txtScadeCarta",
     .keys = kit::Keys::Digits, .mark = kit::highlight("effCarta")},
    {.control = "txtScadeCarta", .field = "ScadeCarta", .maxLength = width("ScadeCarta"), .next = "txtPartitaIva",
     .mark = kit::highlight("effScadeCarta")},
    {.control = "txtPartitaIva", .field = "PartitaIva", .maxLength = width("PartitaIva"), .next = "txtIban",
     .keys = kit::Keys::Digits, .leave = kit::emptyUnlessDigits, .mark = kit::highlight("effPartitaIva")},
    {.control = "txtIban", .field = "Iban", .maxLength = width("Iban"), .next = "txtVeicolo",
     .typing = kit::Typing::TrimUpper, .mark = kit::highlight("effIban")},
    {.control = "txtVeicolo", .field = "Veicolo", .maxLength = width("Veicolo"), .next = "txtMarca",
     .mark = kit::highlight("effVeicolo")},
    {.control = "txtMarca", .field = "Marca", .maxLength = width("Marca"), .next = "txtModello",
     .mark = kit::highlight("effMarca")},
    {.control = "txtModello", .field = "Modello", .maxLength = width("Modello"), .next = "txtColore",
     .mark = kit::highlight("effModello")},
    {.control = "txtColore", .field = "Colore", .maxLength = width("Colore"), .next = "txtAlimentazione",
     .mark = kit::highlight("effColore")},
    {.control = "txtAlimentazione", .field = "Alimentazione", .maxLength = width("Alimentazione"), .next = "txtTarga",
     .mark = kit::highlight("effAlimentazione")},
    {.control = "txtTarga", .field = "Targa", .maxLength = width("Targa"), .next = "txtProgramma",
     .typing = kit::Typing::TrimUpper, .mark = kit::highlight("effTarga")},
    {.control = "txtProgramma", .field = "Programma", .maxLength = width("Programma"), .next = "txtNote",
     .mark = kit::highlight("effProgramma")},
    {.control = "txtNote", .field = "Note", .maxLength = width("Note"), .next = "txtConducente",
     .mark = kit::highlight("effNote")},
};

// ---- layout ----------------------------------------------------------------------

constexpr int kCaptionHeight = 16;
constexpr int kEditHeight = 24;
constexpr int kRowHeight = kCaptionHeight + kEditHeight + 4;
constexpr int kSectionTitle = 20;
constexpr int kGap = 16;
constexpr int kButtonSide = 26;  // a checker or mail picture beside its edit

// One control in a row of a section: its caption above it, its width, and the
// picture beside it that checks or uses its value.
struct Place {
  const char* control;
  const char* caption;
  int width;
  const char* button = nullptr;
};

struct Section {
  const char* name;   // grp...
  const char* title;
  std::vector<std::vector<Place>> rows;
};

const std::vector<Section>& sections() {
  static const std::vector<Section> s = {
      {"grpAnagrafica",
       "Dati anagrafici",
       {{{"txtConducente", "Cognome e nome:", 352}, {"txtPatenti", "Patenti di guida:", 352}},
        {{"txtRecapito", "Recapito preferenziale:", 230}, {"txtVia", "Via / Piazza e numero civico:", 474}},
        {{"txtCap", "CAP:", 90}, {"txtCitta", "Città:", 250}, {"txtProv", "Prov.", 66},
         {"txtCompensi", "Compensi pattuiti:", 266}}}},
      {"grpRecapiti",
       "Recapiti",
       {{{"txtTelCasa", "Tel. casa:", 224}, {"txtTelUff", "Tel. ufficio:", 224}, {"txtTelCel", "Tel. cellulare:", 224}},
        {{"txtFax", "PEC:", 330}, {"txtEmail", "E-mail:", 330, "btnEmail"}}}},
      {"grpCodici",
       "Codici e pagamenti",
       {{{"txtCodFisc", "Codice fiscale:", 200, "btnCodFisc"},
         {"txtCarta", "Carta di credito n.", 240, "btnCarta"},
         {"txtScadeCarta", "Scadenza:", 186}},
        {{"txtPartitaIva", "Partita IVA:", 200, "btnPartitaIva"}, {"txtIban", "IBAN:", 330, "btnIban"}}}},
      {"grpVeicolo",
       "Veicolo assegnato",
       {{{"txtVeicolo", "Tipo veicolo assegnato:", 224}, {"txtMarca", "Marca:", 224}, {"txtModello", "Modello:", 224}},
        {{"txtColore", "Colore:", 224}, {"txtAlimentazione", "Alimentazione:", 224}, {"txtTarga", "Targa:", 224}}}},
      {"grpDisponibilita",
       "Disponibilità",
       {{{"txtProgramma", "Programma ferie:", 460}, {"chkFerie", "", 110}, {"chkTrasferte", "", 120}},
        {{"txtNote", "Note:", 720}}}},
  };
  return s;
}

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

  // ---- the five sections, their fields in record order --------------------------
  QFont editFont(kFieldFont);
  editFont.setBold(true);
  editFont.setPixelSize(13);
  const CommandPicture checkers[] = {
      {&TfrmAnagrafica::btnEmail, "btnEmail", "@", "Invia una e-mail all'indirizzo indicato.",
       &TfrmAnagrafica::btnEmailClick},
      {&TfrmAnagrafica::btnCodFisc, "btnCodFisc", "✓", "Controlla il codice fiscale.",
       &TfrmAnagrafica::btnCodFiscClick},
      {&TfrmAnagrafica::btnCarta, "btnCarta", "✓", "Controlla il numero di carta di credito.",
       &TfrmAnagrafica::btnCartaClick},
      {&TfrmAnagrafica::btnPartitaIva, "btnPartitaIva", "✓", "Controlla il numero di partita IVA.",
       &TfrmAnagrafica::btnPartitaIvaClick},
      {&TfrmAnagrafica::btnIban, "btnIban", "✓", "Controlla l'IBAN.", &TfrmAnagrafica::btnIbanClick},
  };
  QList<QWidget*> tabOrder;
  int y = 58;
  for (const Section& section : sections()) {
    // A section's frame: the light panel with its title.
    auto* frame = new kit::CardPanel(panContainer_, QString::fromLatin1(section.name));
    frame->setTitle(QString::fromUtf8(section.title), 1, 18);
    const int height = kSectionTitle + 4 + static_cast<int>(section.rows.size()) * kRowHeight;
    frame->setGeometry(10, y, 780, height);
    setHint(frame, QString());
    int rowY = kSectionTitle;
    for (const std::vector<Place>& row : section.rows) {
      int x = 12;
      for (const Place& place : row) {
        const QString name = QString::fromLatin1(place.control);
        if (name.startsWith(QLatin1String("chk"))) {
          const bool ferie = name == QLatin1String("chkFerie");
          auto* box = new QCheckBox(ferie ? QStringLiteral("In ferie") : QStringLiteral("Sì trasferte"), frame);
          box->setObjectName(name);
          box->setGeometry(x, rowY + kCaptionHeight, place.width, kEditHeight);
          QFont bf = box->font();
          bf.setBold(true);
          box->setFont(bf);
          setHint(box, ferie ? QStringLiteral("Spunta questa casella per annotare che il conduttore è attualmente in ferie.")
                             : QStringLiteral("Spunta questa casella per annotare che il conduttore è disposto ad "
                                              "effettuare lunghe trasferte."));
          (ferie ? chkFerie : chkTrasferte) = box;
          tabOrder << box;
          x += place.width + kGap;
          continue;
        }
        auto* caption = new QLabel(QString::fromUtf8(place.caption), frame);
        caption->setGeometry(x, rowY, place.width, kCaptionHeight);
        setHint(caption, QString());
        QWidget* control = nullptr;
        if (name == QLatin1String("txtProv")) {
          txtProv = new QComboBox(frame);
          txtProv->setObjectName(name);
          control = txtProv;
        } else {
          control = new platform::FilteredEdit(frame, name);
        }
        control->setFont(editFont);
        control->setGeometry(x, rowY + kCaptionHeight, place.width, kEditHeight);
        tabOrder << control;
        x += place.width;
        if (place.button) {
          for (const CommandPicture& c : checkers)
            if (QLatin1String(c.name) == QLatin1String(place.button))
              addPicture(frame, c, QRect(x + 4, rowY + kCaptionHeight, kButtonSide, kEditHeight));
          x += kButtonSide + 4;
        }
        x += kGap;
      }
      rowY += kRowHeight;
    }
    y += height + 4;
  }

  // The fields in record order, for the typed members and for the table.
  QLineEdit** editSlots[] = {
      &txtConducente, &txtPatenti, &txtRecapito, &txtVia,   &txtCap,        &txtCitta,   nullptr,
      &txtCompensi,   &txtTelCasa, &txtTelUff,   &txtTelCel, &txtFax,       &txtEmail,   &txtCodFisc,
      &txtCarta,      &txtScadeCarta, &txtPartitaIva, &txtIban, &txtVeicolo, &txtMarca, &txtModello,
      &txtColore,     &txtAlimentazione, &txtTarga, &txtProgramma, &txtNote,
  };
  static_assert(std::size(editSlots) == DriverRecord::kEditCount);
  for (std::size_t i = 0; i < DriverRecord::kEditCount; ++i) {
    QWidget* w = panContainer_->findChild<QWidget*>(QString::fromLatin1(kFields[i].control));
    fields_[i] = w;
    if (editSlots[i]) *editSlots[i] = qobject_cast<QLineEdit*>(w);
  }

  // Tab moves in record order, with "In ferie" before the notes and "Sì trasferte" last.
  tabOrder.removeOne(chkTrasferte);
  tabOrder << chkTrasferte;
  for (int i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

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
      {&TfrmAnagrafica::cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda corrente.", &TfrmAnagrafica::cmdStampaClick},
      {&TfrmAnagrafica::cmdEsporta, "cmdEsporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.",
       &TfrmAnagrafica::cmdEsportaClick},
      {&TfrmAnagrafica::cmdFerie, "cmdFerie", "In ferie", "Visualizza l'elenco dei conduttori attualmente in ferie.",
       &TfrmAnagrafica::cmdFerieClick},
      {&TfrmAnagrafica::cmdServizio, "cmdServizio", "In servizio",
       "Visualizza l'elenco dei conduttori attualmente in servizio.", &TfrmAnagrafica::cmdServizioClick},
      {&TfrmAnagrafica::cmdTrasferte, "cmdTrasferte", "Trasferte",
       "Visualizza l'elenco dei conduttori disponibili per trasferte.", &TfrmAnagrafica::cmdTrasferteClick},
      {&TfrmAnagrafica::cmdGuida, "cmdGuida", "Guida", "Visualizza la pagina della guida sensibile al contesto.",
       &TfrmAnagrafica::cmdGuidaClick},
      {&TfrmAnagrafica::cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata di lavoro.", &TfrmAnagrafica::cmdEsciClick},
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
  cardFields_ = new kit::CardFields(*this, *card_, kFields);
  card_->bind("Ferie", chkFerie);
  card_->bind("Trasferte", chkTrasferte);
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
