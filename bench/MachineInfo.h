#pragma once

#include <QString>

// The line about the machine that goes with every table of timings.
namespace MachineInfo {

QString cpuModel();
QString compiler();
// The load average over the last minute, or empty where unknown: other
// people's work on a shared machine shows in it.
QString loadAverage();
QString summary();

} // namespace MachineInfo
