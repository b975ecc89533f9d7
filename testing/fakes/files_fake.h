// Host files for tests: real files, with backslashes in program paths read as folder separators.
#pragma once
#include <filesystem>
#include <string>

#include "platform/files.h"

std::filesystem::path FakeFilesHostPath(const std::wstring& path);
// While held, opening the path fails as if another process had it open without sharing.
void FakeFilesHoldOpen(const std::wstring& path, bool held);
