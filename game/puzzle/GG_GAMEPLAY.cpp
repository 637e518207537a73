#include "game/puzzle/GG_GAMEPLAY.h"

namespace game
{
const char* const GAMEPLAY_SETTINGS_FILE = "data/share/main/GameProcess settings.xml";
const char* const GAMEPLAY_EFFECTS_FILE = "data/share/main/GameProcess effects.xml";

void GG_LEVEL_RESULT::fClear()
{
    const bool keep = inApp;
    *this = GG_LEVEL_RESULT();
    inApp = keep;
}

// The level screen's behaviour lands with its decor and controls; until then it starts no level.
GG_GAMEPLAY::GG_GAMEPLAY() : process(this) {}
GG_GAMEPLAY::~GG_GAMEPLAY() = default;
bool GG_GAMEPLAY::fStartLevel(const std::string&) { return false; }
bool GG_GAMEPLAY::fEndLevel() { return false; }
void GG_GAMEPLAY::fUpdate() {}
void GG_GAMEPLAY::fDraw() {}
void GG_GAMEPLAY::fOnKeyUp(int) {}
int GG_GAMEPLAY::fOnKeyDown(int) { return 0; }
void GG_GAMEPLAY::fOnMouseMove() {}
void GG_GAMEPLAY::fOnStoreEvent(const std::string&, const std::string&) {}
void GG_GAMEPLAY::fPause() { paused = true; }
void GG_GAMEPLAY::fResume() { if (started) paused = false; }
void GG_GAMEPLAY::fRestart() {}
void GG_GAMEPLAY::fLoadResources() {}
void GG_GAMEPLAY::fUnloadResources() {}
void GG_GAMEPLAY::fOnCorrectCell(GG_ELEMENT*) {}
void GG_GAMEPLAY::fOnMistake(GG_ELEMENT*) {}
void GG_GAMEPLAY::fCheckWin() {}
int32_t GG_GAMEPLAY::fGetLevelId() const { return -1; }
}
namespace game
{
bool GG_GAMEPLAY::fOfferSecondChance() { return false; }
void GG_GAMEPLAY::fGrantSecondChance() {}
void GG_GAMEPLAY::fSetControlsBlocked(bool cells, bool, bool, bool, bool) { process.fSetCellsBlocked(cells); }
}
