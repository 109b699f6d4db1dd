#include "PtyPair.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace quorvel::sim {

namespace {
bool fail(std::string* error, const char* what)
{
    if (error)
        *error = std::string(what) + ": " + std::strerror(errno);
    return false;
}
} // namespace

PtyPair::~PtyPair()
{
    if (!linkPath_.empty())
        ::unlink(linkPath_.c_str());
    if (master_ >= 0)
        ::close(master_);
}

bool PtyPair::open(std::string* error)
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0)
        return fail(error, "posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        return fail(error, "grantpt/unlockpt");
    const char* name = ::ptsname(master_);
    if (!name)
        return fail(error, "ptsname");
    slavePath_ = name;

    // Raw from the start, so nothing the gauge sends is echoed or translated
    // before the program sets the line up itself.
    const int slave = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
    if (slave < 0)
        return fail(error, "open slave");
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, B2400);
        ::cfsetospeed(&tio, B2400);
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::close(slave);
    return true;
}

bool PtyPair::makeLink(const std::string& linkPath, std::string* error)
{
    ::unlink(linkPath.c_str());   // a stale link from an earlier run
    if (::symlink(slavePath_.c_str(), linkPath.c_str()) != 0)
        return fail(error, "symlink");
    linkPath_ = linkPath;
    return true;
}

} // namespace quorvel::sim
