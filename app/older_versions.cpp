#include "app/older_versions.h"

const std::array<const wchar_t*, kLegacyWindowClassCount> kLegacyWindowClasses = {
    L"lumistrandDCCclass", L"lumistrandDCCclass15", L"Lumistrand class 1.6",
    L"Lumistrand class 1.7", L"Lumistrand class 2.6", L"Lumistrand class 2.7",
    L"Lumistrand class 2.8", L"Lumistrand class 2.9", L"Lumistrand class 3.0",
    L"Lumistrand class 3.1", L"Lumistrand class 3.2", L"Lumistrand class 3.3",
    L"Lumistrand class 3.4", L"Lumistrand class 3.5", L"Lumistrand class 3.6",
    L"Lumistrand class 3.7", L"Lumistrand class 3.8", L"Lumistrand class 3.9",
    L"Lumistrand class 4.0", L"Lumistrand class 4.1", L"Lumistrand class 4.2",
    L"Lumistrand class 4.3", L"Lumistrand class 4.4", L"Lumistrand class 4.5",
    L"Lumistrand class 4.6", L"Lumistrand class 4.7", L"Lumistrand class 4.8",
    L"Lumistrand class 4.9", L"Lumistrand class 5.0", L"Lumistrand class 5.1",
    L"Lumistrand class 5.2", L"Lumistrand class 5.3", L"Lumistrand class 5.4",
    L"Lumistrand class 5.5", L"Lumistrand class 5.6", L"Lumistrand class 5.7",
    L"Lumistrand class 5.8", L"Lumistrand class 5.9", L"Lumistrand class 6.0",
    L"Lumistrand class 6.1", L"Lumistrand class 6.2", L"Lumistrand class 6.3",
    L"Lumistrand class 6.4", L"Lumistrand class 6.5", L"Lumistrand class 6.6",
    L"Lumistrand class 6.7", L"Lumistrand class 6.8", L"Lumistrand class 6.9",
    L"Lumistrand class 7.0", L"Lumistrand class 7.1",
};
