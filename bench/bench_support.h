#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/test_files.h"

namespace bench {

// A started program and its first visible top-level window.
struct Launched {
    HANDLE process = nullptr;
    DWORD processId = 0;
    HWND window = nullptr;
    double secondsUntilVisible = 0;
};

// Build paths as Wine shows them (drive Z:), converted as the tests do.
using quenvar::testing::WindowsPath;
Launched Launch(const std::string& commandLine, const char* windowClass);
void Kill(Launched& launched);

double Now();
double Median(std::vector<double> values);

}  // namespace bench
