#pragma once
#include <string>

#include "engine/core/ZS_COLOR.h"
#include "framework/G_WINDOW.h"

namespace ZOR
{
class ZC_GUI_BUTTON5;
class ZC_GUI_LINEBOX;
class ZC_GUI_WLABEL;
}

namespace ZOR_GF
{
// Asks for one line of text, a new player's name: widget 2 the line box, 3 OK, 4 cancel, 5 a
// hint label shown while a typed text is refused. Typing ignores the forbidden characters; the
// validator decides on every key release whether a non-empty text may be confirmed, which
// colours the text and enables OK. OK answers only for a text that passes every check, so the
// result callback never gets an empty, over-long or refused text with true.
class G_WINDOW_EDITBOX : public G_WINDOW
{
public:
    enum
    {
        ID_LINE = 2,
        ID_OK = 3,
        ID_CANCEL = 4,
        ID_HINT = 5
    };
    typedef void (*ZF_RESULT)(void* data, bool ok, const std::wstring& text);
    typedef bool (*ZF_VALIDATOR)(void* data, const std::wstring& text);

    // The characters that typing into the line box ignores.
    static const wchar_t kForbidden[];

    // "SETTINGS" may give "text_color" and "text_color_error" as hexadecimal 0xAARRGGBB.
    explicit G_WINDOW_EDITBOX(pugi::xml_node element);
    ~G_WINDOW_EDITBOX() override = default;

    // Base handling, then the text is checked again (also while the window animates).
    const ZOR::ZS_GUI_EVENT* fOnKeyUp(int key) override;
    // An empty text in the text colour, OK disabled, no hint.
    void fOnShowBegin() override;
    // The line box takes the focus.
    void fOnShown() override;
    void fOnGuiEvent(int widgetId) override { fHandleAnswer(widgetId); }
    void fForgetData(const void* data) override;

    // Note the order: function first.
    void fSetResultCallback(ZF_RESULT function, void* data);
    void fSetValidator(ZF_VALIDATOR function, void* data);
    // 0 is unlimited; nothing without a line box.
    void fSetMaxLength(int length);
    std::wstring fGetText() const;
    // The hint shows exactly while OK is disabled for a non-empty text.
    void fSetOkEnabled(bool enable);
    // OK (3) for an acceptable text or cancel (4): the result callback, then the window hides.
    void fHandleAnswer(int widgetId);
    // Not empty, within the maximum length, no forbidden character, and the validator agrees.
    bool fIsAcceptable(const std::wstring& text) const;

    ZOR::ZC_GUI_LINEBOX* fGetLineBox() const { return lineBox; }
    ZOR::ZC_GUI_BUTTON5* fGetOkButton() const { return okButton; }
    ZOR::ZC_GUI_WLABEL* fGetHintLabel() const { return hintLabel; }
    ZOR::ZS_COLOR fGetTextColor() const { return textColor; }
    ZOR::ZS_COLOR fGetErrorColor() const { return errorColor; }

private:
    void fLoadSettings(pugi::xml_node settings);
    void fBindWidgets();

    ZOR::ZC_GUI_LINEBOX* lineBox = nullptr;
    ZOR::ZC_GUI_BUTTON5* okButton = nullptr;
    ZOR::ZC_GUI_WLABEL* hintLabel = nullptr;
    ZOR::ZS_COLOR textColor{0xFFFFFFFFu};
    ZOR::ZS_COLOR errorColor{0xFFFF0000u};
    void* resultData = nullptr;
    ZF_RESULT resultFunction = nullptr;
    void* validatorData = nullptr;
    ZF_VALIDATOR validatorFunction = nullptr;
};
}
