#include "framework/core/ClassRecord.h"

#include <algorithm>

namespace fw {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

String ClassRecord::ShortName() const
{
    const auto dot = name.rfind('.');
    return dot == String::npos ? name : name.substr(dot + 1);
}

std::vector<const OperationInfo*> ClassRecord::VirtualTable() const
{
    std::vector<const OperationInfo*> table = super != nullptr ? super->VirtualTable() : std::vector<const OperationInfo*>{};
    for (const OperationInfo& operation : operations) {
        table.push_back(&operation);
    }
    return table;
}

bool ClassRecord::IsA(const ClassRecord& other) const
{
    for (const ClassRecord* record = this; record != nullptr; record = record->super) {
        if (record == &other) {
            return true;
        }
    }
    return false;
}

const PropertyInfo* ClassRecord::FindProperty(std::string_view propertyName) const
{
    for (const ClassRecord* record = this; record != nullptr; record = record->super) {
        for (const PropertyInfo& property : record->properties) {
            if (SameIgnoringCase(property.name, propertyName)) {
                return &property;
            }
        }
    }
    return nullptr;
}

const EventTableEntry* ClassRecord::FindEvent(std::string_view event) const
{
    for (const EventTableEntry& entry : events) {
        if (entry.event == event) {
            return &entry;
        }
    }
    return nullptr;
}

const char* PropertyTypeName(PropertyType type)
{
    switch (type) {
    case PropertyType::Integer:
        return "integer";
    case PropertyType::Boolean:
        return "Boolean";
    case PropertyType::Colour:
        return "colour";
    case PropertyType::Text:
        return "string";
    }
    return "unknown";
}

} // namespace fw
