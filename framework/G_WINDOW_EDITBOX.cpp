#include "framework/G_WINDOW_EDITBOX.h"

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/gui/ZC_GUI_LINEBOX.h"

using namespace ZOR;

namespace ZOR_GF
{
const wchar_t G_WINDOW_EDITBOX::kForbidden[] = L" \\*/.-+=_?&^!@#$%(){}[]|><,`~;:";

G_WINDOW_EDITBOX::G_WINDOW_EDITBOX(pugi::xml_node element) : G_WINDOW(element)
{
    fLoadSettings(element.child("SETTINGS"));
    fBindWidgets();
}

void G_WINDOW_EDITBOX::fLoadSettings(pugi::xml_node settings)
{
    if (pugi::xml_attribute a = settings.attribute("text_color"))
        textColor = fParseHexColor(a.value());
    if (pugi::xml_attribute a = settings.attribute("text_color_error"))
        errorColor = fParseHexColor(a.value());
}

void G_WINDOW_EDITBOX::fBindWidgets()
{
    okButton = dynamic_cast<ZC_GUI_BUTTON5*>(fGetGui()->fFindById(ID_OK));
    lineBox = dynamic_cast<ZC_GUI_LINEBOX*>(fGetGui()->fFindById(ID_LINE));
    if (lineBox)
        lineBox->fSetForbiddenCharacters(kForbidden);
    hintLabel = dynamic_cast<ZC_GUI_WLABEL*>(fGetGui()->fFindById(ID_HINT));
}

void G_WINDOW_EDITBOX::fSetResultCallback(ZF_RESULT function, void* data)
{
    resultFunction = function;
    resultData = data;
}

void G_WINDOW_EDITBOX::fSetValidator(ZF_VALIDATOR function, void* data)
{
    validatorFunction = function;
    validatorData = data;
}

void G_WINDOW_EDITBOX::fForgetData(const void* data)
{
    G_WINDOW::fForgetData(data);
    if (resultData == data)
    {
        resultData = nullptr;
        resultFunction = nullptr;
    }
    if (validatorData == data)
    {
        validatorData = nullptr;
        validatorFunction = nullptr;
    }
}

void G_WINDOW_EDITBOX::fSetMaxLength(int length)
{
    if (lineBox)
        lineBox->fSetMaxLength(length);
}

std::wstring G_WINDOW_EDITBOX::fGetText() const
{
    return lineBox ? lineBox->fGetText() : std::wstring();
}

void G_WINDOW_EDITBOX::fSetOkEnabled(bool enable)
{
    if (!okButton)
        return;
    if (hintLabel)
        hintLabel->fSetVisible(false);
    const std::wstring text = fGetText();
    if (enable)
    {
        okButton->fEnableButton();
        return;
    }
    okButton->fDisableButton();
    if (!text.empty() && hintLabel)
        hintLabel->fSetVisible(true);
}

bool G_WINDOW_EDITBOX::fIsAcceptable(const std::wstring& text) const
{
    if (text.empty() || text.find_first_of(kForbidden) != std::wstring::npos)
        return false;
    // The line box holds its limit as "unlimited" for 0.
    if (lineBox && int64_t(text.size()) > int64_t(lineBox->fGetMaxLength()))
        return false;
    return !validatorFunction || validatorFunction(validatorData, text);
}

const ZS_GUI_EVENT* G_WINDOW_EDITBOX::fOnKeyUp(int key)
{
    const ZS_GUI_EVENT* result = G_WINDOW::fOnKeyUp(key);
    if (!lineBox)
        return result;
    const std::wstring text = lineBox->fGetText();
    if (text.empty())
        fSetOkEnabled(false);
    else if (validatorFunction)
    {
        const bool accepted = validatorFunction(validatorData, text);
        fSetOkEnabled(accepted);
        lineBox->fSetTextColor(accepted ? textColor : errorColor);
    }
    else
        fSetOkEnabled(true);
    return result;
}

void G_WINDOW_EDITBOX::fOnShowBegin()
{
    if (!lineBox)
        return;
    lineBox->fSetTextColor(textColor);
    lineBox->fClear();
    fSetOkEnabled(false);
}

void G_WINDOW_EDITBOX::fOnShown()
{
    if (lineBox)
        lineBox->fSetActiveTree(true);
}

void G_WINDOW_EDITBOX::fHandleAnswer(int widgetId)
{
    bool ok;
    if (widgetId == ID_OK)
    {
        // A click with id 3 can come from a widget that is not the OK button, or arrive
        // before the key release that checks what was just typed.
        if (!fIsAcceptable(fGetText()))
            return;
        ok = true;
    }
    else if (widgetId == ID_CANCEL)
        ok = false;
    else
        return;
    if (resultFunction)
        resultFunction(resultData, ok, fGetText());
    fHide(false);
}
}
