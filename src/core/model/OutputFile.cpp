#include "model/OutputFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quor {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;
std::atomic<int> g_failAt{0};

} // namespace

void OutputFile::FailAtWriteForTesting(int n)
{
    g_failAt = n;
}

bool OutputFile::InjectedFault()
{
    int left = g_failAt.load();
    while (left > 0) {
        if (g_failAt.compare_exchange_weak(left, left - 1))
            return left == 1;
    }
    return false;
}

OutputFile::~OutputFile()
{
    Close();
}

bool OutputFile::CreateUnique(const std::string& pathPrefix)
{
    std::string pattern = pathPrefix + "XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return false;
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    m_fd = fd;
    m_path = pattern;
    m_buffer.reserve(kBufferSize);
    m_written = 0;
    m_failed = false;
    return true;
}

bool OutputFile::SetMode(unsigned mode)
{
    return m_fd >= 0 && ::fchmod(m_fd, static_cast<mode_t>(mode)) == 0;
}

bool OutputFile::RawWrite(const std::uint8_t* p, std::size_t n)
{
    if (m_failed || m_fd < 0)
        return false;
    if (InjectedFault()) {
        m_failed = true;
        return false;
    }
    while (n > 0) {
        const ssize_t w = ::write(m_fd, p, n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0) {
            m_failed = true;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

bool OutputFile::Flush()
{
    if (m_buffer.empty())
        return !m_failed;
    const bool ok = RawWrite(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
    return ok;
}

bool OutputFile::Write(std::span<const std::uint8_t> bytes)
{
    if (m_failed || m_fd < 0)
        return false;
    m_written += bytes.size();
    if (m_buffer.size() + bytes.size() <= kBufferSize) {
        m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
        return true;
    }
    if (!Flush())
        return false;
    if (bytes.size() >= kBufferSize)
        return RawWrite(bytes.data(), bytes.size());
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
    return true;
}

bool OutputFile::CopyFrom(int fd, std::uint64_t offset, std::uint64_t length)
{
    if (!Flush())
        return false;
    if (InjectedFault()) {
        m_failed = true;
        return false;
    }
    auto inOff = static_cast<off_t>(offset);
    std::uint64_t left = length;
    // The kernel copies without passing the bytes through this process.
    while (left > 0) {
        const ssize_t n = ::copy_file_range(fd, &inOff, m_fd, nullptr, static_cast<std::size_t>(std::min<std::uint64_t>(left, 1u << 30)), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP))
            break;   // fall back to reading and writing below
        if (n <= 0) {
            if (n == 0)
                break;   // source shorter than announced: reported below
            m_failed = true;
            return false;
        }
        left -= static_cast<std::uint64_t>(n);
    }
    std::vector<std::uint8_t> chunk;
    while (left > 0) {
        chunk.resize(static_cast<std::size_t>(std::min<std::uint64_t>(left, kBufferSize)));
        const ssize_t n = ::pread(fd, chunk.data(), chunk.size(), inOff);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_failed = true;
            return false;
        }
        if (!RawWrite(chunk.data(), static_cast<std::size_t>(n)))
            return false;
        inOff += n;
        left -= static_cast<std::uint64_t>(n);
    }
    m_written += length;
    return true;
}

bool OutputFile::FlushAndSync()
{
    if (!Flush())
        return false;
    if (::fsync(m_fd) != 0) {
        m_failed = true;
        return false;
    }
    return true;
}

bool OutputFile::Close()
{
    if (m_fd < 0)
        return !m_failed;
    const bool flushed = Flush();
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    return flushed && closed && !m_failed;
}

void OutputFile::Discard()
{
    if (m_fd >= 0) {
        m_buffer.clear();
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_path.empty())
        ::unlink(m_path.c_str());
    m_path.clear();
}

} // namespace quor
