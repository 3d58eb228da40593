// PictureFixtures.h: small pictures made in the tests, and a scratch folder.
#pragma once

#include "model/pictures/TUVApicture.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace quor::test {

// A picture whose pixel (x, y) is `colours[(x + y) % colours.size()]`.
inline TUVApicture Pattern(int w, int h, const std::vector<std::uint32_t>& colours)
{
    TUVApicture pic(PictureFormat::None, w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pic.SetPixel(x, y, colours[static_cast<std::size_t>(x + y) % colours.size()]);
    return pic;
}

class ScratchDir {
public:
    ScratchDir()
    {
        std::random_device rd;
        m_path = std::filesystem::temp_directory_path() / ("quor-pictures-" + std::to_string(rd()));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        const std::string path = File(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

private:
    std::filesystem::path m_path;
};

inline std::vector<std::uint8_t> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace quor::test
