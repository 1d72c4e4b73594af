// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// The picture and sound files an item or the applet can name, by extension.
// The applet reads GIF and JPEG pictures and Sun audio (.au) sounds; the
// HTML5 forms (the runtime script and the exported page, drawn by the
// browser) read those and PNG, SVG and WebP pictures and WAV, Ogg and MP3
// sounds as well.
class CMediaFormat {
public:
    enum class Kind { None, Picture, Sound };
    struct Format {
        const char* extension;  // lower case, without the dot
        Kind kind;
        bool appletReads;
    };

    static const std::vector<Format>& All();
    // The format of path's extension (any case); null for none.
    static const Format* Of(const std::string& path);
    static bool IsMedia(const std::string& path) { return Of(path) != nullptr; }
    // A media file that only the HTML5 forms can use.
    static bool OnlyHtml5(const std::string& path);
    // The extensions of one kind, lower case: every one, or only those the
    // applet reads.
    static std::vector<std::string> Extensions(Kind kind, bool appletOnly);
};
