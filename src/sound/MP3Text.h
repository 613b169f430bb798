#pragma once
#include <cstdint>
#include <string>

// Texts of the music control and the player window that need no back end:
// the playing time and the fixed result texts.
namespace qv {

// mmPlay's result when the request went to the back end.
inline const std::string MP3_SUCCESS = "Success";
// mmPlay's result when no file exists at FileName.
inline const std::string MP3_NO_FILE = "Error with input file";
// The back end's refusal while another track holds the device.
inline const std::string MP3_BUSY = "The music device is already in use by another track";
// Why a track that only the on-demand decoder reads (WMA) does not play where it is not installed.
inline const std::string MP3_NO_DECODER = "No WMA decoder: libavformat and libavcodec are not installed";

// Playing time of `ms` milliseconds: whole seconds rounded half to even, "0:SS" under a
// minute, "MM:SS" (at least two minute digits) from a minute on. Negative reads as 0.
std::string Position_Text(int64_t ms);
// Milliseconds of a back-end time in seconds, rounded to the nearest millisecond; negative,
// infinite or not-a-number reads as 0.
int64_t Milliseconds(double seconds);

} // namespace qv
