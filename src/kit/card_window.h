#pragma once
// The window of a record card: a long-lived maximized window holding one RecordCard,
// its position label, its status hint and the commands every card has (New, Save and
// the four navigation pictures). The window builds its own controls and configures its
// card; this base wires the shared commands to the card, brings the launcher back when
// it closes, keeps the card's container centred and empties the hint when the mouse
// moves onto a control that has none.
//
// The helpers below build the pieces the cards lay out alike: a command picture from a
// table row, the four navigation rows, the position label, the hint bar, the focus sink
// of Save and the hidden labels that carry the attachments.
#include <QRect>
#include <QString>
#include <array>
#include <cstddef>
#include <memory>
#include <span>

#include "core/record.h"
#include "kit/record_card.h"
#include "platform/form.h"
#include "platform/widgets.h"

class QLabel;
class QPushButton;
class QWidget;

namespace kit {

class CardFields;

class CardWindow : public platform::Form {
  Q_OBJECT
 public:
  ~CardWindow() override;

  QLabel* lblPosizione = nullptr;
  QLabel* panInfo = nullptr;
  platform::PictureButton* cmdNuovo = nullptr;
  platform::PictureButton* cmdSalva = nullptr;
  platform::PictureButton* cmdPrimo = nullptr;
  platform::PictureButton* cmdIndietro = nullptr;
  platform::PictureButton* cmdAvanti = nullptr;
  platform::PictureButton* cmdUltimo = nullptr;

  RecordCard& card() { return *card_; }
  // Shows a record read by a search window or a list as if navigation had reached it:
  // its fields and its 1-based number in the position label.
  void loadCard(const core::RecordBuffer& record, std::size_t number);

 public slots:
  void cmdNuovoClick();
  virtual void cmdSalvaClick();
  void cmdPrimoClick();
  void cmdIndietroClick();
  void cmdAvantiClick();
  void cmdUltimoClick();

 protected:
  // A maximized window of the designed size; the process formats are set first.
  CardWindow(QWidget* owner, const QString& className, const QString& caption, int width, int height);

  // The window's pale blue background and the fixed-size container `panContainer_` the
  // card is laid out in, both tracking the mouse with an empty hint.
  QWidget* buildContainer(int width, int height);

  // Every show starts a new card.
  void FormShow() override;
  // Closing brings the launcher back and hides the long-lived window.
  void FormClose() override;
  // The container keeps its designed size, centred in the window.
  void resizeEvent(QResizeEvent* event) override;
  // Moving onto a control whose hint is empty (the window, a panel, a strip) empties
  // the hint bar.
  bool eventFilter(QObject* watched, QEvent* event) override;

  QWidget* panContainer_ = nullptr;
  std::unique_ptr<RecordCard> card_;
  CardFields* cardFields_ = nullptr;  // the card's edits; a child of the window
};

// A picture of a card window: the member it is stored in, its objectName, its face, its
// status hint, its handler and, in a row where each has its own, its width.
template <class W>
struct CommandPicture {
  platform::PictureButton* W::*slot;
  const char* name;
  const char* face;  // UTF-8
  const char* hint;  // UTF-8
  void (W::*handler)();
  int width = 0;
};

// Builds the picture of `c` on `parent` at `geometry`, stores it in the window's member,
// gives it its hint and wires its click to its handler.
template <class W>
platform::PictureButton* addPicture(W& window, QWidget* parent, const CommandPicture<W>& c, const QRect& geometry) {
  auto* b = new platform::PictureButton(parent, QString::fromLatin1(c.name), QString::fromUtf8(c.face));
  b->setGeometry(geometry);
  window.*c.slot = b;
  window.setHint(b, QString::fromUtf8(c.hint));
  QObject::connect(b, &platform::PictureButton::clicked, &window, c.handler);
  return b;
}

// The four navigation pictures of a card window, first to last, each `width` wide
// where the row gives each picture its own width.
template <class W>
std::array<CommandPicture<W>, 4> navigationPictures(int width = 0) {
  return {{
      {&W::cmdPrimo, "cmdPrimo", "|◀", "Visualizza la prima scheda in archivio.", &W::cmdPrimoClick, width},
      {&W::cmdIndietro, "cmdIndietro", "◀", "Visualizza la scheda precedente in archivio.", &W::cmdIndietroClick,
       width},
      {&W::cmdAvanti, "cmdAvanti", "▶", "Visualizza la scheda successiva in archivio.", &W::cmdAvantiClick, width},
      {&W::cmdUltimo, "cmdUltimo", "▶|", "Visualizza l'ultima scheda in archivio.", &W::cmdUltimoClick, width},
  }};
}

// The position label `lblPosizione` at `geometry`: centred, bold, 18 pixels.
QLabel* positionLabel(QWidget* parent, const QRect& geometry);

// How a hint bar looks: dark text on a blue-grey fill, or white Tahoma 12 on a blue bar.
enum class HintBarLook { BlueGrey, WhiteOnBlue };

// The hint bar `panInfo` at `geometry` with its first text, indented; the window shows
// its hints there.
QLabel* hintBar(platform::Form& window, QWidget* parent, const QString& text, const QRect& geometry,
                HintBarLook look = HintBarLook::BlueGrey);

// Save first moves the focus to this flat, zero-sized button `btnFocus`, so the edit
// being typed into is left.
QPushButton* focusSink(QWidget* parent);

// The three attached files of a card and their descriptions, carried in hidden labels
// between the archive and the attachments dialog, which finds them by name. A card
// window that has attachments takes this beside CardWindow.
class CardAttachments {
 public:
  QLabel* lblFile01 = nullptr;
  QLabel* lblFile02 = nullptr;
  QLabel* lblFile03 = nullptr;
  QLabel* lblDesc01 = nullptr;
  QLabel* lblDesc02 = nullptr;
  QLabel* lblDesc03 = nullptr;

  // The six labels: the files, then the descriptions.
  std::array<QLabel*, 6> attachmentLabels() const {
    return {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03};
  }

 protected:
  // `fields`: the six record fields, in the labels' order.
  explicit CardAttachments(std::span<const core::FieldDef, 6> fields) : fields_(fields) {}
  // The hidden labels on `parent`, each named "lbl" + its field.
  void buildAttachmentLabels(QWidget* parent);
  // Each label bound to its field.
  void bindAttachments(RecordCard& card) const;

 private:
  std::span<const core::FieldDef, 6> fields_;
};

}  // namespace kit
