// Draws the program's eight pictures and writes them as PICT files into the
// folder named on the command line: seven 64 by 64 release badges and the
// maker's 170 by 65 logo. The build runs it on Qt's offscreen platform.
//
// The badges are shown with white as transparent, so they keep a pure white
// surround and draw their labels in a white that is not quite pure.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "Resources/tools/PictWriter.h"
#include "framework/gui/QtImageDecoder.h"

namespace {

struct Badge {
    const char* file;
    const char* label;
    QColor colour;
    int textPixels;
};

// One hue per release, far enough apart to tell at a glance; the unknown
// release is grey.
const Badge kBadges[] = {
    { "cs", "CS", QColor(0x1F, 0x63, 0xB5), 24 },
    { "cs2", "CS2", QColor(0x2A, 0x93, 0x4A), 20 },
    { "cs3", "CS3", QColor(0xE0, 0x7A, 0x1F), 20 },
    { "cs4", "CS4", QColor(0x7D, 0x3C, 0xB0), 20 },
    { "cs5", "CS5", QColor(0xC6, 0x2E, 0x3A), 20 },
    { "cs55", "CS5.5", QColor(0x0E, 0x93, 0x97), 15 },
    { "ind", "?", QColor(0x80, 0x88, 0x90), 34 },
};

const QColor kLabelWhite(0xFE, 0xFE, 0xFE);

QFont BoldFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

QImage WhiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

void FillRoundedSquare(QPainter& painter, const QRectF& box, qreal radius, const QColor& colour)
{
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, colour.lighter(125));
    gradient.setColorAt(1, colour.darker(115));
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    painter.fillPath(path, gradient);
    painter.setPen(QPen(colour.darker(140), 1.5));
    painter.drawPath(path);
}

QImage DrawBadge(const Badge& badge)
{
    QImage image = WhiteImage(64, 64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    FillRoundedSquare(painter, QRectF(4.5, 4.5, 55, 55), 11, badge.colour);
    painter.setPen(QPen(kLabelWhite.darker(102), 1));
    painter.drawLine(QPointF(14, 47.5), QPointF(50, 47.5)); // underline that says "badge", not "button"
    painter.setFont(BoldFont(badge.textPixels));
    painter.setPen(kLabelWhite);
    painter.drawText(QRectF(4, 6, 56, 42), Qt::AlignCenter, QString::fromLatin1(badge.label));
    return image;
}

QImage DrawLogo()
{
    QImage image = WhiteImage(170, 65);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor indigo(0x3B, 0x3F, 0xA8);
    FillRoundedSquare(painter, QRectF(8.5, 8.5, 48, 48), 10, indigo);
    painter.setFont(BoldFont(34));
    painter.setPen(kLabelWhite);
    painter.drawText(QRectF(8, 6, 48, 48), Qt::AlignCenter, QStringLiteral("b"));
    painter.setFont(BoldFont(25));
    painter.setPen(QColor(0x2B, 0x2E, 0x3A));
    painter.drawText(QRectF(65, 6, 102, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("brelom"));
    QFont small = BoldFont(11);
    small.setBold(false);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    painter.setFont(small);
    painter.setPen(indigo);
    painter.drawText(QRectF(65, 38, 104, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SOFTWARE"));
    return image;
}

bool Write(const std::filesystem::path& folder, const std::string& name, const QImage& image)
{
    const std::filesystem::path path = folder / (name + ".pct");
    const fw::Ref<fw::Picture> picture = fw::PictureFromQImage(image);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string bytes = karvelio::tools::WritePict(*picture);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "draw-pictures: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-pictures FOLDER\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool ok = true;
    for (const Badge& badge : kBadges) {
        ok = Write(folder, badge.file, DrawBadge(badge)) && ok;
    }
    ok = Write(folder, "brelom", DrawLogo()) && ok;
    return ok ? 0 : 1;
}
