#include "sound/SoundMath.h"

#include <cmath>

namespace qv {

double Volume_Gain(int32_t volume) { return std::pow(10.0, volume / 2000.0); }

PanGains Pan_Split(int32_t pan)
{
    PanGains g;
    if (pan > 0)
        g.Left = Volume_Gain(-pan);
    else if (pan < 0)
        g.Right = Volume_Gain(pan);
    return g;
}

double Pitch_For(int32_t frequency, int32_t fileRate)
{
    if (frequency == 0 || fileRate <= 0)
        return 1.0;
    return double(frequency) / fileRate;
}

bool Valid_Volume(int32_t volume) { return volume >= -10000 && volume <= 0; }

bool Valid_Pan(int32_t pan) { return pan >= -10000 && pan <= 10000; }

bool Valid_Frequency(int32_t frequency) { return frequency == 0 || (frequency >= 100 && frequency <= 200000); }

} // namespace qv
