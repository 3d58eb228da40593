// SpecialLinkHtml.h: what special links (kind 10) become in exported pages:
// the window URL texts, the target part of A and AREA tags, the click part of
// buttons and the load-time scripts of window openers.
//
// Window record (the special link's content, 22 bytes, little-endian):
//   0 i16 left (-20000 none)   2 i16 top      4 i16 width (-20000 none)
//   6 i16 height               8 i16 screen X (-20000 none)   10 i16 screen Y
//   13 dependent   15 full screen   16 location bar   17 menu bar
//   18 resizable   19 scroll bars   20 status bar     21 tool bar
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quor {

class TUVAoggetto;
class TUVAtoHtml;
struct HtmlFileContext;

struct WindowRecord {
    std::int16_t left = -20000, top = 0, width = -20000, height = 0, screenX = -20000, screenY = 0;
    bool dependent = false, fullScreen = false, location = false, menuBar = false, resizable = false,
         scrollBars = false, statusBar = false, toolBar = false;
};

inline constexpr std::int16_t kNotGiven = -20000;

class SpecialLinkHtml {
public:
    SpecialLinkHtml(TUVAtoHtml& converter, HtmlFileContext& context) : m_conv(converter), m_ctx(context) {}

    // The window record of a special link; none when its content is shorter than 22 bytes.
    static std::optional<WindowRecord> ReadWindowRecord(TUVAoggetto& link);
    // ",''" without a record, else ",'" + the features + "'".
    static std::string WindowFeatures(const std::optional<WindowRecord>& record);

    // WindowUrl(mode, ...) for the special link; anchor -1 for none.
    std::string WindowUrl(int mode, TUVAoggetto& link, int anchor, bool withRecord);
    // Target part of an A or AREA tag, followed by " " and the link's extra HTML.
    std::string TargetPart(TUVAoggetto& link);
    // Click part of a button, followed by " " and the link's extra HTML.
    std::string ClickPart(TUVAoggetto& link);
    // Load-time script of a window opener referring to the link.
    std::string LoadTimeScript(TUVAoggetto& link);

    // A window name usable as a script variable (letters, digits and "_").
    static std::string ScriptIdentifier(const std::string& name);

private:
    std::string TargetFile(TUVAoggetto* page, bool withFrames);
    std::string SequenceUrl(TUVAoggetto& link);
    std::string CloseInLink(const std::string& safeName);

    TUVAtoHtml& m_conv;
    HtmlFileContext& m_ctx;
};

} // namespace quor
