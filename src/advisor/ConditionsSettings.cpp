#include "advisor/ConditionsSettings.h"

namespace {

const char16_t* const kUseConditionsValue = u"UseConditions";
const char16_t* const kWindMphValue = u"WindMph";
const char16_t* const kWindIntoValue = u"WindInto";
const char16_t* const kTemperatureFValue = u"TemperatureF";
const char16_t* const kSlopeFeetValue = u"SlopeFeet";
const char16_t* const kAltitudeFeetValue = u"AltitudeFeet";

// The value as a signed number when it reads and lies within the range, else the default.
std::int32_t ReadNumber(CRegistryKey& key, const char16_t* name, const ConditionRange& range,
                        std::int32_t byDefault) {
    DWORD stored = 0;
    if (!key.GetDWordValue(name, stored)) {
        return byDefault;
    }
    const auto value = static_cast<std::int32_t>(stored);
    return range.Holds(value) ? value : byDefault;
}

bool ReadFlag(CRegistryKey& key, const char16_t* name, bool byDefault) {
    return ReadNumber(key, name, ConditionRange{0, 1}, byDefault ? 1 : 0) == 1;
}

BOOL StoreNumber(CRegistryKey& key, const char16_t* name, std::int32_t value) {
    DWORD stored = static_cast<DWORD>(value);
    return key.SetDWordValue(name, stored);
}

} // namespace

Conditions ReadConditions(CRegistryKey& key) {
    const Conditions byDefault;
    Conditions conditions;
    conditions.inUse = ReadFlag(key, kUseConditionsValue, byDefault.inUse);
    conditions.windMph = ReadNumber(key, kWindMphValue, kWindMphRange, byDefault.windMph);
    conditions.windInto = ReadFlag(key, kWindIntoValue, byDefault.windInto);
    conditions.temperatureF =
        ReadNumber(key, kTemperatureFValue, kTemperatureFRange, byDefault.temperatureF);
    conditions.slopeFeet = ReadNumber(key, kSlopeFeetValue, kSlopeFeetRange, byDefault.slopeFeet);
    conditions.altitudeFeet =
        ReadNumber(key, kAltitudeFeetValue, kAltitudeFeetRange, byDefault.altitudeFeet);
    return conditions;
}

BOOL StoreConditions(CRegistryKey& key, const Conditions& conditions) {
    BOOL stored = StoreNumber(key, kUseConditionsValue, conditions.inUse ? 1 : 0);
    stored = StoreNumber(key, kWindMphValue, conditions.windMph) && stored;
    stored = StoreNumber(key, kWindIntoValue, conditions.windInto ? 1 : 0) && stored;
    stored = StoreNumber(key, kTemperatureFValue, conditions.temperatureF) && stored;
    stored = StoreNumber(key, kSlopeFeetValue, conditions.slopeFeet) && stored;
    return StoreNumber(key, kAltitudeFeetValue, conditions.altitudeFeet) && stored;
}
