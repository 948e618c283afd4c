#include "project/atomic_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "project/in_out_error.h"

void WriteFileReplacing(const std::string& path, const std::string& content)
{
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path temporary = target;
    temporary += ".tmp~";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) throw EInOutError("Cannot create file \"" + path + "\".");
        file.write(content.data(), static_cast<std::streamsize>(content.size()));
        file.flush();
        if (!file) {
            file.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw EInOutError("Cannot write file \"" + path + "\".");
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw EInOutError("Cannot write file \"" + path + "\": " + error.message() + ".");
    }
}
