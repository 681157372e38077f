#pragma once
// The record card: one window showing one record of an archive file at a time, with
// First, Back, Next, Last, Save, Duplicate and New over it. Every card of the program
// (vehicle, driver, schedule, mileage, trip, cost, gate) is this one controller,
// configured with its archive, its field <-> control bindings, its required fields,
// its hooks and its messages; the card window only wires its buttons to it.
//
// The position label is the only link between the screen and the file: its text is
// the 1-based number of the record shown, or empty for a card not yet stored. Each
// command opens the archive, works and closes it before it shows a message or runs
// a hook, on every path. A failure shows the archive access error and leaves the
// controls, the label and the file as they were.
#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "kit/messages.h"
#include "core/record.h"
#include "kit/archive_source.h"
#include "platform/dialogs.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace platform { class Form; }
namespace core { class Archive; }

namespace kit {


// What New does to a bound control: empty it (the default), put a fixed text into
// it, or leave it alone (a hidden label rebuilt at every save, say).
struct OnNew {
  bool touch = true;
  QString value;
  static OnNew empty() { return {}; }
  static OnNew set(const QString& v) { return {true, v}; }
  static OnNew keep() { return {false, {}}; }
};

class RecordCard {
 public:
  enum class Command { First, Back, Next, Last, Save, Duplicate };
  enum class AppendMessage { Inserita, Salvata };

  // `card` owns the controls and is the parent of the boxes; `position` is its
  // lblPosizione. The layout must outlive the card.
  RecordCard(platform::Form& card, const core::RecordLayout& layout, QLabel* position);
  ~RecordCard();
  RecordCard(const RecordCard&) = delete;
  RecordCard& operator=(const RecordCard&) = delete;

  // ---- configuration ----------------------------------------------------------

  // The card's archive (kit/archive_source): a fixed name, one computed per command
  // (a year + extension), or the full path in a control. A yearly name that comes back
  // empty stops the command silently (the function has told the user why). The card
  // reads and writes records of its own layout, whatever layout the source names.
  void setArchive(ArchiveSource source);

  // Field <-> control. Save copies the trimmed text into the field; a read puts the
  // field's trimmed text into the control.
  void bind(std::string_view field, QLineEdit* edit, OnNew onNew = {});
  void bind(std::string_view field, QLabel* label, OnNew onNew = {});
  // A combo's text (the edit text of an editable combo, whether or not it is one of
  // the items; the matching item of a fixed list). New leaves no item selected but
  // the one its value names in a fixed list.
  void bind(std::string_view field, QComboBox* combo, OnNew onNew = {});
  // A yes/no flag: ticked is stored "Sì", unticked "No"; reading ticks for "Sì",
  // unticks for "No" and leaves the box alone for anything else. New unticks it.
  void bind(std::string_view field, QCheckBox* box, OnNew onNew = {});
  // A value the card composes from several controls (a date from day and month
  // lists) and spreads back on reading. New leaves composed values alone.
  void bindComposed(std::string_view field, std::function<QString()> compose,
                    std::function<void(const QString&)> spread);

  // Required fields, tested in the order they are added: the control's trimmed text
  // must not be empty, else the warning, the focus on the control and Save ends.
  void require(QWidget* control, const QString& warning);
  // A check of the card's own: returns false after telling the user (and placing the
  // focus), which ends Save with nothing opened or written. Checks and required
  // fields run in the order they were added.
  void addCheck(std::function<bool()> check);

  // Runs first in Save, before the required fields (focus moved to a hidden button,
  // totals recomputed, amounts normalised).
  std::function<void()> beforeSave;
  // Runs in Save after the required fields and checks have passed, before the
  // archive is opened: values the card computes from the others (a due reading, a
  // state) are in the controls when the buffer is filled.
  std::function<void()> beforeWrite;
  // Runs after a record has been read into the controls and the label set, with the
  // archive closed (the vehicle card loads its photo).
  std::function<void()> afterRead;
  // Runs after a successful write, archive closed, before the information box (the
  // vehicle card writes its photo file).
  std::function<void()> afterSave;
  // The card's own steps of the new-card state, run after the bound controls have
  // been reset and the label emptied, before the focus moves to the first field.
  std::function<void()> onNew;
  void setFirstField(QWidget* field) { firstField_ = field; }

  // Duplicate: the controls emptied in the copy, the card's own extra steps, where
  // the focus goes, and whether the archive is opened and closed (created when
  // missing) before the message, as the yearly cards do.
  void setDuplicateClears(std::vector<QWidget*> controls) { duplicateClears_ = std::move(controls); }
  std::function<void()> onDuplicate;
  void setDuplicateFocus(QWidget* field) { duplicateFocus_ = field; }
  void setDuplicateOpensArchive(bool opens) { duplicateOpensArchive_ = opens; }

  void setAppendMessage(AppendMessage message) { appendMessage_ = message; }
  // The box kind of the archive access error, per command (error box by default).
  void setAccessErrorKind(Command command, platform::MsgKind kind);
  void setAccessErrorKind(platform::MsgKind kind);  // every command

  // ---- commands ---------------------------------------------------------------

  void first();      // cmdPrimoClick
  void back();       // cmdIndietroClick
  void next();       // cmdAvantiClick
  void last();       // cmdUltimoClick
  void save();       // cmdSalvaClick
  void duplicate();  // cmdDuplicaClick
  void newCard();    // cmdNuovoClick and the show handler

  // Shows a record read elsewhere (a search window's double-click) exactly as if
  // navigation had reached it: controls, label = `number` (1-based), afterRead.
  void showRecord(const core::RecordBuffer& record, std::size_t number);

  // ---- state ------------------------------------------------------------------

  // The number in the position label; nothing for a new card.
  std::optional<std::size_t> position() const;
  bool isNew() const { return !position().has_value(); }
  // The card's record buffer: the last record read or written.
  const core::RecordBuffer& buffer() const { return buffer_; }
  const core::RecordLayout& layout() const { return *layout_; }

 private:
  struct Binding {
    std::size_t field;
    std::function<QString()> get;
    std::function<void(const QString&)> put;
    std::function<void()> reset;  // null: New leaves it alone
  };

  // Opens the archive for a command; nothing (after the access error, or silently
  // for a refused yearly name) when it cannot.
  std::unique_ptr<core::Archive> open(Command command);
  void accessError(Command command);
  // The archive's record count; nothing after the access error (archive closed).
  std::optional<std::size_t> countOf(core::Archive& archive, Command command);
  // Closes the archive and says it holds no card.
  void emptyArchive(core::Archive& archive);
  // Reads record `index` into the controls; false after the access error.
  bool readInto(core::Archive& archive, std::size_t index, Command command);
  void fillControls();
  void fillBuffer();
  void setPosition(std::size_t number);
  void clearPosition();
  void addBinding(std::string_view field, std::function<QString()> get,
                  std::function<void(const QString&)> put, std::function<void()> reset);
  void focus(QWidget* w);

  platform::Form* card_;
  const core::RecordLayout* layout_;
  QLabel* position_;
  core::RecordBuffer buffer_;
  ArchiveSource archive_;
  std::vector<Binding> bindings_;
  std::vector<std::function<bool()>> checks_;
  QWidget* firstField_ = nullptr;
  std::vector<QWidget*> duplicateClears_;
  QWidget* duplicateFocus_ = nullptr;
  bool duplicateOpensArchive_ = false;
  AppendMessage appendMessage_ = AppendMessage::Inserita;
  std::array<platform::MsgKind, 6> errorKinds_;
};

}  // namespace kit
