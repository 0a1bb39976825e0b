#pragma once

#include "module/UploadImage.h"

// How much of the module's memory a show needs, measured with the image the
// upload sends, for a gauge that follows every edit. Unlike the upload it
// also measures an image that does not fit, as far as the module's memory
// goes, so the gauge can say by how much.
struct MemoryUse
{
    enum class Level
    {
        Normal,
        Warning, // more than 90 % of the limit: little room left
        Error,   // does not fit the limit, or cannot be built at all
    };
    static constexpr int WarningPercent = 90;

    UploadImage::Status status = UploadImage::Status::Ok; // TooLarge when above the limit
    // Bytes the image needs. When it does not fit even the largest memory a
    // module has, UploadImage::Capacity + 1: at least that many.
    int length = 0;
    int limit = 0;
    // Whole percent as the memory requirement message shows it.
    int share = 0;
    Level level = Level::Normal;
    // What does not fit, for UploadImage::Status::Invalid.
    QString problem;

    bool beyondCapacity() const { return length > UploadImage::Capacity; }

    // limit: the module's memory in bytes (1 to UploadImage::Capacity).
    static MemoryUse of(const ImageInput& input, int limit);
};
