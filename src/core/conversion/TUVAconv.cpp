// TUVAconv.cpp: the converter base.
#include "conversion/TUVAconv.h"

#include "model/TUVAset.h"

#include <filesystem>
#include <system_error>

namespace quor {

namespace {

std::string TempFolder()
{
    std::error_code ec;
    const auto dir = std::filesystem::temp_directory_path(ec);
    return ec ? std::string("/tmp") : dir.string();
}

} // namespace

TUVAconv::TUVAconv() : ExportFileName(TempFolder() + "/temp"), ExportPath(TempFolder()) {}

TUVAconv::~TUVAconv() = default;

std::string TUVAconv::ExportPrefix() const
{
    if (!m_prefixOverride.empty())
        return m_prefixOverride;
    return LinkedUVAset ? LinkedUVAset->ExpPrefix() : std::string();
}

void TUVAconv::ReportProgress(int pag, int tot, int phase)
{
    if (OnExpProgress)
        OnExpProgress(*this, pag, tot, phase);
}

} // namespace quor
