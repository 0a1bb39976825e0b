#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of the process may grow beyond the given size: a
// write past it fails (EFBIG) as a write onto a full disk does, but without
// the need to mount a small file system. Files are written to the limit
// (short writes), so writers that do not check every write are caught.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not the end of the test
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit small = m_saved;
        small.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};
