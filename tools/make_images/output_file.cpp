#include "output_file.h"

#include <fstream>
#include <stdexcept>

void writeOutputFile(const std::filesystem::path& path,
                     const std::function<void(std::ostream&)>& produce)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw std::runtime_error("cannot create " + path.string());
    }
    produce(out);
    out.close();
    if (out.fail()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}
