#include "app/LibraryLoader.h"

#include "app/AppPaths.h"

LibraryLoader::LibraryLoader(const QString& fileName)
    : m_library(AppPaths::besideExecutable(fileName)) {}

bool LibraryLoader::load() {
    return m_library.isLoaded() || m_library.load();
}

int LibraryLoader::resolve(const Symbol* symbols, int count) {
    for (int i = 0; i < count; ++i) {
        *symbols[i].slot =
            isLoaded() ? reinterpret_cast<void*>(m_library.resolve(symbols[i].name)) : nullptr;
        if (!*symbols[i].slot)
            return i;
    }
    return -1;
}
