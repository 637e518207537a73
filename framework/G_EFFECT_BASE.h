#pragma once
#include <deque>
#include <vector>

#include "engine/bots/ZC_BOT_CONTAINER.h"

namespace ZOR_GF
{
// A short scripted sequence on screen: a queue of steps run strictly one after another. Each
// step is a bot container; it ends in the frame in which its last object finishes, and the
// next step's objects get their first tick in the following frame.
class G_EFFECT_BASE
{
public:
    G_EFFECT_BASE() = default;
    // Objects still held by unfinished steps are deleted with the effect; no handler runs.
    virtual ~G_EFFECT_BASE();
    G_EFFECT_BASE(const G_EFFECT_BASE&) = delete;
    G_EFFECT_BASE& operator=(const G_EFFECT_BASE&) = delete;

    // False without a step; else runs the front step once and answers whether it has no
    // object left, leaving it in place.
    virtual bool fUpdate();
    // Appends an empty step; the caller fills fGetLastStep() right after.
    virtual void fAddStep();

    // The step being filled (the back of the queue); null without a step.
    ZOR::ZC_BOT_CONTAINER* fGetLastStep() { return steps.empty() ? nullptr : &steps.back(); }
    size_t fGetStepCount() const { return steps.size(); }

protected:
    // A deque keeps every step in place while a handler or a callback appends another.
    std::deque<ZOR::ZC_BOT_CONTAINER> steps;
};

// An effect whose steps each carry a handler, called with the step's element in the frame in
// which the step ends.
template <class T>
class G_EFFECT_T : public G_EFFECT_BASE
{
public:
    struct HANDLER
    {
        void* object = nullptr;
        void (*function)(void* object, T element) = nullptr;
    };

    G_EFFECT_T() = default;

    void fAddStepWithHandler(const HANDLER& handler, T element)
    {
        G_EFFECT_BASE::fAddStep();
        handlers.push_back(handler);
        elements.push_back(element);
    }

    // A step without a handler; its element slot is never read.
    void fAddStep() override { fAddStepWithHandler(HANDLER(), T()); }

    // True in the frame in which the last step ends.
    bool fUpdate() override
    {
        if (steps.empty())
            return false;
        steps.front().fUpdate();
        if (!steps.front().fIsEmpty())
            return false;
        // The handler runs while its step still stands at the front, then the step goes. A
        // handler may append further steps: the deques keep the front where it is.
        const HANDLER handler = handlers.front();
        if (handler.function)
            handler.function(handler.object, elements.front());
        steps.pop_front();
        handlers.pop_front();
        elements.pop_front();
        return steps.empty();
    }

private:
    std::deque<HANDLER> handlers;
    std::deque<T> elements;
};

// The running effects, in the order they were added; it owns them.
class gEffects
{
public:
    gEffects() = default;
    // Deletes the effects still running.
    ~gEffects();
    gEffects(const gEffects&) = delete;
    gEffects& operator=(const gEffects&) = delete;

    // Null is ignored.
    void fAdd(G_EFFECT_BASE* effect);
    // One frame of every effect, first to last; an effect whose last step ends is deleted. An
    // effect that a handler adds during the walk stands at the end and is updated in the same
    // call (a hint landing on a bonus cell starts the bonus in the frame the hint arrives).
    void fUpdate();

    size_t fGetCount() const { return effects.size(); }

private:
    std::vector<G_EFFECT_BASE*> effects;
};
}
