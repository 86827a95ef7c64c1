#include "app/frame.h"
#include "picture/image_get_step.h"
#include "picture/open_file_request.h"
#include "picture_test_files.h"
#include "wizard/pointer_places.h"

namespace mipro::testing {

namespace {

class PictureChoice : public PictureTest {
protected:
    void SetUp() override { EnterStepTwo(); }

    ScreenPoint PointerOn(Control c) {
        const ScreenPoint before = desk.pointer.position();
        GoPointerDefPos(w, {c});
        const ScreenPoint on = desk.pointer.position();
        desk.pointer.userMoves(before);
        return on;
    }
};

TEST_F(PictureChoice, FirstVisitWaitsOnTheBrowseButton) {
    EXPECT_EQ(w.st.StepNo, 2);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdBACK}));
    EXPECT_FALSE(desk.window.isEnabled({Control::cmdNEXT}));
    EXPECT_EQ(desk.window.focused(), (ControlRef{Control::cmdOPEN}));
    EXPECT_EQ(desk.pointer.position(), PointerOn(Control::cmdOPEN));
    EXPECT_FALSE(desk.window.isVisible({Control::picIMGCHK, 2}));
}

TEST_F(PictureChoice, FirstBrowseOffersTheFourFiltersFromTheProgramFolder) {
    ChooseFile(TempDir() + "missing.bmp");
    ASSERT_EQ(desk.dialogs.requests.size(), 1u);
    const OpenFileRequest& r = desk.dialogs.requests[0];
    ASSERT_EQ(r.filters.size(), 4u);
    EXPECT_EQ(r.filters[0].displayText, "Windowsﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)");
    EXPECT_EQ(r.filters[0].pattern, "*.BMP");
    EXPECT_EQ(r.filters[1].displayText, "GIF(*.gif)");
    EXPECT_EQ(r.filters[1].pattern, "*.GIF");
    EXPECT_EQ(r.filters[2].displayText, "JPEG(*.jpg)");
    EXPECT_EQ(r.filters[2].pattern, "*.JPG");
    EXPECT_EQ(r.filters[3].displayText, "すべてのﾌｧｲﾙ(*.*)");
    EXPECT_EQ(r.filters[3].pattern, "*.*");
    EXPECT_EQ(r.filterIndex, 0);
    EXPECT_EQ(r.initialDirectory, "/opt/mipro/");
}

TEST(OpenFileRequest, FilterFollowsTheLastThreeLettersOfThePreviousPicture) {
    const std::string folder = "C:\\prog\\";
    EXPECT_EQ(BuildOpenFileRequest("", folder).filterIndex, 0);
    EXPECT_EQ(BuildOpenFileRequest("C:\\a\\b.gif", folder).filterIndex, 2);
    EXPECT_EQ(BuildOpenFileRequest("C:\\a\\b.GiF", folder).filterIndex, 2);
    EXPECT_EQ(BuildOpenFileRequest("C:\\a\\b.jpg", folder).filterIndex, 3);
    EXPECT_EQ(BuildOpenFileRequest("C:\\a\\b.JPG", folder).filterIndex, 3);
    EXPECT_EQ(BuildOpenFileRequest("C:\\a\\b.jpeg", folder).filterIndex, 1);
    EXPECT_EQ(BuildOpenFileRequest("C:\\a\\b.bmp", folder).filterIndex, 1);
    EXPECT_EQ(BuildOpenFileRequest("C:\\a\\b.png", folder).filterIndex, 1);
    EXPECT_EQ(BuildOpenFileRequest("C:\\a\\写真gif", folder).filterIndex, 2);
    EXPECT_EQ(BuildOpenFileRequest("if", folder).filterIndex, 1);
}

TEST(OpenFileRequest, StartsAtThePreviousPictureElseTheProgramFolder) {
    EXPECT_EQ(BuildOpenFileRequest("", "C:\\prog\\").initialDirectory, "C:\\prog\\");
    EXPECT_EQ(BuildOpenFileRequest("D:\\絵\\a.gif", "C:\\prog\\").initialDirectory, "D:\\絵\\a.gif");
}

TEST_F(PictureChoice, LoadedPictureCompletesTheStepAndMovesToNext) {
    w.st.StepDone(3, 0) = True;
    desk.log.clear();
    const std::string path = ChoosePicture(Picture(30, 20, 0), "a picture.GIF.bmp");
    EXPECT_EQ(SoundsPlayed(), std::vector<int>{kClickBytes});
    EXPECT_EQ(w.st.ImgFileName, path);
    EXPECT_EQ(desk.window.caption({Control::txtIMGFILENAME}), path);
    EXPECT_EQ(w.st.StepDone(2, 0), True);
    EXPECT_EQ(w.st.StepDone(3, 0), False);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdNEXT}));
    EXPECT_EQ(desk.window.focused(), (ControlRef{Control::cmdNEXT}));
    EXPECT_EQ(desk.pointer.position(), PointerOn(Control::cmdNEXT));
    EXPECT_TRUE(desk.window.windowEnabled());
    EXPECT_EQ(desk.log.count(sim::EventKind::DoEvents), 1);

    ChooseFile(TempDir() + "missing.bmp");
    EXPECT_EQ(desk.dialogs.requests.back().filterIndex, 1);
    EXPECT_EQ(desk.dialogs.requests.back().initialDirectory, path);
}

TEST_F(PictureChoice, CancelKeepsEverything) {
    const std::string path = ChoosePicture(Picture(30, 20, 0));
    w.st.StepDone(3, 0) = True;
    desk.dialogs.files.push_back(std::nullopt);
    cmdOPEN_Click(w);
    EXPECT_EQ(w.st.ImgFileName, path);
    EXPECT_EQ(w.st.StepDone(3, 0), True);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdNEXT}));
    EXPECT_TRUE(desk.window.windowEnabled());
    EXPECT_TRUE(desk.dialogs.shown.empty());
}

TEST_F(PictureChoice, FailedLoadKeepsTheFileNameAndTheFlags) {
    const std::string path = ChoosePicture(Picture(30, 20, 0));
    w.st.StepDone(3, 0) = True;
    ChooseFile(TempDir() + "missing.gif");
    EXPECT_EQ(w.st.ImgFileName, path);
    EXPECT_EQ(desk.window.caption({Control::txtIMGFILENAME}), path);
    EXPECT_EQ(w.st.StepDone(2, 0), True);
    EXPECT_EQ(w.st.StepDone(3, 0), True);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdNEXT}));
}

TEST_F(PictureChoice, FailedFirstLoadLeavesTheStepNotDone) {
    ChooseFile(TempDir() + "missing.bmp");
    EXPECT_EQ(w.st.StepDone(2, 0), False);
    EXPECT_TRUE(w.st.ImgFileName.empty());
    EXPECT_FALSE(desk.window.isEnabled({Control::cmdNEXT}));
}

TEST_F(PictureChoice, ComingBackAfterALoadShowsTheThumbnailAndLeavesThePointer) {
    ChoosePicture(Picture(30, 20, 0));
    w.st.StepDone(3, 0) = True;  // step 3 already extracted: passing through it does nothing
    cmdNEXT_Click(w);
    cmdBACK_Click(w);
    desk.pointer.userMoves({7, 9});
    desk.window.setVisible({Control::picIMGCHK, 2}, false);
    cmdNEXT_Click(w);
    cmdBACK_Click(w);
    EXPECT_EQ(w.st.StepNo, 2);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdBACK}));
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdNEXT}));
    EXPECT_TRUE(desk.window.isVisible({Control::picIMGCHK, 2}));
    EXPECT_EQ(desk.pointer.position(), (ScreenPoint{7, 9}));
}

}  // namespace

}  // namespace mipro::testing
