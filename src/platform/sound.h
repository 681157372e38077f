#pragma once
// Plays an alert sound file once, in the background. A missing file or no sound
// device plays nothing, silently; no failure ever reaches the caller.
#include <QString>
#include <functional>

namespace platform {

// Plays `path` from the start (a sound already playing is stopped first).
void playSound(const QString& path);
// Stops the sound, if one is playing.
void stopSound();

// Replaces the audio output (tests record what would be played and when it stops):
// `output` is called with the path of a file that exists, whether or not a device is
// present, and `stopped`, when given, by every stopSound(). An empty output restores
// the real player.
void setSoundOutput(std::function<void(const QString&)> output, std::function<void()> stopped = {});

}  // namespace platform
