// The information a row of the monitor list shows in its tooltip.
#pragma once
#include <cstdint>
#include <string>

struct MonitorInfoText {
    std::wstring title;  // device name and resolution
    std::wstring text;   // one labelled line per known fact, then the right-click hint
};

// In the user-interface language; empty texts for an index outside the table.
MonitorInfoText BuildMonitorInfoText(std::int32_t index);
