#pragma once
// The attachments dialog: up to three files, each copied into the attachments folder
// beside the executable under its bare name, with a description. "Applica e chiudi"
// writes names and descriptions back into the hidden labels of the card named by
// the key word in lblMemory.
#include <QString>
#include <array>

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;
namespace platform { class PictureButton; }

class TfrmAllegaCartella : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmAllegaCartella(QWidget* owner);

  static constexpr int kRows = 3;

  // The attachments folder: the executable's folder + "Documenti_Allegati/".
  static QString folder();

  // The long-lived window a key word (trimmed, case-sensitive) writes back into,
  // or an empty text when it names none.
  static QString windowOf(const QString& keyWord);
  struct Target {
    const char* keyWord;
    const char* window;
  };
  static const std::array<Target, 3> kTargets;

  // What a card's attachments button does: a fresh dialog owned by `card` with the
  // card's key word, filled from the card's lblFile01-03 and lblDesc01-03 (trimmed),
  // shown modally and freed when it closes.
  static void open(platform::Form* card, const QString& keyWord);

  // Controls per row (index 0 to 2 for rows 01 to 03).
  std::array<QLineEdit*, kRows> txtFile{};
  std::array<QLineEdit*, kRows> txtDesc{};
  std::array<QPushButton*, kRows> btnSfoglia{};
  std::array<QPushButton*, kRows> btnApri{};
  std::array<platform::PictureButton*, kRows> imgCancella{};
  QPushButton* btnApplica;
  QPushButton* btnAnnulla;

  void btnSfogliaClick(int row);
  void btnApriClick(int row);
  void imgCancellaClick(int row);

 public slots:
  void btnApplicaClick();
  void btnAnnullaClick();
};
