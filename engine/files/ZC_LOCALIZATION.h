#pragma once
#include <string>
#include <vector>

namespace pugi
{
class xml_document;
class xml_node;
}

namespace ZOR
{
// One row of the sheet; the header row is a row like any other.
struct ZS_LOCALIZED_STRING
{
    int row = 0;
    std::string key = "Value not loaded";
    std::string value = "Value not loaded";
};

// Display texts by key, read from strings.xml: an Excel 2003 XML spreadsheet
// (Workbook / Worksheet / Table / Row / Cell / Data). Cells are counted by position;
// ss:Index is not honoured.
class ZC_LOCALIZATION
{
public:
    ZC_LOCALIZATION() = default;
    ~ZC_LOCALIZATION();
    ZC_LOCALIZATION(const ZC_LOCALIZATION&) = delete;
    ZC_LOCALIZATION& operator=(const ZC_LOCALIZATION&) = delete;

    // Columns are 1-based; 0 picks 1 for the key and 2 for the value. Rows are added behind
    // what the table holds; answers the number of entries.
    int fLoad(const pugi::xml_document* document, int keyColumn, int valueColumn);
    int fReadRows(pugi::xml_node row);
    // The value of the first row with that key; "etwas" when there is none.
    const char* fGetText(const char* key) const;
    std::wstring fGetWideText(const char* key) const;
    const char* fGetTextByIndex(int row) const;
    void fClear();
    // Finds the value column by its header text (first name, else second name) under a
    // "localization_key" header, then reads the rows after the header. 0 when neither is found.
    int fLoadByHeader(const pugi::xml_document* document, int keyColumn, const char* firstName,
                      const char* secondName);
    bool fFindValueColumn(pugi::xml_node headerRow, int keyColumn, const char* name);

    int fGetRowCount() const { return rowCount; }

private:
    std::vector<ZS_LOCALIZED_STRING*> entries;
    int rowCount = 0;
    int keyColumn = 0;
    int valueColumn = 0;
};
}
