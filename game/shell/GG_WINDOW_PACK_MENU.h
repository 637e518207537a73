#pragma once
#include "framework/G_WINDOW.h"

namespace ZOR_GF
{
class G_WINDOW_MANAGER;
}

namespace game
{
// The hub window "Packs_Menu": its buttons switch the hub's content between the pack list
// (2), the trophy list (3) and the training page (8), open the options (4) and the shop (6)
// over it, and lead back (5): from the level list to the pack list, otherwise behind a fade
// to the title scene.
class GG_WINDOW_PACK_MENU : public ZOR_GF::G_WINDOW
{
public:
    enum
    {
        ID_PACKS = 2,
        ID_TROPHIES = 3,
        ID_OPTIONS = 4,
        ID_BACK = 5,
        ID_SHOP = 6,
        ID_TRAINING = 8
    };

    explicit GG_WINDOW_PACK_MENU(pugi::xml_node element);
    ~GG_WINDOW_PACK_MENU() override = default;

    void fOnShowStarted() override { fHideBackOnMobile(); }
    void fOnGuiEvent(int widgetId) override;

    // Every content window of the hub goes, the trophy list included.
    void fHideSubScenes(bool immediately);
    void fOnBack();
    // When "Fade_Transition" is fully shown: the hub goes, the title comes.
    void fGoToTitle();
    void fHideBackOnMobile();

private:
    // Shows a content window unless it is open already, after the others have gone.
    void fSwitchTo(const char* name);
    ZOR_GF::G_WINDOW_MANAGER* fManager();

    ZOR_GF::G_WINDOW_MANAGER* windows;
};

void fCallPackMenuGoToTitle(void* window);
}
