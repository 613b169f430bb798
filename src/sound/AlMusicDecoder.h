#pragma once
#include <memory>
#include <string>

#include "sound/MusicStream.h"

namespace qv {

// Which library decodes a track.
enum class MusicLibrary { None, Sndfile, Av };

// Opens the music file at `path` for the music player's thread, choosing by the file's content,
// never by its name: libsndfile first (MP3 and MP2 through libmpg123, and any sound file it
// reads); WMA and any other file libsndfile refuses through libavformat/libavcodec, which are
// loaded on the first such file. Null when neither decodes it, with the reason in `error`
// (MP3_NO_DECODER when the second library is not installed). `used` tells which one took it.
std::unique_ptr<IMusicDecoder> Open_Music_Decoder(const std::string& path, std::string& error,
                                                  MusicLibrary* used = nullptr);

} // namespace qv
