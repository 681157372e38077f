#pragma once
// The gate card "Ingressi e Uscite Veicoli": the record card of a year's gate archive,
// one visit at a time, filled when a vehicle comes in through the gate and completed
// when it leaves. Long-lived: the gate menu names the year's archive in lblFile and
// the caption, and every show starts a new card with today's date and the time now;
// closing it brings the launcher back.
//
// The day lists, the search and the export read the archive named in lblFile of the
// program's long-lived card (gateArchive()); the lists and the search load a chosen
// visit back into it (pickTarget()).
#include <QString>
#include <QStringList>
#include <array>

#include "kit/archive_source.h"
#include "kit/card_window.h"
#include "kit/search_window.h"

class QLineEdit;

class TfrmRegistro : public kit::CardWindow {
  Q_OBJECT
 public:
  explicit TfrmRegistro(QWidget* owner);
  ~TfrmRegistro() override;

  // The 16 edits in record order.
  QLineEdit* txtDataEnt;
  QLineEdit* txtOraEnt;
  QLineEdit* txtOperatoreEnt;
  QLineEdit* txtVeicolo;
  QLineEdit* txtTarga;
  QLineEdit* txtConduttore;
  QLineEdit* txtPersone;
  QLineEdit* txtMerce;
  QLineEdit* txtFoglio;
  QLineEdit* txtTessere;
  QLineEdit* txtLuogo;
  QLineEdit* txtTelCel;
  QLineEdit* txtNote;
  QLineEdit* txtDataUsc;
  QLineEdit* txtOraUsc;
  QLineEdit* txtOperatoreUsc;

  // Hidden: the full path of the open year's gate archive.
  QLabel* lblFile;

  platform::PictureButton* cmdTrova;
  platform::PictureButton* cmdStampa;
  platform::PictureButton* cmdNonUsciti;
  platform::PictureButton* cmdEntratiOggi;
  platform::PictureButton* cmdUscitiOggi;
  platform::PictureButton* cmdExcel;
  platform::PictureButton* cmdGuida;
  platform::PictureButton* cmdEsci;
  platform::PictureButton* impDataEnt;
  platform::PictureButton* impOraEnt;
  platform::PictureButton* impDataUsc;
  platform::PictureButton* impOraUscita;
  platform::PictureButton* impVeicolo;

  // The edits in record order.
  const std::array<QLineEdit*, 16>& edits() const { return edits_; }

  // Opens the gate archive of `year` (four digits): lblFile := the executable's folder
  // + year + ".vis", and the caption " Velmora 4.0 - Ingresso e Uscite Veicoli anno "
  // + year. The card's contents are left to its show handler.
  void openYear(const QString& year);

  // The archive named in lblFile of the program's long-lived gate card (nothing opens
  // when the program has none).
  static kit::ArchiveSource gateArchive();
  // What a gate list's double-click does for a key word (empty: any): the visit is
  // loaded into the long-lived card as if navigation had reached it.
  static kit::PickTarget pickTarget(const QString& keyWord);

  // The hint line under the gate lists and the instructions above their list find.
  static const QString kListExplanation;
  static const QString kFindInstructions;

  // The help of the card, paragraphs in order (the gate menu's help begins with them).
  static QStringList helpParagraphs();
  static const QString kHelpTitle;

 public slots:
  void cmdTrovaClick();
  void cmdStampaClick();
  void cmdNonUscitiClick();
  void cmdEntratiOggiClick();
  void cmdUscitiOggiClick();
  void cmdExcelClick();
  void cmdGuidaClick();
  void cmdEsciClick();
  void impDataEntClick();
  void impOraEntClick();
  void impDataUscClick();
  void impOraUscitaClick();
  void impVeicoloClick();

 private:
  void buildControls();
  void bindCard();
  // Save's own checks of the two dates and of the exit time.
  bool entryDateExists();
  bool exitDateExists();
  bool exitDateAndTimeTogether();

  std::array<QLineEdit*, 16> edits_{};
};
