#pragma once
#include <string>

namespace ZT_TEST
{
// Folder of the checked-in test fixtures (tests/data).
std::string fDataDir();
// Folder where tests leave what a person may want to look at (frames as PNG, wav files).
std::string fOutputDir();
}
