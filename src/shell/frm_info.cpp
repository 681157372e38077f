#include "shell/frm_info.h"

#include <QLabel>
#include <QPushButton>

#include "shell/misc.h"
#include "platform/widgets.h"

TfrmInfo::TfrmInfo(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmInfo"), platform::WindowKind::CentredOnScreen,
                     QStringLiteral(" Informazioni su Velmora 4.0"), 460, 300) {
  imgLogo = new QLabel(this);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setPixmap(shell::logoPicture(420, 110));
  imgLogo->setGeometry(20, 16, 420, 110);

  lblVersione = new QLabel(QStringLiteral("Gestione del parco automezzi aziendale.\nPer assistenza scrivere a:"), this);
  lblVersione->setObjectName(QStringLiteral("lblVersione"));
  lblVersione->setGeometry(20, 136, 420, 44);

  imgEmail = shell::makeLinkPicture(this, QStringLiteral("imgEmail"), shell::mailPicture(32));
  lnkWeb = shell::makeLinkText(this, QStringLiteral("lnkWeb"), shell::supportAddress());
  shell::placeLink(lnkWeb, imgEmail, QPoint(20, 190), [this] { lnkWebClick(); });

  btnChiudi = platform::pushButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), QRect(340, 250, 100, 34));
  connect(btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);
}

QString TfrmInfo::mailLink() {
  return QStringLiteral("mailto:") + shell::supportAddress() + QStringLiteral("?subject=") +
         QStringLiteral("Software Velmora 4.0") + QStringLiteral("&body=") +
         QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
}

void TfrmInfo::lnkWebClick() { TMisc::Open(QLatin1Char('"') + mailLink() + QLatin1Char('"')); }

void TfrmInfo::btnChiudiClick() { closeForm(); }
