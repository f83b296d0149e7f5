#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/core/ClassTable.h"

namespace karvelio::testing {

// A program class's record against its documented operations, in slot
// order with their signature codes, each "__Scope" = "Public" and
// "_CreateControls0" "Hidden" as well, and its event table
// ("event/handler").
inline void ExpectRecord(const fw::ClassRecord& record,
                         const std::vector<std::pair<fw::String, fw::String>>& operations,
                         const std::vector<fw::String>& events)
{
    std::vector<std::pair<fw::String, fw::String>> actual;
    for (const fw::OperationInfo& operation : record.operations) {
        actual.emplace_back(operation.name, operation.signature);
        std::vector<fw::ClassAttribute> attributes{fw::kPublicScope};
        if (operation.name == "_CreateControls0") {
            attributes.push_back(fw::kHidden);
        }
        EXPECT_EQ(operation.attributes, attributes) << record.name << "." << operation.name;
    }
    EXPECT_EQ(actual, operations) << record.name;
    std::vector<fw::String> actualEvents;
    for (const fw::EventTableEntry& entry : record.events) {
        actualEvents.push_back(entry.event + "/" + entry.handler);
    }
    EXPECT_EQ(actualEvents, events) << record.name;
}

} // namespace karvelio::testing
