#pragma once

#include "document/document.h"
#include "document/editor_state.h"
#include "document/palette_rows.h"
#include "document/result.h"

#include <QIODevice>
#include <QString>

#include <array>
#include <vector>

namespace vesk4 {

// The settings of one page as the project file carries them.
struct PageSettings {
    int16_t colourMode = 0;
    QString name;
    int16_t patternWidth = 0;
    int16_t patternHeight = 0;
    int16_t patternCount = 0;
    int16_t outputFlag = 0;
    std::array<int16_t, 4> pal4{};
    std::array<int16_t, 8> pal8{};
    std::array<int16_t, 16> pal16{}; // the file holds entries 0-15 only

    friend bool operator==(const PageSettings &, const PageSettings &) = default;
};

// Everything a project file holds, read in full before any of it reaches the document.
struct ProjectContent {
    int16_t FileVer = 0;
    // The 64 x 256 sheet of every page, index (page * 256 + y) * 64 + x.
    std::vector<int16_t> pixels;
    // The map sheets in the same order; empty unless FileVer is 1.
    std::vector<int16_t> map;
    std::array<PageSettings, kPageCount> pages;

    friend bool operator==(const ProjectContent &, const ProjectContent &) = default;
};

inline constexpr int kFileLinesWithoutMap = 9282;
inline constexpr int kFileLinesWithMap = 17474;

// The reader refuses larger files. The largest file the writer makes, every cell of both planes
// "-32768", is about 7.4 MB; the bound keeps a wrong or endless file from being read into memory.
inline constexpr qint64 kMebibyte = qint64{1024} * 1024;
inline constexpr qint64 kMaxProjectFileBytes = 32 * kMebibyte;

// Writes the document in project-file form: CR LF lines, page names in code page 932. Writes
// nothing and fails when a page name would not read back as it is: a comma, a double quote, a
// control character, a leading blank, or a character code page 932 lacks.
Status writeProject(const Document &doc, QIODevice &out);
// The same bytes in memory: what a save would write.
Expected<QByteArray> projectFileText(const Document &doc);
// Whether the writer can store the page name so that it reads back as it is.
bool isStorablePageName(const QString &name);
// Writes through a QSaveFile, so a failed save leaves an existing file whole.
Status saveProject(const Document &doc, const QString &path);

// Reads a whole project file; fails with the line where the file stopped making sense.
Expected<ProjectContent> readProject(QIODevice &in);

// Reads the project file at path.
Expected<ProjectContent> readProjectFile(const QString &path);

// Puts what a file held into the document: the sheets (cells outside them untouched), the page
// settings and palette rows, FileVer, and the map sheets when FileVer is 1.
void applyProjectContent(Document &doc, ProjectContent &&content);

// The content on the tables of a new project: what the file stores, without what opening it
// changes (palettes reset, a pattern count above 99 shown as 0).
Document storedDocument(ProjectContent &&content);

// The steps that follow every open, of a project file or of an include file read back: put the
// content into the document, reset the palettes (resetPalettes) and show the current page's tables.
void loadProjectContent(Document &doc, EditorState &state, ProjectContent &&content);

// The editor's Open and the command line's one load path: read the whole file, and only when it
// read, load it (loadProjectContent). A failed open leaves document and state exactly as they were.
Status openProject(const QString &path, Document &doc, EditorState &state);

} // namespace vesk4
