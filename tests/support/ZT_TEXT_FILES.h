#pragma once
// Whole files as text for the tests that copy a data set and change it: read, written,
// one piece replaced, listed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace ZT_TEST
{
// Empty when the file cannot be read.
inline std::string fReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The file made anew with the text, its folder too.
inline void fWriteText(const std::filesystem::path& path, const std::string& text)
{
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// The first `from` of the file replaced; the test fails when the file does not hold it.
inline void fReplaceText(const std::filesystem::path& path, const std::string& from, const std::string& to)
{
    std::string text = fReadText(path);
    const size_t at = text.find(from);
    ASSERT_NE(std::string::npos, at) << path << " does not hold " << from;
    text.replace(at, from.size(), to);
    fWriteText(path, text);
}

// The lines as one text, each ended by a line break (a report in a failure message).
inline std::string fJoinLines(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines)
        all += line + "\n";
    return all;
}

// Every file under the folder, as paths relative to it.
inline std::set<std::string> fFilesUnder(const std::filesystem::path& root)
{
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files.insert(std::filesystem::relative(entry.path(), root).generic_string());
    return files;
}
}
