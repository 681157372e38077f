// The record card's variation points, on a small card of its own: check-box flags,
// composed values, computed archive names, checks, new-card values, the append
// message, the duplicate that touches the archive and the error box kind.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include "kit/record_card.h"
#include "platform/form.h"
#include "support/helpers.h"
#include "support/scripted_host.h"

using kit::RecordCard;
using platform::MsgKind;

namespace {

constexpr std::array<core::FieldDef, 5> kFields{{
    {"Nome", 10},
    {"Flag", 2},
    {"Data", 10},
    {"Prov", 2},
    {"Ora", 5},
}};
constexpr std::size_t kSize = core::RecordSize(kFields);  // 34

const core::RecordLayout& smallLayout() {
  static const core::RecordLayout l(kFields);
  return l;
}

// A card with one edit, one check box, a date from day and month lists, an editable
// combo and a hidden label.
class SmallCard : public platform::Form {
 public:
  SmallCard() : platform::Form(nullptr, QStringLiteral("TfrmProva"), platform::WindowKind::Maximized, QString(), 400, 300) {
    txtNome = new QLineEdit(this);
    chkFlag = new QCheckBox(this);
    txtGiorno = new QComboBox(this);
    txtGiorno->addItems({QString(), QStringLiteral("01"), QStringLiteral("15")});
    txtMese = new QComboBox(this);
    txtMese->addItems({QString(), QStringLiteral("01"), QStringLiteral("02")});
    txtProv = new QComboBox(this);
    txtProv->setEditable(true);
    txtProv->addItems({QStringLiteral("MI"), QStringLiteral("TO")});
    lblOra = new QLabel(this);
    lblPosizione = new QLabel(this);
    card = std::make_unique<RecordCard>(*this, smallLayout(), lblPosizione);
    card->setArchive(kit::ArchiveSource::fixed(QStringLiteral("prova.dat")));
    card->bind("Nome", txtNome);
    card->bind("Flag", chkFlag);
    card->bindComposed(
        "Data", [this] { return txtGiorno->currentText() + "/" + txtMese->currentText() + "/2024"; },
        [this](const QString& v) {
          txtGiorno->setCurrentText(v.left(2));
          txtMese->setCurrentText(v.mid(3, 2));
        });
    card->bind("Prov", txtProv);
    card->bind("Ora", lblOra, kit::OnNew::keep());
    card->setFirstField(txtNome);
  }
  QLineEdit* txtNome;
  QCheckBox* chkFlag;
  QComboBox* txtGiorno;
  QComboBox* txtMese;
  QComboBox* txtProv;
  QLabel* lblOra;
  QLabel* lblPosizione;
  std::unique_ptr<RecordCard> card;
};

QByteArray record(const QByteArray& nome, const QByteArray& flag, const QByteArray& data = {},
                  const QByteArray& prov = {}, const QByteArray& ora = {}) {
  QByteArray r(int(kSize), '\0');
  int at = 0;
  const QByteArray values[] = {nome, flag, data, prov, ora};
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    r[at] = char(values[i].size());
    r.replace(at + 1, values[i].size(), values[i]);
    at += kFields[i].width + 1;
  }
  return r;
}

class RecordCardTest : public ::testing::Test {
 protected:
  TempExeDir dir;
  ScriptedDialogHost host;
  SmallCard w;
};

TEST_F(RecordCardTest, CheckBoxIsStoredAsSiOrNoAndComposedValueAsBuilt) {
  w.txtNome->setText(QStringLiteral("Rossi"));
  w.chkFlag->setChecked(true);
  w.txtGiorno->setCurrentText(QStringLiteral("15"));
  w.txtMese->setCurrentText(QStringLiteral("02"));
  w.txtProv->setEditText(QStringLiteral("BZ"));  // not one of the items: stored as shown
  w.lblOra->setText(QStringLiteral("08:30"));
  w.card->save();
  w.chkFlag->setChecked(false);
  w.card->save();  // overwrite record 1

  const QByteArray flagSi = QByteArray::fromHex("0253EC");
  const QByteArray flagNo = QByteArray::fromHex("024E6F");
  const QByteArray file = dir.read(QStringLiteral("prova.dat"));
  ASSERT_EQ(file.size(), qsizetype(kSize));
  EXPECT_EQ(file.mid(11, 3), flagNo);
  EXPECT_EQ(file, record("Rossi", "No", "15/02/2024", "BZ", "08:30"));
  EXPECT_EQ(host.texts(), QStringList({kit::msg::kInserted, kit::msg::kOverwritten}));

  // Reading: "Sì" ticks, "No" unticks, anything else leaves the box as it is.
  dir.write(QStringLiteral("prova.dat"), record("A", "\x53\xEC", "01/01/2024", "TO") + record("B", "No") +
                                             record("C", "xx"));
  w.chkFlag->setChecked(false);
  w.card->first();
  EXPECT_EQ(w.txtNome->cursorPosition(), 0);  // a loaded value shows from its beginning
  EXPECT_TRUE(w.chkFlag->isChecked());
  EXPECT_EQ(w.txtGiorno->currentText(), QStringLiteral("01"));
  EXPECT_EQ(w.txtProv->currentText(), QStringLiteral("TO"));
  w.card->next();
  EXPECT_FALSE(w.chkFlag->isChecked());
  w.chkFlag->setChecked(true);
  w.card->next();
  EXPECT_EQ(w.txtNome->text(), QStringLiteral("C"));
  EXPECT_TRUE(w.chkFlag->isChecked());
  EXPECT_EQ(flagSi, QByteArray("\x02\x53\xEC"));
}

TEST_F(RecordCardTest, ChecksRunInOrderAndStopBeforeTheArchiveIsOpened) {
  QStringList ran;
  w.card->beforeSave = [&] { ran << "before"; };
  w.card->require(w.txtNome, QStringLiteral("manca il nome"));
  w.card->addCheck([&] {
    ran << "check";
    platform::plainMessage(QStringLiteral("data inesistente"), &w);
    return false;
  });

  w.txtNome->setText(QStringLiteral("   "));
  w.card->save();
  EXPECT_EQ(ran, QStringList({"before"}));
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.last().kind, MsgKind::Warning);
  EXPECT_EQ(host.last().text, QStringLiteral("manca il nome"));

  w.txtNome->setText(QStringLiteral("x"));
  w.card->save();
  EXPECT_EQ(ran, QStringList({"before", "before", "check"}));
  EXPECT_EQ(host.last().kind, MsgKind::Plain);
  EXPECT_FALSE(dir.exists(QStringLiteral("prova.dat")));
  EXPECT_TRUE(w.lblPosizione->text().isEmpty());
}

TEST_F(RecordCardTest, YearlyArchiveNameSalvataAndDuplicateThatOpensTheArchive) {
  QString year = QStringLiteral("2031");
  w.card->setArchive(kit::ArchiveSource::yearly([&] { return year.isEmpty() ? QString() : year + QStringLiteral(".sca"); }));
  w.card->setAppendMessage(RecordCard::AppendMessage::Salvata);
  w.card->setDuplicateOpensArchive(true);
  w.card->setDuplicateClears({w.txtNome});
  w.card->setDuplicateFocus(w.txtNome);

  w.txtNome->setText(QStringLiteral("Bianchi"));
  w.card->save();
  EXPECT_EQ(host.last().text, kit::msg::kSaved);
  EXPECT_EQ(dir.read(QStringLiteral("2031.sca")).size(), qsizetype(kSize));

  // Duplicate creates the next year's archive when missing, without a record.
  year = QStringLiteral("2032");
  w.card->duplicate();
  EXPECT_EQ(host.last().text, kit::msg::kDuplicated);
  EXPECT_TRUE(dir.exists(QStringLiteral("2032.sca")));
  EXPECT_EQ(dir.read(QStringLiteral("2032.sca")).size(), 0);
  EXPECT_TRUE(w.txtNome->text().isEmpty());

  // A refused name stops every command without a word.
  year.clear();
  host.clear();
  w.card->first();
  w.card->save();
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RecordCardTest, AccessErrorKindPerCommandAndStateKept) {
  QDir(dir.path()).mkdir(QStringLiteral("prova.dat"));  // a folder where the archive should be
  w.card->setAccessErrorKind(MsgKind::Warning);
  w.card->setAccessErrorKind(RecordCard::Command::Duplicate, MsgKind::Error);
  w.card->setDuplicateOpensArchive(true);

  w.txtNome->setText(QStringLiteral("tenuto"));
  w.lblPosizione->setText(QStringLiteral("3"));
  for (auto command : {&RecordCard::first, &RecordCard::back, &RecordCard::next, &RecordCard::last, &RecordCard::save})
    (w.card.get()->*command)();
  ASSERT_EQ(host.boxes.size(), 5u);
  for (const auto& box : host.boxes) {
    EXPECT_EQ(box.kind, MsgKind::Warning);
    EXPECT_EQ(box.text, kit::msg::kAccessError);
  }
  EXPECT_EQ(w.lblPosizione->text(), QStringLiteral("3"));
  EXPECT_EQ(w.txtNome->text(), QStringLiteral("tenuto"));

  // The yearly cards' Duplicate empties the label before its archive fails.
  w.card->duplicate();
  EXPECT_EQ(host.last().kind, MsgKind::Error);
  EXPECT_EQ(host.last().text, kit::msg::kAccessError);
  EXPECT_TRUE(w.lblPosizione->text().isEmpty());
  EXPECT_EQ(w.txtNome->text(), QStringLiteral("tenuto"));
}

TEST_F(RecordCardTest, NewCardValuesAndKeptControls) {
  RecordCard card(w, smallLayout(), w.lblPosizione);
  card.bind("Nome", w.txtNome, kit::OnNew::set(QStringLiteral("0,00")));
  card.bind("Flag", w.chkFlag);
  card.bind("Prov", w.txtProv);
  card.bind("Ora", w.lblOra, kit::OnNew::keep());
  card.onNew = [&] { w.txtGiorno->setCurrentIndex(0); };
  w.txtNome->setText(QStringLiteral("x"));
  w.chkFlag->setChecked(true);
  w.txtProv->setEditText(QStringLiteral("MI"));
  w.lblOra->setText(QStringLiteral("10:00"));
  w.txtGiorno->setCurrentText(QStringLiteral("15"));
  w.lblPosizione->setText(QStringLiteral("4"));
  card.newCard();
  EXPECT_EQ(w.txtNome->text(), QStringLiteral("0,00"));
  EXPECT_FALSE(w.chkFlag->isChecked());
  EXPECT_TRUE(w.txtProv->currentText().isEmpty());
  EXPECT_EQ(w.lblOra->text(), QStringLiteral("10:00"));
  EXPECT_TRUE(w.txtGiorno->currentText().isEmpty());
  EXPECT_TRUE(w.lblPosizione->text().isEmpty());
  EXPECT_TRUE(card.isNew());
}

}  // namespace
