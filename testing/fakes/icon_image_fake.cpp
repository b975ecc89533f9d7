#include "testing/fakes/icon_image_fake.h"

#include <vector>

namespace {

struct MadeImage {
    IconDrawing drawing;
    bool live = true;
};

struct ImageRecord {
    std::int32_t systemSize = 16;
    std::vector<MadeImage> made;
    std::size_t badDestroys = 0;
};

ImageRecord g_images;

MadeImage* Made(IconImage image) {
    if (image == 0 || image > g_images.made.size()) return nullptr;
    MadeImage& made = g_images.made[image - 1];
    return made.live ? &made : nullptr;
}

}  // namespace

void FakeIconImageReset() { g_images = ImageRecord{}; }

void FakeIconImageSetSystemSize(std::int32_t size) { g_images.systemSize = size; }

const IconDrawing* FakeIconDrawingOf(IconImage image) {
    const MadeImage* made = Made(image);
    return made == nullptr ? nullptr : &made->drawing;
}

std::size_t FakeIconImagesLive() {
    std::size_t live = 0;
    for (const MadeImage& made : g_images.made) live += made.live ? 1 : 0;
    return live;
}

std::size_t FakeIconImageBadDestroys() { return g_images.badDestroys; }

std::int32_t IconImageSystemSize() { return g_images.systemSize; }

IconImage IconImageCreate(const IconDrawing& drawing) {
    g_images.made.push_back({drawing});
    return g_images.made.size();
}

void IconImageDestroy(IconImage image) {
    MadeImage* made = Made(image);
    if (made == nullptr) {
        ++g_images.badDestroys;
        return;
    }
    made->live = false;
}
