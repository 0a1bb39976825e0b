#pragma once

#include "module/UploadImage.h"

class SequenceDocument;
class VehicleOptions;

// What the image is built from, taken from the document's two sequences and
// the live option state: the light-function boxes and the two duration lists.
namespace ImageSource {

LightFunctions lightFunctions(const VehicleOptions& options);
ImageInput input(const SequenceDocument& document, const VehicleOptions& options, int codedVehicleNumber);

} // namespace ImageSource
