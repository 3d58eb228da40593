// MarkupFixture.h: styles, metrics and a small control registry for markup tests.
#pragma once

#include "base/RecordingMessages.h"
#include "textengine/EmbeddedControl.h"
#include "textengine/MarkupReader.h"
#include "textengine/MarkupWriter.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace quor::test {

class FakeControl : public IEmbeddedControl {
public:
    FakeControl(std::uint32_t number, int kind, int width, int height, int cells = 0)
        : m_number(number), m_kind(kind), m_width(width), m_height(height), m_cells(static_cast<std::size_t>(cells))
    {
    }
    std::uint32_t RegistryNumber() const override { return m_number; }
    int ObjectKind() const override { return m_kind; }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    int CellCount() const override { return static_cast<int>(m_cells.size()); }
    ParagraphList* CellParagraphs(int cell) override
    {
        return cell >= 0 && cell < CellCount() ? &m_cells[static_cast<std::size_t>(cell)] : nullptr;
    }
    std::vector<ParagraphList>& Cells() { return m_cells; }

private:
    std::uint32_t m_number;
    int m_kind;
    int m_width;
    int m_height;
    std::vector<ParagraphList> m_cells;
};

class FakeRegistry : public IControlRegistry {
public:
    FakeControl& Add(std::uint32_t number, int kind, int width, int height, int cells = 0)
    {
        auto c = std::make_unique<FakeControl>(number, kind, width, height, cells);
        FakeControl& ref = *c;
        m_controls[number] = std::move(c);
        return ref;
    }
    IEmbeddedControl* FindControl(std::uint32_t number) override
    {
        auto it = m_controls.find(number);
        return it == m_controls.end() ? nullptr : it->second.get();
    }

private:
    std::map<std::uint32_t, std::unique_ptr<FakeControl>> m_controls;
};

class MarkupTest : public ::testing::Test {
protected:
    MarkupTest() : m_metrics(10, 12, 4)
    {
        ParagraphStyle heading;
        heading.state = 1;
        heading.name = "Heading";
        heading.fontName = "Arial";
        heading.fontSize = 16;
        heading.styleBits = kFontBold;
        m_headingId = m_styles.Add(heading); // id 2
        m_opts.styles = &m_styles;
        m_opts.metrics = &m_metrics;
        m_opts.controls = &m_registry;
        m_opts.messages = &m_messages;
    }

    // Reads every paragraph of a markup (up to its end, through cell ends).
    ParagraphList Read(std::string_view markup) { return MarkupReader::ReadAll(markup, m_opts); }

    std::unique_ptr<TUVAparag> ReadOne(std::string_view markup)
    {
        auto par = std::make_unique<TUVAparag>();
        MarkupCursor cur{markup, 0};
        MarkupReader::ReadParagraph(*par, cur, m_opts);
        return par;
    }

    static std::string Write(const ParagraphList& pars)
    {
        std::string out;
        MarkupWriter::WriteParagraphs(pars, out);
        return out;
    }

    static std::string Write(const TUVAparag& par, MarkupWriteMode mode, int end = -1, int start = 0)
    {
        std::string out;
        MarkupWriter::WriteParagraph(par, out, mode, end, start);
        return out;
    }

    StyleTable m_styles;
    int m_headingId = 0;
    FixedMetrics m_metrics;
    FakeRegistry m_registry;
    RecordingMessages m_messages;
    MarkupReadOptions m_opts;
};

} // namespace quor::test
