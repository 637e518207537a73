#include "framework/G_WINDOW_CONFIRM.h"

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZC_GUI_LABEL.h"

using namespace ZOR;

namespace ZOR_GF
{
namespace
{
const size_t kQuestionCapacity = 512; // characters, the terminator included

// The question's template with the text in place of its "%s" and "%%" as one '%', cut to the
// buffer the question has always had. The template comes from the translations: any other
// conversion (a "%d", a second "%s") is shown as written instead of reading an argument
// that is not there.
std::wstring fFormatQuestion(const std::wstring& format, const std::wstring& text)
{
    std::wstring out;
    bool textUsed = false;
    for (size_t i = 0; i < format.size() && out.size() < kQuestionCapacity - 1; ++i)
    {
        if (format[i] == L'%' && i + 1 < format.size() && format[i + 1] == L'%')
        {
            out += L'%';
            ++i;
        }
        else if (format[i] == L'%' && i + 1 < format.size() && format[i + 1] == L's' && !textUsed)
        {
            out += text;
            textUsed = true;
            ++i;
        }
        else
            out += format[i];
    }
    if (out.size() > kQuestionCapacity - 1)
        out.resize(kQuestionCapacity - 1);
    return out;
}
}

G_WINDOW_CONFIRM::G_WINDOW_CONFIRM(pugi::xml_node element) : G_WINDOW(element)
{
    textLabel = dynamic_cast<ZC_GUI_WLABEL*>(fGetGui()->fFindById(ID_TEXT));
}

void G_WINDOW_CONFIRM::fSetAnswerCallback(void* data, ZF_ANSWER function)
{
    answerData = data;
    answerFunction = function;
}

void G_WINDOW_CONFIRM::fSetResultCallback(void* data, ZF_RESULT function)
{
    resultData = data;
    resultFunction = function;
}

void G_WINDOW_CONFIRM::fForgetData(const void* data)
{
    G_WINDOW::fForgetData(data);
    if (answerData == data)
    {
        answerData = nullptr;
        answerFunction = nullptr;
    }
    if (resultData == data)
    {
        resultData = nullptr;
        resultFunction = nullptr;
    }
}

void G_WINDOW_CONFIRM::fSetTextArgument(const std::wstring& text)
{
    if (!textLabel)
        return;
    // The first call fixes the template for the window's whole life.
    if (textTemplate.empty())
        textTemplate = textLabel->fGetText();
    // The label draws its text as a format again: a name such as "50%s" must not turn into
    // a conversion there.
    textLabel->fSetText(fLiteralLabelText(fFormatQuestion(textTemplate, text)));
}

void G_WINDOW_CONFIRM::fSetButtonEnabled(int widgetId, bool enabled)
{
    if (ZC_GUI_BUTTON5* button = dynamic_cast<ZC_GUI_BUTTON5*>(fGetGui()->fFindById(widgetId)))
        enabled ? button->fEnableButton() : button->fDisableButton();
}

void G_WINDOW_CONFIRM::fHandleAnswer(int widgetId)
{
    int result;
    switch (widgetId)
    {
    case ID_YES: result = 1; break;
    case ID_NO: result = -1; break;
    case ID_CANCEL: result = 0; break;
    default: return;
    }
    if (answerFunction)
        answerFunction(answerData, result == 1);
    if (resultFunction)
        resultFunction(resultData, result);
    // After the callbacks, so that a window they show lies above this one while it hides.
    fHide(false);
}
}
