#include "model/BackingFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quor {

std::shared_ptr<BackingFile> BackingFile::Open(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::shared_ptr<BackingFile>(new BackingFile(fd, path, static_cast<std::uint64_t>(st.st_size)));
}

BackingFile::BackingFile(int fd, std::string path, std::uint64_t size) : m_fd(fd), m_path(std::move(path)), m_size(size) {}

BackingFile::~BackingFile()
{
    ::close(m_fd);
}

bool BackingFile::ReadInto(std::uint64_t offset, std::span<std::uint8_t> out)
{
    if (offset > m_size || out.size() > m_size - offset)
        return false;
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(m_fd, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;   // error, or the file shrank under us
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace quor
