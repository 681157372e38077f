#pragma once
// The driver card "Anagrafica Conduttori": the record card of the driver archive, one
// driver at a time with the vehicle assigned to them, their codes (checked by the four
// checkers), their availability and three attached documents. Long-lived: every show
// starts a new card; closing it brings the launcher back.
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "drivers/driver_record.h"
#include "kit/record_card.h"
#include "platform/form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace kit { class CardFields; }
namespace platform { class PictureButton; }

class TfrmAnagrafica : public platform::Form {
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
  // The attachments, carried between the archive and the attachments dialog.
  QLabel* lblFile01;
  QLabel* lblFile02;
  QLabel* lblFile03;
  QLabel* lblDesc01;
  QLabel* lblDesc02;
  QLabel* lblDesc03;

  platform::PictureButton* btnCodFisc;
  platform::PictureButton* btnCarta;
  platform::PictureButton* btnPartitaIva;
  platform::PictureButton* btnIban;
  platform::PictureButton* btnEmail;

  platform::PictureButton* cmdNuovo;
  platform::PictureButton* cmdImporta;
  platform::PictureButton* cmdFile;
  platform::PictureButton* cmdSalva;
  platform::PictureButton* cmdTrova;
  platform::PictureButton* cmdStampa;
  platform::PictureButton* cmdEsporta;
  platform::PictureButton* cmdFerie;
  platform::PictureButton* cmdServizio;
  platform::PictureButton* cmdTrasferte;
  platform::PictureButton* cmdGuida;
  platform::PictureButton* cmdEsci;
  platform::PictureButton* cmdPrimo;
  platform::PictureButton* cmdIndietro;
  platform::PictureButton* cmdAvanti;
  platform::PictureButton* cmdUltimo;
  QLabel* lblPosizione;
  QLabel* panInfo;

  // The control of each of the 26 edit fields, in record order (txtProv the combo).
  const std::array<QWidget*, drivers::DriverRecord::kEditCount>& fields() const { return fields_; }

  // Shows a record read by the driver search or a list as if navigation had reached
  // it: its fields, its flags and its 1-based number in the position label.
  void loadCard(const core::RecordBuffer& record, std::size_t number);

  kit::RecordCard& card() { return *card_; }

  // The province codes the province box offers, in order.
  static QStringList provinces();
  // The help of the card, paragraphs in order.
  static QStringList helpParagraphs();

 public slots:
  void cmdNuovoClick();
  void cmdSalvaClick();
  void cmdPrimoClick();
  void cmdIndietroClick();
  void cmdAvantiClick();
  void cmdUltimoClick();
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

 protected:
  void FormShow() override;
  void FormClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildControls();
  void bindCard();

  std::array<QWidget*, drivers::DriverRecord::kEditCount> fields_{};
  QWidget* panContainer_ = nullptr;
  std::unique_ptr<kit::RecordCard> card_;
  kit::CardFields* cardFields_ = nullptr;  // a child of the window
};
