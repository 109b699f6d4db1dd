#include "GaugeModel.h"

#include <algorithm>

namespace quorvel::sim {

GaugeModel::GaugeModel(GaugeSettings settings, SendFn send)
    : settings_(std::move(settings)), send_(std::move(send)), random_(settings_.seed)
{
}

uint16_t GaugeModel::storedReading(int file, int index)
{
    return uint16_t((file + 1) * 1000 + index);
}

TFrameRec GaugeModel::command(char letter)
{
    TFrameRec f;
    f.Cmd = letter;
    return f;
}

TFrameRec GaugeModel::dataFrame(uint8_t addr, const std::vector<uint16_t>& tenths)
{
    TFrameRec f;
    f.Addr = addr;
    f.Cmd = 'D';
    for (uint16_t v : tenths) {
        f.Payload.push_back(uint8_t(v & 0xff));   // low byte first
        f.Payload.push_back(uint8_t(v >> 8));
    }
    f.PayloadLen = uint8_t(f.Payload.size());
    return f;
}

void GaugeModel::send(const TFrameRec& frame)
{
    last_ = frame;
    haveLast_ = true;
    send_(frame);
}

void GaugeModel::reset()
{
    state_ = State::Idle;
    fileFrames_.clear();
    haveLast_ = false;
}

void GaugeModel::receive(const TFrameRec& frame, int64_t nowMs)
{
    switch (frame.Cmd) {
    case 'H':
    case 'B':
        state_ = State::Idle;
        send(command(frame.Cmd));
        break;
    case 'W':
        startMeasuring(nowMs);
        break;
    case 'Z':
        if (state_ == State::Measuring)
            state_ = State::Idle;
        break;
    case 'F':
        startFiles();
        break;
    case 'Y':
        if (state_ == State::SendingFiles)
            sendNextFileFrame();
        break;
    case 'N':
        if (haveLast_)
            send(last_);
        break;
    default:
        break;   // not a command the gauge knows
    }
}

// ---- live readings ---------------------------------------------------------

void GaugeModel::startMeasuring(int64_t nowMs)
{
    state_ = State::Measuring;
    liveSent_ = 0;
    nextReadingMs_ = nowMs + settings_.intervalMs;
}

uint16_t GaugeModel::nextLiveReading()
{
    if (!settings_.readings.empty())
        return settings_.readings[liveIndex_++ % settings_.readings.size()];
    std::uniform_int_distribution<int> step(-20, 20);
    walk_ = std::clamp(walk_ + step(random_), 10, 20000);
    return uint16_t(walk_);
}

void GaugeModel::tick(int64_t nowMs)
{
    while (state_ == State::Measuring && nowMs >= nextReadingMs_) {
        send(dataFrame(0, {nextLiveReading()}));
        ++liveSent_;
        nextReadingMs_ += settings_.intervalMs;
        if (settings_.gaugeStopAfter > 0 && liveSent_ >= settings_.gaugeStopAfter) {
            state_ = State::Idle;
            send(command('Z'));
        }
    }
}

// ---- stored files ----------------------------------------------------------

void GaugeModel::startFiles()
{
    fileFrames_.clear();
    for (size_t file = 0; file < settings_.fileCounts.size(); ++file) {
        const int count = settings_.fileCounts[file];
        for (int first = 0; first < count; first += kReadingsPerFrame) {
            std::vector<uint16_t> tenths;
            for (int i = first; i < std::min(count, first + kReadingsPerFrame); ++i)
                tenths.push_back(storedReading(int(file), i));
            fileFrames_.push_back(dataFrame(uint8_t(file), tenths));
        }
    }
    nextFileFrame_ = 0;
    state_ = State::SendingFiles;
    sendNextFileFrame();
}

void GaugeModel::sendNextFileFrame()
{
    if (nextFileFrame_ < fileFrames_.size()) {
        send(fileFrames_[nextFileFrame_++]);
        return;
    }
    state_ = State::Idle;
    fileFrames_.clear();
    send(command('Z'));
}

} // namespace quorvel::sim
