#pragma once
// Cursors and audio objects are shown at the size of their picture (the pointer, the speaker
// icon), not of their rectangle. The editor gives them that size when it makes them, so that
// their frame, their handles and the cursor path between them fit what is drawn.

#include <optional>

namespace vantora {

struct TDemoObject;

struct NaturalObjectSize {
    int width = 0;
    int height = 0;
    bool operator==(const NaturalObjectSize&) const = default;
};

// The shown size of a Cursor (its rendered pointer, turns included) or an Audio object (the
// speaker icon); nothing for the other kinds, whose pictures take their rectangle's size.
std::optional<NaturalObjectSize> NaturalSize(const TDemoObject& object);

// Sets Width and Height of a Cursor or Audio object to its natural size (without telling the
// views: for objects not yet shown). Other kinds are left alone.
void TakeNaturalSize(TDemoObject& object);

} // namespace vantora
