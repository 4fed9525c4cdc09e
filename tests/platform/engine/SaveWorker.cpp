// A save in a process of its own, for the crash-safety test to kill:
//   engine_save_worker DOCUMENT OPERATION PAGE FORMAT NEW-PAGE-FILE
// OPERATION is new, append, replace, insert, delete or compact. The new page is loaded first; then one byte
// on standard output says that the save starts. Exit code 0 when it succeeded, 2 on an engine error.
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

using namespace scanvo::engine;

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s DOCUMENT OPERATION PAGE FORMAT NEW-PAGE-FILE\n", argv[0]);
        return 1;
    }
    const QString document = QString::fromLocal8Bit(argv[1]);
    const char* operation = argv[2];
    const int page = std::atoi(argv[3]);
    SaveOptions options;
    options.format = std::atoi(argv[4]);
    options.page = page;
    try {
        const bool deletes = std::strcmp(operation, "delete") == 0;
        const bool compacts = std::strcmp(operation, "compact") == 0;
        const Image fresh = deletes || compacts ? Image() : LoadPage(QString::fromLocal8Bit(argv[5]));
        if (::write(STDOUT_FILENO, "R", 1) != 1)
            return 1;
        if (deletes) {
            DeletePage(document, page);
            return 0;
        }
        if (compacts) {
            CompactPageFile(document);
            return 0;
        }
        const char* const modes[] = {"new", "append", "replace", "insert"};
        options.mode = -1;
        for (int mode = 0; mode < 4; ++mode)
            if (std::strcmp(operation, modes[mode]) == 0)
                options.mode = mode;
        SavePage(fresh, document, options);
    } catch (const EngineError& error) {
        std::fprintf(stderr, "%d %s\n", error.number(), error.description().toLocal8Bit().constData());
        return 2;
    }
    return 0;
}
