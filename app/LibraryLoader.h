#pragma once

#include <QLibrary>
#include <QString>

// Loads one companion library from the program's folder and resolves its entry points. dlopen
// does not search the executable's folder, so the path is always absolute. A loaded library is
// never unloaded: pictures and callbacks made by it may outlive their wrapper.
class LibraryLoader {
public:
    // An entry point to resolve: its exported symbol and where its address goes.
    struct Symbol {
        const char* name;
        void** slot;
    };

    // fileName: the file beside the executable, e.g. "libKELM_QRCode.so".
    explicit LibraryLoader(const QString& fileName);

    bool load();
    bool isLoaded() const { return m_library.isLoaded(); }
    QString path() const { return m_library.fileName(); }
    QString errorString() const { return m_library.errorString(); }

    // Resolves the symbols in order and returns the index of the first one missing, or -1 when
    // all were found. Slots before the missing one stay filled and usable.
    int resolve(const Symbol* symbols, int count);
    template <int N>
    int resolve(const Symbol (&symbols)[N]) {
        return resolve(symbols, N);
    }

    template <typename Fn>
    static Symbol entry(const char* name, Fn*& slot) {
        return Symbol{name, reinterpret_cast<void**>(&slot)};
    }

private:
    QLibrary m_library;
};
