#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <type_traits>
#include <vector>

// The fuzz targets read their input as an optional fixed-size binary header followed by a few text
// fields separated by NUL bytes, so that a seed is easy to write by hand and the fuzzer can move
// a field boundary with one byte. A field is
// UTF-8, except that one starting with 0xFF is raw UTF-16LE after that byte: that way the
// fuzzer also reaches text UTF-8 cannot carry, such as lone surrogates.
namespace fuzzinput {

class Fields {
public:
    Fields(const std::uint8_t* data, std::size_t size, std::size_t headerSize = 0) {
        const std::size_t taken = size < headerSize ? size : headerSize;
        m_header.assign(data, data + taken);
        m_header.resize(headerSize, 0);
        data += taken;
        size -= taken;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= size; ++i) {
            if (i == size || data[i] == 0) {
                m_parts.emplace_back(data + start, data + i);
                start = i + 1;
            }
        }
    }

    // The header, zero-filled where the input is shorter.
    const std::vector<std::uint8_t>& header() const { return m_header; }

    std::size_t count() const { return m_parts.size(); }
    bool has(std::size_t index) const { return index < m_parts.size(); }

    // The field as text; a missing field is empty.
    QString text(std::size_t index) const {
        return has(index) ? decode(m_parts[index].data(), m_parts[index].size()) : QString();
    }

    // The field's raw bytes; a missing field is empty.
    const std::vector<std::uint8_t>& bytes(std::size_t index) const {
        static const std::vector<std::uint8_t> none;
        return has(index) ? m_parts[index] : none;
    }

    // Text in the fields' encoding: UTF-8, or UTF-16LE after a leading 0xFF.
    static QString decode(const std::uint8_t* p, std::size_t size) {
        if (size > 0 && p[0] == 0xFF) {
            QString s;
            for (std::size_t i = 1; i + 1 < size; i += 2)
                s.append(QChar(char16_t(p[i] | p[i + 1] << 8)));
            return s;
        }
        return QString::fromUtf8(reinterpret_cast<const char*>(p), qsizetype(size));
    }

    // The field as a list of names split at '|'.
    QStringList names(std::size_t index) const { return text(index).split(u'|'); }

private:
    std::vector<std::uint8_t> m_header;
    std::vector<std::vector<std::uint8_t>> m_parts;
};

// A little-endian integer from the front of a byte field; missing bytes count as 0.
template <typename T> T integer(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        if (at + i < bytes.size())
            v |= std::uint64_t(bytes[at + i]) << (8 * i);
    return static_cast<T>(static_cast<std::make_unsigned_t<T>>(v));
}

// A fault the sanitizers cannot see: report it and abort, so the fuzzer keeps the input.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace fuzzinput
