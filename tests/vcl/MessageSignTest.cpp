// The message sign: a disc in the colour of the message's kind with its letter in the contrasting ink.
#include "GraphicsTestUtil.h"

#include "platform/vcl/Font.h"
#include "platform/vcl/MessageSign.h"

namespace message_sign_test {
namespace {

using graphics_test::At;
using graphics_test::MakeBitmap;

TEST(MessageSign, EachKindHasItsDiscColourAndLetterInk) {
    struct Case {
        TMessageSign Sign;
        TColor Fill;
        TColor Ink;
    };
    const Case cases[] = {{msInformation, clBlue, clWhite},
                          {msQuestion, clBlue, clWhite},
                          {msWarning, clYellow, clBlack},
                          {msError, clRed, clWhite}};
    TFont font;
    font.SetStyle(TFontStyles{fsBold});
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Sign));
        auto bitmap = MakeBitmap(40, 40, clGray);
        DrawMessageSign(bitmap->Canvas()->Handle(), RECT{4, 4, 36, 36}, c.Sign, &font);
        EXPECT_EQ(At(*bitmap, 20, 7), c.Fill);
        EXPECT_EQ(At(*bitmap, 6, 6), clGray) << "the corners stay as they were";
        EXPECT_EQ(At(*bitmap, 37, 20), clGray);
        bool inked = false;
        for (int y = 12; y < 28 && !inked; ++y)
            for (int x = 12; x < 28 && !inked; ++x)
                inked = At(*bitmap, x, y) == c.Ink;
        EXPECT_TRUE(inked) << "the letter shows in the middle";
    }
}

} // namespace
} // namespace message_sign_test
