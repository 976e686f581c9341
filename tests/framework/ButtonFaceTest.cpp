// Which face a bitmap button shows for an owner-draw state and the faces it has.
#include "AfxButtonFace.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct FaceRow
{
    const char* pszName;
    BOOL bSelected, bFocus, bDisabled;
    BOOL bHasDown, bHasFocus, bHasDisabled;
    AfxButtonFace expected;
};

void PrintTo(const FaceRow& row, std::ostream* os)
{
    *os << row.pszName;
}

const FaceRow kRows[] = {
    // name                               sel foc dis  down foc dis
    {"IdleShowsUp",                        0, 0, 0,    1, 1, 1, AFX_FACE_UP},
    {"PressedShowsDown",                   1, 0, 0,    1, 1, 1, AFX_FACE_DOWN},
    {"PressedBeatsFocus",                  1, 1, 0,    1, 1, 1, AFX_FACE_DOWN},
    {"PressedBeatsDisabled",               1, 0, 1,    1, 1, 1, AFX_FACE_DOWN},
    {"FocusedShowsFocus",                  0, 1, 0,    1, 1, 1, AFX_FACE_FOCUS},
    {"FocusBeatsDisabled",                 0, 1, 1,    1, 1, 1, AFX_FACE_FOCUS},
    {"DisabledShowsDisabled",              0, 0, 1,    1, 1, 1, AFX_FACE_DISABLED},
    {"PressedWithoutDownFaceFallsToFocus", 1, 1, 0,    0, 1, 1, AFX_FACE_FOCUS},
    {"PressedWithoutDownFaceFallsToUp",    1, 0, 0,    0, 1, 1, AFX_FACE_UP},
    {"FocusedWithoutFocusFaceFallsToDisabled", 0, 1, 1, 1, 0, 1, AFX_FACE_DISABLED},
    {"DisabledWithoutDisabledFaceShowsUp", 0, 0, 1,    1, 1, 0, AFX_FACE_UP},
    {"OnlyAnUpFaceIsAlwaysUp",             1, 1, 1,    0, 0, 0, AFX_FACE_UP},
};

class ButtonFaceTest : public ::testing::TestWithParam<FaceRow> {};

TEST_P(ButtonFaceTest, ChoosesTheFaceOfTheState)
{
    const FaceRow& row = GetParam();
    const BOOL bHasFace[AFX_FACE_COUNT] = {TRUE, row.bHasDown, row.bHasFocus, row.bHasDisabled};
    EXPECT_EQ(AfxChooseButtonFace(row.bSelected, row.bFocus, row.bDisabled, bHasFace), row.expected);
}

INSTANTIATE_TEST_SUITE_P(States, ButtonFaceTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<FaceRow>& info) { return info.param.pszName; });

} // namespace
