#pragma once
// The workspace display built on plain panels, with a group on the heap and
// helpers that load a group or feed live readings as the link does.

#include "FakeMessages.h"
#include "measure/ui/BarChart.h"
#include "measure/ui/WorkspaceDisplay.h"
#include "platform/displays/ArrowButton.h"
#include "platform/displays/NumericDisplay.h"
#include "platform/displays/SevenSegmentDisplay.h"
#include <QLabel>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace quorvel::test {

// Helpers are public so that tables of cases can drive them.
class WorkspaceFixture : public ::testing::Test {
public:
    void SetUp() override
    {
        window.resize(800, 514);
        chartPanel = new QWidget(&window);
        chartPanel->setGeometry(10, 64, 543, 329);
        dataPanel = new QWidget(&window);
        dataPanel->setGeometry(568, 10, 225, 447);
        display = std::make_unique<WorkspaceDisplay>(*data, limits, chartPanel, dataPanel, &window);
    }

    // A loaded group: reading i is i µm unless given, then ShowAll.
    void load(int count, float value = 0.0f)
    {
        for (int i = 1; i <= count; ++i)
            data->Data[size_t(i)] = value > 0.0f ? value : float(i);
        data->Count = uint16_t(count);
        display->ShowAll();
    }

    // One live reading in tenths of a micrometre, handed over as the link does.
    void live(unsigned tenths)
    {
        TFrameRec frame;
        frame.Cmd = 'D';
        frame.Payload = {uint8_t(tenths & 0xFF), uint8_t(tenths >> 8)};
        frame.PayloadLen = 2;
        AddLiveReading(*data, frame);
        display->ShowLatest();
    }
    void liveReadingsNumbered(int from, int to)
    {
        for (int i = from; i <= to; ++i)
            live(unsigned(i) * 10);
    }

    BarChart& chart() { return *display->chart(); }
    SevenSegmentDisplay& slot(int j) { return *display->slot(j); }
    QString label(const char* name) { return window.findChild<QLabel*>(name)->text(); }
    QString stat(const char* name) { return window.findChild<NumericDisplay*>(name)->text(); }
    ArrowButton& arrow(const char* name) { return *window.findChild<ArrowButton*>(name); }
    void press(const char* name, int times)
    {
        for (int i = 0; i < times; ++i)
            arrow(name).click();
    }

    // Reading shown in slot j when reading i is i µm: 0 for an empty slot.
    int readingInSlot(int j) { return int(std::lround(std::floor(slot(j).value()))); }
    // Expects the column to end at reading top (slots below reading 1 show 0).
    void expectColumnEndsAt(int top)
    {
        for (int j = 1; j <= 10; ++j)
            EXPECT_EQ(readingInSlot(j), std::max(0, top + j - 10)) << "slot " << j;
    }
    void expectWindow(double min, double max)
    {
        EXPECT_DOUBLE_EQ(chart().windowMin(), min);
        EXPECT_DOUBLE_EQ(chart().windowMax(), max);
    }

    std::unique_ptr<TDataRec> data = std::make_unique<TDataRec>();
    TLimits limits;
    QWidget window;
    QWidget* chartPanel = nullptr;
    QWidget* dataPanel = nullptr;
    std::unique_ptr<WorkspaceDisplay> display;
    FakeMessages messages;
};

} // namespace quorvel::test
