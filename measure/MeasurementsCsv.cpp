#include "measure/MeasurementsCsv.h"

#include "language/CNumber.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "measure/SweepRows.h"

namespace orvalde {
namespace {

void AppendNumber(std::string& out, double value) { out += PrintC(value, 'g', 17); }

// Full precision; empty where nothing was measured.
std::string Number(double v) { return std::isfinite(v) ? PrintC(v, 'g', 17) : std::string(); }

}  // namespace

std::string MeasurementsCsv(const Measurements& m) {
    std::string out = "pendulum,run,swing,time,period,theory\n";
    for (const PassLogEntry& e : m.passLog) {
        out += BobName(e.bob);
        out += ',' + std::to_string(e.run) + ',' + std::to_string(e.pass.swing) + ',';
        AppendNumber(out, e.pass.time);
        out += ',';
        if (e.pass.swing >= 3) AppendNumber(out, e.pass.period);
        out += ',';
        AppendNumber(out, e.theory);
        out += '\n';
    }
    if (m.sweep.empty()) return out;
    out += "\nstart,height,angle,cycloid_period,exact_period,difference_percent\n";
    for (const SweepRow& r : SweepRows(m.sweep)) {
        out += std::to_string(r.start) + "," + Number(r.height) + "," + Number(r.angle) + "," + Number(r.cycloid) +
               "," + Number(r.exact) + "," + Number(r.difference) + "\n";
    }
    return out;
}

bool WriteTextFile(const std::string& path, const std::string& text, std::string& error, const Translator& language) {
    auto fail = [&](int code) {
        error =
            Fill(language.tr("Could not save to {path}: {reason}."), {{"path", path}, {"reason", std::strerror(code)}});
        return false;
    };
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return fail(errno);
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) return fail(written ? errno : writeErrno);
    return true;
}

}  // namespace orvalde
