// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

#include <QApplication>
#include <QLoggingCategory>

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
        // Validators log every keystroke; printing that would slow fuzzing to a crawl.
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n*.warning=false"));
        new QApplication(argc, argv);
    }
}

// The fuzz input as text, decoded as UTF-8 the way pasted or typed text arrives.
inline QString text(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
}

// Takes numbers from the front of the input and leaves the rest as text.
class Reader
{
public:
    Reader(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    uint8_t byte()
    {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }
    int integer()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | byte();
        return int(value);
    }
    QString rest() { return text(m_data, m_size); }

private:
    const uint8_t *m_data;
    size_t m_size;
};

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
