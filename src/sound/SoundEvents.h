#pragma once
// The ten sound events of the game and the background sound, with the values a
// fresh settings file carries. The channels, the settings file and the settings
// window all take their defaults from here.

#include <array>
#include <cstdint>
#include <string_view>

#include "game/GameView.h"

namespace qv {

inline constexpr int kSoundChannelCount = 10;

struct SoundEventDefaults {
  Channel channel;
  std::string_view fileName;  // in the "sound" folder beside the program
  std::int16_t volume;        // hundredths of a decibel, 0 = full
  std::int32_t frequency;     // Hz
};

// The settings file's order of the channel groups, with each channel's defaults.
// Every default channel is enabled.
inline constexpr std::array<SoundEventDefaults, kSoundChannelCount> kSoundEventsInFileOrder{{
    {Channel::Left1, "left1.WAV", -1322, 57299},
    {Channel::Right1, "right1.WAV", -747, 71379},
    {Channel::Rotate1, "rotate1.WAV", -776, 60920},
    {Channel::Drop1, "drop1.WAV", -920, 58103},
    {Channel::Drop2, "drop2.WAV", -1034, 56092},
    {Channel::Down1, "down1.WAV", -647, 37184},
    {Channel::Down2, "down2.WAV", -474, 33563},
    {Channel::DelLin1, "dellin1.WAV", -589, 58506},
    {Channel::Quarvex1, "quarvex1.WAV", -546, 49655},
    {Channel::Inverse1, "inverse1.WAV", -474, 60115},
}};

// The defaults of one channel.
constexpr const SoundEventDefaults& Sound_Defaults(Channel c) {
  for (const auto& d : kSoundEventsInFileOrder)
    if (d.channel == c) return d;
  return kSoundEventsInFileOrder[0];
}

// Background sound: path relative to the program folder, playing, volume, frequency.
inline constexpr std::string_view kBkgDefaultRelativePath = "Sound\\slowrays.wav";
inline constexpr std::string_view kSoundFolder = "\\sound\\";
inline constexpr bool kBkgDefaultLoop = true;
inline constexpr std::int16_t kBkgDefaultVolume = -707;
inline constexpr std::int32_t kBkgDefaultFreq = 46717;
inline constexpr std::int16_t kDefaultSpeedChange = 0;

}  // namespace qv
