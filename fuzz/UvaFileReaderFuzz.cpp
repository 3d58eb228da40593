// UvaFileReaderFuzz: arbitrary bytes read as a hypertext file. Whatever the
// input, reading must end with a status (no crash, hang or huge allocation);
// a file that reads is walked object by object and written out again.
#include "model/MemorySource.h"
#include "model/OutputFile.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/UvaFileReader.h"
#include "model/UvaFileWriter.h"

#include <cstdint>
#include <filesystem>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quor;
    auto source = std::make_shared<MemorySource>(std::vector<std::uint8_t>(data, data + size), "fuzz.uva");
    UvaFileReader reader(source);
    if (reader.ReadLayout() != UvaReadStatus::Ok)
        return 0;
    static TUVAset doc;
    doc.ClearDocument();
    if (reader.ReadObjects(doc, "fuzz.uva") != UvaReadStatus::Ok)
        return 0;
    for (int kind = 0; kind < kKindCount; ++kind) {
        for (const auto& obj : doc.List(kind)) {
            if (!obj)
                continue;
            (void)obj->GetName();
            if (ObjectContent* c = obj->Content())
                (void)c->Bytes();
        }
    }
    // Writing what was read must work from the buffer too.
    static const std::string folder = [] {
        auto p = std::filesystem::temp_directory_path() / ("quor-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p.string();
    }();
    OutputFile out;
    if (out.CreateUnique(folder + "/out-")) {
        UvaFileWriter writer(doc, "fuzz.uva", 2);
        writer.Write(out);
        out.Discard();
    }
    doc.Errors().clear();
    return 0;
}
