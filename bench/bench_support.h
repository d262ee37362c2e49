#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// A started program and its first visible top-level window.
struct Launched {
    HANDLE process = nullptr;
    DWORD processId = 0;
    HWND window = nullptr;
    double secondsUntilVisible = 0;
};

// Wine maps the Unix file system to drive Z:.
std::string WindowsPath(const char* unixPath);
Launched Launch(const std::string& commandLine, const char* windowClass);
void Kill(Launched& launched);

double Now();
double Median(std::vector<double> values);

}  // namespace bench
