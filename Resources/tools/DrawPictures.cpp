// Draws the program's eight pictures and writes them as PICT files into the
// folder named on the command line: seven 64 by 64 release badges and the
// maker's 170 by 65 logo. With --icons it draws the application icon instead,
// the logo's mark alone, as one PNG per size. The build runs it on Qt's
// offscreen platform.
//
// The badges are shown with white as transparent, so they keep a pure white
// surround and draw their labels in a white that is not quite pure.

#include <cstdio>
#include <cstdlib>
#include <cstring>
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

const QColor kIndigo(0x3B, 0x3F, 0xA8);

// The maker's mark, an indigo square with a "b", designed 48 units wide and
// scaled to the square given, so the logo and every icon size show one mark.
void DrawMark(QPainter& painter, const QRectF& square)
{
    painter.save();
    painter.translate(square.topLeft());
    painter.scale(square.width() / 48, square.height() / 48);
    FillRoundedSquare(painter, QRectF(0, 0, 48, 48), 10, kIndigo);
    painter.setFont(BoldFont(34));
    painter.setPen(kLabelWhite);
    painter.drawText(QRectF(-0.5, -2.5, 48, 48), Qt::AlignCenter, QStringLiteral("b"));
    painter.restore();
}

QImage DrawLogo()
{
    QImage image = WhiteImage(170, 65);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawMark(painter, QRectF(8.5, 8.5, 48, 48));
    painter.setFont(BoldFont(25));
    painter.setPen(QColor(0x2B, 0x2E, 0x3A));
    painter.drawText(QRectF(65, 6, 102, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("brelom"));
    QFont small = BoldFont(11);
    small.setBold(false);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    painter.setFont(small);
    painter.setPen(kIndigo);
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

// Icons sit on any background, so the mark's surround is transparent; the
// margin keeps it from looking larger than its neighbours in a launcher.
QImage DrawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal margin = size / 16.0;
    DrawMark(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
    return image;
}

bool WriteIcons(const std::filesystem::path& folder, char** sizes, int count)
{
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        const int size = std::atoi(sizes[i]);
        const std::filesystem::path path = folder / ("karvelio-" + std::to_string(size) + ".png");
        if (size < 16 || size > 1024 || !DrawIcon(size).save(QString::fromStdString(path.string()), "PNG")) {
            std::fprintf(stderr, "draw-pictures: cannot write a %s pixel icon to %s\n", sizes[i], path.c_str());
            ok = false;
        }
    }
    return ok;
}

bool WritePictures(const std::filesystem::path& folder)
{
    bool ok = true;
    for (const Badge& badge : kBadges) {
        ok = Write(folder, badge.file, DrawBadge(badge)) && ok;
    }
    return Write(folder, "brelom", DrawLogo()) && ok;
}

} // namespace

int main(int argc, char** argv)
{
    const bool icons = argc >= 3 && std::strcmp(argv[1], "--icons") == 0;
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: draw-pictures FOLDER\n"
                             "       draw-pictures --icons FOLDER SIZE...\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const std::filesystem::path folder = argv[icons ? 2 : 1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const bool ok = icons ? WriteIcons(folder, argv + 3, argc - 3) : WritePictures(folder);
    return ok ? 0 : 1;
}
