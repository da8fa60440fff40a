#include "StdCtrlsTestSupport.h"

#include "platform/vcl/Panel.h"
#include "platform/vcl/Splitter.h"

#include <gtest/gtest.h>

namespace splitter_test {

using stdctrls_test::StdCtrlsTest;

class SplitterTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        left = new TPanel(form);
        left->SetAlign(alLeft);
        left->SetWidth(100);
        left->SetParent(form);
        splitter = new TSplitter(form);
        splitter->SetLeft(101);
        splitter->SetParent(form);
        rest = new TPanel(form);
        rest->SetAlign(alClient);
        rest->SetParent(form);
        splitter->SetMinSize(40);
        ShowForm();
    }
    void Drag(int dx) {
        MouseDown(splitter, 1, 50);
        MouseMoveTo(splitter, 1 + dx, 50);
        MouseUp(splitter, 1 + dx, 50);
        Advance(1000);
    }
    TPanel* left = nullptr;
    TSplitter* splitter = nullptr;
    TPanel* rest = nullptr;
};

TEST_F(SplitterTest, DraggingResizesTheNeighbourWithinTheMinimumSizes) {
    ASSERT_EQ(splitter->FindControl(), left);
    EXPECT_EQ(splitter->Left(), 100);
    int moves = 0;
    splitter->OnMoved = [&](TObject*) { ++moves; };
    Drag(50);
    EXPECT_EQ(left->Width(), 150);
    EXPECT_EQ(splitter->Left(), 150);
    EXPECT_EQ(rest->Left(), 153);
    Drag(-500);
    EXPECT_EQ(left->Width(), 40);
    const int client = form->ClientWidth();
    Drag(1000);
    EXPECT_EQ(left->Width(), client - 3 - 40); // the rest keeps its minimum
    EXPECT_EQ(rest->Width(), 40);
    EXPECT_EQ(moves, 3);
}

TEST_F(SplitterTest, OnCanResizeMayChangeOrRefuse) {
    splitter->OnCanResize = [](TObject*, int& size, bool& accept) {
        if (size > 200) accept = false;
        size = size / 10 * 10;
    };
    Drag(37);
    EXPECT_EQ(left->Width(), 130);
    Drag(150);
    EXPECT_EQ(left->Width(), 130);
}

} // namespace splitter_test
