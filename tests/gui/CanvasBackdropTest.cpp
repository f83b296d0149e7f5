// A canvas draws its backdrop picture at its top-left corner; white is left
// out when the picture's Transparent is 1, and a backdrop set before the
// canvas's blob survives it.

#include <QImage>
#include <QWidget>

#include "framework/core/CanvasDesign.h"
#include "framework/core/Color.h"
#include "framework/core/Picture.h"
#include "framework/gui/Canvas.h"
#include "tests/gui/GuiTestSupport.h"

namespace fw::test {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kRed = 0xFFFF0000u;

// 4 by 2: a red left half, a white right half.
Ref<Picture> HalfRed()
{
    auto picture = New<Picture>(4, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            picture->SetPixel(x, y, x < 2 ? kRed : kWhite);
        }
    }
    return picture;
}

class CanvasBackdropTest : public GuiTest {
protected:
    // A window with a green background and one 8 by 8 canvas that does not
    // erase its own, so transparent pixels show the window's green.
    Ref<Canvas> MakeCanvas(const Ref<Picture>& backdrop)
    {
        WindowDesign green = FixedWindow();
        green.hasBackColor = true;
        green.backColor = RGB(0, 0x80, 0);
        m_window = MakeWindow(green.Encode(), [&](TestWindow& w) {
            w.AddControl("Canvas1", w.New<Canvas>());
            const auto canvas = RuntimeCheckCast<Canvas>(w.ControlByName("Canvas1"));
            canvas->SetBackdrop(backdrop);
            SetProperties(canvas, CanvasDesign{.place = {.name = "Canvas1", .left = 10, .top = 10, .width = 8, .height = 8},
                                               .eraseBackground = false}
                                      .Encode());
        });
        Settle();
        return RuntimeCheckCast<Canvas>(m_window->ControlByName("Canvas1"));
    }

    static QImage Shot(const Ref<Canvas>& canvas) { return canvas->Widget()->grab().toImage(); }

    Ref<TestWindow> m_window;
};

TEST_F(CanvasBackdropTest, DrawsAtTheTopLeftAndKeepsItThroughTheBlob)
{
    const auto picture = HalfRed();
    const auto canvas = MakeCanvas(picture);
    EXPECT_EQ(canvas->Backdrop(), picture);
    const QImage shot = Shot(canvas);
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(3, 1), QColor(Qt::white)) << "Transparent 0 draws white";
    EXPECT_EQ(shot.pixelColor(6, 6), QColor(0, 0x80, 0)) << "outside the picture: the window shows through";
}

TEST_F(CanvasBackdropTest, TransparentOneLeavesWhiteOut)
{
    const auto picture = HalfRed();
    picture->SetTransparent(1);
    const QImage shot = Shot(MakeCanvas(picture));
    EXPECT_EQ(shot.pixelColor(1, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(3, 1), QColor(0, 0x80, 0));
}

TEST_F(CanvasBackdropTest, NilDrawsNothingAndReplacesAnEarlierPicture)
{
    const auto canvas = MakeCanvas(HalfRed());
    canvas->SetBackdrop(nullptr);
    Settle();
    EXPECT_EQ(canvas->Backdrop(), nullptr);
    EXPECT_EQ(Shot(canvas).pixelColor(0, 0), QColor(0, 0x80, 0));
}

} // namespace
} // namespace fw::test
