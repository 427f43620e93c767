#include "platform/AtomicFile.h"

#include <cstdio>
#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

bool WriteFileAtomically(const std::string& path, const std::string& content)
{
    const std::string temporary = path + ".tmp";
    FILE* file = fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    const bool written = fwrite(content.data(), 1, content.size(), file) == content.size() &&
                         fflush(file) == 0 && fsync(fileno(file)) == 0;
    const bool closed = fclose(file) == 0;
    if (!written || !closed || rename(temporary.c_str(), path.c_str()) != 0) {
        remove(temporary.c_str());
        return false;
    }
#ifdef __EMSCRIPTEN__
    // In a web page the file lives in memory until the page copies it to the
    // browser's storage (browser/storage.js).
    EM_ASM(if (Module.persistSaves) Module.persistSaves(););
#endif
    return true;
}
