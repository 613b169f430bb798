#include "tools/HelpTour.h"

#include <algorithm>
#include <array>

#include "game/Numbers.h"
#include "shell/Language.h"

namespace qv {

const char* const RECORDS_PAGE_TEXT = QV_TEXT(
    "Core",
    "Лучшие игроки. Если запустить Quarvex Zeb Ostrela.exe на удаленном компьютере, то и результат запишется "
    "в таблицу рекордов на удаленном компьютере. Чтобы очистить таблицу надо удалить файл QuarvexFathers.txt "
    "( он в папке с Quarvex'ом ).");

bool Tour_Skips(const TourWidget& w)
{
    static const std::array<const char*, 11> passed = {"lblTotal", "lblHeightBonus", "fraLeft", "fraBottomRight",
                                                        "fraBottom", "fraQuarvex", "Label1", "Label2",
                                                        "Label3", "Label4", "Label5"};
    if (w.isTimer || w.tag.empty())
        return true;
    return std::find(passed.begin(), passed.end(), w.name) != passed.end();
}

std::vector<size_t> Tour_Stops(const std::vector<TourWidget>& widgets)
{
    std::vector<size_t> stops;
    for (size_t i = 0; i < widgets.size(); ++i)
        if (!Tour_Skips(widgets[i]))
            stops.push_back(i);
    return stops;
}

uint8_t Tour_Sound_Code(float r)
{
    return uint8_t(Nearest(double(r * 6.0f + 1.0f)));
}

} // namespace qv
