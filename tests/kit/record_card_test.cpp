// The record card: every command over every state of the archive and of the card,
// as one table; then its variation points, on a small card of its own: check-box
// flags, composed values, computed archive names, checks, the step before the write,
// new-card values, the append message, the duplicate that touches the archive and
// the error box kind.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <map>

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
constexpr std::size_t kSize = core::recordSize(kFields);  // 34

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

// ---- the commands --------------------------------------------------------------

// A card with one edit over the small layout, logging its hooks.
class CommandCard : public platform::Form {
 public:
  CommandCard() : platform::Form(nullptr, QStringLiteral("TfrmComandi"), platform::WindowKind::Maximized, QString(), 400, 300) {
    txtNome = new QLineEdit(this);
    lblPosizione = new QLabel(this);
    card = std::make_unique<RecordCard>(*this, smallLayout(), lblPosizione);
    card->setArchive(kit::ArchiveSource::fixed(QStringLiteral("prova.dat")));
    card->bind("Nome", txtNome);
    card->beforeWrite = [this] { hooks << "write"; };
    card->afterSave = [this] { hooks << "saved"; };
    card->afterRead = [this] { hooks << "read"; };
  }
  QLineEdit* txtNome;
  QLabel* lblPosizione;
  std::unique_ptr<RecordCard> card;
  QStringList hooks;
};

// The archive as a picture: "-" no file, "/" a folder in its place (it cannot be
// opened), otherwise one record per character: 1, 2, 3 the stored cards "Uno", "Due",
// "Tre", N the card on screen ("Nuovo") as Save writes it; "" a file of 0 bytes.
QByteArray archiveBytes(const char* picture) {
  QByteArray bytes;
  for (const char* p = picture; *p; ++p) {
    switch (*p) {
      case '1': bytes += record("Uno", "No"); break;
      case '2': bytes += record("Due", "No"); break;
      case '3': bytes += record("Tre", "No"); break;
      case 'N': bytes += record("Nuovo", {}); break;
    }
  }
  return bytes;
}

TEST(RecordCardCommands, EveryCommandOverEveryArchiveAndCard) {
  enum class Msg { None, Empty, AccessError, Inserted, Overwritten, NotStored, Duplicated };
  using Command = void (RecordCard::*)();
  const Command First = &RecordCard::first, Back = &RecordCard::back, Next = &RecordCard::next,
                Last = &RecordCard::last, Save = &RecordCard::save, Duplicate = &RecordCard::duplicate;
  struct Case {
    const char* state;
    const char* archive;  // before, as a picture (archiveBytes)
    const char* label;    // position label before
    Command command;
    const char* name;
    Msg msg;
    const char* labelAfter;
    const char* nomeAfter;
    const char* archiveAfter;
    const char* hooks;
  };
  // The card always shows "Nuovo", typed and not stored.
  const Case cases[] = {
      // A missing archive is created empty by every command that opens it; the label
      // is stale (the file was removed), and only Next empties it.
      {"missing", "-", "5", First, "First", Msg::Empty, "5", "Nuovo", "", ""},
      {"missing", "-", "", Back, "Back from a new card", Msg::Empty, "", "Nuovo", "", ""},
      {"missing", "-", "1", Back, "Back on record 1", Msg::None, "1", "Nuovo", "", ""},
      {"missing", "-", "5", Next, "Next", Msg::Empty, "", "Nuovo", "", ""},
      {"missing", "-", "5", Last, "Last", Msg::Empty, "5", "Nuovo", "", ""},
      {"missing", "-", "", Save, "Save", Msg::Inserted, "1", "Nuovo", "N", "write saved"},
      {"missing", "-", "5", Duplicate, "Duplicate", Msg::Duplicated, "", "Nuovo", "-", ""},
      // An empty archive (0 bytes) under a stale label.
      {"empty", "", "2", First, "First", Msg::Empty, "2", "Nuovo", "", ""},
      {"empty", "", "2", Back, "Back", Msg::Empty, "2", "Nuovo", "", ""},
      {"empty", "", "1", Back, "Back on record 1", Msg::None, "1", "Nuovo", "", ""},
      {"empty", "", "2", Next, "Next", Msg::Empty, "", "Nuovo", "", ""},
      {"empty", "", "2", Last, "Last", Msg::Empty, "2", "Nuovo", "", ""},
      {"empty", "", "2", Save, "Save past the end", Msg::AccessError, "2", "Nuovo", "", "write"},
      {"empty", "", "", Save, "Save from a new card", Msg::Inserted, "1", "Nuovo", "N", "write saved"},
      {"empty", "", "2", Duplicate, "Duplicate", Msg::Duplicated, "", "Nuovo", "", ""},
      // A folder in the archive's place: the access error, and nothing changes.
      {"locked", "/", "2", First, "First", Msg::AccessError, "2", "Nuovo", "/", ""},
      {"locked", "/", "2", Back, "Back", Msg::AccessError, "2", "Nuovo", "/", ""},
      {"locked", "/", "2", Next, "Next", Msg::AccessError, "2", "Nuovo", "/", ""},
      {"locked", "/", "2", Last, "Last", Msg::AccessError, "2", "Nuovo", "/", ""},
      {"locked", "/", "2", Save, "Save", Msg::AccessError, "2", "Nuovo", "/", "write"},
      {"locked", "/", "2", Duplicate, "Duplicate", Msg::Duplicated, "", "Nuovo", "/", ""},
      // An archive shorter than the card's position (replaced meanwhile): reading or
      // writing past its end fails and the file keeps its bytes.
      {"short", "12", "9", First, "First", Msg::None, "1", "Uno", "12", "read"},
      {"short", "12", "9", Back, "Back", Msg::AccessError, "9", "Nuovo", "12", ""},
      {"short", "12", "9", Next, "Next", Msg::None, "9", "Nuovo", "12", ""},
      {"short", "12", "9", Last, "Last", Msg::None, "2", "Due", "12", "read"},
      {"short", "12", "9", Save, "Save", Msg::AccessError, "9", "Nuovo", "12", "write"},
      {"short", "12", "9", Duplicate, "Duplicate", Msg::Duplicated, "", "Nuovo", "12", ""},
      // On the first record.
      {"on the first", "123", "1", First, "First", Msg::None, "1", "Uno", "123", "read"},
      {"on the first", "123", "1", Back, "Back", Msg::None, "1", "Nuovo", "123", ""},
      {"on the first", "123", "1", Next, "Next", Msg::None, "2", "Due", "123", "read"},
      {"on the first", "123", "1", Last, "Last", Msg::None, "3", "Tre", "123", "read"},
      {"on the first", "123", "1", Save, "Save", Msg::Overwritten, "1", "Nuovo", "N23", "write saved"},
      {"on the first", "123", "1", Duplicate, "Duplicate", Msg::Duplicated, "", "Nuovo", "123", ""},
      // On the last record.
      {"on the last", "123", "3", First, "First", Msg::None, "1", "Uno", "123", "read"},
      {"on the last", "123", "3", Back, "Back", Msg::None, "2", "Due", "123", "read"},
      {"on the last", "123", "3", Next, "Next", Msg::None, "3", "Nuovo", "123", ""},
      {"on the last", "123", "3", Last, "Last", Msg::None, "3", "Tre", "123", "read"},
      {"on the last", "123", "3", Save, "Save", Msg::Overwritten, "3", "Nuovo", "12N", "write saved"},
      {"on the last", "123", "3", Duplicate, "Duplicate", Msg::Duplicated, "", "Nuovo", "123", ""},
      // A new card: Next and Back both show record 1; Save appends.
      {"new card", "123", "", First, "First", Msg::None, "1", "Uno", "123", "read"},
      {"new card", "123", "", Back, "Back", Msg::None, "1", "Uno", "123", "read"},
      {"new card", "123", "", Next, "Next", Msg::None, "1", "Uno", "123", "read"},
      {"new card", "123", "", Last, "Last", Msg::None, "3", "Tre", "123", "read"},
      {"new card", "123", "", Save, "Save", Msg::Inserted, "4", "Nuovo", "123N", "write saved"},
      {"new card", "123", "", Duplicate, "Duplicate", Msg::NotStored, "", "Nuovo", "123", ""},
  };
  const QString file = QStringLiteral("prova.dat");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.state) + ": " + c.name);
    TempExeDir dir;
    ScriptedDialogHost host;
    CommandCard w;
    if (QByteArray(c.archive) == "/") QDir(dir.path()).mkdir(file);
    else if (QByteArray(c.archive) != "-") dir.write(file, archiveBytes(c.archive));
    w.lblPosizione->setText(QString::fromLatin1(c.label));
    w.txtNome->setText(QStringLiteral("Nuovo"));

    (w.card.get()->*c.command)();

    struct Box {
      MsgKind kind;
      QString text;
    };
    const std::map<Msg, Box> boxes = {
        {Msg::Empty, {MsgKind::Information, QStringLiteral("L'archivio non contiene nessuna scheda.")}},
        {Msg::AccessError,
         {MsgKind::Error, QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                         "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                         "installazione del programma.")}},
        {Msg::Inserted, {MsgKind::Information, QStringLiteral("La scheda corrente è stata inserita in archivio.")}},
        {Msg::Overwritten,
         {MsgKind::Information,
          QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")}},
        {Msg::NotStored,
         {MsgKind::Warning, QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                                           "questa è stata inserita in archivio.")}},
        {Msg::Duplicated,
         {MsgKind::Information, QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente."
                                               "\n\r\n\rAl termine premere Salva per inserire la scheda in "
                                               "archivio.")}},
    };
    if (c.msg == Msg::None) {
      EXPECT_TRUE(host.boxes.empty());
    } else {
      ASSERT_EQ(host.boxes.size(), 1u);
      EXPECT_EQ(host.last().kind, boxes.at(c.msg).kind);
      EXPECT_EQ(host.last().text, boxes.at(c.msg).text);
    }
    EXPECT_EQ(w.lblPosizione->text(), QString::fromLatin1(c.labelAfter));
    EXPECT_EQ(w.txtNome->text(), QString::fromLatin1(c.nomeAfter));
    EXPECT_EQ(w.hooks.join(' '), QString::fromLatin1(c.hooks));
    const QByteArray after(c.archiveAfter);
    if (after == "-") {
      EXPECT_FALSE(dir.exists(file));
    } else if (after == "/") {
      EXPECT_TRUE(QFileInfo(dir.file(file)).isDir());
    } else {
      ASSERT_TRUE(dir.exists(file));
      EXPECT_EQ(dir.read(file), archiveBytes(c.archiveAfter));
    }
  }
}

// ---- the variation points --------------------------------------------------------

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
  w.card->beforeWrite = [&] { ran << "write"; };
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

TEST_F(RecordCardTest, BeforeWriteRunsAfterTheChecksAndWhatItComputesIsStored) {
  QStringList ran;
  w.card->beforeSave = [&] { ran << "before"; };
  w.card->require(w.txtNome, QStringLiteral("manca il nome"));
  w.card->addCheck([&] {
    ran << "check";
    return true;
  });
  w.card->beforeWrite = [&] {
    ran << QStringLiteral("write, archive %1").arg(dir.exists(QStringLiteral("prova.dat")) ? "open" : "missing");
    w.lblOra->setText(QStringLiteral("09:45"));  // a value the card computes from the others
  };
  w.card->afterSave = [&] { ran << "saved"; };

  w.card->save();  // the name is missing: nothing computed
  EXPECT_EQ(ran, QStringList({"before"}));
  w.txtNome->setText(QStringLiteral("Verdi"));
  w.card->save();
  EXPECT_EQ(ran, QStringList({"before", "before", "check", "write, archive missing", "saved"}));
  EXPECT_EQ(dir.read(QStringLiteral("prova.dat")), record("Verdi", "No", "//2024", "MI", "09:45"));
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
