// A wizard that has loaded a picture in step 2 and can enter step 3.
#pragma once

#include "app/frame.h"
#include "picture_test_files.h"

namespace mipro::testing {

class PixelsTest : public PictureTest {
protected:
    using PictureTest::PictureTest;

    // Loads the picture in step 2 and presses Next, which runs the extraction.
    void Extract(const Picture& picture) {
        EnterStepTwo();
        ChoosePicture(picture);
        cmdNEXT_Click(w);
    }

    std::vector<std::string> Sorted() { return ReadCrLfLines(w.st.SortFile); }
    std::vector<std::string> Unsorted() { return ReadCrLfLines(w.st.PixFile); }
    std::string Status() { return desk.window.caption({Control::lblSTINFO, 3}); }
};

}  // namespace mipro::testing
