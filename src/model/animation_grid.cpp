#include "model/animation_grid.h"

#include "model/demo.h"

#include <algorithm>

namespace vantora {
namespace {

using C = TChannelId;

// The names of a channel's rows and the limits of its in/out values.
struct ChannelRows {
    std::string_view prefix;
    std::string_view inValue;  // suffix of the in-value row
    std::string_view outValue; // suffix of the out-value row
    std::int32_t valueMinimum;
    std::int32_t valueMaximum;
};

// Indexed by the stored channel order.
constexpr std::array<ChannelRows, kChannelCount> kChannelRows{{
    {"Fade", "InFromValue (%)", "OutToValue (%)", 0, 100},
    {"Red", "InFromOffValue (%)", "OutToOffValue (%)", 0, 100},
    {"Green", "InFromOffValue (%)", "OutToOffValue (%)", 0, 100},
    {"Blue", "InFromOffValue (%)", "OutToOffValue (%)", 0, 100},
    {"Angle", "InFromOffValue", "OutToOffValue", kNoMinimum, kNoMaximum},
    {"Width", "InFromValue (%)", "OutToValue (%)", 0, kNoMaximum},
    {"Height", "InFromValue (%)", "OutToValue (%)", 0, kNoMaximum},
    {"LocationX", "InFromOffValue", "OutToOffValue", kNoMinimum, kNoMaximum},
    {"LocationY", "InFromOffValue", "OutToOffValue", kNoMinimum, kNoMaximum},
}};

const std::vector<C> kFullChannels{C::Fade, C::Angle, C::Width, C::Height, C::LocationX, C::LocationY};
const std::vector<C> kTextChannels{C::LocationX, C::LocationY};
const std::vector<C> kCursorChannels{C::Fade, C::Angle};

std::vector<std::string> namesOf(NameList list) {
    std::vector<std::string> result;
    for (const NamedCode& entry : list)
        result.emplace_back(entry.name);
    return result;
}

AnimationRow pickRow(std::string name, AnimationField field, NameList names, C channel = C::Fade) {
    AnimationRow row;
    row.name = std::move(name);
    row.field = field;
    row.channel = channel;
    row.route = EditRoute::Pick;
    row.names = names;
    row.pickList = namesOf(names);
    return row;
}

AnimationRow typedRow(std::string name, AnimationField field, std::int32_t minimum, std::int32_t maximum,
                      C channel = C::Fade) {
    AnimationRow row;
    row.name = std::move(name);
    row.field = field;
    row.channel = channel;
    row.minimum = minimum;
    row.maximum = maximum;
    return row;
}

void appendChannel(std::vector<AnimationRow>& rows, C channel) {
    const ChannelRows& c = kChannelRows[static_cast<std::size_t>(channel)];
    const std::string prefix(c.prefix);
    rows.push_back(pickRow(prefix + "AnimationType", AnimationField::AnimationType, names::AnimationType, channel));
    rows.push_back(typedRow(prefix + std::string(c.inValue), AnimationField::InValue, c.valueMinimum, c.valueMaximum,
                            channel));
    rows.push_back(typedRow(prefix + "InSteps", AnimationField::InSteps, kChannelStepsMinimum, kNoMaximum, channel));
    rows.push_back(typedRow(prefix + std::string(c.outValue), AnimationField::OutValue, c.valueMinimum, c.valueMaximum,
                            channel));
    rows.push_back(typedRow(prefix + "OutSteps", AnimationField::OutSteps, kChannelStepsMinimum, kNoMaximum, channel));
}

// The int32 behind a row, for the block as given (const or not).
template <typename Settings>
auto numberSlot(Settings& settings, const AnimationRow& row) -> decltype(&settings.ObjectCenter) {
    auto& channel = Channel(settings, row.channel);
    switch (row.field) {
    case AnimationField::ObjectCenter: return &settings.ObjectCenter;
    case AnimationField::CustomCenterX: return &settings.CustomCenterX;
    case AnimationField::CustomCenterY: return &settings.CustomCenterY;
    case AnimationField::AnimationType: return &channel.AnimationType;
    case AnimationField::InValue: return &channel.InFromValue;
    case AnimationField::InSteps: return &channel.InSteps;
    case AnimationField::OutValue: return &channel.OutToValue;
    case AnimationField::OutSteps: return &channel.OutSteps;
    case AnimationField::StopWithScene: break;
    }
    return nullptr;
}

EditResult finish(const AnimationRow& row, const PropertySubject& subject, TAnimationSettings& settings, bool changed) {
    if (changed && subject.scene)
        NotifySceneChange(*subject.scene, ModelChangeKind::AnimationChanged, subject.object);
    return {changed, AnimationDisplayValue(row, settings), false};
}

} // namespace

const AnimationRow* AnimationSheet::find(std::string_view name) const {
    for (const AnimationRow& row : rows)
        if (row.name == name)
            return &row;
    return nullptr;
}

std::vector<TChannelId> ShownChannels(std::optional<TObjectKind> kind) {
    if (!kind)
        return kFullChannels;
    switch (*kind) {
    case TObjectKind::Text: return kTextChannels;
    case TObjectKind::Cursor: return kCursorChannels;
    case TObjectKind::Audio:
    case TObjectKind::InputText: return {};
    default: return kFullChannels;
    }
}

AnimationSheet BuildAnimationSheet(const PropertySubject& subject) {
    AnimationSheet sheet;
    std::optional<TObjectKind> kind;
    if (subject.object)
        kind = subject.object->Kind;
    const std::vector<TChannelId> channels = ShownChannels(kind);
    if (channels.empty())
        return sheet;
    const bool balloon = kind && IsBalloonKind(*kind);
    sheet.rows.push_back(pickRow("StopWithScene", AnimationField::StopWithScene, names::Boolean));
    AnimationRow centre = pickRow("ObjectCenter", AnimationField::ObjectCenter, names::ObjectCenter);
    centre.pickList = namesOf(balloon ? names::ObjectCenter : names::ObjectCenterPlain);
    sheet.rows.push_back(centre);
    sheet.rows.push_back(typedRow("CustomCenterX", AnimationField::CustomCenterX, 0, kNoMaximum));
    sheet.rows.push_back(typedRow("CustomCenterY", AnimationField::CustomCenterY, 0, kNoMaximum));
    for (TChannelId channel : channels) {
        sheet.channelRow[static_cast<std::size_t>(channel)] = static_cast<int>(sheet.rows.size());
        appendChannel(sheet.rows, channel);
    }
    return sheet;
}

TAnimationSettings* AnimationOf(const PropertySubject& subject) {
    if (subject.object)
        return &subject.object->Animation;
    return subject.scene ? &subject.scene->Animation : nullptr;
}

std::string AnimationDisplayValue(const AnimationRow& row, const TAnimationSettings& settings) {
    if (row.field == AnimationField::StopWithScene)
        return settings.StopWithScene ? "True" : "False";
    const std::int32_t* slot = numberSlot(settings, row);
    if (!slot)
        return {};
    if (!row.names.empty())
        if (auto name = NameOfCode(row.names, *slot))
            return std::string(*name);
    return std::to_string(*slot);
}

EditResult ApplyAnimationTyped(const AnimationRow& row, const PropertySubject& subject, std::string_view text) {
    TAnimationSettings* settings = AnimationOf(subject);
    if (!settings)
        return {};
    std::int32_t* slot = numberSlot(*settings, row);
    const auto number = ParseInteger(text);
    if (row.route != EditRoute::Typed || !slot || !number)
        return finish(row, subject, *settings, false);
    const std::int32_t value = ClampToRange(*number, row.minimum, row.maximum);
    const bool changed = *slot != value;
    *slot = value;
    return finish(row, subject, *settings, changed);
}

EditResult ApplyAnimationPick(const AnimationRow& row, const PropertySubject& subject, std::string_view text) {
    TAnimationSettings* settings = AnimationOf(subject);
    if (!settings)
        return {};
    if (row.field == AnimationField::StopWithScene) {
        const bool value = text == "True";
        const bool changed = settings->StopWithScene != value;
        settings->StopWithScene = value;
        return finish(row, subject, *settings, changed);
    }
    std::int32_t* slot = numberSlot(*settings, row);
    const bool offered = std::find(row.pickList.begin(), row.pickList.end(), text) != row.pickList.end();
    const auto code = CodeOfName(row.names, text);
    if (row.route != EditRoute::Pick || !slot || !offered || !code)
        return finish(row, subject, *settings, false);
    const bool changed = *slot != *code;
    *slot = *code;
    return finish(row, subject, *settings, changed);
}

} // namespace vantora
