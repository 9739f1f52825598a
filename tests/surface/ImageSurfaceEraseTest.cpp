// Drawing a figure again in the background colour must leave no trace: the
// animation erases its previous frame this way.

#include <gtest/gtest.h>

#include <functional>
#include <numbers>
#include <string>

#include "surface/qt/ImageSurface.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

constexpr Rgb kBack{90, 240, 240};
constexpr Rgb kInk{0, 0, 128};

struct Figure {
    std::string name;
    int width;
    LineStyle style;
    std::function<void(ImageSurface&, Rgb)> draw;
};

void PrintTo(const Figure& f, std::ostream* os) { *os << f.name; }

class ImageSurfaceErase : public ::testing::TestWithParam<Figure> {};

TEST_P(ImageSurfaceErase, RedrawingInBackgroundLeavesNoTrace) {
    surfacetest::ensureApp();
    for (qreal ratio : {1.0, 2.0, 1.5}) {
        ImageSurface s(QSize(240, 160), ratio);
        s.setWorld(-12, 8, 12, -8);  // fractional pixel positions on purpose
        s.setBackColor(kBack);
        s.setLineWidth(GetParam().width);
        s.setLineStyle(GetParam().style);
        GetParam().draw(s, kInk);
        ASSERT_GT(surfacetest::countOther(s.image(), kBack), 0) << "ratio " << ratio;
        GetParam().draw(s, kBack);
        EXPECT_EQ(surfacetest::countOther(s.image(), kBack), 0) << "ratio " << ratio;
    }
}

const float kDown = static_cast<float>(1.5 * std::numbers::pi);

INSTANTIATE_TEST_SUITE_P(
    Figures, ImageSurfaceErase,
    ::testing::Values(
        Figure{"ThinLine", 1, LineStyle::Solid, [](ImageSurface& s, Rgb c) { s.line(-9.3f, -5.1f, 7.7f, 6.05f, c); }},
        Figure{"Width2Line", 2, LineStyle::Solid, [](ImageSurface& s, Rgb c) { s.line(-9.3f, 5.1f, 7.7f, -6.05f, c); }},
        Figure{"Width29Line", 29, LineStyle::Solid, [](ImageSurface& s, Rgb c) { s.line(-3.3f, -1.1f, 4.7f, 2.05f, c); }},
        Figure{"DashedLine", 1, LineStyle::Dashed, [](ImageSurface& s, Rgb c) { s.line(-11.1f, 0.3f, 11.4f, -1.7f, c); }},
        Figure{"WideDashedLine", 3, LineStyle::Dashed, [](ImageSurface& s, Rgb c) { s.line(-11.1f, 0.3f, 11.4f, 3.7f, c); }},
        Figure{"Polyline", 2, LineStyle::Solid,
               [](ImageSurface& s, Rgb c) {
                   s.line(-8, -6, -4.2f, 3.3f, c);
                   s.lineTo(1.1f, -2.7f, c);
                   s.lineTo(7.9f, 5.5f, c);
               }},
        Figure{"LineOffTheEdge", 4, LineStyle::Solid, [](ImageSurface& s, Rgb c) { s.line(-30.2f, -20.1f, 3.3f, 1.7f, c); }},
        Figure{"Circle", 1, LineStyle::Solid, [](ImageSurface& s, Rgb c) { s.circle(1.3f, -0.7f, 5.55f, c); }},
        Figure{"WideCircle", 5, LineStyle::Solid, [](ImageSurface& s, Rgb c) { s.circle(-2.3f, 0.7f, 3.05f, c); }},
        Figure{"Arc", 3, LineStyle::Solid, [](ImageSurface& s, Rgb c) { s.arc(0.2f, 1.9f, 6.1f, kDown - 0.7f, kDown + 0.7f, c); }},
        Figure{"Dot", 5, LineStyle::Solid, [](ImageSurface& s, Rgb c) { s.point(2.71f, -3.14f, c); }}),
    [](const ::testing::TestParamInfo<Figure>& info) { return info.param.name; });

}  // namespace
}  // namespace orvalde
