#pragma once
// The framework's array names over the standard containers.
#include <windows.h>
#include <vector>

using CDWordArray = std::vector<DWORD>;
