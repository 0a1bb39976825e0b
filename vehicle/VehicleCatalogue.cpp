#include "vehicle/VehicleCatalogue.h"

#include "core/Config.h"

#include <array>

namespace VehicleCatalogue {

namespace {

template <std::size_t N> QString pick(const std::array<const char*, N>& table, int index, int first)
{
    const int i = index - first;
    if (i < 0 || i >= int(N))
        return {};
    return QString::fromUtf8(table.at(std::size_t(i)));
}

constexpr std::array<const char*, 9> ModelCaptions{"BMW 1er", "BMW 3er",  "BMW 5er", "BMW 6er", "BMW 7er",
                                                   "BMW X5",  "BMW Mini", "BMW Z4",  "BMW X6"};
constexpr std::array<const char*, 9> ModelTooltips{"E81, E82, E87, E88",
                                                   "E90, E91, E92, E93",
                                                   "E60, E61",
                                                   "E63, E64",
                                                   "E65, E66",
                                                   "E70",
                                                   "R55, R56, R57",
                                                   "E85",
                                                   "E71"};
constexpr std::array<const char*, 5> BodyCaptions{"Limousine", "Touring", "Coupé", "Cabrio", "Clubman"};
constexpr std::array<const char*, 4> YearCaptions{"Modell ab 4.2007", "ohne Facelift", "mit Facelift",
                                                  "Modell ab 10.2006"};
constexpr std::array<const char*, 4> HeadlampCaptions{
    "ohne Fernlicht im Fernscheinwerfer (Bi-Xenon)", "mit Fernlicht im Fernscheinwerfer",
    "mit Abbiegelicht im Fernscheinwerfer", "mit Tagfahrlicht Glühbirne im Fernscheinwerfer"};

// Body styles per model type, bit b for body style b.
constexpr std::array<unsigned, 9> BodyMasks{
    0b11010,  // 1er: Limousine, Coupé, Cabrio
    0b11110,  // 3er: Limousine, Touring, Coupé, Cabrio
    0b00110,  // 5er: Limousine, Touring
    0b11000,  // 6er: Coupé, Cabrio
    0b00010,  // 7er: Limousine
    0b00010,  // X5
    0b111000, // Mini: Coupé, Cabrio, Clubman
    0b10000,  // Z4: Cabrio
    0b00010,  // X6
};

struct CodeNumber
{
    const char* code;
    int number;
};
constexpr std::array<CodeNumber, 32> CodeNumbers{{
    {"111", 1},  {"112", 2},  {"131", 3},  {"141", 4},  {"841", 5},  {"211", 12}, {"210", 6},  {"212", 7},
    {"221", 13}, {"220", 8},  {"222", 9},  {"231", 10}, {"241", 11}, {"311", 16}, {"313", 14}, {"312", 20},
    {"321", 17}, {"323", 15}, {"322", 21}, {"431", 18}, {"433", 25}, {"441", 19}, {"443", 26}, {"432", 23},
    {"442", 24}, {"511", 30}, {"512", 31}, {"611", 35}, {"911", 36}, {"731", 40}, {"741", 41}, {"751", 42},
}};

constexpr std::array<const char*, LastVehicleName + 1> VehicleNames{
    "Uncodiert",
    "BMW 1er FRM1",
    "BMW 1er FRM2 LCI",
    "BMW 1er Coupe FRM2",
    "BMW 1er Cabrio FRM2",
    "BMW Z4 FRM2",
    "BMW 3er Limousine FRM2",
    "BMW 3er Limousine FRM2 LCI",
    "BMW 3er Touring FRM2",
    "BMW 3er Touring FRM2 LCI",
    "BMW 3er Coupe FRM2",
    "BMW 3er Cabrio FRM2",
    "BMW 3er Limousine FRM1",
    "BMW 3er Touring FRM1",
    "BMW 5er Limousine LM2 9.06",
    "BMW 5er Touring LM2 9.06",
    "BMW 5er Limousine LM1",
    "BMW 5er Touring LM1",
    "BMW 6er Coupe LM1",
    "BMW 6er Cabrio LM1",
    "BMW 5er Limousine LM2 LCI",
    "BMW 5er Touring LM2 LCI",
    "",
    "BMW 6er Coupe LM2 LCI",
    "BMW 6er Cabrio LM2 LCI",
    "BMW 6er Coupe LM2 9.06",
    "BMW 6er Cabrio LM2 9.06",
    "",
    "",
    "",
    "BMW 7er VFL LM1",
    "BMW 7er LCI LM1",
    "BMW 7er LCI LM2",
    "",
    "",
    "BMW X5",
    "BMW X6",
    "",
    "",
    "",
    "Mini Coupe",
    "Mini Cabrio",
    "Mini Clubman",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
};

} // namespace

QString modelCaption(int modelType)
{
    return pick(ModelCaptions, modelType, FirstModelType);
}

QString modelTooltip(int modelType)
{
    return pick(ModelTooltips, modelType, FirstModelType);
}

QString bodyCaption(int bodyStyle)
{
    return pick(BodyCaptions, bodyStyle, FirstBodyStyle);
}

QString yearCaption(int modelYear)
{
    return pick(YearCaptions, modelYear, FirstModelYear);
}

QString headlampCaption(int headlamp)
{
    return pick(HeadlampCaptions, headlamp, FirstHeadlamp);
}

bool bodyStyleEnabled(int modelType, int bodyStyle)
{
    if (modelType < FirstModelType || modelType > LastModelType || bodyStyle < FirstBodyStyle ||
        bodyStyle > LastBodyStyle)
        return false;
    return (BodyMasks.at(std::size_t(modelType - 1)) >> bodyStyle) & 1U;
}

std::optional<YearButtons> yearButtons(int modelType, int bodyStyle)
{
    // Enabled years: 1 always; then 2, 0 and 3 as the row says.
    auto years = [](bool y2, bool y0, bool y3, bool select0 = false) {
        YearButtons b;
        b.year2Enabled = y2;
        b.year0Enabled = y0;
        b.year3Enabled = y3;
        b.year0Selected = select0;
        return b;
    };
    if (bodyStyle == Clubman) {
        YearButtons b = years(false, false, false);
        b.group = OptionGroup::Mini;
        return b;
    }
    switch (modelType * 10 + bodyStyle) {
    case 11:
        return years(true, false, false);
    case 13:
    case 14:
        return years(false, false, false);
    case 21:
        return years(true, true, false);
    case 22:
        return years(true, true, false, true);
    case 23:
    case 24:
        return years(false, false, false);
    case 31:
    case 32:
        return years(true, false, true);
    case 43:
        return years(true, false, true);
    case 44:
        return years(true, false, false);
    case 61:
    case 91:
    case 84:
        return years(false, false, false);
    case 73:
    case 74: {
        YearButtons b = years(false, false, false);
        b.group = OptionGroup::Mini;
        return b;
    }
    default:
        return std::nullopt;
    }
}

std::optional<int> codedVehicleNumber(const QString& vehicleCode)
{
    for (const CodeNumber& row : CodeNumbers) {
        if (vehicleCode == QLatin1String(row.code))
            return row.number;
    }
    return std::nullopt;
}

QString vehicleName(int number)
{
    if (number < 0 || number > LastVehicleName)
        return {};
    return QString::fromUtf8(VehicleNames.at(std::size_t(number)));
}

QString sevenSeriesRefusal()
{
    return QStringLiteral("Achtung: für den 7er E65 steht eine separate Software zur Verfügung, bitte wenden "
                          "Sie sich an >> ") +
           QString::fromLatin1(Config::MakerMailAddress) + QStringLiteral(" <<");
}

} // namespace VehicleCatalogue
