#pragma once

namespace ZOR
{
// The program's main: fires the registered game main and answers the process exit code.
int fProgramMain();
}
