#pragma once
// Plays an alert sound file once. A missing file or no sound device plays nothing, silently.
#include <QString>

namespace platform {

void playSound(const QString& path);

}  // namespace platform
