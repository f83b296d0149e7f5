#include "windows/Window2Design.h"

#include "framework/core/Color.h"
#include "windows/LinkLabel.h"
#include "windows/MakerAddresses.h"

namespace karvelio {

namespace {

// Osaka is the layout's font; where it is missing the framework falls back to
// a sans-serif font with Japanese glyphs.
constexpr const char* kFont = "Osaka";
constexpr fw::Color kBlack{0, 0, 0};
constexpr std::int32_t kCentredOnScreen = 2;
constexpr std::int32_t kDialogFrame = 2;

// Resizeable and MaximizeButton are True, yet the window keeps 300 by 180:
// its limits equal its size.
fw::WindowDesign MakeWindow()
{
    return {.placement = kCentredOnScreen,
            .width = 300,
            .height = 180,
            .minWidth = 300,
            .minHeight = 180,
            .maxWidth = 300,
            .maxHeight = 180,
            .frame = kDialogFrame,
            .composite = false,
            .hasBackColor = true,
            .backColor = {255, 255, 255},
            .title = "Karvelio",
            .visible = true,
            .fullScreen = false,
            .menuBarVisible = true,
            .closeButton = true,
            .resizeable = true,
            .liveResize = false,
            .maximizeButton = true,
            .minimizeButton = true,
            .macProcId = 0};
}

// The controls state only what differs from a new control's values; the
// canvas differs in nothing but its place.
Window2Design Make()
{
    return {
        .window = MakeWindow(),
        .pushButton1 = {.place = {.name = "PushButton1", .left = 216, .top = 150, .width = 69, .height = 20, .tabIndex = 0},
                        .caption = "Close",
                        .textFont = kFont,
                        .textSize = 12},
        // The page is shown without its trailing "/" and opened with it.
        .staticText1 = {.place = {.name = "StaticText1", .left = 20, .top = 117, .width = 210, .height = 20, .tabIndex = 1},
                        .text = MakerWebPage(),
                        .textColor = kLinkAtRest,
                        .textFont = kFont,
                        .underline = true,
                        .textSize = 11},
        .canvas1 = {.place = {.name = "Canvas1", .left = 65, .top = 9, .width = 170, .height = 65, .tabIndex = 2}},
        .staticText2 = {.place = {.name = "StaticText2", .left = 20, .top = 147, .width = 150, .height = 20, .tabIndex = 3},
                        .text = MakerMailLink(),
                        .textColor = kLinkAtRest,
                        .textFont = kFont,
                        .underline = true,
                        .textSize = 11},
        .staticText3 = {.place = {.name = "StaticText3", .left = 20, .top = 80, .width = 157, .height = 25, .tabIndex = 4},
                        .text = "Karvelio",
                        .textColor = kBlack,
                        .textFont = kFont,
                        .bold = true,
                        .textSize = 12},
        // Replaced by the application's version when the window opens.
        .staticText5 = {.place = {.name = "StaticText5", .left = 195, .top = 83, .width = 69, .height = 22, .tabIndex = 5},
                        .text = "Ver.1.20",
                        .textColor = kBlack,
                        .textFont = kFont,
                        .textSize = 9},
    };
}

} // namespace

const Window2Design& Window2Design::Get()
{
    static const Window2Design design = Make();
    return design;
}

} // namespace karvelio
