#pragma once

#include <cstdio>

void PrintUsage(std::FILE* stream);
