#include "tools/pacing/CpuMeter.h"

#include <sys/resource.h>

#include "tools/pacing/PresentTimes.h"

namespace {

constexpr double Percent = 100.0;

double ProcessorSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

CpuMeter::CpuMeter()
    : startWall(PresentTimes::MonotonicSeconds()), startProcess(ProcessorSeconds(RUSAGE_SELF)),
      startThread(ProcessorSeconds(RUSAGE_THREAD))
{
}

CpuShare CpuMeter::Share() const
{
    const double wall = PresentTimes::MonotonicSeconds() - startWall;
    CpuShare share;
    if (wall <= 0)
        return share;
    share.process = (ProcessorSeconds(RUSAGE_SELF) - startProcess) / wall * Percent;
    share.mainThread = (ProcessorSeconds(RUSAGE_THREAD) - startThread) / wall * Percent;
    return share;
}
