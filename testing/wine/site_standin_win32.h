// A stand-in download site for the update tests: http on 127.0.0.1 at a port the system picks,
// serving the files it was given and an HTML "404 Not Found" page for every other path, as a
// real site does.
#pragma once
#include <string>
#include <vector>

// False when no port could be had.
bool SiteStart();
void SiteStop();
// "http://127.0.0.1:<port>"
std::wstring SiteAddress();
// path starts with "/"; empty bytes remove the file.
void SiteServe(const std::string& path, const std::string& bytes);
// The paths asked for so far, in order.
std::vector<std::string> SiteRequests();
