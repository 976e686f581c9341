// Which face a bitmap button shows for an owner-draw state and the faces it has.
#include "AfxButtonFace.h"

#include <gtest/gtest.h>

TEST(ButtonFace, ChoosesTheFaceOfTheState)
{
    const struct
    {
        const char* pszName;
        BOOL bSelected, bFocus, bDisabled;
        BOOL bHasDown, bHasFocus, bHasDisabled;
        AfxButtonFace expected;
    } rows[] = {
        // name                             sel foc dis  down foc dis
        {"IdleShowsUp",                      0, 0, 0,    1, 1, 1, AFX_FACE_UP},
        {"PressedBeatsFocus",                1, 1, 0,    1, 1, 1, AFX_FACE_DOWN},
        {"FocusBeatsDisabled",               0, 1, 1,    1, 1, 1, AFX_FACE_FOCUS},
        {"DisabledShowsDisabled",            0, 0, 1,    1, 1, 1, AFX_FACE_DISABLED},
        {"PressedWithoutDownFaceFallsToFocus", 1, 1, 0,  0, 1, 1, AFX_FACE_FOCUS},
        {"PressedWithoutDownFaceFallsToUp",  1, 0, 0,    0, 1, 1, AFX_FACE_UP},
        {"FocusedWithoutFocusFaceFallsToDisabled", 0, 1, 1, 1, 0, 1, AFX_FACE_DISABLED},
        {"DisabledWithoutDisabledFaceShowsUp", 0, 0, 1,  1, 1, 0, AFX_FACE_UP},
    };
    for (const auto& row : rows)
    {
        const BOOL bHasFace[AFX_FACE_COUNT] = {TRUE, row.bHasDown, row.bHasFocus, row.bHasDisabled};
        EXPECT_EQ(AfxChooseButtonFace(row.bSelected, row.bFocus, row.bDisabled, bHasFace), row.expected)
            << row.pszName;
    }
}
