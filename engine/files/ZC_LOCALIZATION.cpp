#include "engine/files/ZC_LOCALIZATION.h"

#include <cstring>
#include <pugixml.hpp>

namespace ZOR
{
namespace
{
const char* const MISSING_TEXT = "etwas";

pugi::xml_node fFirstRow(const pugi::xml_document* document)
{
    if (!document)
        return pugi::xml_node();
    return document->child("Workbook").child("Worksheet").child("Table").child("Row");
}

// The first run of text directly inside the cell's first child (its Data element).
const char* fCellText(pugi::xml_node cell)
{
    return cell.first_child().child_value();
}

pugi::xml_node fCellAt(pugi::xml_node row, int position)
{
    int i = 1;
    for (pugi::xml_node cell = row.first_child(); cell; cell = cell.next_sibling(), ++i)
        if (i == position)
            return cell;
    return pugi::xml_node();
}
}

ZC_LOCALIZATION::~ZC_LOCALIZATION()
{
    fClear();
}

int ZC_LOCALIZATION::fLoad(const pugi::xml_document* document, int key, int value)
{
    keyColumn = key ? key : 1;
    valueColumn = value ? value : 2;
    return fReadRows(fFirstRow(document));
}

int ZC_LOCALIZATION::fReadRows(pugi::xml_node row)
{
    int n = 1;
    for (; row; row = row.next_sibling(), ++n)
    {
        auto* entry = new ZS_LOCALIZED_STRING;
        entry->row = n;
        int i = 1;
        for (pugi::xml_node cell = row.first_child(); cell; cell = cell.next_sibling(), ++i)
        {
            if (i == keyColumn)
                entry->key = fCellText(cell);
            if (i == valueColumn)
                entry->value = fCellText(cell);
        }
        entries.push_back(entry);
    }
    rowCount = int(entries.size());
    return rowCount;
}

const char* ZC_LOCALIZATION::fGetText(const char* key) const
{
    if (!key)
        return MISSING_TEXT;
    for (const ZS_LOCALIZED_STRING* entry : entries)
        if (entry->key == key)
            return entry->value.c_str();
    return MISSING_TEXT;
}

std::wstring ZC_LOCALIZATION::fGetWideText(const char* key) const
{
    return pugi::as_wide(fGetText(key));
}

const char* ZC_LOCALIZATION::fGetTextByIndex(int row) const
{
    for (const ZS_LOCALIZED_STRING* entry : entries)
        if (entry->row == row)
            return entry->value.c_str();
    return MISSING_TEXT;
}

void ZC_LOCALIZATION::fClear()
{
    for (ZS_LOCALIZED_STRING* entry : entries)
        delete entry;
    entries.clear();
    rowCount = 0;
}

int ZC_LOCALIZATION::fLoadByHeader(const pugi::xml_document* document, int key, const char* firstName,
                                   const char* secondName)
{
    keyColumn = key ? key : 1;
    const pugi::xml_node header = fFirstRow(document);
    if (!fFindValueColumn(header, keyColumn, firstName) && !fFindValueColumn(header, keyColumn, secondName))
        return 0;
    return fReadRows(header.next_sibling());
}

bool ZC_LOCALIZATION::fFindValueColumn(pugi::xml_node headerRow, int key, const char* name)
{
    valueColumn = 2;
    if (!name || std::strcmp(fCellText(fCellAt(headerRow, key)), "localization_key") != 0)
        return false;
    int i = 1;
    for (pugi::xml_node cell = headerRow.first_child(); cell; cell = cell.next_sibling(), ++i)
    {
        if (std::strcmp(fCellText(cell), name) == 0)
        {
            valueColumn = i;
            return true;
        }
    }
    return false;
}
}
