#include "shell/frm_allega_cartella.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <string>

#include "platform/windows.h"
#include "core/attachments.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "shell/misc.h"

namespace {

const QString kOverwriteQuestion =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.") +
    QStringLiteral("\r\n\r\n") + QStringLiteral("Si vuole sovrascrivere il file esistente?");

QString rowNumber(int row) { return QStringLiteral("0%1").arg(row + 1); }

std::string utf8(const QString& s) { return s.toStdString(); }

QPixmap clearPicture(int size) {
  QPixmap pm = shell::blankPicture(size, size);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xC0, 0x20, 0x20));
  p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
  p.setPen(QPen(Qt::white, size / 8.0, Qt::SolidLine, Qt::RoundCap));
  const qreal a = size * 0.32, b = size * 0.68;
  p.drawLine(QPointF(a, a), QPointF(b, b));
  p.drawLine(QPointF(a, b), QPointF(b, a));
  return pm;
}

}  // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmAllegaCartella"), platform::WindowKind::CentredOnScreen,
                     QStringLiteral(" Allega file"), 634, 534) {
  lblMemory();
  static const char* const kOrdinals[kRows] = {"1°", "2°", "3°"};
  QWidget* previous = nullptr;
  auto chain = [&previous, this](QWidget* w) {
    if (previous) setTabOrder(previous, w);
    previous = w;
  };
  for (int r = 0; r < kRows; ++r) {
    const int y = 16 + r * 150;
    const QString n = rowNumber(r);
    const QString ordinal = QString::fromUtf8(kOrdinals[r]);

    auto* lblNome = new QLabel(QStringLiteral("Nome %1 file allegato:").arg(ordinal), this);
    lblNome->setObjectName(QStringLiteral("lblNome") + n);
    lblNome->setGeometry(20, y, 380, 20);

    txtFile[r] = new QLineEdit(this);
    txtFile[r]->setObjectName(QStringLiteral("txtFile") + n);
    txtFile[r]->setReadOnly(true);
    txtFile[r]->setGeometry(20, y + 22, 384, 28);

    btnSfoglia[r] = platform::pushButton(this, QStringLiteral("btnSfoglia") + n, QStringLiteral("Sfoglia..."), QRect(412, y + 21, 90, 30));

    btnApri[r] = platform::pushButton(this, QStringLiteral("btnApri") + n, QStringLiteral("Apri"), QRect(508, y + 21, 70, 30));
    btnApri[r]->setEnabled(false);

    imgCancella[r] = new platform::PictureButton(this, QStringLiteral("imgCancella") + n);
    imgCancella[r]->setPixmap(clearPicture(24));
    imgCancella[r]->setGeometry(588, y + 24, 24, 24);
    imgCancella[r]->setCursor(Qt::PointingHandCursor);
    imgCancella[r]->setToolTip(QStringLiteral("Cancella il nome del file allegato"));

    auto* lblDesc = new QLabel(QStringLiteral("Descrizione %1 file allegato:").arg(ordinal), this);
    lblDesc->setObjectName(QStringLiteral("lblDescrizione") + n);
    lblDesc->setGeometry(20, y + 60, 380, 20);

    txtDesc[r] = new QLineEdit(this);
    txtDesc[r]->setObjectName(QStringLiteral("txtDesc") + n);
    txtDesc[r]->setGeometry(20, y + 82, 592, 28);

    connect(txtFile[r], &QLineEdit::textChanged, this,
            [this, r](const QString& text) { btnApri[r]->setEnabled(!platform::trim(text).isEmpty()); });
    connect(btnSfoglia[r], &QPushButton::clicked, this, [this, r] { btnSfogliaClick(r); });
    connect(btnApri[r], &QPushButton::clicked, this, [this, r] { btnApriClick(r); });
    connect(imgCancella[r], &platform::PictureButton::clicked, this, [this, r] { imgCancellaClick(r); });

    chain(txtFile[r]);
    chain(btnSfoglia[r]);
    chain(btnApri[r]);
    chain(txtDesc[r]);
  }

  btnApplica = platform::pushButton(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), QRect(352, 482, 150, 34));
  connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);

  btnAnnulla = platform::pushButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), QRect(512, 482, 100, 34));
  connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);

  chain(btnApplica);
  chain(btnAnnulla);
}

QString TfrmAllegaCartella::folder() { return platform::exePath(QStringLiteral("Documenti_Allegati/")); }

const std::array<TfrmAllegaCartella::Target, 3> TfrmAllegaCartella::kTargets = {{
    {"autoparco", "TfrmAutoparco"},
    {"servizi", "TfrmServizi"},
    {"anagrafica", "TfrmAnagrafica"},
}};

QString TfrmAllegaCartella::windowOf(const QString& keyWord) {
  const QString k = platform::trim(keyWord);
  for (const Target& t : kTargets)
    if (k == QLatin1String(t.keyWord)) return QString::fromLatin1(t.window);
  return QString();
}

void TfrmAllegaCartella::open(platform::Form* card, const QString& keyWord) {
  TfrmAllegaCartella dialog(card);
  dialog.setMemory(keyWord);
  for (int r = 0; r < kRows; ++r) {
    const QString n = rowNumber(r);
    if (auto* l = card->findChild<QLabel*>(QStringLiteral("lblFile") + n)) dialog.txtFile[r]->setText(platform::trim(l->text()));
    if (auto* l = card->findChild<QLabel*>(QStringLiteral("lblDesc") + n)) dialog.txtDesc[r]->setText(platform::trim(l->text()));
  }
  dialog.showModalDialog();
}

void TfrmAllegaCartella::btnSfogliaClick(int row) {
  // "*" and not "*.*": on this platform "*.*" would hide the files without an
  // extension, and any file must be attachable.
  const QString chosen = platform::dialogHost().openFile(this, QStringLiteral("Selezionare il file da allegare:"),
                                                         QString(), QStringLiteral("Tutti i file (*)"));
  if (chosen.isEmpty()) return;

  const QString name = QString::fromStdString(core::bareFileName(utf8(chosen)));
  const QString trimmed = platform::trim(name);
  if (!core::isAttachableName(utf8(trimmed))) {
    platform::error(QStringLiteral("Attenzione: il file scelto non può essere allegato perché il suo nome non è valido."), this);
    return;
  }

  // The row takes the new name only once it designates a file of the folder: after a
  // successful copy, or when the user keeps the file already there. After a failure
  // it keeps the name it had.
  const QString dir = folder();
  if (!core::ensureFolder(utf8(dir))) {
    platform::error(QStringLiteral("Attenzione: impossibile creare la cartella dei documenti allegati \"") + dir +
                        QStringLiteral("\". Il file non è stato allegato."),
                    this);
    return;
  }
  const QString destination = dir + trimmed;
  // A file picked from the folder itself is already in place.
  if (core::isSameFile(utf8(chosen), utf8(destination))) {
    txtFile[row]->setText(name);
    return;
  }
  if (QFileInfo::exists(destination) && !platform::question(kOverwriteQuestion, this)) {
    txtFile[row]->setText(name);
    return;
  }
  if (!platform::copyWholeFile(chosen, destination)) {
    platform::error(QStringLiteral("Attenzione: impossibile copiare il file \"") + name +
                        QStringLiteral("\" nella cartella dei documenti allegati. Il file non è stato allegato."),
                    this);
    return;
  }
  txtFile[row]->setText(name);
}

void TfrmAllegaCartella::btnApriClick(int row) {
  // Always the copy in the attachments folder, never the file originally picked.
  TMisc::Open(QLatin1Char('"') + folder() + platform::trim(txtFile[row]->text()) + QLatin1Char('"'));
}

void TfrmAllegaCartella::imgCancellaClick(int row) {
  // Only the name goes: the description stays, and so does the file in the folder.
  txtFile[row]->clear();
}

void TfrmAllegaCartella::btnApplicaClick() {
  const QString windowName = windowOf(memory());
  if (windowName.isEmpty()) return;  // an unknown key word blocks the write-back
  if (platform::Form* card = platform::findWindow(windowName)) {
    for (int r = 0; r < kRows; ++r) {
      const QString n = rowNumber(r);
      platform::wiredControl<QLabel>(card, QStringLiteral("lblFile") + n)->setText(platform::trim(txtFile[r]->text()));
      platform::wiredControl<QLabel>(card, QStringLiteral("lblDesc") + n)->setText(platform::trim(txtDesc[r]->text()));
    }
  }
  closeForm();
}

void TfrmAllegaCartella::btnAnnullaClick() { closeForm(); }
