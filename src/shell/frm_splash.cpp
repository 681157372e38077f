#include "shell/frm_splash.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include "shell/misc.h"

TfrmSplash::TfrmSplash(QWidget* owner)
    : platform::Form(owner, QStringLiteral("TfrmSplash"), platform::WindowKind::CentredOnOwner,
                     QStringLiteral(" Velmora 4.0"), 661, 467) {
  imgLogo = new QLabel(this);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setPixmap(shell::logoPictureColoured(600, 180, Qt::white));
  imgLogo->setGeometry(30, 60, 600, 180);

  imgWeb = shell::makeLinkPicture(this, QStringLiteral("imgWeb"), shell::webPicture(36));
  imgWeb->move(30, 405);
  lnkWeb = shell::makeLinkText(this, QStringLiteral("lnkWeb"), shell::productWebAddress());
  lnkWeb->adjustSize();
  lnkWeb->move(74, 423 - lnkWeb->height() / 2);
  new shell::LinkPair(lnkWeb, imgWeb, [this] { lnkWebClick(); });

  btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
  btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
  btnChiudi->setAutoDefault(false);
  btnChiudi->setGeometry(531, 406, 100, 34);
  connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
}

void TfrmSplash::lnkWebClick() { TMisc::Open(shell::productWebAddress()); }

void TfrmSplash::btnChiudiClick() { closeForm(); }

void TfrmSplash::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(0x10, 0x1C, 0x3C));
  g.setColorAt(1, Qt::white);
  p.fillRect(rect(), g);
  platform::Form::paintEvent(event);
}
