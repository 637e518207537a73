#pragma once
#include <string>

namespace ZOR
{
// A timed message for the player (the game fills one when a heart starts to refill); no
// platform of this game delivers it.
struct ZS_NOTIFICATION
{
    double fireTime = 0.0;
    int number = 0;
    std::wstring message;

    const wchar_t* fGetMessage() const { return message.c_str(); }
};
}
