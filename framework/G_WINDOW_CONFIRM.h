#pragma once
#include <string>

#include "framework/G_WINDOW.h"

namespace ZOR
{
class ZC_GUI_WLABEL;
}

namespace ZOR_GF
{
// A question with up to three answers: widget 3 yes, 4 no, 5 cancel (any widget that reports
// a click with that id). The answer goes to the callbacks, then the window hides. Widget 2, a
// wide label, is the question; it may hold one "%s" for fSetTextArgument.
class G_WINDOW_CONFIRM : public G_WINDOW
{
public:
    enum
    {
        ID_TEXT = 2,
        ID_YES = 3,
        ID_NO = 4,
        ID_CANCEL = 5
    };
    // yes true; no and cancel false.
    typedef void (*ZF_ANSWER)(void* data, bool answer);
    // yes 1, no -1, cancel 0.
    typedef void (*ZF_RESULT)(void* data, int result);

    explicit G_WINDOW_CONFIRM(pugi::xml_node element);
    ~G_WINDOW_CONFIRM() override = default;

    void fOnGuiEvent(int widgetId) override { fHandleAnswer(widgetId); }
    void fForgetData(const void* data) override;

    void fSetAnswerCallback(void* data, ZF_ANSWER function);
    void fSetResultCallback(void* data, ZF_RESULT function);
    // The question as first shown, with the text in place of its "%s". The text is shown as
    // written, a '%' in it included. Nothing without a question label.
    void fSetTextArgument(const std::wstring& text);
    // For a push button of that id: its normal or disabled state.
    void fSetButtonEnabled(int widgetId, bool enabled);
    void fHandleAnswer(int widgetId);

    ZOR::ZC_GUI_WLABEL* fGetTextLabel() const { return textLabel; }

private:
    void* answerData = nullptr;
    ZF_ANSWER answerFunction = nullptr;
    void* resultData = nullptr;
    ZF_RESULT resultFunction = nullptr;
    ZOR::ZC_GUI_WLABEL* textLabel = nullptr;
    std::wstring textTemplate;
};
}
