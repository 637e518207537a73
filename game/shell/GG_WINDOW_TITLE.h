#pragma once
#include <string>

#include "engine/core/ZS_COLOR.h"
#include "engine/core/ZS_POINT.h"
#include "engine/text/ZS_FONT_STYLE.h"
#include "framework/G_WINDOW.h"

namespace ZOR
{
struct ZS_TRANSFORM3;
class ZC_GUI_OBJECT;
}

namespace game
{
// The title window "Title": play (1), options (2) and exit (3). An action that needs a player
// asks for a name first in "Players_EditBox" when there is none.
class GG_WINDOW_TITLE : public ZOR_GF::G_WINDOW
{
public:
    explicit GG_WINDOW_TITLE(pugi::xml_node element) : G_WINDOW(element) {}
    ~GG_WINDOW_TITLE() override = default;

    void fOnGuiEvent(int widgetId) override;
    void fOnShowStarted() override {}
    void fOnHideStarted() override {}

    void fOnPlay();
    void fOnOptions();
    void fOnExit();
    void fStartFadeToPacks();
    // When "Fade_Transition" is fully shown: the title goes, the packs come.
    void fGoToPacks();
    static void fOnNameForPlay(void* data, bool ok, const std::wstring& name);
    static void fOnNameForOptions(void* data, bool ok, const std::wstring& name);
    void fOnExitAnswer(bool yes);
    static bool fIsNameFree(void* data, const std::wstring& name);
};

// The greeting window "Title_Top": greets the current player by name above a link that
// changes the player. Its texts follow the widget with id 1.
class GG_WINDOW_TITLE_TOP : public ZOR_GF::G_WINDOW
{
public:
    explicit GG_WINDOW_TITLE_TOP(pugi::xml_node element);
    ~GG_WINDOW_TITLE_TOP() override = default;

    void fDraw() override;
    const ZOR::ZS_GUI_EVENT* fOnKeyUp(int key) override;
    const ZOR::ZS_GUI_EVENT* fOnMouseMove() override;
    void fOnDeactivated() override;
    void fRefresh() override;
    void fLoadResources() override;
    void fOnGuiEvent(int widgetId) override;

    void fReadSettings(pugi::xml_node settings);
    void fOnPlayers();
    static void fOnNameForPlayers(void* data, bool ok, const std::wstring& name);
    static bool fIsNameFree(void* data, const std::wstring& name);

    // What is drawn, for the tests: the greeting with the name put in, and the link.
    std::wstring fGetGreetingText() const;
    const std::wstring& fGetLinkText() const { return linkText; }
    bool fIsLinkHighlighted() const { return linkColor.fToPacked() == highlightColor.fToPacked(); }
    // Where the texts are anchored now (the anchor widget's world position plus the shift).
    ZOR::ZS_VECTOR2 fGetTextPosition() const;

private:
    ZOR::ZS_FONT_STYLE linkFont;
    ZOR::ZS_FONT_STYLE greetingFont;
    ZOR::ZS_COLOR highlightColor;
    ZOR::ZS_COLOR normalColor;
    ZOR::ZS_VECTOR2 shift;
    ZOR::ZS_TRANSFORM3* anchor = nullptr;
    ZOR::ZC_GUI_OBJECT* panel = nullptr; // widget 1: a greeting wider than it is drawn smaller
    std::wstring greeting;
    std::wstring playerName;
    std::wstring linkText;
    ZOR::ZS_COLOR linkColor;
    float linkHalfWidth = 0.0f;
    float linkHalfHeight = 0.0f;
};

void fCallTitleGoToPacks(void* window);
void fCallExitAnswer(void* window, bool yes);
}
