// FrameLayoutFile.h: frameset layout files (".frm"): i32 magic 4660 (0x1234),
// i32 record size (58 when written), then the frame records depth first.
#pragma once

#include "composition/frames/TNonVisCornice.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

inline constexpr std::int32_t kFrameLayoutMagic = 4660;
inline constexpr std::string_view kFrameFileFormatError = "File format error!";
inline constexpr std::string_view kFrameSaveError = "Errore in salvataggio frames.";

struct FrameLayoutRead {
    bool empty = false;                    // an empty file: nothing changes, no message
    std::unique_ptr<TNonVisCornice> root;  // the layout; null on error or when empty
    std::string error;                     // the message to show; empty when none
};

class FrameLayoutFile {
public:
    static std::vector<std::uint8_t> Write(const TNonVisCornice& root);
    static FrameLayoutRead Read(std::span<const std::uint8_t> bytes);

    // Whole-file helpers; a file that cannot be read reads as an error.
    static bool Save(const std::string& path, const TNonVisCornice& root);
    static FrameLayoutRead Load(const std::string& path);
};

} // namespace quor
