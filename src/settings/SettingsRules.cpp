#include "settings/SettingsRules.h"

#include <cmath>

#include "game/Numbers.h"
#include "shell/Language.h"
#include "shell/TextFile.h"

namespace qv {

const std::array<SoundEventEntry, 8> kSoundEventList{{
    {QV_TEXT("Core", "Инверсия"), Channel::Inverse1, std::nullopt},
    {QV_TEXT("Core", "Появление Quarvex-фигурки"), Channel::Quarvex1, std::nullopt},
    {QV_TEXT("Core", "Удаление линиий"), Channel::DelLin1, std::nullopt},
    {QV_TEXT("Core", "Приземление"), Channel::Down1, Channel::Down2},
    {QV_TEXT("Core", "Бросить"), Channel::Drop1, Channel::Drop2},
    {QV_TEXT("Core", "Вращение"), Channel::Rotate1, std::nullopt},
    {QV_TEXT("Core", "Влево"), Channel::Left1, std::nullopt},
    {QV_TEXT("Core", "Вправо"), Channel::Right1, std::nullopt},
}};

std::string GetFileName(const std::string& FullFileName)
{
    const size_t slash = FullFileName.find_last_of("\\/");
    const std::string name = slash == std::string::npos ? FullFileName : FullFileName.substr(slash + 1);
    const size_t length = Utf8_Length(name);
    return length < 4 ? std::string() : Utf8_Left(name, length - 4);
}

std::string GetFileFolder(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

SpeedEntry Speed_From_Text(const std::string& text, int16_t previous)
{
    // A minus sign starts a negative number, which the sweep cannot take, even before its digits.
    const size_t first = text.find_first_not_of(" \t");
    if (first != std::string::npos && text[first] == '-')
        return {previous, false};
    const double number = Leading_Number(text);
    // Halves round to even, so 500.5 still reads 500.
    if (number > kSpeedChangeMax + 0.5)
        return {kSpeedChangeMax, true};
    return {int16_t(Nearest(number)), false};
}

std::optional<Channel> Event_Channel(std::string_view name, int variant)
{
    for (const SoundEventEntry& e : kSoundEventList)
        if (e.name == name)
            return variant == 1 && e.second ? e.second : e.first;
    return std::nullopt;
}

bool Has_Second_Variant(std::string_view name)
{
    for (const SoundEventEntry& e : kSoundEventList)
        if (e.name == name)
            return e.second.has_value();
    return false;
}

} // namespace qv
