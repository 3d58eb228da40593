// UvaBuilder.h: builds small hypertext files byte by byte for the reader tests,
// so each test states exactly what its file holds.
#pragma once

#include "base/ByteWriter.h"
#include "model/HeaderLayout.h"

#include <cstdint>
#include <cstring>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quor::test {

struct KindRecords {
    int kind = 0;
    int recordSize = 0;
    std::vector<std::vector<std::uint8_t>> records;   // each exactly recordSize bytes
};

class UvaBuilder {
public:
    UvaBuilder()
    {
        m_header.fill(0);
        std::memcpy(m_header.data(), "MORV", 4);
        header::SetTitle(m_header, "Built");
        header::SetVersion(m_header, 2);
        header::SetRevision(m_header, 10);
        header::SetLastKind(m_header, 25);
        header::SetExportPrefix(m_header, "built");
    }

    HeaderBytes& Header() { return m_header; }

    // A record of `size` bytes filled with `fill`, with the sub-kind byte set.
    static std::vector<std::uint8_t> Record(int size, std::uint8_t subKind, std::uint8_t fill = 0)
    {
        std::vector<std::uint8_t> r(static_cast<std::size_t>(size), fill);
        if (size > 4)
            r[4] = subKind;
        return r;
    }
    static void PutI32(std::vector<std::uint8_t>& r, std::size_t at, std::int32_t v)
    {
        for (int i = 0; i < 4; ++i)
            r[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
    }

    // Appends a record of `kind` (kinds must be added in increasing order).
    void Add(int kind, int recordSize, std::vector<std::uint8_t> record)
    {
        if (m_kinds.empty() || m_kinds.back().kind != kind)
            m_kinds.push_back({kind, recordSize, {}});
        m_kinds.back().records.push_back(std::move(record));
    }

    // Appends bytes to the data area; returns their position there.
    std::int32_t Data(const std::string& bytes)
    {
        const auto pos = static_cast<std::int32_t>(m_data.size());
        m_data.insert(m_data.end(), bytes.begin(), bytes.end());
        return pos;
    }

    std::vector<std::uint8_t> Bytes() const
    {
        const int lastKind = header::LastKind(m_header);
        ByteWriter table, recs;
        for (int k = 0; k <= lastKind; ++k) {
            const KindRecords* found = nullptr;
            for (const auto& kr : m_kinds)
                if (kr.kind == k)
                    found = &kr;
            table.I32(static_cast<std::int32_t>(recs.Size()));
            table.I32(found ? found->recordSize : 0);
            table.I32(found ? static_cast<std::int32_t>(found->records.size()) : 0);
            if (found)
                for (const auto& r : found->records)
                    recs.Bytes(r);
        }
        ByteWriter out;
        out.Bytes(m_header);
        out.Bytes(table.Data());
        out.I32(static_cast<std::int32_t>(recs.Size()));
        out.Bytes(recs.Data());
        out.Bytes(m_data);
        return out.Data();
    }

    void WriteTo(const std::filesystem::path& path) const { WriteFile(path, Bytes()); }

    static void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
    {
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    static std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path)
    {
        std::ifstream f(path, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
    }

private:
    HeaderBytes m_header{};
    std::vector<KindRecords> m_kinds;
    std::vector<std::uint8_t> m_data;
};

// A fresh folder under the system temporary folder, removed at the end of the test.
class TempDir {
public:
    TempDir()
    {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("quor-file-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    const std::filesystem::path& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

} // namespace quor::test
