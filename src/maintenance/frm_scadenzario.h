#pragma once
// The maintenance schedule "Scadenzario Manutenzioni": the deadlines of one calendar
// year, one archive per year ("2024.sca"). Long-lived. Two panels, one shown at a time:
// the year panel, shown at every showing, where the year is chosen, imminent deadlines
// are announced (a notice and a sound) and the imminent, daily and monthly grids open;
// and the card panel, the schedule card of the year opened with "Apri". Closing it from
// either panel brings the launcher back.
#include <QDate>
#include <QString>

#include "kit/card_window.h"

class QCalendarWidget;
class QCheckBox;
class QLineEdit;

namespace platform { class FilteredEdit; }

class TfrmScadenzario : public kit::CardWindow {
  Q_OBJECT
 public:
  explicit TfrmScadenzario(QWidget* owner);
  ~TfrmScadenzario() override;

  // The schedule window a dialog works for: its owner (or an owner's owner) when that is
  // the schedule window, else the program's long-lived one. Null when there is none.
  static TfrmScadenzario* of(QWidget* owner);

  // ---- year panel ---------------------------------------------------------------
  QWidget* panAvvio;
  platform::FilteredEdit* txtAnno;
  QPushButton* btnApri;
  QLabel* lblApri;
  QLabel* lblInfo05;
  QLabel* lblInfo06;
  QLabel* lblOK;
  QPushButton* btnOK;
  QLabel* imgPresenti;
  QLabel* imgAssenti;
  QCalendarWidget* calAppuntamenti;
  platform::PictureButton* btnGiorno;
  platform::PictureButton* btnMese;
  platform::PictureButton* imgGuida;
  platform::PictureButton* imgEsci;
  QLabel* lblFile;  // hidden: the full path of the open year's archive

  // ---- card panel ---------------------------------------------------------------
  QWidget* panContainer;
  // The twenty fields, in the order of the Enter chain.
  platform::ListOnlyCombo* txtGiorno;
  platform::ListOnlyCombo* txtMese;
  platform::ListOnlyCombo* txtOreApp;
  platform::ListOnlyCombo* txtMinutiApp;
  QLineEdit* txtAvviso;
  QLineEdit* txtConducente;
  QLineEdit* txtCodFisc;
  QLineEdit* txtRecapito;
  QLineEdit* txtVeicolo;
  QLineEdit* txtMarca;
  QLineEdit* txtModello;
  QLineEdit* txtColore;
  QLineEdit* txtAlimentazione;
  QLineEdit* txtTarga;
  QLineEdit* txtManutenzione;
  QLineEdit* txtDettagli;
  QLineEdit* txtOfficina;
  QLineEdit* txtCosto;
  QLineEdit* txtContatto;
  QLineEdit* txtNote;
  QCheckBox* chkDaConfermare;
  QCheckBox* chkEffettuata;
  QLabel* lblAnno;   // the year of the deadline, beside the date
  QLabel* lblData;   // hidden: dd/mm/yyyy, built at save
  QLabel* lblOra;    // hidden: hh:mm, built at save

  platform::PictureButton* cmdDuplica;
  platform::PictureButton* cmdTrova;
  platform::PictureButton* cmdStampa;
  platform::PictureButton* cmdEsporta;
  platform::PictureButton* cmdDaConfermare;
  platform::PictureButton* cmdDaEffettuare;
  platform::PictureButton* cmdEffettuate;
  platform::PictureButton* cmdImporta;
  platform::PictureButton* impConduttore;
  platform::PictureButton* btnCodFisc;
  platform::PictureButton* cmdGuida;
  platform::PictureButton* cmdEsci;

  kit::CardFields& fields() { return *cardFields_; }
  // The date chosen in the calendar, which the daily and monthly grids read.
  QDate appointmentDate() const;

  // The sound played when imminent deadlines exist, beside the executable.
  static const QString kSoundFile;
  static const QString kCaption;
  // The help of the window, paragraphs in order.
  static QStringList helpParagraphs();

 public slots:
  void btnApriClick();
  void btnOKClick();
  void btnGiornoClick();
  void btnMeseClick();
  void imgEsciClick();

  void cmdDuplicaClick();
  void cmdTrovaClick();
  void cmdStampaClick();
  void cmdEsportaClick();
  void cmdDaConfermareClick();
  void cmdDaEffettuareClick();
  void cmdEffettuateClick();
  void cmdImportaClick();
  void impConduttoreClick();
  void btnCodFiscClick();
  void imgGuidaClick();
  void cmdEsciClick();

  // The new-card state: the combos lose their selection, day and month empty, hour and
  // minutes "00", every other edit empty but the cost "0,00", both boxes cleared, no
  // position, the focus on the day. The hidden date, time and year stay.
  void ClearScheduleCard();

 protected:
  void FormShow() override;
  void FormClose() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildYearPanel();
  void buildCardPanel();
  void bindCard();
  // The imminent check of the current year's archive: notice, "OK" and sound.
  void checkImminent();
  void showImminent(bool found);
  // Save's own checks, after the required fields.
  bool checkWarningDays();
  bool checkMonth();
  bool checkDate();

};
