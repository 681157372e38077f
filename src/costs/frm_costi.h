#pragma once
// The cost card: one payment of the cost archive of the year chosen in the cost menu
// at a time. New, Save, the four arrows, the vehicle picker, the search, the
// unsettled payments, the export, the print and the help. The only writer of the cost
// archive. Long-lived: every show starts a new card; closing it brings the launcher
// back.
#include <QString>

#include "kit/canvas_print.h"
#include "kit/card_window.h"
#include "kit/search_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class TfrmCosti : public kit::CardWindow {
  Q_OBJECT
 public:
  explicit TfrmCosti(QWidget* owner);
  ~TfrmCosti() override;

  // What the cost menu's first "Apri" sets: the archive of `year` (four digits) in
  // lblFile, the caption and the year label.
  void openYear(const QString& year);

  // The 21 boxes in tab order, then the settled box.
  QComboBox* txtVeicolo;
  QLineEdit* txtMarca;
  QLineEdit* txtModello;
  QLineEdit* txtColore;
  QLineEdit* txtAlimentazione;
  QLineEdit* txtTarga;
  QComboBox* txtGiorno;
  QComboBox* txtMese;
  QLineEdit* txtLuogo;
  QComboBox* txtCausale;
  QLineEdit* txtDescrizione;
  QLineEdit* txtModalita;
  QLineEdit* txtEstremi;
  QLineEdit* txtImporto;
  QLineEdit* txtPagatore;
  QLineEdit* txtRecPagatore;
  QLineEdit* txtBeneficiario;
  QLineEdit* txtRecBeneficiario;
  QLineEdit* txtConducente;
  QLineEdit* txtRecapito;
  QLineEdit* txtNote;
  QCheckBox* chkSaldato;

  // The archive's full path (hidden), the year shown beside the month, the date of the
  // card (hidden, built by Save).
  QLabel* lblFile;
  QLabel* lblAnno;
  QLabel* lblData;

  platform::PictureButton* cmdTrova;
  platform::PictureButton* cmdImporta;
  platform::PictureButton* cmdStampa;
  platform::PictureButton* cmdEsporta;
  platform::PictureButton* cmdSospese;
  platform::PictureButton* cmdGuida;
  platform::PictureButton* cmdEsci;

  // The new-card state: every box empty but the amount "0,00", the box unticked, no
  // position, the focus on the vehicle type; the year, the date and the archive stay.
  void ClearCostCard();
  // The amount as Save stores it: cut to its first 15 characters, then normalised.
  void NormaliseCostAmount();

  // The card as the print draws it: its title and fourteen rows read from the boxes.
  kit::CanvasCard printedCard() const;

  // Where the unsettled payments and the search load a double-clicked payment: the
  // whole card with its number (`keyWord` empty: whatever the memory holds).
  static kit::PickTarget pickTarget(const QString& keyWord);

 public slots:
  void cmdTrovaClick();
  void cmdImportaClick();
  void cmdStampaClick();
  void cmdEsportaClick();
  void cmdSospeseClick();
  void cmdGuidaClick();
  void cmdEsciClick();

 private:
  void buildControls();
  void bindCard();
  bool checkDay();
};
