#pragma once
#include <string>

#include "framework/G_WINDOW.h"

namespace ZOR
{
class ZC_GUI_BUTTON5;
class ZC_GUI_LISTBOX;
}

namespace game
{
// The window "Players": the names of every player in a list box (4), a new player (5, the
// name asked for in "Players_EditBox"), delete the selected one (6, after "Players_Confirm_Del"
// names them) and choose the selected one, which closes the window (8). Every change to the
// list is saved at once; once hidden, the title scene comes back.
class GG_WINDOW_PLAYERS : public ZOR_GF::G_WINDOW
{
public:
    enum
    {
        ID_LIST = 4,
        ID_NEW = 5,
        ID_DELETE = 6,
        ID_CHOOSE = 8
    };
    // At most this many characters in a new name.
    static constexpr int kMaxNameLength = 15;

    // A layout without the list box or the buttons still makes a window; what is missing is
    // logged once and the actions that need it do nothing.
    explicit GG_WINDOW_PLAYERS(pugi::xml_node element);
    ~GG_WINDOW_PLAYERS() override = default;

    void fOnShowStarted() override;
    void fOnHidden() override;
    void fOnGuiEvent(int widgetId) override;

    void fOnSelectPlayer();
    void fOnNewPlayer();
    void fOnDeletePlayer();
    // A new player of that name, selected in the list and saved; false when the name is taken.
    bool fAddPlayer(const std::wstring& name);
    // The player of that name removed and the list saved; false when there is no such player.
    bool fDeletePlayer(const std::wstring& name);
    void fOnDeleteAnswer(bool yes);
    static void fOnNameEntered(void* data, bool ok, const std::wstring& name);
    static bool fIsNameFree(void* data, const std::wstring& name);

    void fFillList();
    void fSelectCurrent();
    void fSelectName(const std::wstring& name);
    void fUpdateDeleteButton();
    void fUpdateNewButton();

    ZOR::ZC_GUI_LISTBOX* fGetList() const { return list; }
    ZOR::ZC_GUI_BUTTON5* fGetNewButton() const { return newButton; }
    ZOR::ZC_GUI_BUTTON5* fGetDeleteButton() const { return deleteButton; }

private:
    void fBindWidgets();
    void fUpdateButtons();
    // The selected row's name; empty when no row is selected.
    std::wstring fSelectedName() const;

    ZOR::ZC_GUI_LISTBOX* list = nullptr;
    ZOR::ZC_GUI_BUTTON5* newButton = nullptr;
    ZOR::ZC_GUI_BUTTON5* deleteButton = nullptr;
};

void fCallPlayersOnDeleteAnswer(void* window, bool yes);
}
