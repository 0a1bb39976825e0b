#include "module/ImageSource.h"

#include "sequence/SequenceDocument.h"
#include "vehicle/VehicleOptions.h"

namespace ImageSource {

LightFunctions lightFunctions(const VehicleOptions& options)
{
    using O = VehicleOptions::Option;
    LightFunctions f;
    f.abbiegelicht = options.isChecked(O::chk_Abbiegelicht);
    f.tagfahrlicht = options.isChecked(O::chkTagfahrlicht);
    f.standlichtUs = options.isChecked(O::chkStandlicht_US);
    f.tagfahrlichtStandlicht = options.isChecked(O::chkTagfahrlicht_Standlicht);
    f.commingHomeAuf = options.isChecked(O::chkCommingHome_Auf);
    f.commingHomeZu = options.isChecked(O::chkCommingHome_Zu);
    f.spiegelKurz = options.isChecked(O::chkSpiegel_Kurz);
    f.spiegelLang = options.isChecked(O::chkSpiegel_Lang);
    f.nebelVertauschen = options.isChecked(O::chkVebel_vorne_vertauschen);
    f.softEin = options.isChecked(O::chkSoft_Ein);
    f.lciModul = options.isChecked(O::E6x_LCI_Modul);
    return f;
}

ImageInput input(const SequenceDocument& document, const VehicleOptions& options, int codedVehicleNumber)
{
    ImageInput in;
    for (int k = 0; k < 2; ++k)
        in.sequences[std::size_t(k)] = document.table(k).rows();
    in.codedVehicleNumber = codedVehicleNumber;
    in.functions = lightFunctions(options);
    in.greetingIndex = options.listIndex(VehicleOptions::List::combBegruessung);
    in.farewellIndex = options.listIndex(VehicleOptions::List::combVerabschiedung);
    return in;
}

QList<VehicleOptions::Option> adaptToEdition(VehicleOptions& options)
{
    QList<VehicleOptions::Option> ticked;
    for (VehicleOptions::Option o : VehicleOptions::AllOptions) {
        if (options.isChecked(o))
            ticked.append(o);
    }
    options.Modul_Typ_Freigeben();
    QList<VehicleOptions::Option> cleared;
    for (VehicleOptions::Option o : std::as_const(ticked)) {
        if (!options.isChecked(o))
            cleared.append(o);
    }
    return cleared;
}

} // namespace ImageSource
