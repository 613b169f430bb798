#include "support/ScriptedChance.h"

namespace qv::test {

float ScriptedRandom::Rnd()
{
    ++draws;
    if (queue.empty())
        return defaultValue;
    const float v = queue.front();
    queue.pop_front();
    return v;
}

void ScriptedRandom::Push(std::initializer_list<float> values)
{
    queue.insert(queue.end(), values.begin(), values.end());
}

void ScriptedRandom::Push_Repeated(float value, int count)
{
    for (int i = 0; i < count; ++i)
        queue.push_back(value);
}

} // namespace qv::test
