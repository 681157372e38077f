#pragma once
// The trip card "Registro Viaggi": the record card of the trip archive, one trip at a
// time with its five refuelling rows, the litre and amount totals, the three
// odometer figures, the in-progress flag and three attached documents. Long-lived:
// every show starts a new card; closing it brings the launcher back.
#include <QString>
#include <QStringList>
#include <array>

#include "kit/card_window.h"
#include "kit/search_window.h"
#include "trips/trip_record.h"

class QCheckBox;
class QLineEdit;

class TfrmServizi : public kit::CardWindow, public kit::CardAttachments {
  Q_OBJECT
 public:
  explicit TfrmServizi(QWidget* owner);
  ~TfrmServizi() override;

  // The 44 edits in record order (txtDataPartenza ... txtKmPercorsi).
  QLineEdit* txtDataPartenza;
  QLineEdit* txtOraPartenza;
  QLineEdit* txtDataRientro;
  QLineEdit* txtOraRientro;
  QLineEdit* txtLuogo;
  QLineEdit* txtItinerario;
  QLineEdit* txtScopo;
  QLineEdit* txtVeicolo;
  QLineEdit* txtTarga;
  QLineEdit* txtConduttore;
  QLineEdit* txtSupplementare;
  QLineEdit* txtPersone;
  QLineEdit* txtTotViaggiatori;
  QLineEdit* txtMerce;
  // Refuelling rows 1 to 5 (index 0 to 4).
  std::array<QLineEdit*, 5> txtDataRif{};
  std::array<QLineEdit*, 5> txtOraRif{};
  std::array<QLineEdit*, 5> txtStazione{};
  std::array<QLineEdit*, 5> txtLitri{};
  std::array<QLineEdit*, 5> txtImporto{};
  QLineEdit* txtLitriTot;
  QLineEdit* txtImportoTot;
  QLineEdit* txtKmPartenza;
  QLineEdit* txtKmRientro;
  QLineEdit* txtKmPercorsi;
  QCheckBox* chkInCorso;

  QPushButton* btnCalcolaRif;
  QPushButton* btnCalcolaKm;
  QPushButton* btnFocus;

  platform::PictureButton* cmdDuplica;
  platform::PictureButton* cmdTrova;
  platform::PictureButton* cmdFile;
  platform::PictureButton* cmdStampa;
  platform::PictureButton* cmdEsporta;
  platform::PictureButton* cmdInCorso;
  platform::PictureButton* cmdGuida;
  platform::PictureButton* cmdEsci;
  platform::PictureButton* impVeicolo;
  platform::PictureButton* icoInfo;
  platform::PictureButton* titInfo;

  // The edits in record order.
  const std::array<QLineEdit*, trips::TripRecord::kEditCount>& edits() const { return edits_; }

  // The new-card state: today's date and the current time, every other edit empty
  // or at its zero, no attachments, the flag cleared, no position.
  void ClearTripCard();

  // What the trip lists' double-click does for a key word (empty: any): the trip is
  // loaded into the long-lived card as if navigation had reached it.
  static kit::PickTarget pickTarget(const QString& keyWord);
  // The hint line under the trip lists.
  static const QString kListExplanation;

  // The help of the card, paragraphs in order.
  static QStringList helpParagraphs();
  // The warning of a computed total too long for its field.
  static QString totalTooLong(const QString& what, const QString& total, int width);

 public slots:
  void cmdDuplicaClick();
  void cmdTrovaClick();
  void cmdFileClick();
  void cmdStampaClick();
  void cmdEsportaClick();
  void cmdInCorsoClick();
  void cmdGuidaClick();
  void cmdEsciClick();
  void impVeicoloClick();
  void icoInfoClick();
  void btnCalcolaRifClick();
  void btnCalcolaKmClick();

 private:
  void buildControls();
  void bindCard();
  bool totalsFit();

  std::array<QLineEdit*, trips::TripRecord::kEditCount> edits_{};
};
