#include "app/cli/RuntimeDir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace orvalde {
namespace {

// A real folder (not a link to one), this user's, closed to everybody else.
bool SafelyOurs(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
           (st.st_mode & 07777) == 0700;
}

}  // namespace

std::string PrivateRuntimeDir(const std::string& base) {
    const std::string fixed = base + "/orvalde-runtime-" + std::to_string(getuid());
    if ((mkdir(fixed.c_str(), 0700) == 0 || errno == EEXIST) && SafelyOurs(fixed)) return fixed;
    // The name is taken by something that is not safely ours, which is left
    // alone: a fresh folder instead.
    std::string pattern = base + "/orvalde-runtime-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) return {};
    return buffer.data();
}

}  // namespace orvalde
