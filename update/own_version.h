// The version file this program was built as: version line, English notes, the version line
// again, German notes. The download site's version.inf has the same layout for its newest version.
#pragma once

inline constexpr char kOwnVersionText[] =
    "7.2.0.0\r\n On some systems, monitorname was not displayed, fixed.\r\n\r\n Now auto-run commands can also be "
    "run if app is not full-screen.\r\n7.2.0.0\r\n Auf einigen Systemen wurde der Monitorname nicht angezeigt, "
    "korrigiert.\r\n\r\n Befehle koennen nun auch durch eine nicht maximierte app automatisch ausgefuehrt werden.";
