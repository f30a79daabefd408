#pragma once
// One demo with one scene, objects of the asked kind added on demand, and a record of the change
// notifications: the ground the property and animation grid tests stand on.

#include "model/object_operations.h"
#include "model/property_rows.h"
#include "model/scene_operations.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantora::test {

class SubjectFixture : public testing::Test {
protected:
    TVantora demo;
    TDemoFrame* scene = nullptr;
    std::vector<ModelChange> changes;

    void SetUp() override {
        scene = &NewScene(demo);
        demo.Changes.addListener([this](const ModelChange& change) { changes.push_back(change); });
    }

    PropertySubject add(TObjectKind kind) {
        TDemoObject& object = NewObject(*scene, kind, 0, 0);
        changes.clear();
        return {&demo, scene, &object};
    }
};

} // namespace vantora::test
