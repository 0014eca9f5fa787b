// Any bytes as Config.txt or as qp_list.txt: read without crashing, and a settings file written
// from what was read reads back the same (and is not taken for a damaged one).
#include "settings/AppSettings.h"
#include "settings/ExampleList.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (auto settings = tarvel::parseConfig(bytes)) {
        if (settings->comPort < 0 || settings->comPort > 9)
            std::abort();
        auto again = tarvel::parseConfig(tarvel::configText(*settings));
        if (!again || *again != *settings)
            std::abort();
        // What an undamaged file held is written as an undamaged file.
        if (tarvel::damagedConfigLine(bytes) == 0 && tarvel::damagedConfigLine(tarvel::configText(*settings)) != 0)
            std::abort();
    }
    const auto list = tarvel::parseExampleList(bytes);
    for (const auto& e : list.entries)
        if (e.list < 0 || e.list >= tarvel::kExampleLists || e.index < 0 || e.index >= tarvel::kExamplesPerList)
            std::abort();
    return 0;
}
