#include "advisor/ShownUnit.h"

#include "advisor/Texts.h"
#include "res/RegisterCaddoraResources.h"
#include "res/Resource.h"

const char16_t* const kUnitsValue = u"Units";

namespace {

// 14 m is 15.3 yd: the nearest whole metres to the golfers' 15 yd that still leave a hole.
constexpr StepLimits kMetreStepLimits{14, 5};

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

// The templates in force say the unit: a dialog and the distances it shows never disagree.
DistanceUnit ShownUnit() {
    return UsingMetresTemplates() ? DistanceUnit::Metres : DistanceUnit::Yards;
}

void UseUnit(DistanceUnit unit) {
    UseMetresTemplates(unit == DistanceUnit::Metres);
}

std::int32_t ShownYards(std::int32_t yards) {
    return ShownDistance(yards, ShownUnit());
}

CString ShownUnitName() {
    return LoadText(ShownUnit() == DistanceUnit::Metres ? IDS_UNIT_METRES : IDS_UNIT_YARDS);
}

const StepLimits& ShownStepLimits() {
    return ShownUnit() == DistanceUnit::Metres ? kMetreStepLimits : kYardStepLimits;
}
