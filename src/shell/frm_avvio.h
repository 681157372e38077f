#pragma once
// The launcher: ten app buttons, each showing one long-lived app window, and the
// about, splash, overview-help, web-page and exit pictures. Closing it ends the run.
#include <array>

#include "platform/form.h"

class QLabel;
class QWidget;
namespace platform { class PictureButton; }

class TfrmAvvio : public platform::Form {
  Q_OBJECT
 public:
  explicit TfrmAvvio(QWidget* owner);

  static constexpr int kApps = 10;
  // The class of the long-lived window each app button shows (01 first).
  static const std::array<const char*, kApps> kAppWindows;
  // The app names the buttons show.
  static const std::array<const char*, kApps> kAppNames;

  // App buttons: a background rectangle holding the icon and the name picture;
  // both pictures of a pair do the same.
  std::array<QWidget*, kApps> bkgApp{};
  std::array<platform::PictureButton*, kApps> imgApp{};
  std::array<platform::PictureButton*, kApps> btnApp{};

  platform::PictureButton* imgInfo;
  platform::PictureButton* imgCopyright;
  platform::PictureButton* imgGuida;
  platform::PictureButton* imgSito;
  platform::PictureButton* imgEsci;

  // Decorations.
  QWidget* shpNomeApp;
  QLabel* icoTitolo01;
  QLabel* imgSottotitolo;
  QWidget* shpCalce;

  // The overview help as the help window shows it: paragraphs joined by CR LF CR LF.
  static QString overviewHelpText();

 public slots:
  // `app` counts from 1, as the buttons are numbered.
  void appButtonClick(int app);
  void imgInfoClick();
  void imgCopyrightClick();
  void imgGuidaClick();
  void imgSitoClick();
  void imgEsciClick();

 protected:
  void FormShow() override;
  void FormClose() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // An app whose window is not part of the program cannot be chosen.
  void updateAppButtons();
  QWidget* content_;  // the designed 1016 x 713 area, kept centred
};
