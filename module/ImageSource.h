#pragma once

#include "module/UploadImage.h"
#include "vehicle/VehicleOptions.h"

#include <QList>

class SequenceDocument;

// What the image is built from, taken from the document's two sequences and
// the live option state: the light-function boxes and the two duration lists.
namespace ImageSource {

LightFunctions lightFunctions(const VehicleOptions& options);
ImageInput input(const SequenceDocument& document, const VehicleOptions& options, int codedVehicleNumber);
// Applies the module's edition (the context's module type) to the options,
// as before every upload, and returns the ticked options it cleared: the
// light functions this edition does not carry out, in the dialog's order.
QList<VehicleOptions::Option> adaptToEdition(VehicleOptions& options);

} // namespace ImageSource
