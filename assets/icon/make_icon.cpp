// Draws the Quarvex program icon from board cells, as a scalable SVG and as PNGs of
// the usual theme sizes, both from the one cell table below. Run by the build:
//   make_icon OUTDIR SIZE...   writes OUTDIR/quarvex.svg and OUTDIR/SIZExSIZE/quarvex.png
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The icon is 256 units across: a board of 4 x 4 cells of 64 units on the board's grey.
constexpr double kSide = 256;
constexpr double kCell = 64;
constexpr double kCorner = 28;
constexpr double kInset = 7;    // the board leaves 28 of 250 units around a cell's box
constexpr double kBorder = 6;   // the box outline, thicker than on the board so it shows at 16 pixels
constexpr double kGridLine = 2;
const QColor kBack(128, 128, 128);
const QColor kGrid(200, 200, 220);
const QColor kFill(0, 0, 0);
const QColor kLanded(255, 255, 0);
const QColor kFalling(0, 255, 255);

struct Cell {
    int col;
    int row;
    QColor border;
};

// Landed rows with a gap, and a falling figure about to close it.
const Cell kCells[] = {
    {1, 0, kFalling}, {2, 0, kFalling}, {2, 1, kFalling},
    {0, 1, kLanded},  {0, 2, kLanded},  {1, 2, kLanded},  {3, 2, kLanded},
    {0, 3, kLanded},  {1, 3, kLanded},  {3, 3, kLanded},
};

QString Hex(const QColor& c) { return c.name(QColor::HexRgb); }

QString Svg()
{
    QString s;
    QTextStream out(&s);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSide << "\" height=\"" << kSide
        << "\" viewBox=\"0 0 " << kSide << " " << kSide << "\">\n"
        << "  <title>Quarvex</title>\n"
        << "  <rect width=\"" << kSide << "\" height=\"" << kSide << "\" rx=\"" << kCorner << "\" fill=\""
        << Hex(kBack) << "\"/>\n";
    for (int i = 1; i < 4; ++i) {
        const double at = i * kCell - kGridLine / 2;
        out << "  <rect x=\"" << at << "\" y=\"0\" width=\"" << kGridLine << "\" height=\"" << kSide
            << "\" fill=\"" << Hex(kGrid) << "\"/>\n"
            << "  <rect x=\"0\" y=\"" << at << "\" width=\"" << kSide << "\" height=\"" << kGridLine
            << "\" fill=\"" << Hex(kGrid) << "\"/>\n";
    }
    // The outline lies inside the box, as on the board: stroke centred half a border in.
    const double box = kCell - 2 * kInset;
    for (const Cell& c : kCells)
        out << "  <rect x=\"" << c.col * kCell + kInset + kBorder / 2 << "\" y=\""
            << c.row * kCell + kInset + kBorder / 2 << "\" width=\"" << box - kBorder << "\" height=\""
            << box - kBorder << "\" fill=\"" << Hex(kFill) << "\" stroke=\"" << Hex(c.border)
            << "\" stroke-width=\"" << kBorder << "\"/>\n";
    out << "</svg>\n";
    return s;
}

// Rectangles land on whole pixels so that even the 16-pixel icon shows clean cells.
QRect Snapped(double x, double y, double w, double h, double k)
{
    const int left = qRound(x * k), top = qRound(y * k);
    return QRect(left, top, std::max(1, qRound((x + w) * k) - left), std::max(1, qRound((y + h) * k) - top));
}

QImage Png(int size)
{
    const double k = size / kSide;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QPainterPath back;
    back.addRoundedRect(QRectF(0, 0, size, size), kCorner * k, kCorner * k);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(back, kBack);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipPath(back);
    for (int i = 1; i < 4; ++i) {
        const double at = i * kCell - kGridLine / 2;
        p.fillRect(Snapped(at, 0, kGridLine, kSide, k), kGrid);
        p.fillRect(Snapped(0, at, kSide, kGridLine, k), kGrid);
    }
    const double box = kCell - 2 * kInset;
    const int border = std::max(1, qRound(kBorder * k));
    for (const Cell& c : kCells) {
        const QRect outer = Snapped(c.col * kCell + kInset, c.row * kCell + kInset, box, box, k);
        p.fillRect(outer, c.border);
        p.fillRect(outer.adjusted(border, border, -border, -border), kFill);
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icon OUTDIR SIZE...\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QFile svg(dir + "/quarvex.svg");
    if (!QDir().mkpath(dir) || !svg.open(QIODevice::WriteOnly) || svg.write(Svg().toUtf8()) < 0) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString sub = dir + QString("/%1x%1").arg(size);
        if (size <= 0 || !QDir().mkpath(sub) || !Png(size).save(sub + "/quarvex.png")) {
            std::fprintf(stderr, "make_icon: cannot write the %s pixel icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
