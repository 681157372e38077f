#include "vehicles/frm_autoparco.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <span>
#include <stdexcept>
#include <string_view>

#include "kit/card_fields.h"
#include "kit/card_frame.h"
#include "platform/dialogs.h"
#include "platform/edits.h"
#include "platform/widgets.h"
#include "platform/windows.h"
#include "shell/frm_allega_cartella.h"
#include "shell/frm_calendario.h"
#include "shell/frm_guida.h"
#include "vehicles/frm_anteprima_automezzo.h"
#include "vehicles/frm_exp_autoparco.h"
#include "vehicles/frm_slideshow_automezzi.h"
#include "vehicles/frm_stampa_automezzo.h"
#include "vehicles/frm_trova_automezzi.h"
#include "vehicles/frm_zoom.h"
#include "vehicles/vehicle_archive.h"
#include "vehicles/vehicle_photo.h"

using vehicles::VehicleRecord;

namespace {

constexpr int kWidth = 1016;
constexpr int kHeight = 713;

using T = TfrmAutoparco;

// The attached files and their descriptions, after the edits.
std::span<const core::FieldDef, 6> attachmentFields() {
  return std::span<const core::FieldDef>(VehicleRecord::fields).subspan<VehicleRecord::kEditCount, 6>();
}

const kit::FocusMark kDetails = kit::painted(platform::kAliceBlue);
const kit::FocusMark kNotes = kit::painted(Qt::white);

// Two panels 650 wide, the details (alice blue) and the notes (white), rows 30 pixels
// apart; in each row a caption and its edit at the left, another pair at the right, or
// one wide edit across both.
constexpr int kRowPitch = 30;
constexpr int kEditHeight = 24;
constexpr int kDetailsRows = 14;
constexpr int kNotesRows = 5;
constexpr int kDetailsHeight = 12 + kDetailsRows * kRowPitch;
const kit::CardSection kSections[] = {
    {.name = "bkgDetails", .at = {10, 74, 650, kDetailsHeight}},
    {.name = "bkgNotes", .at = {10, 74 + kDetailsHeight + 9, 650, 12 + kNotesRows * kRowPitch}, .notes = true},
};

kit::Place place(const char* section, int row, int column, const char* caption) {
  struct Column {
    int captionX, captionW, editX, editW;
  };
  constexpr Column kColumns[] = {{6, 168, 178, 150}, {334, 142, 480, 160}, {6, 168, 178, 480 + 160 - 178}};
  const Column& c = kColumns[column];
  const int y = 8 + row * kRowPitch;
  return {.section = section, .at = {c.editX, y, c.editW, kEditHeight},
          .caption = {caption, {c.captionX, y, c.captionW, kEditHeight}}};
}
kit::Place detail(int row, int column, const char* caption) { return place("bkgDetails", row, column, caption); }
kit::Place note(int row, int column, const char* caption) { return place("bkgNotes", row, column, caption); }

// An edit of the details or of the notes, in the panel's fill; a date is filled from
// the calendar.
kit::CardField edit(const char* control, kit::MemberSlot member, std::string_view field, kit::Place place,
                    const char* calendarKey = nullptr) {
  const bool notes = std::string_view(place.section) == "bkgNotes";
  return {.control = control, .member = member, .field = field, .calendarKey = calendarKey,
          .mark = notes ? kNotes : kDetails, .place = place};
}

// The edits in record order, read left to right and top to bottom: Enter and Tab move
// along them (Enter wraps from the notes to the type); the five dates are filled from
// the calendar; the plate refuses some characters and shows capitals.
const std::vector<kit::CardField> kFields = {
    edit("txtTipo", kit::member<&T::txtTipo>, "Tipo", detail(0, 0, "Tipo veicolo:")),
    edit("txtDestinazione", kit::member<&T::txtDestinazione>, "Destinazione", detail(0, 1, "Destinazione ed uso:")),
    edit("txtMarca", kit::member<&T::txtMarca>, "Marca", detail(1, 0, "Marca:")),
    edit("txtModello", kit::member<&T::txtModello>, "Modello", detail(1, 1, "Modello:")),
    {.control = "txtTarga", .member = kit::member<&T::txtTarga>, .field = "Targa", .typing = kit::Typing::TrimUpper,
     .refused = vehicles::isRefusedPlateChar, .mark = kDetails, .place = detail(2, 0, "Targa:")},
    edit("txtAnno", kit::member<&T::txtAnno>, "Anno", detail(2, 1, "Immatricolazione:")),
    edit("txtColore", kit::member<&T::txtColore>, "Colore", detail(3, 0, "Colore:")),
    edit("txtTelaio", kit::member<&T::txtTelaio>, "Telaio", detail(3, 1, "Telaio:")),
    edit("txtPneumatici", kit::member<&T::txtPneumatici>, "Pneumatici", detail(4, 2, "Pneumatici:")),
    edit("txtStato", kit::member<&T::txtStato>, "Stato", detail(5, 0, "Stato veicolo:")),
    edit("txtChilometri", kit::member<&T::txtChilometri>, "Chilometri", detail(5, 1, "Chilometri percorsi:")),
    edit("txtLettura", kit::member<&T::txtLettura>, "Lettura", detail(6, 0, "Data lettura:"),
         "autoparco_lettura"),
    edit("txtAlimentazione", kit::member<&T::txtAlimentazione>, "Alimentazione", detail(6, 1, "Alimentazione:")),
    edit("txtCilindrata", kit::member<&T::txtCilindrata>, "Cilindrata", detail(7, 0, "Cilindrata:")),
    edit("txtKW", kit::member<&T::txtKW>, "KW", detail(7, 1, "kW:")),
    edit("txtAmbiente", kit::member<&T::txtAmbiente>, "Ambiente", detail(8, 0, "Compatibilità ambientale:")),
    edit("txtPosti", kit::member<&T::txtPosti>, "Posti", detail(8, 1, "Numero posti:")),
    edit("txtPortata", kit::member<&T::txtPortata>, "Portata", detail(9, 0, "Portata massima:")),
    edit("txtCompagnia", kit::member<&T::txtCompagnia>, "Compagnia", detail(10, 2, "Compagnia assicurativa:")),
    edit("txtTelAssicuratore", kit::member<&T::txtTelAssicuratore>, "TelAssicuratore",
         detail(11, 0, "Tel. assicuratore:")),
    edit("txtPolizza", kit::member<&T::txtPolizza>, "Polizza", detail(11, 1, "Importo polizza:")),
    edit("txtIncidenti", kit::member<&T::txtIncidenti>, "Incidenti", detail(12, 2, "Incidenti subiti:")),
    edit("txtProprietario", kit::member<&T::txtProprietario>, "Proprietario", detail(13, 0, "Proprietario:")),
    edit("txtAutista", kit::member<&T::txtAutista>, "Autista", note(0, 0, "Autista:")),
    edit("txtTelAutista", kit::member<&T::txtTelAutista>, "TelAutista", note(0, 1, "Telefono:")),
    edit("txtMeccanico", kit::member<&T::txtMeccanico>, "Meccanico", note(1, 0, "Meccanico:")),
    edit("txtTelMeccanico", kit::member<&T::txtTelMeccanico>, "TelMeccanico", note(1, 1, "Telefono:")),
    edit("txtScadRevisione", kit::member<&T::txtScadRevisione>, "ScadRevisione", note(2, 0, "Scad. revisione:"),
         "autoparco_scadrevisione"),
    edit("txtScadTagliando", kit::member<&T::txtScadTagliando>, "ScadTagliando", note(2, 1, "Scad. tagliando:"),
         "autoparco_scadtagliando"),
    edit("txtScadAssicurazione", kit::member<&T::txtScadAssicurazione>, "ScadAssicurazione",
         note(3, 0, "Scad. assicurazione:"),
         "autoparco_scadassicurazione"),
    edit("txtScadBollo", kit::member<&T::txtScadBollo>, "ScadBollo", note(3, 1, "Scad. bollo:"),
         "autoparco_scadbollo"),
    edit("txtNote", kit::member<&T::txtNote>, "Note", note(4, 2, "Note:")),
    {.control = "btnFocus", .widget = kit::Widget::Other},
};

// A picture button of the card with its status hint and its handler.
using CommandPicture = kit::CommandPicture<TfrmAutoparco>;

}  // namespace

TfrmAutoparco::TfrmAutoparco(QWidget* owner)
    : kit::CardWindow(owner, QStringLiteral("TfrmAutoparco"), QStringLiteral(" Velmora 4.0 - Parco Automezzi"), kWidth,
                      kHeight),
      kit::CardAttachments(attachmentFields()) {
  buildControls();
  bindCard();
}

TfrmAutoparco::~TfrmAutoparco() = default;

void TfrmAutoparco::buildControls() {
  buildContainer(kWidth, kHeight);

  // The title strip across the top of the card.
  auto* header = new kit::TitleStrip(panContainer_, QStringLiteral("icoIntestazione"), QStringLiteral("Parco Automezzi"),
                                     {.pixelSize = 22, .left = 14, .width = 240, .antialiased = true});
  header->setGeometry(0, 0, kWidth, 64);
  setHint(header, QString());

  auto addPicture = [this](QWidget* parent, const CommandPicture& c, const QRect& geometry) {
    kit::addPicture(*this, parent, c, geometry);
  };
  // Commands along the title strip.
  const CommandPicture commands[] = {
      {&TfrmAutoparco::cmdNuovo, "cmdNuovo", "Nuovo", "Prepara la schermata per l'inserimento di una nuova scheda.",
       &TfrmAutoparco::cmdNuovoClick},
      {&TfrmAutoparco::cmdSalva, "cmdSalva", "Salva", "Salva la scheda in archivio.", &TfrmAutoparco::cmdSalvaClick},
      {&TfrmAutoparco::cmdDuplica, "cmdDuplica", "Duplica",
       "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.",
       &TfrmAutoparco::cmdDuplicaClick},
      {&TfrmAutoparco::cmdTrova, "cmdTrova", "Trova", "Trova una scheda in archivio.", &TfrmAutoparco::cmdTrovaClick},
      {&TfrmAutoparco::cmdFile, "cmdFile", "Allegati", "Allega file alla scheda.", &TfrmAutoparco::cmdFileClick},
      {&TfrmAutoparco::cmdStampa, "cmdStampa", "Stampa", "Stampa la scheda.", &TfrmAutoparco::cmdStampaClick},
      {&TfrmAutoparco::cmdAnteprima, "cmdAnteprima", "Anteprima", "Visualizza l'anteprima di stampa della scheda.",
       &TfrmAutoparco::cmdAnteprimaClick},
      {&TfrmAutoparco::cmdEsporta, "cmdEsporta", "Esporta", "Esporta archivio in Excel.",
       &TfrmAutoparco::cmdEsportaClick},
      {&TfrmAutoparco::cmdSlideshow, "cmdSlideshow", "Slide show", "Esegui lo slide show del parco automezzi.",
       &TfrmAutoparco::cmdSlideshowClick},
      {&TfrmAutoparco::cmdGuida, "cmdGuida", "Guida", "Visualizza la guida in linea.", &TfrmAutoparco::cmdGuidaClick},
      {&TfrmAutoparco::cmdEsci, "cmdEsci", "Esci", "Esci da questa schermata.", &TfrmAutoparco::cmdEsciClick},
  };
  int x = 236;
  for (const CommandPicture& c : commands) {
    addPicture(panContainer_, c, QRect(x, 10, 68, 44));
    x += 70;
  }

  kit::buildSections(*this, panContainer_, kSections);

  // The attachments travel in hidden labels.
  buildAttachmentLabels(panContainer_);

  // Photo and its buttons.
  const int photoX = 674;
  const int photoW = kWidth - photoX - 10;
  imgFoto = new vehicles::PhotoFrame(panContainer_, QStringLiteral("imgFoto"));
  imgFoto->setGeometry(photoX, 74, photoW, 380);
  imgFoto->setMouseTracking(true);
  setHint(imgFoto, QString());
  imgBianco = new vehicles::PhotoFrame(panContainer_, QStringLiteral("imgBianco"));
  imgBianco->setImage(vehicles::blankPicture());
  imgBianco->setVisible(false);

  auto* bkgPulsantiFoto = new kit::CardPanel(panContainer_, QStringLiteral("bkgPulsantiFoto"));
  bkgPulsantiFoto->setGeometry(photoX, 460, photoW, 48);
  setHint(bkgPulsantiFoto, QString());
  const CommandPicture photoButtons[] = {
      {&TfrmAutoparco::btnCaricaFoto, "btnCaricaFoto", "Carica foto", "Carica una foto.",
       &TfrmAutoparco::btnCaricaFotoClick},
      {&TfrmAutoparco::btnSalvaFoto, "btnSalvaFoto", "Salva foto", "Salva la foto su disco.",
       &TfrmAutoparco::btnSalvaFotoClick},
      {&TfrmAutoparco::btnCancFoto, "btnCancFoto", "Cancella", "Cancella la foto.", &TfrmAutoparco::btnCancFotoClick},
      {&TfrmAutoparco::btnZoomFoto, "btnZoomFoto", "Zoom", "Visualizza la foto nelle sue dimensioni reali.",
       &TfrmAutoparco::btnZoomFotoClick},
  };
  const int photoButtonW = (photoW - 10) / 4;
  x = 5;
  for (const CommandPicture& c : photoButtons) {
    addPicture(bkgPulsantiFoto, c, QRect(x, 5, photoButtonW - 4, 38));
    x += photoButtonW;
  }

  // Record navigation, the position between the arrows.
  const int navY = 540;
  const auto navigation = kit::navigationPictures<TfrmAutoparco>();
  const int navX[] = {photoX + 8, photoX + 64, photoX + photoW - 116, photoX + photoW - 60};
  for (int i = 0; i < 4; ++i) addPicture(panContainer_, navigation[i], QRect(navX[i], navY, 52, 36));
  lblPosizione = kit::positionLabel(panContainer_, QRect(photoX + 120, navY, photoW - 240, 36));

  btnFocus = kit::focusSink(panContainer_);

  panInfo = kit::hintBar(*this, panContainer_, QStringLiteral("Pronto per registrare una nuova scheda..."),
                         QRect(0, kHeight - 28, kWidth, 28));
}

void TfrmAutoparco::bindCard() {
  card_ = std::make_unique<kit::RecordCard>(*this, vehicles::vehicleLayout(), lblPosizione);
  card_->setArchive(vehicles::vehicleArchive());
  cardFields_ = new kit::CardFields(*this, *card_, kFields,
                                    {.openCalendar = [this](const QString& keyWord) { TfrmCalendario::open(this, keyWord); },
                                     .enterFollowsRows = true,
                                     .limitToFields = true});
  const std::vector<platform::FilteredEdit*> edits = cardFields_->edits();
  std::copy(edits.begin(), edits.end(), edits_.begin());
  bindAttachments(*card_);

  card_->require(txtTipo, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il tipo di veicolo."));
  card_->require(txtMarca, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la marca del veicolo."));
  card_->require(txtModello,
                 QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il modello del veicolo."));
  card_->require(txtTarga, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la targa del veicolo."));

  card_->beforeSave = [this] { btnFocus->setFocus(Qt::OtherFocusReason); };
  card_->afterRead = [this] { LoadVehiclePhoto(); };
  card_->afterSave = [this] { photoSaved_ = SaveVehiclePhoto(); };
  card_->onNew = [this] { showBlankPicture(); };
  card_->setFirstField(txtTipo);
  // A copy starts without attachments and without photo; every edit, plate included, stays.
  card_->setDuplicateClears({lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03});
  card_->onDuplicate = [this] { showBlankPicture(); };
  card_->setDuplicateFocus(txtTipo);
  card_->setAppendMessage(kit::RecordCard::AppendMessage::Inserita);
  card_->setAccessErrorKind(platform::MsgKind::Error);
}

// ---- commands --------------------------------------------------------------------

void TfrmAutoparco::cmdSalvaClick() {
  photoSaved_ = true;
  card_->save();
  // The card is in the archive and has said so; then the photo's own failure.
  if (!photoSaved_) platform::warning(kPhotoNotSaved, this);
}
void TfrmAutoparco::cmdDuplicaClick() { card_->duplicate(); }

// The search, the card print and preview and the export are dialogs owned by the card.
void TfrmAutoparco::cmdTrovaClick() { platform::openModal<TfrmTrovaAutomezzi>(this, QStringLiteral("autoparco")); }

void TfrmAutoparco::cmdStampaClick() { platform::openModal<TfrmStampaAutomezzo>(this); }

void TfrmAutoparco::cmdAnteprimaClick() { platform::openModal<TfrmAnteprimaAutomezzo>(this); }

void TfrmAutoparco::cmdEsportaClick() { platform::openModal<TfrmExpAutoparco>(this); }

void TfrmAutoparco::cmdFileClick() { TfrmAllegaCartella::open(this, QStringLiteral("autoparco")); }

void TfrmAutoparco::cmdSlideshowClick() { platform::openModal<TfrmSlideshow_Automezzi>(this); }

void TfrmAutoparco::cmdGuidaClick() {
  TfrmGuida::showHelp(this, QStringLiteral("App Parco Automezzi"), helpParagraphs());
}

void TfrmAutoparco::cmdEsciClick() { closeForm(); }

// ---- photo -------------------------------------------------------------------------

void TfrmAutoparco::showBlankPicture() { imgFoto->setImage(imgBianco->image()); }

void TfrmAutoparco::LoadVehiclePhoto() {
  const QImage photo = vehicles::loadPhoto(lblPosizione->text());
  if (photo.isNull()) showBlankPicture();
  else imgFoto->setImage(photo);
}

const QString TfrmAutoparco::kPhotoNotSaved = QStringLiteral(
    "Attenzione: la foto del veicolo non è stata salvata.\n\r\n\r"
    "La scheda è stata comunque salvata in archivio; per salvare la foto accertarsi che ci sia spazio libero sul "
    "disco e premere di nuovo Salva.");

bool TfrmAutoparco::SaveVehiclePhoto() {
  // A photo that cannot be written leaves the picture on the card as it was, so the
  // user still has it and the next Save can write it. A frame with no picture at all
  // has nothing to lose.
  if (imgFoto->image().isNull()) return true;
  return vehicles::savePhoto(imgFoto->image(), lblPosizione->text());
}

void TfrmAutoparco::btnCaricaFotoClick() {
  const QString file = platform::dialogHost().openFile(
      this, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."), QString(),
      QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
  if (file.isEmpty()) return;
  QImage image(file);
  if (image.isNull()) showBlankPicture();
  else imgFoto->setImage(image);
}

void TfrmAutoparco::btnSalvaFotoClick() {
  // The save dialog asks before overwriting an existing file.
  const QString file = platform::dialogHost().saveFile(
      this, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
      QStringLiteral("Foto.jpg"), QStringLiteral("File Jpeg (*.jpg)"));
  if (file.isEmpty()) return;
  // The default extension, when the name has none.
  const QString path = QFileInfo(file).suffix().isEmpty() ? file + QStringLiteral(".jpg") : file;
  // A copy that cannot be written leaves the picture on the card as it was.
  vehicles::saveJpeg(imgFoto->image(), path);
}

void TfrmAutoparco::btnCancFotoClick() { showBlankPicture(); }

void TfrmAutoparco::btnZoomFotoClick() {
  TfrmZoom zoom(this);
  zoom.imgFoto->setImage(imgFoto->image());
  zoom.showModalDialog();
}

// ---- help --------------------------------------------------------------------------

QStringList TfrmAutoparco::helpParagraphs() {
  return {
      QStringLiteral(
          "Ogni scheda del parco automezzi registra i dati descrittivi di un veicolo: il tipo, la destinazione "
          "e l'uso, la marca e il modello, la targa e il numero di telaio, l'anno di immatricolazione, il colore, "
          "i pneumatici montati e lo stato del veicolo. Si possono indicare inoltre l'alimentazione (benzina, "
          "gasolio, elettricità, GPL, ibrida, metano), i cavalli fiscali o i kW, la cilindrata, i chilometri "
          "percorsi con la data della lettura, il numero dei posti, la portata massima e la classe di "
          "compatibilità ambientale."),
      QStringLiteral(
          "La scheda raccoglie anche gli incidenti subiti, la compagnia assicurativa con il suo recapito "
          "telefonico e l'importo dell'ultima polizza pagata, il proprietario, l'autista e il meccanico di "
          "fiducia con i rispettivi numeri di telefono. Nelle note si può annotare qualsiasi altra informazione "
          "utile."),
      QStringLiteral(
          "Per registrare un nuovo veicolo premere \"Nuovo\", compilare i campi e premere \"Salva\". Il tipo di "
          "veicolo, la marca, il modello e la targa sono obbligatori."),
      QStringLiteral(
          "Per modificare una scheda richiamarla con la ricerca o con le frecce (precedente, successiva, prima, "
          "ultima), apportare le modifiche e premere \"Salva\"."),
      QStringLiteral(
          "Il pulsante \"Carica foto\" associa alla scheda un'immagine in formato JPEG o bitmap, adattata alla "
          "cornice di anteprima. Lo zoom mostra la foto a tutto schermo; in qualsiasi momento la foto può essere "
          "salvata su disco oppure rimossa dalla scheda."),
      QStringLiteral(
          "Lo slide show presenta a tutto schermo le foto di tutti i veicoli in archivio, una ogni sei secondi, "
          "ricominciando dalla prima dopo l'ultima. Un clic sulla foto chiude la presentazione."),
      QStringLiteral(
          "La funzione \"Duplica\" aiuta a registrare un nuovo veicolo simile a uno già in archivio: richiamare "
          "la scheda del veicolo esistente, premere \"Duplica\", modificare i dati che cambiano e premere "
          "\"Salva\"."),
      QStringLiteral(
          "A ogni scheda si possono allegare file esterni di qualsiasi tipo, per esempio la scansione della "
          "carta di circolazione, la ricevuta del bollo o il contratto di assicurazione."),
      QStringLiteral(
          "Il pulsante \"Trova\" cerca le schede anche con chiavi parziali e più filtri insieme, per esempio tutti "
          "i veicoli di un proprietario o di un autista, di una marca o di un modello. I risultati della ricerca "
          "possono essere stampati."),
      QStringLiteral(
          "Tenendo aggiornate le quattro date di scadenza (revisione, tagliando, assicurazione e bollo) l'app "
          "delle scadenze imminenti può tenere sotto controllo i pagamenti e gli adempimenti."),
      QStringLiteral(
          "La scheda, con la sua foto, può essere visualizzata in anteprima e stampata; l'intero archivio può "
          "essere esportato in un file di Microsoft Excel."),
  };
}
