#pragma once
#include <memory>
#include <string>

#include "sound/MusicStream.h"

namespace qv {

// Decodes the first audio stream of `path` through libavformat/libavcodec, which are looked up
// with dlopen on the first call and stay loaded. Null with the reason in `error` when the file
// does not decode; MP3_NO_DECODER when the libraries cannot be loaded.
std::unique_ptr<IMusicDecoder> Open_Av_Decoder(const std::string& path, std::string& error);
// The libavformat file name loaded from now on (a library absent from the system stands for a
// system without the decoder); "" restores the one the program was built against.
void Use_Av_Library(const std::string& name);

} // namespace qv
