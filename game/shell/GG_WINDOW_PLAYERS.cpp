#include "game/shell/GG_WINDOW_PLAYERS.h"

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_LISTBOX.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/GG_WINDOW_CONFIRM_EX.h"
#include "game/shell/gGame.h"
#include "game/shell/gLog.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kSelf = "Players";
const char* const kNameBox = "Players_EditBox";
const char* const kDeleteQuestion = "Players_Confirm_Del";
}

void fCallPlayersOnDeleteAnswer(void* window, bool yes)
{
    if (window)
        static_cast<GG_WINDOW_PLAYERS*>(window)->fOnDeleteAnswer(yes);
}

GG_WINDOW_PLAYERS::GG_WINDOW_PLAYERS(pugi::xml_node element) : G_WINDOW(element)
{
    fBindWidgets();
}

void GG_WINDOW_PLAYERS::fBindWidgets()
{
    ZC_GUI* gui = fGetGui();
    list = gui ? dynamic_cast<ZC_GUI_LISTBOX*>(gui->fFindById(ID_LIST)) : nullptr;
    newButton = gui ? dynamic_cast<ZC_GUI_BUTTON5*>(gui->fFindById(ID_NEW)) : nullptr;
    deleteButton = gui ? dynamic_cast<ZC_GUI_BUTTON5*>(gui->fFindById(ID_DELETE)) : nullptr;
    // The window still opens without them; the actions that need them do nothing.
    const struct
    {
        const void* widget;
        const char* what;
    } expected[] = {{list, "list box (widget 4): no names are listed"},
                    {newButton, "new-player button (widget 5)"},
                    {deleteButton, "delete button (widget 6)"}};
    for (const auto& e : expected)
        if (!e.widget)
            fLogLine("The window \"" + fGetName() + "\" has no " + e.what + ".");
}

void GG_WINDOW_PLAYERS::fOnShowStarted()
{
    fFillList();
    fSelectCurrent();
    fUpdateButtons();
}

void GG_WINDOW_PLAYERS::fOnHidden()
{
    if (gGame* game = fGetGameInstance())
        game->fShowTitleScene();
}

void GG_WINDOW_PLAYERS::fOnGuiEvent(int widgetId)
{
    switch (widgetId)
    {
    case ID_NEW: fOnNewPlayer(); break;
    case ID_DELETE: fOnDeletePlayer(); break;
    case ID_CHOOSE: fOnSelectPlayer(); break;
    default: break;
    }
}

void GG_WINDOW_PLAYERS::fFillList()
{
    if (!list)
        return;
    list->fClearItems();
    if (const gPlayers* players = fGetPlayers())
        for (const std::wstring& name : players->fGetNames())
            list->fAddItem(name);
}

void GG_WINDOW_PLAYERS::fSelectCurrent()
{
    const gPlayers* players = fGetPlayers();
    if (!list || !players || players->fGetCount() == 0)
        return;
    const GG_PLAYER* current = players->fGetCurrentPlayer();
    list->fSelectItem(current ? current->fGetName() : list->fGetItem(0));
}

void GG_WINDOW_PLAYERS::fSelectName(const std::wstring& name)
{
    if (list)
        list->fSelectItem(name);
}

std::wstring GG_WINDOW_PLAYERS::fSelectedName() const
{
    const wchar_t* selected = list ? list->fGetSelectedItem() : nullptr;
    return selected ? std::wstring(selected) : std::wstring();
}

void GG_WINDOW_PLAYERS::fUpdateDeleteButton()
{
    if (!deleteButton || !list)
        return;
    if (list->fGetSelectedItem())
        deleteButton->fEnableButton();
    else
        deleteButton->fDisableButton();
}

void GG_WINDOW_PLAYERS::fUpdateNewButton()
{
    if (!newButton || !list)
        return;
    if (list->fGetItemCount() < size_t(list->fGetMaxRows()))
        newButton->fEnableButton();
    else
        newButton->fDisableButton();
}

void GG_WINDOW_PLAYERS::fUpdateButtons()
{
    fUpdateDeleteButton();
    fUpdateNewButton();
}

void GG_WINDOW_PLAYERS::fOnSelectPlayer()
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (windows)
        windows->fHideWindow(kSelf, false);
    gGame* game = fGetGameInstance();
    if (!list || !game)
        return;
    const std::wstring name = fSelectedName();
    const gPlayers* players = fGetPlayers();
    game->fSetPlayer(name.empty() || !players ? nullptr : players->fFindPlayer(name));
}

void GG_WINDOW_PLAYERS::fOnNewPlayer()
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (!list || !windows)
        return;
    if (G_WINDOW_EDITBOX* box = dynamic_cast<G_WINDOW_EDITBOX*>(windows->fShowWindow(kNameBox, false)))
    {
        box->fSetResultCallback(fOnNameEntered, this);
        box->fSetValidator(fIsNameFree, this);
        box->fSetMaxLength(kMaxNameLength);
    }
}

bool GG_WINDOW_PLAYERS::fIsNameFree(void*, const std::wstring& name)
{
    const gPlayers* players = fGetPlayers();
    return !players || !players->fFindPlayer(name);
}

void GG_WINDOW_PLAYERS::fOnNameEntered(void* data, bool ok, const std::wstring& name)
{
    if (data && ok)
        static_cast<GG_WINDOW_PLAYERS*>(data)->fAddPlayer(name);
}

bool GG_WINDOW_PLAYERS::fAddPlayer(const std::wstring& name)
{
    gGame* game = fGetGameInstance();
    if (!game || !game->fCreatePlayer(name))
        return false;
    fFillList();
    fSelectName(name);
    fUpdateButtons();
    game->fSave();
    return true;
}

void GG_WINDOW_PLAYERS::fOnDeletePlayer()
{
    const std::wstring name = fSelectedName();
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (name.empty() || !windows)
        return;
    if (GG_WINDOW_CONFIRM_EX* question = dynamic_cast<GG_WINDOW_CONFIRM_EX*>(windows->fShowWindow(kDeleteQuestion, false)))
    {
        question->fSetAnswerCallback(this, fCallPlayersOnDeleteAnswer);
        question->fSetExtraText(name);
    }
}

void GG_WINDOW_PLAYERS::fOnDeleteAnswer(bool yes)
{
    const std::wstring name = fSelectedName();
    if (yes && !name.empty())
        fDeletePlayer(name);
}

bool GG_WINDOW_PLAYERS::fDeletePlayer(const std::wstring& name)
{
    gPlayers* players = fGetPlayers();
    GG_PLAYER* player = players ? players->fFindPlayer(name) : nullptr;
    if (!player)
        return false;
    gGame* game = fGetGameInstance();
    const bool wasCurrent = game && game->fGetCurrentPlayer() == player;
    players->fRemovePlayer(name);
    // The game object must not keep a player that is gone: it would tick its hearts, save it
    // and show it. No player is current until one is chosen.
    if (wasCurrent)
        game->fSetPlayer(nullptr);
    fFillList();
    fSelectCurrent();
    fUpdateButtons();
    if (game)
        game->fSave();
    return true;
}
}
