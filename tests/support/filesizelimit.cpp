#include "support/filesizelimit.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int runWithFileSizeLimit(qint64 limit, const std::function<int()> &work)
{
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        struct rlimit small;
        small.rlim_cur = rlim_t(limit);
        small.rlim_max = rlim_t(limit);
        std::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &small) != 0)
            ::_exit(254);
        const int result = work();
        std::fflush(nullptr);
        ::_exit(result & 0xff);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
