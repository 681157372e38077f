#pragma once
// The mileage card "Scadenzario Chilometrico": the record card of the mileage archive,
// one deadline at a time. It computes the due reading ("Calcola", initial reading plus
// interval) and the state of the deadline ("Controlla", expired once the current
// reading is beyond the due one), and both run again at every Save, so the stored
// state always follows the readings saved with it. Long-lived: every show starts a
// new card; closing it brings the launcher back.
#include <QString>
#include <QStringList>

#include "kit/canvas_print.h"
#include "kit/card_window.h"

class QCheckBox;
class QLineEdit;

class TfrmChilometrico : public kit::CardWindow {
  Q_OBJECT
 public:
  explicit TfrmChilometrico(QWidget* owner);
  ~TfrmChilometrico() override;

  // The controls holding the record, in record order.
  QLineEdit* txtVeicolo;
  QLineEdit* txtMarca;
  QLineEdit* txtModello;
  QLineEdit* txtColore;
  QLineEdit* txtAlimentazione;
  QLineEdit* txtTarga;
  QLineEdit* txtConducente;
  QLineEdit* txtCodFisc;
  QLineEdit* txtRecapito;
  QLineEdit* txtManutenzione;
  QLineEdit* txtDettagli;
  QLineEdit* txtOfficina;
  QLineEdit* txtCosto;
  QLineEdit* txtDataInt;
  QLineEdit* txtKmRil;
  QLineEdit* txtDataRil;
  QLineEdit* txtOgni;
  QLineEdit* txtProssima;
  QLineEdit* txtKmAttuali;
  QLineEdit* txtDataAtt;
  QLabel* txtStato;
  QCheckBox* chkEffettuata;
  QLineEdit* txtNote;

  QPushButton* btnCalcola;
  QPushButton* btnControlla;
  QPushButton* btnDataRil;
  platform::PictureButton* impDataInt;
  platform::PictureButton* impDataAtt;
  platform::PictureButton* impConduttore;
  platform::PictureButton* btnCodFisc;

  platform::PictureButton* cmdDuplica;
  platform::PictureButton* cmdImporta;
  platform::PictureButton* cmdTrova;
  platform::PictureButton* cmdStampa;
  platform::PictureButton* cmdEsporta;
  platform::PictureButton* cmdScadute;
  platform::PictureButton* cmdDaEffettuare;
  platform::PictureButton* cmdEffettuate;
  platform::PictureButton* cmdGuida;
  platform::PictureButton* cmdEsci;

  // "Calcola" and "Controlla"; false after their warning (the readings concerned then
  // hold "0").
  bool calcola();
  bool controlla();

  // What the card print draws: the title and the 20 rows, from the controls on screen.
  kit::CanvasCard printedCard() const;

  // The help of the card, paragraphs in order.
  static QStringList helpParagraphs();

 public slots:
  void cmdDuplicaClick();
  void cmdImportaClick();
  void cmdTrovaClick();
  void cmdStampaClick();
  void cmdEsportaClick();
  void cmdScaduteClick();
  void cmdDaEffettuareClick();
  void cmdEffettuateClick();
  void cmdGuidaClick();
  void cmdEsciClick();
  void btnCalcolaClick();
  void btnControllaClick();
  void btnDataRilClick();
  void impDataIntClick();
  void impDataAttClick();
  void impConduttoreClick();
  void btnCodFiscClick();

 private:
  void buildControls();
  void bindCard();
  // The new-card values of the readings, dates, state and done box (New and Duplicate).
  void resetReadings();
  bool checkInitialDate();
  // The last check of Save: the cost's default, then "Calcola" and "Controlla".
  bool computeBeforeSave();

};
