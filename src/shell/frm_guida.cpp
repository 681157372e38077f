#include "shell/frm_guida.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/paths.h"
#include "shell/misc.h"
#include "platform/widgets.h"

namespace {
const QString kParagraphBreak = QStringLiteral("\r\n\r\n");

// The memo shows a CR LF pair (or a lone CR) as one line break, as the text was written.
QString forDisplay(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}
}  // namespace

TfrmGuida::TfrmGuida(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmGuida"), platform::WindowKind::CentredOnScreen,
                     QStringLiteral(" Guida all'utilizzo del software"), 670, 572) {
  lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
  lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
  QFont titleFont(QStringLiteral("Arial"), 16);
  titleFont.setBold(true);
  lblTitolo->setFont(titleFont);
  lblTitolo->setStyleSheet(QStringLiteral("color: #DC143C;"));
  lblTitolo->setGeometry(16, 12, 638, 34);

  txtGuida = new QPlainTextEdit(this);
  txtGuida->setObjectName(QStringLiteral("txtGuida"));
  txtGuida->setReadOnly(true);
  txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QFont memoFont(QStringLiteral("Verdana"), 12);
  memoFont.setBold(true);
  txtGuida->setFont(memoFont);
  txtGuida->setGeometry(16, 54, 638, 448);

  imgPDF = shell::makeLinkPicture(this, QStringLiteral("imgPDF"), shell::pdfPicture(36));
  lnkWeb = shell::makeLinkText(this, QStringLiteral("lnkWeb"), QStringLiteral("Visualizza guida in formato PDF"));
  shell::placeLink(lnkWeb, imgPDF, QPoint(16, 518), [this] { lnkWebClick(); });

  btnChiudi = platform::pushButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), QRect(554, 518, 100, 34));
  connect(btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);
}

QString TfrmGuida::joinParagraphs(const QStringList& paragraphs) { return paragraphs.join(kParagraphBreak); }

void TfrmGuida::setHelp(const QString& title, const QStringList& paragraphs) {
  setHelpText(title, joinParagraphs(paragraphs));
}

void TfrmGuida::setHelpText(const QString& title, const QString& text) {
  lblTitolo->setText(title);
  text_ = text;
  txtGuida->setPlainText(forDisplay(text));
}

QString TfrmGuida::title() const { return lblTitolo->text(); }

void TfrmGuida::showHelp(QWidget* owner, const QString& title, const QStringList& paragraphs) {
  TfrmGuida help(owner);
  help.setHelp(title, paragraphs);
  help.showModalDialog();
}

void TfrmGuida::lnkWebClick() {
  // Nothing checks that the manual is there: the desktop reports a missing file.
  TMisc::Open(QLatin1Char('"') + platform::exePath(QStringLiteral("Guida.pdf")) + QLatin1Char('"'));
}

void TfrmGuida::btnChiudiClick() { closeForm(); }

void TfrmGuida::paintEvent(QPaintEvent* event) {
  platform::paintGradient(this, QColor(0xAD, 0xD8, 0xE6));
  platform::Form::paintEvent(event);
}
