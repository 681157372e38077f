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

// Where each edit sits: in the details panel (alice blue) or the notes panel
// (white), on which row, in which column; a wide edit takes the whole row.
struct FieldPlace {
  const char* caption;
  bool notes;
  int row;
  int column;  // 0 left, 1 right, 2 the whole row
};

// In record order, one per edit: the fields read left to right and top to bottom in
// the order Enter and Tab move through them.
constexpr FieldPlace kPlaces[VehicleRecord::kEditCount] = {
    {"Tipo veicolo:", false, 0, 0},
    {"Destinazione ed uso:", false, 0, 1},
    {"Marca:", false, 1, 0},
    {"Modello:", false, 1, 1},
    {"Targa:", false, 2, 0},
    {"Immatricolazione:", false, 2, 1},
    {"Colore:", false, 3, 0},
    {"Telaio:", false, 3, 1},
    {"Pneumatici:", false, 4, 2},
    {"Stato veicolo:", false, 5, 0},
    {"Chilometri percorsi:", false, 5, 1},
    {"Data lettura:", false, 6, 0},
    {"Alimentazione:", false, 6, 1},
    {"Cilindrata:", false, 7, 0},
    {"kW:", false, 7, 1},
    {"Compatibilità ambientale:", false, 8, 0},
    {"Numero posti:", false, 8, 1},
    {"Portata massima:", false, 9, 0},
    {"Compagnia assicurativa:", false, 10, 2},
    {"Tel. assicuratore:", false, 11, 0},
    {"Importo polizza:", false, 11, 1},
    {"Incidenti subiti:", false, 12, 2},
    {"Proprietario:", false, 13, 0},
    {"Autista:", true, 0, 0},
    {"Telefono:", true, 0, 1},
    {"Meccanico:", true, 1, 0},
    {"Telefono:", true, 1, 1},
    {"Scad. revisione:", true, 2, 0},
    {"Scad. tagliando:", true, 2, 1},
    {"Scad. assicurazione:", true, 3, 0},
    {"Scad. bollo:", true, 3, 1},
    {"Note:", true, 4, 2},
};

// Each edit takes as many characters as its field holds.
consteval int width(std::string_view field) {
  for (const core::FieldDef& f : VehicleRecord::fields)
    if (f.name == field) return f.width;
  throw std::logic_error("no such vehicle field");  // at compile time: a misspelt field does not build
}

// The attached files and their descriptions, after the edits.
std::span<const core::FieldDef, 6> attachmentFields() {
  return std::span<const core::FieldDef>(VehicleRecord::fields).subspan<VehicleRecord::kEditCount, 6>();
}

const kit::FocusMark kDetails = kit::painted(platform::kAliceBlue);
const kit::FocusMark kNotes = kit::painted(Qt::white);

// The edits in record order: Enter moves along them and wraps from the notes to the
// type; the five dates are filled from the calendar; the plate refuses some
// characters and shows capitals.
const kit::CardField kFields[VehicleRecord::kEditCount] = {
    {.control = "txtTipo", .field = "Tipo", .maxLength = width("Tipo"), .next = "txtDestinazione", .mark = kDetails},
    {.control = "txtDestinazione", .field = "Destinazione", .maxLength = width("Destinazione"), .next = "txtMarca",
     .mark = kDetails},
    {.control = "txtMarca", .field = "Marca", .maxLength = width("Marca"), .next = "txtModello", .mark = kDetails},
    {.control = "txtModello", .field = "Modello", .maxLength = width("Modello"), .next = "txtTarga", .mark = kDetails},
    {.control = "txtTarga", .field = "Targa", .maxLength = width("Targa"), .next = "txtAnno",
     .typing = kit::Typing::TrimUpper, .refused = vehicles::isRefusedPlateChar, .mark = kDetails},
    {.control = "txtAnno", .field = "Anno", .maxLength = width("Anno"), .next = "txtColore", .mark = kDetails},
    {.control = "txtColore", .field = "Colore", .maxLength = width("Colore"), .next = "txtTelaio", .mark = kDetails},
    {.control = "txtTelaio", .field = "Telaio", .maxLength = width("Telaio"), .next = "txtPneumatici",
     .mark = kDetails},
    {.control = "txtPneumatici", .field = "Pneumatici", .maxLength = width("Pneumatici"), .next = "txtStato",
     .mark = kDetails},
    {.control = "txtStato", .field = "Stato", .maxLength = width("Stato"), .next = "txtChilometri", .mark = kDetails},
    {.control = "txtChilometri", .field = "Chilometri", .maxLength = width("Chilometri"), .next = "txtLettura",
     .mark = kDetails},
    {.control = "txtLettura", .field = "Lettura", .maxLength = width("Lettura"), .next = "txtAlimentazione",
     .calendarKey = "autoparco_lettura", .mark = kDetails},
    {.control = "txtAlimentazione", .field = "Alimentazione", .maxLength = width("Alimentazione"),
     .next = "txtCilindrata", .mark = kDetails},
    {.control = "txtCilindrata", .field = "Cilindrata", .maxLength = width("Cilindrata"), .next = "txtKW",
     .mark = kDetails},
    {.control = "txtKW", .field = "KW", .maxLength = width("KW"), .next = "txtAmbiente", .mark = kDetails},
    {.control = "txtAmbiente", .field = "Ambiente", .maxLength = width("Ambiente"), .next = "txtPosti",
     .mark = kDetails},
    {.control = "txtPosti", .field = "Posti", .maxLength = width("Posti"), .next = "txtPortata", .mark = kDetails},
    {.control = "txtPortata", .field = "Portata", .maxLength = width("Portata"), .next = "txtCompagnia",
     .mark = kDetails},
    {.control = "txtCompagnia", .field = "Compagnia", .maxLength = width("Compagnia"), .next = "txtTelAssicuratore",
     .mark = kDetails},
    {.control = "txtTelAssicuratore", .field = "TelAssicuratore", .maxLength = width("TelAssicuratore"),
     .next = "txtPolizza", .mark = kDetails},
    {.control = "txtPolizza", .field = "Polizza", .maxLength = width("Polizza"), .next = "txtIncidenti",
     .mark = kDetails},
    {.control = "txtIncidenti", .field = "Incidenti", .maxLength = width("Incidenti"), .next = "txtProprietario",
     .mark = kDetails},
    {.control = "txtProprietario", .field = "Proprietario", .maxLength = width("Proprietario"), .next = "txtAutista",
     .mark = kDetails},
    {.control = "txtAutista", .field = "Autista", .maxLength = width("Autista"), .next = "txtTelAutista",
     .mark = kNotes},
    {.control = "txtTelAutista", .field = "TelAutista", .maxLength = width("TelAutista"), .next = "txtMeccanico",
     .mark = kNotes},
    {.control = "txtMeccanico", .field = "Meccanico", .maxLength = width("Meccanico"), .next = "txtTelMeccanico",
     .mark = kNotes},
    {.control = "txtTelMeccanico", .field = "TelMeccanico", .maxLength = width("TelMeccanico"),
     .next = "txtScadRevisione", .mark = kNotes},
    {.control = "txtScadRevisione", .field = "ScadRevisione", .maxLength = width("ScadRevisione"),
     .next = "txtScadTagliando", .calendarKey = "autoparco_scadrevisione", .mark = kNotes},
    {.control = "txtScadTagliando", .field = "ScadTagliando", .maxLength = width("ScadTagliando"),
     .next = "txtScadAssicurazione", .calendarKey = "autoparco_scadtagliando", .mark = kNotes},
    {.control = "txtScadAssicurazione", .field = "ScadAssicurazione", .maxLength = width("ScadAssicurazione"),
     .next = "txtScadBollo", .calendarKey = "autoparco_scadassicurazione", .mark = kNotes},
    {.control = "txtScadBollo", .field = "ScadBollo", .maxLength = width("ScadBollo"), .next = "txtNote",
     .calendarKey = "autoparco_scadbollo", .mark = kNotes},
    {.control = "txtNote", .field = "Note", .maxLength = width("Note"), .next = "txtTipo", .mark = kNotes},
};

constexpr int kRowPitch = 30;
constexpr int kEditHeight = 24;
// Columns inside a panel 650 wide: caption, then edit; a wide edit spans both columns.
constexpr int kLeftCaptionX = 6, kLeftCaptionW = 168, kLeftEditX = 178, kLeftEditW = 150;
constexpr int kRightCaptionX = 334, kRightCaptionW = 142, kRightEditX = 480, kRightEditW = 160;
constexpr int kWideEditW = kRightEditX + kRightEditW - kLeftEditX;
constexpr int kDetailsRows = 14;
constexpr int kNotesRows = 5;

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

  // Field panels.
  auto* bkgDetails = new kit::CardPanel(panContainer_, QStringLiteral("bkgDetails"));
  bkgDetails->setGeometry(10, 74, 650, 12 + kDetailsRows * kRowPitch);
  setHint(bkgDetails, QString());
  auto* bkgNotes = new kit::CardPanel(panContainer_, QStringLiteral("bkgNotes"), kit::kNotesTop, kit::kNotesBottom);
  bkgNotes->setGeometry(10, bkgDetails->geometry().bottom() + 10, 650, 12 + kNotesRows * kRowPitch);
  setHint(bkgNotes, QString());

  QLineEdit** editSlots[VehicleRecord::kEditCount] = {
      &txtTipo,          &txtDestinazione, &txtMarca,      &txtModello,         &txtTarga,
      &txtAnno,          &txtColore,       &txtTelaio,     &txtPneumatici,      &txtStato,
      &txtChilometri,    &txtLettura,      &txtAlimentazione, &txtCilindrata,   &txtKW,
      &txtAmbiente,      &txtPosti,        &txtPortata,    &txtCompagnia,       &txtTelAssicuratore,
      &txtPolizza,       &txtIncidenti,    &txtProprietario, &txtAutista,       &txtTelAutista,
      &txtMeccanico,     &txtTelMeccanico, &txtScadRevisione, &txtScadTagliando, &txtScadAssicurazione,
      &txtScadBollo,     &txtNote,
  };
  for (std::size_t i = 0; i < VehicleRecord::kEditCount; ++i) {
    const FieldPlace& place = kPlaces[i];
    QWidget* panel = place.notes ? static_cast<QWidget*>(bkgNotes) : bkgDetails;
    const int y = 8 + place.row * kRowPitch;
    const bool right = place.column == 1;
    const int editX = right ? kRightEditX : kLeftEditX;
    const int editW = place.column == 2 ? kWideEditW : right ? kRightEditW : kLeftEditW;

    auto* caption = new QLabel(QString::fromUtf8(place.caption), panel);
    caption->setGeometry(right ? kRightCaptionX : kLeftCaptionX, y, right ? kRightCaptionW : kLeftCaptionW,
                         kEditHeight);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The table gives each edit its behaviour (bindCard); here it only takes its place.
    auto* edit = new platform::FilteredEdit(panel, QString::fromLatin1(kFields[i].control));
    edit->setGeometry(editX, y, editW, kEditHeight);
    *editSlots[i] = edit;
    edits_[i] = edit;
  }

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

  QWidget* previous = edits_.front();
  for (std::size_t i = 1; i < edits_.size(); ++i) {
    setTabOrder(previous, edits_[i]);
    previous = edits_[i];
  }
  setTabOrder(previous, btnFocus);

  panInfo = kit::hintBar(*this, panContainer_, QStringLiteral("Pronto per registrare una nuova scheda..."),
                         QRect(0, kHeight - 28, kWidth, 28));
}

void TfrmAutoparco::bindCard() {
  card_ = std::make_unique<kit::RecordCard>(*this, vehicles::vehicleLayout(), lblPosizione);
  card_->setArchive(vehicles::vehicleArchive());
  cardFields_ = new kit::CardFields(*this, *card_, kFields,
                                {.openCalendar = [this](const QString& keyWord) { TfrmCalendario::open(this, keyWord); }});
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
