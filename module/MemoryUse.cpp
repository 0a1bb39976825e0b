#include "module/MemoryUse.h"

#include <algorithm>

MemoryUse MemoryUse::of(const ImageInput& input, int limit)
{
    MemoryUse use;
    use.limit = std::clamp(limit, 1, int(UploadImage::Capacity));
    // Built against the whole memory, the image is the same as against the
    // limit as long as it fits; beyond the limit it still has a length.
    const UploadImage image = UploadImage::build(input, UploadImage::Capacity);
    use.status = image.status;
    use.problem = image.problem;
    switch (image.status) {
    case UploadImage::Status::Ok:
    case UploadImage::Status::HeaderOnly:
        use.length = image.length;
        break;
    case UploadImage::Status::TooLarge:
        use.length = UploadImage::Capacity + 1;
        break;
    case UploadImage::Status::Invalid:
        use.level = Level::Error;
        return use;
    }
    use.share = memoryShare(use.length, use.limit);
    if (use.length > use.limit) {
        use.status = UploadImage::Status::TooLarge;
        use.level = Level::Error;
    } else if (use.length * 100 > use.limit * WarningPercent) {
        use.level = Level::Warning;
    }
    return use;
}
