#include "kit/record_card.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "core/archive.h"
#include "platform/control_text.h"
#include "platform/form.h"
#include "platform/qtext.h"

namespace kit {

namespace {

std::size_t indexOf(RecordCard::Command c) { return static_cast<std::size_t>(c); }

// New: the value, and no item of the list selected unless the value is one (a fixed list).
void resetCombo(QComboBox* combo, const QString& text) {
  combo->setCurrentIndex(-1);  // this also empties an editable combo's text
  platform::setShownText(combo, text);
}

}  // namespace

RecordCard::RecordCard(platform::Form& card, const core::RecordLayout& layout, QLabel* position)
    : card_(&card), layout_(&layout), position_(position), buffer_(layout) {
  errorKinds_.fill(platform::MsgKind::Error);
}

RecordCard::~RecordCard() = default;

void RecordCard::setArchive(ArchiveSource source) {
  source.layout = layout_;
  archive_ = std::move(source);
}

void RecordCard::addBinding(std::string_view field, std::function<QString()> get,
                            std::function<void(const QString&)> put, std::function<void()> reset) {
  bindings_.push_back({layout_->indexOf(field), std::move(get), std::move(put), std::move(reset)});
}

void RecordCard::bind(std::string_view field, QLineEdit* edit, OnNew onNew) {
  addBinding(
      field, [edit] { return edit->text(); },
      [edit](const QString& v) {
        edit->setText(v);
        edit->setCursorPosition(0);  // a long value shows its beginning, not its tail
      },
      onNew.touch ? std::function<void()>([edit, v = onNew.value] { edit->setText(v); }) : nullptr);
}

void RecordCard::bind(std::string_view field, QLabel* label, OnNew onNew) {
  addBinding(
      field, [label] { return label->text(); }, [label](const QString& v) { label->setText(v); },
      onNew.touch ? std::function<void()>([label, v = onNew.value] { label->setText(v); }) : nullptr);
}

void RecordCard::bind(std::string_view field, QComboBox* combo, OnNew onNew) {
  addBinding(
      field, [combo] { return combo->currentText(); }, [combo](const QString& v) { platform::setShownText(combo, v); },
      onNew.touch ? std::function<void()>([combo, v = onNew.value] { resetCombo(combo, v); }) : nullptr);
}

void RecordCard::bind(std::string_view field, QCheckBox* box, OnNew onNew) {
  addBinding(
      field, [box] { return box->isChecked() ? msg::kYes : msg::kNo; },
      [box](const QString& v) {
        if (v == msg::kYes) box->setChecked(true);
        else if (v == msg::kNo) box->setChecked(false);
      },
      onNew.touch ? std::function<void()>([box, v = onNew.value] { box->setChecked(v == msg::kYes); }) : nullptr);
}

void RecordCard::bindComposed(std::string_view field, std::function<QString()> compose,
                              std::function<void(const QString&)> spread) {
  addBinding(field, std::move(compose), std::move(spread), nullptr);
}

void RecordCard::require(QWidget* control, const QString& warning) {
  checks_.push_back([this, control, warning] {
    if (!platform::controlText(control).isEmpty()) return true;
    platform::warning(warning, card_);
    focus(control);
    return false;
  });
}

void RecordCard::addCheck(std::function<bool()> check) { checks_.push_back(std::move(check)); }

void RecordCard::setAccessErrorKind(Command command, platform::MsgKind kind) { errorKinds_[indexOf(command)] = kind; }

void RecordCard::setAccessErrorKind(platform::MsgKind kind) { errorKinds_.fill(kind); }

std::unique_ptr<core::Archive> RecordCard::open(Command command) {
  try {
    return std::unique_ptr<core::Archive>(new core::Archive(openArchive(archive_)));
  } catch (const ArchiveRefused&) {
    return nullptr;
  } catch (const core::ArchiveError&) {
    accessError(command);
    return nullptr;
  }
}

void RecordCard::accessError(Command command) {
  platform::message(errorKinds_[indexOf(command)], msg::kAccessError, card_);
}

void RecordCard::focus(QWidget* w) {
  if (w) w->setFocus(Qt::OtherFocusReason);
}

std::optional<std::size_t> RecordCard::position() const {
  bool ok = false;
  const qulonglong n = platform::trim(position_->text()).toULongLong(&ok);
  if (!ok || n == 0) return std::nullopt;
  return static_cast<std::size_t>(n);
}

void RecordCard::setPosition(std::size_t number) { position_->setText(QString::number(number)); }

void RecordCard::clearPosition() { position_->clear(); }

void RecordCard::fillControls() {
  for (const Binding& b : bindings_) b.put(QString::fromStdU16String(buffer_.get(b.field)));
}

void RecordCard::fillBuffer() {
  // Fields in record order, whatever order the bindings were made in.
  std::vector<const Binding*> ordered;
  for (const Binding& b : bindings_) ordered.push_back(&b);
  std::stable_sort(ordered.begin(), ordered.end(), [](const Binding* a, const Binding* b) { return a->field < b->field; });
  for (const Binding* b : ordered) buffer_.set(b->field, b->get().toStdU16String());
}

bool RecordCard::readInto(core::Archive& archive, std::size_t index, Command command) {
  // Read into a scratch record first: a failed read leaves the card's buffer whole.
  core::RecordBuffer scratch(*layout_);
  std::size_t after = 0;
  try {
    archive.seek(index);
    archive.read(scratch);
    after = archive.position();
    archive.close();
  } catch (const core::ArchiveError&) {
    archive.close();
    accessError(command);
    return false;
  }
  std::copy(scratch.data(), scratch.data() + scratch.size(), buffer_.data());
  fillControls();
  setPosition(after);
  if (afterRead) afterRead();
  return true;
}

void RecordCard::showRecord(const core::RecordBuffer& record, std::size_t number) {
  std::copy(record.data(), record.data() + std::min(record.size(), buffer_.size()), buffer_.data());
  fillControls();
  setPosition(number);
  if (afterRead) afterRead();
}

std::optional<std::size_t> RecordCard::countOf(core::Archive& archive, Command command) {
  try {
    return archive.count();
  } catch (const core::ArchiveError&) {
    archive.close();
    accessError(command);
    return std::nullopt;
  }
}

void RecordCard::emptyArchive(core::Archive& archive) {
  archive.close();
  platform::information(msg::kEmptyArchive, card_);
}

void RecordCard::first() {
  auto archive = open(Command::First);
  if (!archive) return;
  const auto count = countOf(*archive, Command::First);
  if (!count) return;
  if (*count == 0) return emptyArchive(*archive);
  readInto(*archive, 0, Command::First);
}

void RecordCard::last() {
  auto archive = open(Command::Last);
  if (!archive) return;
  const auto count = countOf(*archive, Command::Last);
  if (!count) return;
  if (*count == 0) return emptyArchive(*archive);
  readInto(*archive, *count - 1, Command::Last);
}

void RecordCard::next() {
  auto archive = open(Command::Next);
  if (!archive) return;
  const std::size_t p = position().value_or(0);
  const auto count = countOf(*archive, Command::Next);
  if (!count) return;
  if (*count == 0) {
    clearPosition();
    return emptyArchive(*archive);
  }
  if (p >= *count) return;  // already on the last record: nothing, not even a message
  readInto(*archive, p, Command::Next);
}

void RecordCard::back() {
  auto archive = open(Command::Back);
  if (!archive) return;
  // On record 1 Back does nothing, before even looking at the archive's size.
  if (platform::trim(position_->text()) == QStringLiteral("1")) return;
  const auto count = countOf(*archive, Command::Back);
  if (!count) return;
  if (*count == 0) return emptyArchive(*archive);
  const auto p = position();
  readInto(*archive, p ? *p - 2 : 0, Command::Back);
}

void RecordCard::save() {
  if (beforeSave) beforeSave();
  for (const auto& check : checks_)
    if (!check()) return;
  if (beforeWrite) beforeWrite();

  auto archive = open(Command::Save);
  if (!archive) return;
  const auto p = position();
  std::size_t after = 0;
  try {
    fillBuffer();
    archive->seek(p ? *p - 1 : archive->count());
    archive->write(buffer_);
    after = archive->position();
    archive->close();
  } catch (const core::ArchiveError&) {
    archive->close();
    accessError(Command::Save);
    return;
  }
  setPosition(after);
  if (afterSave) afterSave();
  if (p) platform::information(msg::kOverwritten, card_);
  else platform::information(appendMessage_ == AppendMessage::Inserita ? msg::kInserted : msg::kSaved, card_);
}

void RecordCard::duplicate() {
  if (isNew()) {
    platform::warning(msg::kDuplicateNotStored, card_);
    return;
  }
  clearPosition();
  if (duplicateOpensArchive_) {
    auto archive = open(Command::Duplicate);
    if (!archive) return;
    archive->close();
  }
  for (QWidget* w : duplicateClears_) platform::setShownText(w, QString());
  if (onDuplicate) onDuplicate();
  focus(duplicateFocus_);
  platform::information(msg::kDuplicated, card_);
}

void RecordCard::newCard() {
  for (const Binding& b : bindings_)
    if (b.reset) b.reset();
  clearPosition();
  if (onNew) onNew();
  focus(firstField_);
}

}  // namespace kit
