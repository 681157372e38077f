#pragma once
// The vehicle card "Parco Automezzi": the record card of the vehicle archive, one
// vehicle at a time with its photo and its three attached documents. Long-lived:
// every show starts a new card; closing it brings the launcher back.
#include <QImage>
#include <QString>
#include <array>

#include "kit/card_window.h"
#include "vehicles/vehicle_record.h"

class QLineEdit;

namespace vehicles { class PhotoFrame; }

class TfrmAutoparco : public kit::CardWindow, public kit::CardAttachments {
  Q_OBJECT
 public:
  explicit TfrmAutoparco(QWidget* owner);
  ~TfrmAutoparco() override;

  // The 32 edits in record order (txtTipo ... txtNote).
  QLineEdit* txtTipo;
  QLineEdit* txtDestinazione;
  QLineEdit* txtMarca;
  QLineEdit* txtModello;
  QLineEdit* txtTarga;
  QLineEdit* txtAnno;
  QLineEdit* txtColore;
  QLineEdit* txtTelaio;
  QLineEdit* txtPneumatici;
  QLineEdit* txtStato;
  QLineEdit* txtChilometri;
  QLineEdit* txtLettura;
  QLineEdit* txtAlimentazione;
  QLineEdit* txtCilindrata;
  QLineEdit* txtKW;
  QLineEdit* txtAmbiente;
  QLineEdit* txtPosti;
  QLineEdit* txtPortata;
  QLineEdit* txtCompagnia;
  QLineEdit* txtTelAssicuratore;
  QLineEdit* txtPolizza;
  QLineEdit* txtIncidenti;
  QLineEdit* txtProprietario;
  QLineEdit* txtAutista;
  QLineEdit* txtTelAutista;
  QLineEdit* txtMeccanico;
  QLineEdit* txtTelMeccanico;
  QLineEdit* txtScadRevisione;
  QLineEdit* txtScadTagliando;
  QLineEdit* txtScadAssicurazione;
  QLineEdit* txtScadBollo;
  QLineEdit* txtNote;

  vehicles::PhotoFrame* imgFoto;
  vehicles::PhotoFrame* imgBianco;

  platform::PictureButton* cmdDuplica;
  platform::PictureButton* cmdTrova;
  platform::PictureButton* cmdFile;
  platform::PictureButton* cmdStampa;
  platform::PictureButton* cmdAnteprima;
  platform::PictureButton* cmdEsporta;
  platform::PictureButton* cmdSlideshow;
  platform::PictureButton* cmdGuida;
  platform::PictureButton* cmdEsci;
  platform::PictureButton* btnCaricaFoto;
  platform::PictureButton* btnSalvaFoto;
  platform::PictureButton* btnCancFoto;
  platform::PictureButton* btnZoomFoto;

  QPushButton* btnFocus;

  // The edits in record order.
  const std::array<QLineEdit*, vehicles::VehicleRecord::kEditCount>& edits() const { return edits_; }

  // The photo file of the position shown into imgFoto (the blank picture when it is
  // missing or unreadable); and imgFoto into that file (false when it could not be
  // written: the old file and the picture shown then stay as they were).
  void LoadVehiclePhoto();
  bool SaveVehiclePhoto();
  // Shown after the card's own saved message when its photo could not be written.
  static const QString kPhotoNotSaved;
  // The blank picture into imgFoto.
  void showBlankPicture();

  // The help of the card, paragraphs in order.
  static QStringList helpParagraphs();

 public slots:
  // Save, then the photo's own warning when it could not be written.
  void cmdSalvaClick() override;
  void cmdDuplicaClick();
  void cmdTrovaClick();
  void cmdFileClick();
  void cmdStampaClick();
  void cmdAnteprimaClick();
  void cmdEsportaClick();
  void cmdSlideshowClick();
  void cmdGuidaClick();
  void cmdEsciClick();
  void btnCaricaFotoClick();
  void btnSalvaFotoClick();
  void btnCancFotoClick();
  void btnZoomFotoClick();

 private:
  void buildControls();
  void bindCard();

  std::array<QLineEdit*, vehicles::VehicleRecord::kEditCount> edits_{};
  bool photoSaved_ = true;  // by the last Save that wrote the card
};
