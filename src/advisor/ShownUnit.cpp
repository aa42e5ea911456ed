#include "advisor/ShownUnit.h"

#include "advisor/Texts.h"
#include "res/RegisterCaddoraResources.h"
#include "res/Resource.h"

const char16_t* const kUnitsValue = u"Units";

namespace {

// 14 m is 15.3 yd: the nearest whole metres to the golfers' 15 yd that still leave a hole.
constexpr StepLimits kMetreStepLimits{14, 5};

DistanceUnit& UnitInForce() {
    static DistanceUnit unit = DistanceUnit::Yards;
    return unit;
}

} // namespace

DistanceUnit ReadDistanceUnit(CRegistryKey& key) {
    DWORD stored = 0;
    if (key.GetDWordValue(kUnitsValue, stored) &&
        stored == static_cast<DWORD>(DistanceUnit::Metres)) {
        return DistanceUnit::Metres;
    }
    return DistanceUnit::Yards;
}

BOOL StoreDistanceUnit(CRegistryKey& key, DistanceUnit unit) {
    return key.SetDWordValue(kUnitsValue, static_cast<DWORD>(unit));
}

DistanceUnit ShownUnit() {
    return UnitInForce();
}

void UseUnit(DistanceUnit unit) {
    UnitInForce() = unit;
    UseMetresTemplates(unit == DistanceUnit::Metres);
}

std::int32_t ShownYards(std::int32_t yards) {
    return ShownDistance(yards, UnitInForce());
}

CString ShownUnitName() {
    return LoadText(UnitInForce() == DistanceUnit::Metres ? IDS_UNIT_METRES : IDS_UNIT_YARDS);
}

const StepLimits& ShownStepLimits() {
    return UnitInForce() == DistanceUnit::Metres ? kMetreStepLimits : kYardStepLimits;
}
