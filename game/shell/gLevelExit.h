#pragma once
// The ways out of a running level that the level's windows share: behind the fade to the
// level list or the pack list, and the restart question.
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_CONFIRM.h"

namespace game
{
// Shows "Fade_Transition" and calls continuation(data) once it covers the screen; at once
// when there is no fade window (or no window manager).
void fRunBehindFade(void* data, ZOR_GF::G_WINDOW::ZF_EVENT continuation);

// Ends the level while the fade covers the screen: the window "self" hides, the level screen
// goes and the level list of the current pack comes (the pack list with toPacks, or when no
// pack is current); then the fade hides with its shown callback cleared.
void fLeaveLevel(const char* self, bool toPacks);

// Shows the restart question "question", or "fallback" when the layout lacks it, and binds
// its answer; nothing without a window manager.
void fAskRestart(const char* question, const char* fallback, void* data, ZOR_GF::G_WINDOW_CONFIRM::ZF_ANSWER answer);
}
