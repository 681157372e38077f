#pragma once
// The driver card "Anagrafica Conduttori": the record card of the driver archive, one
// driver at a time with the vehicle assigned to them, their codes (checked by the four
// checkers), their availability and three attached documents. Long-lived: every show
// starts a new card; closing it brings the launcher back.
#include <QString>
#include <QStringList>
#include <array>

#include "drivers/driver_record.h"
#include "kit/card_window.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class TfrmAnagrafica : public kit::CardWindow, public kit::CardAttachments {
  Q_OBJECT
 public:
  explicit TfrmAnagrafica(QWidget* owner);
  ~TfrmAnagrafica() override;

  // The 26 edits in record order; the province is a combo edit.
  QLineEdit* txtConducente;
  QLineEdit* txtPatenti;
  QLineEdit* txtRecapito;
  QLineEdit* txtVia;
  QLineEdit* txtCap;
  QLineEdit* txtCitta;
  QComboBox* txtProv;
  QLineEdit* txtCompensi;
  QLineEdit* txtTelCasa;
  QLineEdit* txtTelUff;
  QLineEdit* txtTelCel;
  QLineEdit* txtFax;
  QLineEdit* txtEmail;
  QLineEdit* txtCodFisc;
  QLineEdit* txtCarta;
  QLineEdit* txtScadeCarta;
  QLineEdit* txtPartitaIva;
  QLineEdit* txtIban;
  QLineEdit* txtVeicolo;
  QLineEdit* txtMarca;
  QLineEdit* txtModello;
  QLineEdit* txtColore;
  QLineEdit* txtAlimentazione;
  QLineEdit* txtTarga;
  QLineEdit* txtProgramma;
  QLineEdit* txtNote;
  QCheckBox* chkFerie;
  QCheckBox* chkTrasferte;

  platform::PictureButton* btnCodFisc;
  platform::PictureButton* btnCarta;
  platform::PictureButton* btnPartitaIva;
  platform::PictureButton* btnIban;
  platform::PictureButton* btnEmail;

  platform::PictureButton* cmdImporta;
  platform::PictureButton* cmdFile;
  platform::PictureButton* cmdTrova;
  platform::PictureButton* cmdStampa;
  platform::PictureButton* cmdEsporta;
  platform::PictureButton* cmdFerie;
  platform::PictureButton* cmdServizio;
  platform::PictureButton* cmdTrasferte;
  platform::PictureButton* cmdGuida;
  platform::PictureButton* cmdEsci;

  // The control of each of the 26 edit fields, in record order (txtProv the combo).
  const std::array<QWidget*, drivers::DriverRecord::kEditCount>& fields() const { return fields_; }

  // The province codes the province box offers, in order.
  static QStringList provinces();
  // The help of the card, paragraphs in order.
  static QStringList helpParagraphs();

 public slots:
  void cmdImportaClick();
  void cmdTrovaClick();
  void cmdFileClick();
  void btnCodFiscClick();
  void btnPartitaIvaClick();
  void btnCartaClick();
  void btnIbanClick();
  void btnEmailClick();
  void cmdStampaClick();
  void cmdEsportaClick();
  void cmdTrasferteClick();
  void cmdFerieClick();
  void cmdServizioClick();
  void cmdGuidaClick();
  void cmdEsciClick();

 private:
  void buildControls();
  void bindCard();

  std::array<QWidget*, drivers::DriverRecord::kEditCount> fields_{};
};
