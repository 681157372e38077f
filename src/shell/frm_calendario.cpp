#include "shell/frm_calendario.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <iterator>

#include "platform/clock.h"
#include "platform/windows.h"
#include "platform/qtext.h"
#include "platform/widgets.h"

namespace {

constexpr TfrmCalendario::Target kTargets[] = {
    {"autoparco_lettura", "TfrmAutoparco", "txtLettura"},
    {"autoparco_scadrevisione", "TfrmAutoparco", "txtScadRevisione"},
    {"autoparco_scadtagliando", "TfrmAutoparco", "txtScadTagliando"},
    {"autoparco_scadassicurazione", "TfrmAutoparco", "txtScadAssicurazione"},
    {"autoparco_scadbollo", "TfrmAutoparco", "txtScadBollo"},
    {"datapartenza", "TfrmServizi", "txtDataPartenza"},
    {"datarientro", "TfrmServizi", "txtDataRientro"},
    {"datarif01", "TfrmServizi", "txtDataRif01"},
    {"datarif02", "TfrmServizi", "txtDataRif02"},
    {"datarif03", "TfrmServizi", "txtDataRif03"},
    {"datarif04", "TfrmServizi", "txtDataRif04"},
    {"datarif05", "TfrmServizi", "txtDataRif05"},
    {"dataent", "TfrmRegistro", "txtDataEnt"},
    {"datausc", "TfrmRegistro", "txtDataUsc"},
    {"dataint", "TfrmChilometrico", "txtDataInt"},
    {"dataril", "TfrmChilometrico", "txtDataRil"},
    {"dataatt", "TfrmChilometrico", "txtDataAtt"},
};
static_assert(std::size(kTargets) == 17);

}  // namespace

TfrmCalendario::TfrmCalendario(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmCalendario"), platform::WindowKind::CentredOnOwner,
                     QStringLiteral(" Importazione data"), 253, 294) {
  lblMemory();

  lblCampo001 = new QLabel(QStringLiteral("Importare una data:"), this);
  lblCampo001->setObjectName(QStringLiteral("lblCampo001"));
  lblCampo001->setGeometry(8, 6, 237, 20);

  calAppuntamenti = new QCalendarWidget(this);
  calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
  calAppuntamenti->setGeometry(8, 28, 237, 214);
  calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  calAppuntamenti->setGridVisible(false);
  // The calendar always starts from today, never from the date already in the field.
  calAppuntamenti->setSelectedDate(platform::today());

  btnImportaData = platform::pushButton(this, QStringLiteral("btnImportaData"), QStringLiteral("Importa"), QRect(8, 252, 114, 32));
  connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);

  btnAnnulla = platform::pushButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), QRect(131, 252, 114, 32));
  connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
}

std::span<const TfrmCalendario::Target> TfrmCalendario::targets() { return kTargets; }

const TfrmCalendario::Target* TfrmCalendario::targetOf(const QString& keyWord) {
  for (const Target& t : kTargets)
    if (keyWord == QLatin1String(t.keyWord)) return &t;
  return nullptr;
}

void TfrmCalendario::open(QWidget* card, const QString& keyWord) {
  TfrmCalendario calendar(card);
  calendar.setMemory(keyWord);
  calendar.showModalDialog();
}

void TfrmCalendario::btnImportaDataClick() {
  const Target* target = targetOf(memory());
  if (!target) return;  // an unknown key word writes nothing and keeps the dialog open
  if (platform::Form* card = platform::findWindow(QLatin1String(target->window))) {
    auto* field = platform::wiredControl<QLineEdit>(card, QLatin1String(target->field));
    const QDate d = calAppuntamenti->selectedDate();
    // Always dd/mm/yyyy with "/", whatever the system's date separator.
    field->setText(platform::formatDate(core::Date{d.day(), d.month(), d.year()}));
  }
  closeForm();
}

void TfrmCalendario::btnAnnullaClick() { closeForm(); }
