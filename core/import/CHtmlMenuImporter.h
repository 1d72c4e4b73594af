// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CImportNode.h"

// Reads a menu structure out of an HTML page with a real HTML5 parser, so
// that unclosed <li>, entities, comments and scripts come out as a browser
// would see them. Every outermost <ul>/<ol> holding <li> items, and every
// <nav> of bare links, is a candidate; lists of links come first, those
// inside a <nav> first among them, and the first candidate is the one taken
// unless the user picks another.
class CHtmlMenuImporter {
public:
    struct CCandidate {
        std::string m_strDescription;  // e.g. "<nav> <ul id="main"> at line 12: 5 items, 2 levels"
        int m_nLine = 0;
        int m_nItems = 0;  // all <li> below, at every level
        int m_nLinks = 0;  // those with an address
        int m_nPages = 0;  // those whose address is no mail address
        bool m_bInNav = false;
    };

    explicit CHtmlMenuImporter(std::string html);

    const std::vector<CCandidate>& Candidates() const { return m_candidates; }
    // Builds the tree of candidate index into root's children; false with
    // Error() naming the element when it cannot (no list, an empty list,
    // nesting beyond maxDepth levels).
    bool Import(size_t index, CImportNode& root, int maxDepth);
    const std::string& Error() const { return m_strError; }
    // What the last Import left out of the list and why, one line each.
    const std::vector<std::string>& Notes() const { return m_notes; }
    // The address the page's links are read from (<base href>), "" when none.
    const std::string& Base() const { return m_strBase; }

    static constexpr const char* kNoList =
        "The page has no menu list: no <nav>, <ul> or <ol> with <li> items was found.";

private:
    std::string m_strHtml;
    std::vector<CCandidate> m_candidates;
    std::vector<const void*> m_lists;  // the candidates' list elements
    // The order of the candidates: higher first.
    static int Rank(const CCandidate& c);
    // The message when no list can be taken: the empty lists, or the frames.
    void NameEmptyLists(const std::vector<std::string>& empty);

    std::string m_strError;
    std::vector<std::string> m_notes;
    std::string m_strBase;
    std::vector<std::string> m_frames;  // the sources of a frameset's frames
    struct CDocument;
    std::shared_ptr<CDocument> m_doc;
};
