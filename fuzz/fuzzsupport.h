#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

#include <QApplication>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

// Widgets need an application object; fuzzers run headless on the offscreen platform.
inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzzer";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
}

// The fuzz input as text, decoded as UTF-8 the way pasted or typed text arrives.
inline QString text(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
}

// A broken invariant is reported like a crash, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

} // namespace FuzzSupport

#endif // FUZZSUPPORT_H
