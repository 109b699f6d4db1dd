#pragma once
// Frames as the gauge writes them. The program's own encoder stops at 120
// payload bytes (its commands never carry any); the gauge's data frames
// carry up to 124, the most a 255-character frame holds.

#include "link/CommInc.h"

#include <string>

namespace quorvel::sim {

constexpr int kMaxGaugePayload = 124;

// The frame's bytes from ":" to CR LF; payload beyond 124 bytes is not sent.
std::string encodeGaugeFrame(const TFrameRec& frame);

// The same frame with its checksum off by one, as a noisy line delivers it.
std::string withWrongChecksum(std::string bytes);

} // namespace quorvel::sim
