#include "kit/card_print.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <exception>

#include "kit/messages.h"
#include "platform/clock.h"
#include "platform/control_text.h"
#include "platform/dialogs.h"
#include "platform/qtext.h"
#include "platform/widgets.h"
#include "platform/windows.h"

namespace kit {

using namespace platform::report;

namespace {

const QColor kLightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor kGold(0xFF, 0xD7, 0x00);

QRectF mmRect(double left, double top, double width, double height) {
  return QRectF(mm(left), mm(top), mm(width), mm(height));
}

// Framed rows, in mm inside the margins: a title box, then rows 5 mm apart whose
// caption and value sit half a millimetre inside their frame, the rule between them.
constexpr double kTitleHeight = 5.8;
constexpr double kFirstRow = 7;
constexpr double kRowPitch = 5;
constexpr double kRowHeight = 4.6;
constexpr double kTextInset = 0.5;
constexpr double kTextHeight = 3.5;
constexpr double kCaptionLeft = 2, kCaptionWidth = 37.8;
constexpr double kRuleLeft = 42;
constexpr double kValueLeft = 44, kValueWidth = 144;
constexpr double kBoxLeft = 1, kBoxWidth = 188;
constexpr double kFooterTop = 270;

// Headed boxes: a heading strip above a value box.
constexpr double kHeadingHeight = 4.8;
constexpr double kBoxHeight = 6;

QString latin(const char* text) { return QString::fromLatin1(text); }

// The caption memo of a value memo: "cap" in place of its "txt".
QString captionName(const QString& memo) { return QStringLiteral("cap") + memo.mid(3); }

Memo& addText(Container& on, const QString& name, const QRectF& rect, double points, bool bold = false,
              const QColor& colour = Qt::black) {
  Memo& m = on.addMemo(name, rect);
  m.font = {QStringLiteral("Arial"), points, bold, colour};
  m.vAlign = VAlign::Centre;
  m.expressions = false;  // a value is printed as it stands, brackets included
  return m;
}

void addFramedCopy(Page& page, const CardPrintSettings& s, const CardPrintCopy& copy) {
  const double top = copy.offset;
  const QString suffix = latin(copy.suffix);
  Shape& box = page.addShape(QStringLiteral("shpTitolo") + suffix, mmRect(kBoxLeft, top + 1, kBoxWidth, kTitleHeight));
  box.fill = kLightSteelBlue;
  Memo& title = addText(page, s.titleMemo + suffix, mmRect(2, top + 2, 185.8, 4.2), 9);
  title.hAlign = HAlign::Centre;
  title.setText(s.title);

  const int n = static_cast<int>(s.rows.size());
  for (int i = 0; i < n; ++i) {
    const CardPrintRow& row = s.rows[static_cast<std::size_t>(i)];
    const double y = top + kFirstRow + kRowPitch * i;
    const QString memo = latin(row.memo) + suffix;
    Shape& frame = page.addShape(QStringLiteral("shpRiga%1").arg(i + 1, 2, 10, QLatin1Char('0')) + suffix,
                                 mmRect(kBoxLeft, y, kBoxWidth, kRowHeight));
    frame.frame = Qt::black;
    frame.frameWidth = 0.75;
    addText(page, captionName(memo), mmRect(kCaptionLeft, y + kTextInset, kCaptionWidth, kTextHeight), 7)
        .setText(QString::fromUtf8(row.caption));
    addText(page, memo, mmRect(kValueLeft, y + kTextInset, kValueWidth, kTextHeight), 7);
  }
  if (n > 0) {
    Shape& rule = page.addShape(QStringLiteral("shpLinea") + suffix,
                                QRectF(mm(kRuleLeft), mm(top + kFirstRow), 0.75, mm(kRowPitch * n - 0.4)));
    rule.fill = Qt::black;
  }
  if (copy.tag) {
    const double y = top + kFirstRow + kRowPitch * n + 2;
    Shape& tagBox = page.addShape(QStringLiteral("shpCopia") + suffix, mmRect(109, y, 80, kTitleHeight));
    tagBox.fill = kLightSteelBlue;
    Memo& tag = addText(page, QStringLiteral("txtCopia") + suffix, mmRect(110, y + 1, 77.8, 4.2), 9);
    tag.hAlign = HAlign::Centre;
    tag.setText(QString::fromUtf8(copy.tag));
  }
}

void addCutLine(Page& page, double top) {
  Line& cut = page.addLine(QStringLiteral("linTaglio"), mmRect(0, top, 190, 0));
  cut.arrowStart = true;
  cut.arrowEnd = true;
}

void addFooter(Page& page) {
  Shape& box = page.addShape(QStringLiteral("shpCalce"), mmRect(kBoxLeft, kFooterTop, kBoxWidth, kTitleHeight));
  box.fill = kGold;
  Memo& calce = addText(page, QStringLiteral("txtCalce"), mmRect(2, kFooterTop + 1, 185.8, 4.2), 8);
  calce.hAlign = HAlign::Centre;
  calce.setText(QStringLiteral("Data e ora stampa"));
}

void addHeadedBoxes(Page& page, const CardPrintSettings& s) {
  Shape& bar = page.addShape(QStringLiteral("shpTitolo"), mmRect(1, 1, 188, 8));
  bar.fill = kRoyalBlue;
  Memo& title = addText(page, s.titleMemo, mmRect(1, 1, 188, 8), 12, false, Qt::white);
  title.hAlign = HAlign::Centre;
  title.setText(s.title);

  if (s.photo) {
    Picture& photo = page.addPicture(QStringLiteral("imgLogo"), mmRect(1, 11, 188, 87));
    photo.centre = true;
  }

  for (const CardPrintRow& row : s.rows) {
    const QString memo = latin(row.memo);
    Memo& heading = addText(page, captionName(memo), mmRect(row.left, row.top, row.width, kHeadingHeight), 8, true,
                            Qt::white);
    heading.fill = kRoyalBlue;
    heading.setText(QString::fromUtf8(row.caption));

    Memo& value = addText(page, memo, mmRect(row.left, row.top + kHeadingHeight, row.width, kBoxHeight), 8);
    value.fill = Qt::white;
    value.frame = kRoyalBlue;
    value.frameWidth = 0.75;
  }
}

// A small sheet with a title band and framed rows, for the dialog's panel.
void drawFramedSheet(QPainter& p, const QRectF& sheet) {
  drawSheet(p, sheet, kLightSteelBlue);
  p.setPen(QPen(QColor(0x70, 0x70, 0x70), 0.8));
  p.setBrush(Qt::NoBrush);
  const double rowHeight = 7;
  const int rows = static_cast<int>((sheet.height() - 40) / rowHeight);
  for (int i = 0; i < rows; ++i) {
    const QRectF r(sheet.left() + 6, sheet.top() + 18 + i * rowHeight, sheet.width() - 12, rowHeight - 1.5);
    p.drawRect(r);
  }
  const double ruleX = sheet.left() + 6 + (sheet.width() - 12) * 0.3;
  p.drawLine(QPointF(ruleX, sheet.top() + 18), QPointF(ruleX, sheet.top() + 18 + rows * rowHeight - 1.5));
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  p.drawRect(QRectF(sheet.left() + 6, sheet.bottom() - 14, sheet.width() - 12, 8));
}

}  // namespace

void drawSheet(QPainter& p, const QRectF& sheet, const QColor& band) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xD8, 0xDE, 0xE6));
  p.drawRect(sheet.translated(4, 4));
  p.setBrush(Qt::white);
  p.setPen(QPen(QColor(0x90, 0xA0, 0xB0), 1));
  p.drawRect(sheet);
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  p.drawRect(QRectF(sheet.left() + 6, sheet.top() + 6, sheet.width() - 12, 8));
}

QString printedAtText(const QDateTime& at) {
  return QStringLiteral("Stampa eseguita in data ") + dateText(at.date()) + QStringLiteral(" alle ore ") +
         timeText(at.time());
}

std::unique_ptr<Report> makeCardReport(const CardPrintSettings& s) {
  auto report = std::make_unique<Report>(s.reportName);
  if (s.dataPage) report->addDataPage(QStringLiteral("Data"));
  Page& page = report->addPage(QStringLiteral("Page1"), QPageLayout::Portrait);
  if (s.layout == CardPrintLayout::HeadedBoxes) {
    addHeadedBoxes(page, s);
  } else {
    for (const CardPrintCopy& copy : s.copies) addFramedCopy(page, s, copy);
    if (s.cutLine) addCutLine(page, *s.cutLine);
    if (s.footer) addFooter(page);
  }
  return report;
}

int cardReportPage(const CardPrintSettings& s) { return s.dataPage ? 1 : 0; }

QStringList cardPrintMemos(const CardPrintSettings& s) {
  QStringList out;
  const bool framed = s.layout == CardPrintLayout::FramedRows;
  const std::vector<CardPrintCopy> once{{}};
  for (const CardPrintCopy& copy : framed ? s.copies : once)
    for (const CardPrintRow& row : s.rows) out << latin(row.memo) + latin(copy.suffix);
  return out;
}

QString cardText(const QWidget* card, const QString& name) {
  QObject* control = card ? card->findChild<QObject*>(name) : nullptr;
  if (!control) throw ReportError(QStringLiteral("Control \"%1\" not found on the card.").arg(name));
  // A flag prints as it is stored.
  if (auto* box = qobject_cast<QCheckBox*>(control)) return box->isChecked() ? msg::kYes : msg::kNo;
  return platform::shownText(control);
}

QString cardValue(const QWidget* card, const CardPrintRow& row) {
  if (!row.value) return platform::trim(cardText(card, latin(row.memo)));
  const QString pattern = QString::fromUtf8(row.value);
  QString out;
  qsizetype i = 0;
  while (i < pattern.size()) {
    const qsizetype open = pattern.indexOf(QLatin1Char('{'), i);
    const qsizetype close = open < 0 ? -1 : pattern.indexOf(QLatin1Char('}'), open);
    if (close < 0) {
      out += pattern.mid(i);
      break;
    }
    out += pattern.mid(i, open - i);
    out += platform::trim(cardText(card, pattern.mid(open + 1, close - open - 1)));
    i = close + 1;
  }
  return out;
}

void fillCardReport(Report& report, const CardPrintSettings& s, const QWidget* card, const QImage& photo) {
  if (!card) throw ReportError(QStringLiteral("The card \"%1\" is not available.").arg(s.cardClass));
  report.page(cardReportPage(s)).orientation = QPageLayout::Portrait;
  if (s.layout == CardPrintLayout::HeadedBoxes) {
    if (s.photo) report.picture(QStringLiteral("imgLogo")).image = photo;
    for (const CardPrintRow& row : s.rows) report.memo(latin(row.memo)).setText(cardValue(card, row));
  } else {
    // Every copy prints the same values, read once per copy in row order.
    for (const CardPrintCopy& copy : s.copies)
      for (const CardPrintRow& row : s.rows)
        report.memo(latin(row.memo) + latin(copy.suffix)).setText(cardValue(card, row));
    if (s.footer) report.memo(QStringLiteral("txtCalce")).setText(printedAtText(platform::now()));
  }
  report.prepare();
}

QWidget* printedCard(const CardPrintSettings& s, QWidget* owner) {
  for (QWidget* w = owner; w; w = w->parentWidget())
    if (w->objectName() == s.cardClass) return w;
  return platform::findWindow(s.cardClass);
}

namespace {
const char* const kSheetHeading = "Stampa documento";
const char* const kSheetText =
    "Stampa su carta il documento con i dati digitati nei campi di testo della scheda.\n\n"
    "\"Stampa\" avvia la stampa, \"Annulla\" la annulla.";
}  // namespace

QPixmap framedSheetPicture() {
  QPixmap pm(316, 188);
  pm.fill(Qt::white);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QFont heading(platform::report::fontFamily(QStringLiteral("Verdana")));
  heading.setPixelSize(15);
  heading.setBold(true);
  p.setFont(heading);
  p.setPen(QColor(0x42, 0x7A, 0xA8));
  p.drawText(QRectF(0, 6, pm.width(), 22), Qt::AlignCenter, QString::fromUtf8(kSheetHeading));
  drawFramedSheet(p, QRectF(14, 34, 96, 140));
  QFont body(platform::report::fontFamily(QStringLiteral("Verdana")));
  body.setPixelSize(11);
  p.setFont(body);
  p.setPen(QColor(0x30, 0x30, 0x30));
  p.drawText(QRectF(124, 38, 182, 140), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             QString::fromUtf8(kSheetText));
  return pm;
}

// --- the dialog -------------------------------------------------------------------

CardPrintDialog::CardPrintDialog(QWidget* owner, CardPrintSettings settings)
    : platform::Form(owner, settings.dialogClass, platform::WindowKind::CentredOnOwner, settings.caption, 364, 287),
      settings_(std::move(settings)) {
  platform::setRegionalFormats();
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("panLogo"));
  panel->setGeometry(12, 12, 340, 210);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, Qt::white);
  panel->setPalette(pal);

  imgLogo01 = new QLabel(panel);
  imgLogo01->setObjectName(QStringLiteral("imgLogo01"));
  imgLogo01->setAlignment(Qt::AlignCenter);
  imgLogo01->setPixmap(settings_.picture ? settings_.picture() : framedSheetPicture());
  if (!settings_.picture) {
    // The painted texts, for whoever cannot see the picture.
    imgLogo01->setAccessibleName(QString::fromUtf8(kSheetHeading));
    imgLogo01->setAccessibleDescription(QString::fromUtf8(kSheetText));
  }
  imgLogo01->setGeometry(0, 0, 340, 210);

  btnAnnulla = platform::pushButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                                    QRect(12, 238, 130, 34));
  connect(btnAnnulla, &QPushButton::clicked, this, &CardPrintDialog::btnAnnullaClick);
  btnStampa = platform::pushButton(this, QStringLiteral("btnStampa"), settings_.action, QRect(222, 238, 130, 34));
  connect(btnStampa, &QPushButton::clicked, this, &CardPrintDialog::btnStampaClick);
  setTabOrder(btnAnnulla, btnStampa);

  if (settings_.photo) {
    imgTemp = new QLabel(this);
    imgTemp->setObjectName(QStringLiteral("imgTemp"));
    imgTemp->setPixmap(settings_.placeholder ? settings_.placeholder() : QPixmap());
    imgTemp->setVisible(false);
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(imgTemp->pixmap());
    imgLogo->setVisible(false);
  }
}

void CardPrintDialog::FormShow() {
  if (!settings_.photo) return;
  // A photo that cannot be copied is no failure: the placeholder is printed instead.
  const QWidget* card = printedCard(settings_, parentWidget());
  const QPixmap photo = card ? settings_.photo(card) : QPixmap();
  imgLogo->setPixmap(photo.isNull() ? imgTemp->pixmap() : photo);
}

void CardPrintDialog::fillAndOutput() {
  std::unique_ptr<Report> report;
  if (settings_.report) {
    report = settings_.report(parentWidget());
  } else {
    report = makeCardReport(settings_);
    fillCardReport(*report, settings_, printedCard(settings_, parentWidget()),
                   imgLogo ? imgLogo->pixmap().toImage() : QImage());
  }
  if (settings_.output == CardPrintOutput::Preview) report->preview(this);
  else report->print(this);  // a cancelled print dialog prints nothing and says nothing
}

void CardPrintDialog::btnStampaClick() {
  if (settings_.failure.isEmpty()) {
    try {
      fillAndOutput();
    } catch (const std::exception& e) {
      // The failure's own message; the user may try again or cancel.
      platform::error(QString::fromUtf8(e.what()), this);
      return;
    }
  } else {
    try {
      fillAndOutput();
    } catch (...) {
      platform::warning(settings_.failure, this);
    }
  }
  closeForm();
}

void CardPrintDialog::btnAnnullaClick() { closeForm(); }

void CardPrintDialog::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(0x42, 0x7A, 0xA8));
  g.setColorAt(1, Qt::white);
  p.fillRect(rect(), g);
  platform::Form::paintEvent(event);
}

}  // namespace kit
