#pragma once
#include <string>

namespace game
{
// A display template from data with its one argument put in: the first '%' followed by one of
// the marks takes the argument and "%%" gives one percent sign; every other character, a '%'
// before anything else included, shows as written. The argument itself is never read as a
// template, so a player's name or any translated text can hold whatever it likes.
inline std::wstring fFillTemplate(const std::wstring& text, const std::wstring& marks, const std::wstring& argument)
{
    std::wstring out;
    out.reserve(text.size() + argument.size());
    bool filled = false;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == L'%' && i + 1 < text.size())
        {
            if (text[i + 1] == L'%')
            {
                out += L'%';
                ++i;
                continue;
            }
            if (!filled && marks.find(text[i + 1]) != std::wstring::npos)
            {
                out += argument;
                filled = true;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// The first "%s" takes the argument.
inline std::wstring fFillTextTemplate(const std::wstring& text, const std::wstring& argument)
{
    return fFillTemplate(text, L"s", argument);
}
}
