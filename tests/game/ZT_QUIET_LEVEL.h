#pragma once
// A level screen that draws nothing and takes no input, for tests that hand the game or the
// puzzle parts a stand-in and override only the calls they watch. Base is the framework's
// level screen or the puzzle's own.
#include <string>

#include "framework/G_GAMEPLAY.h"

namespace ZT_QUIET
{
template <class Base>
class ZT_QUIET_LEVEL : public Base
{
public:
    bool fStartLevel(const std::string&) override { return false; }
    // A started level ends once.
    bool fEndLevel() override
    {
        const bool was = this->started;
        this->started = false;
        return was;
    }
    void fUpdate() override {}
    void fDraw() override {}
    void fOnKeyUp(int) override {}
    int fOnKeyDown(int) override { return 0; }
    void fOnMouseMove() override {}
    void fPause() override {}
    void fResume() override {}
    void fRestart() override {}
    void fLoadResources() override {}
    void fUnloadResources() override {}
};

// On the framework's level screen the store's hooks are left to the stand-in too.
class ZT_QUIET_GAMEPLAY : public ZT_QUIET_LEVEL<ZOR_GF::G_GAMEPLAY>
{
public:
    void fOnStoreEvent(const std::string&, const std::string&) override {}
    void fSpareHook() override {}
};
}
