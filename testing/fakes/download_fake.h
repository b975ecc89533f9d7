// Serves downloads from a table of addresses into real host files.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/download.h"

void FakeDownloadReset();
// What url delivers; an address never served fails its download.
void FakeDownloadServe(const std::wstring& url, const std::string& bytes);
void FakeDownloadSetOverride(const std::wstring& site);
void FakeDownloadSetInstalled(bool installed);
// Every address asked for since the last reset, in order.
const std::vector<std::wstring>& FakeDownloadRequests();
