// setVCP and getVCP: single VCP writes and reads on the target monitor, carried out by
// discovery passes.
#pragma once

// p stands on the word. Each returns false when the rest of the line is to be ignored;
// otherwise p stands after what they read.
bool RunSetVcp(const wchar_t*& p);
bool RunGetVcp(const wchar_t*& p, bool asErrorLevel);
