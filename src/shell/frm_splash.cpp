#include "shell/frm_splash.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include "shell/misc.h"
#include "platform/widgets.h"

TfrmSplash::TfrmSplash(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmSplash"), platform::WindowKind::CentredOnOwner,
                     QStringLiteral(" Velmora 4.0"), 661, 467) {
  imgLogo = new QLabel(this);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setPixmap(shell::logoPictureColoured(600, 180, Qt::white));
  imgLogo->setGeometry(30, 60, 600, 180);

  imgWeb = shell::makeLinkPicture(this, QStringLiteral("imgWeb"), shell::webPicture(36));
  lnkWeb = shell::makeLinkText(this, QStringLiteral("lnkWeb"), shell::productWebAddress());
  shell::placeLink(lnkWeb, imgWeb, QPoint(30, 405), [this] { lnkWebClick(); });

  btnChiudi = platform::pushButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), QRect(531, 406, 100, 34));
  connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
}

void TfrmSplash::lnkWebClick() { TMisc::Open(shell::productWebAddress()); }

void TfrmSplash::btnChiudiClick() { closeForm(); }

void TfrmSplash::paintEvent(QPaintEvent* event) {
  platform::paintGradient(this, QColor(0x10, 0x1C, 0x3C));
  platform::Form::paintEvent(event);
}
