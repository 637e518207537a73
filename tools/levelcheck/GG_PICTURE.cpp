#include "tools/levelcheck/GG_PICTURE.h"

#include <fstream>
#include <sstream>

#include <pugixml.hpp>

namespace game
{
namespace
{
void fSetError(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
}

std::string fTrim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Runs of filled cells along a line given by its first index and step.
std::vector<int> fRuns(const std::vector<uint8_t>& cells, int first, int step, int length)
{
    std::vector<int> runs;
    int run = 0;
    for (int i = 0; i < length; ++i)
    {
        if (cells[size_t(first + i * step)])
            ++run;
        else if (run)
        {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run)
        runs.push_back(run);
    return runs;
}
}

bool GG_PICTURE::fReadText(const std::string& text, std::string* error)
{
    std::istringstream stream(text);
    std::string line;
    std::string readTitle;
    std::vector<uint8_t> read;
    int width = 0;
    int height = 0;
    int lineNumber = 0;
    while (std::getline(stream, line))
    {
        ++lineNumber;
        line = fTrim(line);
        if (line.empty())
            continue;
        if (line[0] == ';')
        {
            if (readTitle.empty() && height == 0)
                readTitle = fTrim(line.substr(1));
            continue;
        }
        if (height > 0 && int(line.size()) != width)
        {
            fSetError(error, "line " + std::to_string(lineNumber) + ": row of " + std::to_string(line.size()) +
                                 " cells, the rows above have " + std::to_string(width));
            return false;
        }
        width = int(line.size());
        for (const char c : line)
        {
            if (c != '#' && c != '.')
            {
                fSetError(error, "line " + std::to_string(lineNumber) + ": '" + std::string(1, c) +
                                     "' is neither '#' nor '.'");
                return false;
            }
            read.push_back(c == '#' ? 1 : 0);
        }
        ++height;
    }
    if (height == 0)
    {
        fSetError(error, "no rows");
        return false;
    }
    columns = width;
    rows = height;
    cells.swap(read);
    title = readTitle;
    return true;
}

bool GG_PICTURE::fReadLevelXml(const std::string& xml, std::string* error)
{
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(xml.data(), xml.size());
    if (!parsed)
    {
        fSetError(error, std::string("not XML: ") + parsed.description());
        return false;
    }
    const pugi::xml_node root = document.document_element();
    const pugi::xml_node settings = root.child("settings");
    const pugi::xml_node elements = root.child("gElements");
    if (!settings || !elements)
    {
        fSetError(error, "no \"settings\" or no \"gElements\"");
        return false;
    }
    int width = 0;
    int height = 0;
    std::istringstream grid(settings.attribute("grid").value());
    if (!(grid >> width >> height) || width <= 0 || height <= 0)
    {
        fSetError(error, "\"grid\" is not two sizes above 0");
        return false;
    }
    std::vector<uint8_t> read;
    for (pugi::xml_node element : elements.children())
    {
        if (element.type() != pugi::node_element)
            continue;
        const int type = element.attribute("type").as_int(-1);
        if (type != 100 && type != 101 && type != 103)
        {
            fSetError(error, "cell " + std::to_string(read.size()) + " has type " + std::to_string(type));
            return false;
        }
        read.push_back(type == 100 ? 1 : 0);
    }
    if (read.size() != size_t(width) * size_t(height))
    {
        fSetError(error, std::to_string(read.size()) + " cells for a grid of " + std::to_string(width) + " x " +
                             std::to_string(height));
        return false;
    }
    columns = width;
    rows = height;
    cells.swap(read);
    title = root.attribute("name").value();
    return true;
}

bool GG_PICTURE::fReadFile(const std::string& path, std::string* error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
    {
        fSetError(error, "cannot open " + path);
        return false;
    }
    std::ostringstream content;
    content << file.rdbuf();
    const std::string text = content.str();
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first != std::string::npos && text[first] == '<')
        return fReadLevelXml(text, error);
    return fReadText(text, error);
}

int GG_PICTURE::fCountFilled() const
{
    int count = 0;
    for (const uint8_t cell : cells)
        count += cell ? 1 : 0;
    return count;
}

std::vector<int> GG_PICTURE::fRowClue(int row) const
{
    return fRuns(cells, row * columns, 1, columns);
}

std::vector<int> GG_PICTURE::fColumnClue(int column) const
{
    return fRuns(cells, column, columns, rows);
}
}
