#include "testing/fakes/overflow_tray_fake.h"

namespace {

std::optional<std::vector<std::wstring>> g_texts;

}  // namespace

void FakeOverflowTraySet(std::optional<std::vector<std::wstring>> texts) { g_texts = std::move(texts); }

std::optional<std::vector<std::wstring>> OverflowTrayButtonTexts() { return g_texts; }
