// BackingFile.h: the open file of a loaded hypertext. The document keeps it open
// for its whole life and reads embedded files and pictures from it on demand
// (lazy content), so a save never writes into this file: it writes a new file
// and renames it over the old name, which leaves this open file readable.
#pragma once

#include "model/RandomAccessSource.h"

#include <memory>
#include <string>

namespace quor {

class BackingFile : public RandomAccessSource {
public:
    // Opens `path` for reading; nullptr when it cannot be opened or is not a
    // regular file.
    static std::shared_ptr<BackingFile> Open(const std::string& path);
    ~BackingFile() override;

    BackingFile(const BackingFile&) = delete;
    BackingFile& operator=(const BackingFile&) = delete;

    std::string Name() const override { return m_path; }
    std::uint64_t Size() const override { return m_size; }
    bool ReadInto(std::uint64_t offset, std::span<std::uint8_t> out) override;

    // Descriptor for fast copies out of the file (valid while this object lives).
    int Descriptor() const { return m_fd; }

private:
    BackingFile(int fd, std::string path, std::uint64_t size);

    int m_fd;
    std::string m_path;
    std::uint64_t m_size;
};

} // namespace quor
