#pragma once
// The two files of one comparison and what the view shows of them: the rows,
// the change blocks, and (worked out only for the rows on screen) the words
// that changed inside a changed line.
#include "apps/tarnwickdiff/core/DiffText.h"
#include "apps/tarnwickdiff/core/InlineDiff.h"
#include "apps/tarnwickdiff/core/SideBySide.h"

#include <string>
#include <unordered_map>

namespace tarnwickdiff {

class CDiffDocument {
public:
    // Reads both files, side by side in time; false with a message naming
    // every file that cannot be compared.
    bool Load(const std::string& leftPath, const std::string& rightPath, std::string& message);
    // Lays out the loaded texts.
    void Compare(bool ignoreWhitespace);
    // Load, then Compare.
    bool Open(const std::string& leftPath, const std::string& rightPath, bool ignoreWhitespace,
              std::string& message);

    const CDiffText& Left() const { return m_left; }
    const CDiffText& Right() const { return m_right; }
    const CSideBySide& Layout() const { return m_layout; }
    bool IgnoresWhitespace() const { return m_ignoreWhitespace; }

    // The sentence for a comparison without changes ("The files are
    // identical."), with what still differs (line ends, white space); empty
    // when there are changes.
    std::string IdenticalText() const;

    // The changed words of a row; empty unless the row is Changed.
    const InlineChanges& InlineAt(std::size_t row) const;

    // The hunks plus one for every row they leave equal whose lines differ
    // after all: two texts that happened to share an identity are shown as
    // changed, never hidden.
    static std::vector<DiffHunk> Verified(const CDiffText& left, const CDiffText& right,
                                          const std::vector<DiffHunk>& hunks, bool ignoreWhitespace);

private:

    CDiffText m_left;
    CDiffText m_right;
    CSideBySide m_layout;
    bool m_ignoreWhitespace = false;
    mutable std::unordered_map<std::size_t, InlineChanges> m_inline;
};

} // namespace tarnwickdiff
