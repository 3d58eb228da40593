// OutputFile.h: a file being written by a save, with buffered writes, fast
// copies out of another open file, and a fault hook for tests.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quor {

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates a new file with a unique name beginning with `pathPrefix`
    // (the prefix plus six random characters). False when it cannot be made.
    bool CreateUnique(const std::string& pathPrefix);
    const std::string& Path() const { return m_path; }
    // Gives the file the permission bits `mode`.
    bool SetMode(unsigned mode);
    bool IsOpen() const { return m_fd >= 0; }

    // Every operation returns false on an I/O error; after one, all later
    // operations fail too.
    bool Write(std::span<const std::uint8_t> bytes);
    // Copies `length` bytes at `offset` of the open descriptor `fd`.
    bool CopyFrom(int fd, std::uint64_t offset, std::uint64_t length);
    // Writes the buffer out and forces the data to the disk.
    bool FlushAndSync();
    // Closes the file (without syncing); false when the close reports an error.
    bool Close();
    // Closes and deletes the file.
    void Discard();

    std::uint64_t BytesWritten() const { return m_written; }

    // Test hook: the n-th write to the disk from now on (counting every
    // OutputFile) fails as if the disk were full; 0 turns the hook off.
    static void FailAtWriteForTesting(int n);

private:
    bool Flush();
    bool RawWrite(const std::uint8_t* p, std::size_t n);
    static bool InjectedFault();

    int m_fd = -1;
    std::string m_path;
    std::vector<std::uint8_t> m_buffer;
    std::uint64_t m_written = 0;
    bool m_failed = false;
};

} // namespace quor
