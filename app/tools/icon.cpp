// Draws the application icon from the program's own figure: the two cheeks
// and the cycloid the bob moves on, as the start-up builds them, with the
// string and the bob. Writes orvalde.svg and orvalde-48/128/256.png; the
// files in packaging/icons come from here.
//
//   orvalde-icon OUTDIR

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "app/HeadlessOrvalde.h"

namespace {

struct Figure {
    std::vector<QPointF> cheeks, cycloid;
    QPointF cusp, bob;
};

// World (y up) into a 256-unit square (y down) with a margin.
Figure BuildFigure() {
    orvalde::HeadlessOrvalde program(1920, 1080, /*keepDrawing=*/false);
    program.form.Main();
    const orvalde::CurveTables& t = program.form.sim().tables;
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    for (std::size_t i = 0; i < t.evoluteX.size(); ++i) {
        for (auto [x, y] : {std::pair{t.evoluteX[i], t.evoluteY[i]}, std::pair{t.pathX[i], t.pathY[i]}}) {
            left = std::min<double>(left, x), right = std::max<double>(right, x);
            bottom = std::min<double>(bottom, y), top = std::max<double>(top, y);
        }
    }
    const double scale = 216 / std::max(right - left, top - bottom);
    const double dx = 128 - scale * (left + right) / 2, dy = 128 + scale * (top + bottom) / 2;
    auto map = [&](double x, double y) { return QPointF(dx + scale * x, dy - scale * y); };
    Figure f;
    for (std::size_t i = 0; i < t.evoluteX.size(); ++i) {
        f.cheeks.push_back(map(t.evoluteX[i], t.evoluteY[i]));
        f.cycloid.push_back(map(t.pathX[i], t.pathY[i]));
    }
    // The cusp where the cheeks meet, and the bob a third of the way along
    // the path, hanging from it.
    std::size_t highest = 0;
    for (std::size_t i = 0; i < f.cheeks.size(); ++i)
        if (f.cheeks[i].y() < f.cheeks[highest].y()) highest = i;
    f.cusp = f.cheeks[highest];
    f.bob = f.cycloid[f.cycloid.size() / 3];
    return f;
}

QString Points(const std::vector<QPointF>& points) {
    QString text;
    for (const QPointF& p : points) text += QString::asprintf("%.2f,%.2f ", p.x(), p.y());
    return text.trimmed();
}

constexpr const char* kBackground = "#5af0f0";  // the window's background
constexpr const char* kCheeks = "#0000ff";
constexpr const char* kCycloid = "#ff0000";

QString Svg(const Figure& f) {
    return QString(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
               "  <rect x=\"4\" y=\"4\" width=\"248\" height=\"248\" rx=\"36\" fill=\"%1\"/>\n"
               "  <polyline points=\"%2\" fill=\"none\" stroke=\"%3\" stroke-width=\"10\" stroke-linejoin=\"round\"/>\n"
               "  <polyline points=\"%4\" fill=\"none\" stroke=\"%5\" stroke-width=\"8\" stroke-linejoin=\"round\"/>\n"
               "  <line x1=\"%6\" y1=\"%7\" x2=\"%8\" y2=\"%9\" stroke=\"#000000\" stroke-width=\"5\"/>\n"
               "  <circle cx=\"%8\" cy=\"%9\" r=\"16\" fill=\"#000000\"/>\n"
               "</svg>\n")
        .arg(kBackground, Points(f.cheeks), kCheeks, Points(f.cycloid), kCycloid)
        .arg(f.cusp.x(), 0, 'f', 2)
        .arg(f.cusp.y(), 0, 'f', 2)
        .arg(f.bob.x(), 0, 'f', 2)
        .arg(f.bob.y(), 0, 'f', 2);
}

QImage Png(const Figure& f, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kBackground));
    p.drawRoundedRect(QRectF(4, 4, 248, 248), 36, 36);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(kCheeks), 10, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPolyline(f.cheeks.data(), static_cast<int>(f.cheeks.size()));
    p.setPen(QPen(QColor(kCycloid), 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPolyline(f.cycloid.data(), static_cast<int>(f.cycloid.size()));
    p.setPen(QPen(Qt::black, 5));
    p.drawLine(f.cusp, f.bob);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(f.bob, 16, 16);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: orvalde-icon OUTDIR\n");
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const Figure figure = BuildFigure();
    std::ofstream svg((dir + "/orvalde.svg").toStdString());
    svg << Svg(figure).toStdString();
    bool ok = static_cast<bool>(svg);
    for (int size : {48, 128, 256}) ok = ok && Png(figure, size).save(dir + QString("/orvalde-%1.png").arg(size));
    if (!ok) {
        std::fprintf(stderr, "orvalde-icon: could not write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
