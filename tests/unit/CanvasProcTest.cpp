// Every message reaches the control's own procedure exactly once, after the
// canvas's own handling, and its result is what CanvasProc returns.

#include "CanvasTesting.h"

#include <string>

namespace {

constexpr LResult OLD_PROC_RESULT = 0x5A5A;

struct Call {
    Handle window;
    MessageId message;
    WParam wParam;
    LParam lParam;
    std::pair<int, int> offsetSeen;
};

std::vector<Call>& Calls() {
    static std::vector<Call> calls;
    return calls;
}

LResult RecordingOldProc(Handle window, MessageId message, WParam wParam, LParam lParam) {
    const DragItem& paper = Editing().DragItems.at(PAPER_ITEM);
    Calls().push_back({window, message, wParam, lParam, {paper.X, paper.Y}});
    return OLD_PROC_RESULT;
}

struct PassOnCase {
    std::string name;
    MessageId message;
    WParam wParam;
    LParam lParam;
};

class PassOn : public CanvasTest, public testing::WithParamInterface<PassOnCase> {
  protected:
    void SetUp() override {
        CanvasTest::SetUp();
        ASSERT_NE(Editing().OldCanvasProc, nullptr) << "the control's own procedure was kept";
        ASSERT_NE(Editing().OldCanvasProc, &CanvasProc);
        Editing().OldCanvasProc = RecordingOldProc;
        Calls().clear();
    }
};

TEST_P(PassOn, EveryMessageGoesOnOnceWithItsParametersAndItsResultComesBack) {
    const PassOnCase& c = GetParam();
    for (std::int32_t mode : {MovePaper, EditTransparent, EditRealColourBlock}) {
        Calls().clear();
        Mode(mode);
        EXPECT_EQ(Send(c.message, c.wParam, c.lParam), OLD_PROC_RESULT) << c.name;
        ASSERT_EQ(Calls().size(), 1u) << c.name << " in mode " << mode;
        EXPECT_EQ(Calls()[0].window, canvas);
        EXPECT_EQ(Calls()[0].message, c.message);
        EXPECT_EQ(Calls()[0].wParam, c.wParam);
        EXPECT_EQ(Calls()[0].lParam, c.lParam);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CanvasProc, PassOn,
    testing::Values(PassOnCase{"KeyThatActs", WM_KEYDOWN, VK_END, 1},
                    PassOnCase{"KeyThatDoesNothing", WM_KEYDOWN, 'Q', 1},
                    PassOnCase{"Wheel", WM_MOUSEWHEEL, MakeWParam(0, -120), MakeLParam(5, 5)},
                    PassOnCase{"Move", WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(40, 40)},
                    PassOnCase{"MoveOutside", WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(-40, -40)},
                    PassOnCase{"Press", WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(45, 45)},
                    PassOnCase{"Release", WM_LBUTTONUP, 0, MakeLParam(45, 45)},
                    PassOnCase{"Size", WM_SIZE, SIZE_RESTORED, MakeLParam(1198, 948)},
                    PassOnCase{"Close", WM_CLOSE, 0, 0},
                    PassOnCase{"RightButton", 0x0204, 0x0002, MakeLParam(45, 45)},
                    PassOnCase{"KeyUp", 0x0101, VK_RIGHT, LParam(0xC0000001)}),
    [](const testing::TestParamInfo<PassOnCase>& info) { return info.param.name; });

TEST_F(PassOn, TheCanvasHandlesAMessageBeforePassingItOn) {
    Key(VK_RIGHT);
    Key(VK_DOWN);
    ASSERT_EQ(Calls().size(), 2u);
    EXPECT_EQ(Calls()[0].offsetSeen, std::make_pair(-10, 0));
    EXPECT_EQ(Calls()[1].offsetSeen, std::make_pair(-10, -10));
}

TEST_F(PassOn, OtherMessagesChangeNothing) {
    Mode(EditTransparent);
    Send(0x0204, 0x0002, MakeLParam(45, 45));     // right button
    Send(0x0203, MK_LBUTTON, MakeLParam(45, 45)); // double click
    Send(0x0101, VK_RIGHT, 1);                    // key up
    EXPECT_EQ(Editing().ButtonDown, 0);
    EXPECT_EQ(Offset(), std::make_pair(0, 0));
    EXPECT_EQ(Refreshes(), 0);
    ExpectPicture(loaded);
}

TEST(CanvasProcBeforeTheWindow, PassesOnAndChangesNothingWithoutAPaper) {
    ResetEditingState();
    EXPECT_EQ(CanvasProc(0, WM_KEYDOWN, VK_END, 1), 0);
    EXPECT_EQ(CanvasProc(0, WM_MOUSEWHEEL, MakeWParam(0, -120), 0), 0);
    EXPECT_EQ(CanvasProc(0, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5)), 0);
    EXPECT_EQ(CanvasProc(0, WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(9, 9)), 0);
    Editing().MouseMode = EditTransparentBlock;
    EXPECT_EQ(CanvasProc(0, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5)), 0);
    EXPECT_EQ(CanvasProc(0, WM_LBUTTONUP, 0, MakeLParam(5, 5)), 0);
    EXPECT_TRUE(Editing().DragItems.empty());
    ResetEditingState();
}

} // namespace
