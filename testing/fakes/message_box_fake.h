// Records the message boxes portable code shows.
#pragma once
#include <string>
#include <vector>

#include "platform/message_box.h"

struct ShownMessageBox {
    std::wstring title;
    std::wstring text;
    bool warning = false;
};

void FakeMessageBoxReset();
const std::vector<ShownMessageBox>& FakeMessageBoxesShown();
// What the boxes that offer not to ask again answer from now on (OK until a reset).
void FakeMessageBoxAnswerAskOnce(bool ok);
// What the Yes/No boxes answer from now on (No until a reset).
void FakeMessageBoxAnswerYesNo(bool yes);
