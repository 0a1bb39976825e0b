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
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_saved;
        small.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_signal)(int) = nullptr;
};
