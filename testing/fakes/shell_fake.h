#pragma once
#include <string>

#include "platform/shell.h"

void FakeShellSetRoamingFolder(const std::wstring& folder);
