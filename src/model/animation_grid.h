#pragma once
// The rows of the "Animation" grid: the four head rows, then five rows for each channel shown
// for the selection, with their names, pick lists and limits; and applying edits to the block.

#include "model/animation_settings.h"
#include "model/enum_names.h"
#include "model/int_text.h"
#include "model/object_kind.h"
#include "model/property_edit.h"
#include "model/property_rows.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantora {

enum class AnimationField {
    StopWithScene,
    ObjectCenter,
    CustomCenterX,
    CustomCenterY,
    AnimationType, // of `channel`
    InValue,
    InSteps,
    OutValue,
    OutSteps,
};

struct AnimationRow {
    std::string name;
    AnimationField field = AnimationField::StopWithScene;
    TChannelId channel = TChannelId::Fade; // for the channel rows
    EditRoute route = EditRoute::Typed;
    NameList names{};
    std::vector<std::string> pickList;
    std::int32_t minimum = kNoMinimum;
    std::int32_t maximum = kNoMaximum;
};

constexpr int kChannelStepsMinimum = 2;

struct AnimationSheet {
    std::vector<AnimationRow> rows; // empty: no grid (Audio, InputText)
    // Index of each channel's AnimationType row, by stored channel order; kAbsentRow when hidden.
    std::array<int, kChannelCount> channelRow{kAbsentRow, kAbsentRow, kAbsentRow, kAbsentRow, kAbsentRow,
                                              kAbsentRow, kAbsentRow, kAbsentRow, kAbsentRow};

    const AnimationRow* find(std::string_view name) const;
};

// The channels the grid shows for a selection, in grid order. `kind` is empty for the scene.
std::vector<TChannelId> ShownChannels(std::optional<TObjectKind> kind);

// The scene's rows when subject.object is null, else the object's rows.
AnimationSheet BuildAnimationSheet(const PropertySubject& subject);

// The animation block the subject's grid edits (the scene's or the object's); null when none.
TAnimationSettings* AnimationOf(const PropertySubject& subject);

std::string AnimationDisplayValue(const AnimationRow& row, const TAnimationSettings& settings);

// A typed value: clamped to the row's limits; text that is no number restores the stored value.
EditResult ApplyAnimationTyped(const AnimationRow& row, const PropertySubject& subject, std::string_view text);

// A picked name. "StopWithScene" is true only for the exact text "True"; other rows accept only
// the names their pick list offers.
EditResult ApplyAnimationPick(const AnimationRow& row, const PropertySubject& subject, std::string_view text);

} // namespace vantora
