#include "windows/Window1Design.h"

#include "framework/core/Color.h"
#include "windows/LinkLabel.h"
#include "windows/MakerAddresses.h"

namespace karvelio {

namespace {

// Osaka is the layout's font; where it is missing the framework falls back to
// a sans-serif font with Japanese glyphs.
constexpr const char* kFont = "Osaka";
constexpr fw::Color kBlack{0, 0, 0};
constexpr std::int32_t kCentred = 1;

Window1Design Make()
{
    return {
        .window = {.placement = 0,
                   .width = 280,
                   .height = 150,
                   .minWidth = 280,
                   .minHeight = 150,
                   .maxWidth = 280,
                   .maxHeight = 150,
                   .frame = 0,
                   .composite = false,
                   .hasBackColor = false,
                   .backColor = {255, 255, 255},
                   .title = "",
                   .visible = true,
                   .fullScreen = false,
                   .menuBarVisible = true,
                   .closeButton = true,
                   .resizeable = false,
                   .liveResize = false,
                   .maximizeButton = false,
                   .minimizeButton = false,
                   .macProcId = 0},
        .pushButton2 = {.place = {.name = "PushButton2", .left = 183, .top = 111, .width = 69, .height = 20, .tabIndex = 0},
                        .caption = "閉じる",
                        .textFont = kFont,
                        .textSize = 12},
        .staticText1 = {.place = {.name = "StaticText1", .left = 20, .top = 10, .width = 240, .height = 20, .tabIndex = 1},
                        .text = "Karvelio",
                        .textColor = kBlack,
                        .textFont = kFont,
                        .textSize = 12},
        .staticText2 = {.place = {.name = "StaticText2", .left = 104, .top = 42, .width = 161, .height = 20, .tabIndex = 2},
                        .text = "Adobe InDesign CS3",
                        .textColor = kBlack,
                        .textFont = kFont,
                        .textSize = 12},
        .canvas1 = {.place = {.name = "Canvas1", .left = 34, .top = 42, .width = 64, .height = 64, .tabIndex = 3}},
        .staticText3 = {.place = {.name = "StaticText3", .left = 105, .top = 61, .width = 137, .height = 18, .tabIndex = 4},
                        .text = "Macintosh Edition",
                        .textColor = kBlack,
                        .textFont = kFont,
                        .textSize = 10},
        .staticText4 = {.place = {.name = "StaticText4", .left = 20, .top = 114, .width = 151, .height = 20, .tabIndex = 5},
                        .text = MakerWebLink(),
                        .textColor = kLinkAtRest,
                        .textFont = kFont,
                        .textSize = 12},
        .staticText5 = {.place = {.name = "StaticText5", .left = 105, .top = 82, .width = 160, .height = 25, .tabIndex = 6},
                        .text = "サブバージョン不明",
                        .textAlign = kCentred,
                        .textColor = kBlack,
                        .textFont = kFont,
                        .textSize = 14},
    };
}

} // namespace

const Window1Design& Window1Design::Get()
{
    static const Window1Design design = Make();
    return design;
}

} // namespace karvelio
