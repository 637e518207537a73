#pragma once
#include <string>

namespace ZT_TEST
{
// Folder of the checked-in test fixtures (tests/data).
std::string fDataDir();
// Folder where tests leave what a person may want to look at (frames as PNG, wav files).
std::string fOutputDir();
// How much the time limits of tests that watch a real program stretch: ZOR_TEST_TIME_SCALE, set
// where programs run slower (the sanitizer build's tests); 1 when unset.
double fTimeScale();
}
