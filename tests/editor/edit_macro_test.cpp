// Several commands grouped into one undo step, however the scope is left.

#include "document_fixture.h"

#include "editor/commands/edit_macro.h"

namespace vantora::test {
namespace {

class EditMacroGuard : public DocumentFixture {};

TEST_F(EditMacroGuard, CommandsInsideAreOneStep) {
    const auto before = bytes();
    {
        EditMacro macro(stack(), QStringLiteral("Add Two"));
        document.addObject(TObjectKind::Note, 0, 0);
        document.addObject(TObjectKind::Button, 0, 0);
    }
    EXPECT_EQ(stack().count(), 1);
    EXPECT_EQ(stack().undoText(), "Add Two");
    expectUndoRedo(before, bytes());
}

TEST_F(EditMacroGuard, AnExceptionStillClosesTheGroup) {
    try {
        EditMacro macro(stack(), QStringLiteral("Failing"));
        document.addObject(TObjectKind::Note, 0, 0);
        throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    document.addObject(TObjectKind::Label, 0, 0); // outside the group
    EXPECT_EQ(stack().count(), 2);
    stack().undo();
    EXPECT_EQ(ObjectNames(*scene), (std::vector<std::string>{"Note1"}));
}

} // namespace
} // namespace vantora::test
