// The bar chart: order of bars, the window, and painting only what is in it.

#include "measure/ui/BarChart.h"
#include <QImage>
#include <gtest/gtest.h>

using namespace quorvel;

namespace {

int countPixels(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

QImage render(BarChart& chart)
{
    chart.resize(529, 315);
    QImage image(chart.size(), QImage::Format_RGB32);
    chart.render(&image);
    return image;
}

} // namespace

TEST(BarChart, keepsBarsInAscendingXWithEqualXAfterTheOthers)
{
    BarChart chart;
    EXPECT_EQ(chart.addBar(1, 1.0f), 0);
    EXPECT_EQ(chart.addBar(3, 3.0f), 1);
    EXPECT_EQ(chart.addBar(3, 3.5f), 2);   // equal x goes after
    EXPECT_EQ(chart.addBar(2, 2.0f), 1);   // below the last: put in its place
    EXPECT_EQ(chart.addBar(3, 3.7f), 4);
    ASSERT_EQ(chart.barCount(), 5);
    const float ys[] = {1.0f, 2.0f, 3.0f, 3.5f, 3.7f};
    for (int i = 0; i < 5; ++i)
        EXPECT_FLOAT_EQ(chart.barAt(i).y, ys[i]) << i;
    EXPECT_EQ(chart.barAt(1).colour, BarChart::kGreen);
}

TEST(BarChart, windowSelectsBarsAndShifts)
{
    BarChart chart;
    for (int i = 1; i <= 30; ++i)
        chart.addBar(i, float(i));
    EXPECT_DOUBLE_EQ(chart.windowMin(), 0.5);
    EXPECT_DOUBLE_EQ(chart.windowMax(), 10.5);
    EXPECT_EQ(chart.barsInWindow(), std::make_pair(0, 10));
    chart.shiftWindow(5.0);
    EXPECT_EQ(chart.barsInWindow(), std::make_pair(5, 15));
    chart.setWindow(25.5, 35.5);
    EXPECT_EQ(chart.barsInWindow(), std::make_pair(25, 30));
}

TEST(BarChart, colourOutOfRangeIsIgnored)
{
    BarChart chart;
    chart.addBar(1, 1.0f);
    chart.setBarColour(-1, Qt::red);
    chart.setBarColour(1, Qt::red);
    EXPECT_EQ(chart.barAt(0).colour, BarChart::kGreen);
    EXPECT_EQ(chart.barAt(5).colour, QColor());
}

// A red bar shows only while its x is in the window; of bars with an equal x
// the last one is seen.
TEST(BarChart, paintsOnlyTheBarsInTheWindow)
{
    const QRgb red = qRgb(0xFF, 0, 0);
    BarChart chart;
    for (int i = 1; i <= 65530; ++i)
        chart.addBar(i, 10.0f);
    chart.setBarColour(29999, Qt::red);   // the bar at x = 30000
    EXPECT_EQ(countPixels(render(chart), red), 0);
    chart.setWindow(29995.5, 30005.5);
    EXPECT_GT(countPixels(render(chart), red), 100);
    chart.shiftWindow(10.0);
    EXPECT_EQ(countPixels(render(chart), red), 0);

    chart.setWindow(65520.5, 65530.5);
    chart.setBarColour(chart.addBar(65530, 10.0f), Qt::red);
    EXPECT_GT(countPixels(render(chart), red), 100);
    chart.addBar(65530, 10.0f);   // green, on top of the red one
    EXPECT_EQ(countPixels(render(chart), red), 0);
}
