#include "framework/G_EFFECT_BASE.h"

namespace ZOR_GF
{
G_EFFECT_BASE::~G_EFFECT_BASE()
{
    // The container only frees its own storage; the objects of steps that never ran are ours.
    for (ZOR::ZC_BOT_CONTAINER& step : steps)
        step.fDeleteAll();
}

bool G_EFFECT_BASE::fUpdate()
{
    if (steps.empty())
        return false;
    steps.front().fUpdate();
    return steps.front().fIsEmpty();
}

void G_EFFECT_BASE::fAddStep()
{
    steps.emplace_back();
}

gEffects::~gEffects()
{
    for (G_EFFECT_BASE* effect : effects)
        delete effect;
}

void gEffects::fAdd(G_EFFECT_BASE* effect)
{
    if (effect)
        effects.push_back(effect);
}

void gEffects::fUpdate()
{
    // By index against the live size: handlers may append effects (and so move the storage)
    // during the walk, and those are reached in this same call.
    for (size_t i = 0; i < effects.size();)
    {
        G_EFFECT_BASE* effect = effects[i];
        if (!effect->fUpdate())
        {
            ++i;
            continue;
        }
        effects.erase(effects.begin() + long(i));
        delete effect;
    }
}
}
