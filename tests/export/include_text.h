#pragma once

// The fixed lines of an include file, written out by hand, for the tests that write and read one.

#include "document/page_state.h"

#include <QByteArray>

#include <initializer_list>

namespace {

const QByteArray kRule = ';' + QByteArray(59, '=') + "\r\n";
// Code page 932 bytes of the banner and closing titles, written out by hand.
const QByteArray kBanner = kRule + ';' + QByteArray(18, ' ')
    + "\x83\x4C\x83\x83\x83\x89\x83\x4E\x83\x5E\x83\x66\x81\x5B\x83\x5E" + QByteArray(25, ' ') + "\r\n"
    + kRule
    + ";\x83\x4F\x83\x8D\x81\x5B\x83\x6F\x83\x8B\x95\xCF\x90\x94\x90\xE9\x8C\xBE\x81\x40\x81\x46 \r\n";
const QByteArray kClosing = "\r\n\r\n" + kRule + ';' + QByteArray(22, ' ')
    + "\x83\x66\x81\x5B\x83\x5E\x83\x47\x83\x93\x83\x68" + QByteArray(25, ' ') + "\r\n" + kRule;

inline vesk4::Document startedDocument()
{
    vesk4::Document doc;
    vesk4::EditorState state;
    startDocument(doc, state);
    return doc;
}

inline void setPage(vesk4::Page &page, int mode, int width, int height, int patterns, int flag = 1)
{
    page.colourMode = int16_t(mode);
    page.patternWidth = int16_t(width);
    page.patternHeight = int16_t(height);
    page.patternCount = int16_t(patterns);
    page.outputFlag = int16_t(flag);
}

inline QByteArray lines(std::initializer_list<const char *> text)
{
    QByteArray out;
    for (const char *line : text)
        out.append(line).append("\r\n");
    return out;
}

// The bytes an include file assembles to, counted from its data lines: one per item of a ".byte"
// line, two per item of a ".word" line; comments and other lines give none.
inline long long assembledBytes(const QByteArray &file)
{
    long long bytes = 0;
    for (const QByteArray &line : file.split('\n')) {
        const bool word = line.startsWith("   .word  ");
        if (!word && !line.startsWith("   .byte  "))
            continue;
        bytes += (line.mid(10).split(';').front().count(',') + 1) * (word ? 2 : 1);
    }
    return bytes;
}

} // namespace
