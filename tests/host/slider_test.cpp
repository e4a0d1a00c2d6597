#include <gtest/gtest.h>

#include <array>

#include "mixer/slider.h"

TEST(Slider, GeometryHitBoxAndDragArithmetic) {
    struct Geometry {
        std::int32_t length, maximum, scale, stored;
    };
    for (Geometry g : {Geometry{128, 255, 199, 128}, Geometry{100, 100, 100, 100}, Geometry{1000, 5, 1, 500},
                       Geometry{0, 255, 2550, 10}, Geometry{50, 0, 1, 0}}) {
        SliderControl s;
        s.setGeometry(10, 20, g.length, g.maximum);
        EXPECT_EQ((std::array{s.scale, s.length}), (std::array{g.scale, g.stored})) << g.length << "," << g.maximum;
    }
    SliderControl s;
    s.setGeometry(100, 50, 128, 255);
    s.setValue(8);
    EXPECT_EQ(s.thumb, 4);
    s.setValue(300);  // kept, with the thumb at the end
    EXPECT_EQ((std::array{s.value, s.thumb}), (std::array{300, 128}));
    s.setValue(128);
    // The thumb tip is at (164, 50); the box reaches 7 pixels to each side and rows 49 to 59.
    for (auto [px, py, hit] : {std::tuple{157, 54, true}, std::tuple{171, 54, true}, std::tuple{156, 54, false},
                               std::tuple{172, 54, false}, std::tuple{164, 49, true}, std::tuple{164, 59, true},
                               std::tuple{164, 48, false}, std::tuple{164, 60, false}})
        EXPECT_EQ(s.hitTest(px, py), hit) << px << "," << py;
    EXPECT_FALSE(s.dragging) << "a miss ends a drag";
    struct Drag {
        std::int32_t px, py, value, thumb;
        bool moved;
    };
    s.setValue(0);
    for (Drag d : {Drag{101, 50, 1, 1, true}, Drag{101, 51, 2, 1, false}, Drag{102, 50, 3, 2, true},
                   Drag{228, 50, 254, 128, true}, Drag{228, 51, 255, 128, false}, Drag{400, 50, 255, 128, false},
                   Drag{99, 51, 0, -1, true}, Drag{90, 50, 0, 0, true}}) {
        EXPECT_EQ(s.moveThumb(d.px, d.py), d.moved) << d.px << "," << d.py;
        EXPECT_EQ((std::array{s.value, s.thumb}), (std::array{d.value, d.thumb})) << d.px << "," << d.py;
    }
}
