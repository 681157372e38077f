#pragma once
// The year menus: a long-lived maximized window that takes a calendar year and opens
// one of its app's windows with an "Apri" button. The cost menu, the gate menu and the
// planner menu are each their settings on it (the planner adds its vehicle list):
//
//   kit::YearMenuSettings s{
//       .menuClass = "TfrmMenuCosti", .caption = " Velmora 4.0 - Costi sostenuti", .title = "Costi sostenuti",
//       .information = "In questo ambiente ...", .yearBox = "txtAnnoConsumi", .highlight = "effAnnoConsumi",
//       .opens = {{.button = "btnApriConsumi", .heading = "Crea o aggiorna schede costi:", .keyWord = "costi",
//                  .window = "TfrmCosti", .checksYear = true, .prepare = openCostCard},
//                 {.button = "btnApriRiepConsumi", .heading = "Visualizza riepilogo:", .keyWord = "RiepSpese",
//                  .window = "TfrmMenuRiepSpese"}, ...},
//       .helpTitle = "App Costi sostenuti", .helpParagraphs = {...}, .help = TfrmGuida::showHelp};
//
// The window: the centred container `panContainer` of the designed size on a gradient,
// a title banner, the information line `lblInformazioni`, the year box under "Anno:"
// (YearBox below; its highlight rectangle when the settings name one), one "Apri" per
// setting under its heading, each a section of its own, the help picture `imgGuida` and
// the exit picture `imgEsci`. Tab: the year box, then the buttons in order.
//
// Every show puts the current year (four digits) into the year box, the key word
// "avvio" into the memory label and the focus on the year. An "Apri" that checks the
// year refuses one that is not four ASCII digits, as typed (kit::checkedYear: the
// warning, the focus back on the year, the menu stays open), runs its `prepare` (which
// may refuse too, after saying why), sets its key word and closes the menu. Closing,
// by an "Apri", the exit picture or the title bar, shows the window of the key word
// through platform::showFromMenu ("avvio": the launcher) and hides the menu.
#include <QColor>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "platform/edits.h"
#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform { class PictureButton; }

namespace kit {

// The year box of the menus and year panels: at most four characters, and only digits,
// whether typed or pasted; Backspace, Delete, Left, Right and Tab pass and every other
// key is swallowed; Enter only moves the focus to its Enter target (presses nothing).
class YearBox : public platform::FilteredEdit {
 public:
  YearBox(QWidget* parent, const QString& name);
  void setEnterTarget(QWidget* target) { enterTarget_ = target; }
  // The current year, four digits ("2024").
  void showCurrentYear();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPointer<QWidget> enterTarget_;
};

// The year typed into `box` when it is one: exactly four ASCII digits, as typed ("0000"
// included). Otherwise the warning "Attenzione: indicare l'anno solare utilizzando
// quattro cifre." over `window`, the focus back on the box, and nothing.
std::optional<QString> checkedYear(QLineEdit* box, QWidget* window);

class YearMenu;

// One "Apri" of a year menu, in tab order.
struct YearMenuOpen {
  QString button;        // objectName, "btnApriConsumi"
  QString heading = {};  // the heading of its section, "Crea o aggiorna schede costi:"
  QString keyWord;       // what it puts into the memory label, "costi"
  QString window;        // the long-lived window that key word shows, "TfrmCosti"
  // Refuses a year that is not four digits before anything else.
  bool checksYear = false;
  // Run after the year check and before the key word is set, with the year as typed:
  // what the window reached needs (a card's lblFile, caption, year label). False: the
  // menu stays open (the function has said why). Null: nothing.
  std::function<bool(YearMenu& menu, const QString& year)> prepare = {};
};

// The help window every help picture opens (TfrmGuida::showHelp).
using HelpWindow = std::function<void(QWidget* owner, const QString& title, const QStringList& paragraphs)>;

struct YearMenuSettings {
  QString menuClass;    // "TfrmMenuCosti"
  QString caption;      // the window's caption, which never changes
  QString title;        // the banner across the top
  QString information;  // lblInformazioni
  QString yearBox = QStringLiteral("txtAnno");  // "txtAnnoConsumi"
  QString highlight = {};  // the year box's highlight rectangle, "effAnnoConsumi"; empty: none
  // The "Apri" buttons; the year box stands in the first one's section and Enter in it
  // moves to the first one.
  std::vector<YearMenuOpen> opens;
  QString helpTitle;
  QStringList helpParagraphs;
  HelpWindow help = {};
  // The designed size of the centred container, and the window's gradient from `backdrop`
  // at the top to white.
  int width = 1016;
  int height = 713;
  QColor backdrop = QColor(0x28, 0x53, 0xA2);
};

class YearMenu : public platform::Form {
  Q_OBJECT
 public:
  YearMenu(QWidget* owner, YearMenuSettings settings);
  ~YearMenu() override;

  const YearMenuSettings& settings() const { return settings_; }
  // The centred container the controls stand on (a menu adds its own there).
  QWidget* container() const { return panContainer_; }
  YearBox* yearBox() const { return yearBox_; }
  // The "Apri" button named so; null when there is none.
  QPushButton* button(const QString& name) const;
  QLabel* lblInformazioni = nullptr;
  platform::PictureButton* imgGuida = nullptr;
  platform::PictureButton* imgEsci = nullptr;

 public slots:
  // What "Apri" number `index` (from 0) does.
  void choose(std::size_t index);
  void imgGuidaClick();
  void imgEsciClick();

 protected:
  void FormShow() override;
  void FormClose() override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void buildControls();

  YearMenuSettings settings_;
  QWidget* panContainer_ = nullptr;
  YearBox* yearBox_ = nullptr;
  std::vector<QPushButton*> buttons_;
};

}  // namespace kit
