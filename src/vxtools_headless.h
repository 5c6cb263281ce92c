#pragma once
/// \file
/// The headless host: a complete host without a display.
#include "hosts/headless/headless_host.h"

namespace vx {
/// Installs the headless host with the calling thread as the main thread, builds
/// the toolkit's tables and answers the host. After it, a single-threaded
/// program can call any toolkit function directly. Later calls answer the same host.
HeadlessHost& useHeadlessHost();
/// Installs the headless host as useHeadlessHost does but leaves the tables to
/// the launch sequence, which runHeadless runs (so they are built, and logged, once).
HeadlessHost& installheadlesshost();
}  // namespace vx

// runHeadless and the session that drives a program without a display.
#include "hosts/headless/headless_runner.h"
