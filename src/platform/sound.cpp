#include "platform/sound.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>

namespace platform {

namespace {

std::function<void(const QString&)>& replacedOutput() {
  static std::function<void(const QString&)> output;
  return output;
}

std::function<void()>& replacedStop() {
  static std::function<void()> stopped;
  return stopped;
}

// One player for the run, owned by the application object.
QPointer<QMediaPlayer>& player() {
  static QPointer<QMediaPlayer> p;
  return p;
}

bool haveAudioDevice() {
  // Only the GStreamer backend: the ffmpeg one crashes when there is no sound device.
  if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
  return !QMediaDevices::audioOutputs().isEmpty();
}

}  // namespace

void playSound(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile()) return;
  if (replacedOutput()) {
    replacedOutput()(path);
    return;
  }
  if (!QCoreApplication::instance() || !haveAudioDevice()) return;
  if (!player()) {
    auto* p = new QMediaPlayer(QCoreApplication::instance());
    p->setAudioOutput(new QAudioOutput(p));
    player() = p;
  }
  QMediaPlayer* p = player();
  p->stop();
  p->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
  p->setPosition(0);
  p->play();
}

void stopSound() {
  if (replacedOutput()) {
    if (replacedStop()) replacedStop()();
    return;
  }
  if (player()) player()->stop();
}

void setSoundOutput(std::function<void(const QString&)> output, std::function<void()> stopped) {
  replacedStop() = output ? std::move(stopped) : std::function<void()>();
  replacedOutput() = std::move(output);
}

}  // namespace platform
