#include "measure/MeasurementsCsv.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orvalde {

std::string MeasurementsCsv(const Measurements& m) {
    std::string out = "pendulum,run,swing,time,period,theory\n";
    char row[200];
    for (const PassLogEntry& e : m.passLog) {
        if (e.pass.swing >= 3) {
            std::snprintf(row, sizeof row, "%s,%d,%d,%.17g,%.17g,%.17g\n", BobName(e.bob), e.run, e.pass.swing,
                          e.pass.time, e.pass.period, e.theory);
        } else {
            std::snprintf(row, sizeof row, "%s,%d,%d,%.17g,,%.17g\n", BobName(e.bob), e.run, e.pass.swing, e.pass.time,
                          e.theory);
        }
        out += row;
    }
    return out;
}

bool WriteTextFile(const std::string& path, const std::string& text, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "Could not save to " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        error = "Could not save to " + path + ": " + std::strerror(written ? errno : writeErrno) + ".";
        return false;
    }
    return true;
}

}  // namespace orvalde
