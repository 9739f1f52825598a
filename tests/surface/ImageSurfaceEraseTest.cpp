// Drawing a figure again in the background colour must leave no trace: the
// animation erases its previous frame this way.

#include <gtest/gtest.h>

#include <functional>
#include <numbers>

#include "surface/qt/ImageSurface.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

constexpr Rgb kBack{90, 240, 240};

struct Figure {
    const char* name;
    int width;
    LineStyle style;
    std::function<void(ImageSurface&, Rgb)> draw;
};

class ImageSurfaceErase : public ::testing::TestWithParam<Figure> {};

TEST_P(ImageSurfaceErase, RedrawingInBackgroundLeavesNoTrace) {
    surfacetest::ensureApp();
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        ImageSurface s(QSize(240, 160), ratio);
        s.setWorld(-12, 8, 12, -8);  // ends fall between pixels
        s.setBackColor(kBack);
        s.setLineWidth(GetParam().width);
        s.setLineStyle(GetParam().style);
        GetParam().draw(s, Rgb{0, 0, 128});
        ASSERT_GT(surfacetest::countOther(s.image(), kBack), 0) << ratio;
        GetParam().draw(s, kBack);
        EXPECT_EQ(surfacetest::countOther(s.image(), kBack), 0) << ratio;
    }
}

const float kDown = static_cast<float>(1.5 * std::numbers::pi);
using S = ImageSurface&;

INSTANTIATE_TEST_SUITE_P(
    Figures, ImageSurfaceErase,
    ::testing::Values(Figure{"Thin", 1, LineStyle::Solid, [](S s, Rgb c) { s.line(-9.3f, -5.1f, 7.7f, 6.05f, c); }},
                      Figure{"Width2", 2, LineStyle::Solid, [](S s, Rgb c) { s.line(-9.3f, 5.1f, 7.7f, -6.05f, c); }},
                      Figure{"Width29", 29, LineStyle::Solid, [](S s, Rgb c) { s.line(-3.3f, -1.1f, 4.7f, 2.05f, c); }},
                      Figure{"Dashed", 1, LineStyle::Dashed, [](S s, Rgb c) { s.line(-11.1f, 0.3f, 11.4f, -1.7f, c); }},
                      Figure{"WideDashed", 3, LineStyle::Dashed, [](S s, Rgb c) { s.line(-11, 0.3f, 11.4f, 3.7f, c); }},
                      Figure{"OffTheEdge", 4, LineStyle::Solid, [](S s, Rgb c) { s.line(-30.2f, -20.1f, 3.3f, 1.7f, c); }},
                      Figure{"Circle", 1, LineStyle::Solid, [](S s, Rgb c) { s.circle(1.3f, -0.7f, 5.55f, c); }},
                      Figure{"WideCircle", 5, LineStyle::Solid, [](S s, Rgb c) { s.circle(-2.3f, 0.7f, 3.05f, c); }},
                      Figure{"Arc", 3, LineStyle::Solid,
                             [](S s, Rgb c) { s.arc(0.2f, 1.9f, 6.1f, kDown - 0.7f, kDown + 0.7f, c); }},
                      Figure{"Dot", 5, LineStyle::Solid, [](S s, Rgb c) { s.point(2.71f, -3.14f, c); }}),
    [](const ::testing::TestParamInfo<Figure>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvalde
