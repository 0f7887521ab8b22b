#include "document/TitleIndex.h"

#include <QStringView>
#include <unicode/unorm2.h>

#include <algorithm>

#include "document/WordStartSearch.h"
#include "framework/core/MoveAlongOrder.h"
#include "framework/core/StrComp.h"
#include "framework/core/Strings.h"

namespace {

// Below it every character is a base character that no normalisation changes,
// and none is half of a surrogate pair.
constexpr char16_t kPlainLimit = 0x300;

// Of the characters from U+0300 on, those that no normalisation changes, alone
// or beside others (punctuation, symbols, the letters of most scripts); never
// half of a surrogate pair.
const std::vector<bool>& Inert() {
    static const std::vector<bool> inert = [] {
        std::vector<bool> table(0x10000, false);
        UErrorCode status = U_ZERO_ERROR;
        const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
        for (char32_t c = kPlainLimit; U_SUCCESS(status) && c < 0x10000; ++c)
            table[c] = !QChar::isSurrogate(c) && unorm2_isInert(nfc, UChar32(c));
        return table;
    }();
    return inert;
}

// Only a title with a unit that may lie from U+0300 on is looked at closely.
bool IsPlain(const QString& s) {
    if (OrOfUnits(s) < kPlainLimit)
        return true;
    const char16_t* u = reinterpret_cast<const char16_t*>(s.utf16());
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i)
        if (u[i] >= kPlainLimit && !Inert()[u[i]])
            return false;
    return true;
}

quint64 NextSerial() {
    static quint64 serial = 0;
    return ++serial;
}

}  // namespace

bool TitleIndex::Describes(const Row& row, const QString& title) {
    // The very text, not an equal one: the description holds it, so no other
    // text can take its place in memory.
    return row.title.constData() == title.constData() && row.title.size() == title.size();
}

TitleIndex::Row TitleIndex::Describe(const QString& title) {
    Row row;
    row.title = title;
    row.serial = NextSerial();
    // Word starts are kept in 16 bits; a longer title is read whenever it is searched.
    row.plain = title.size() <= 0xFFFF && IsPlain(title);
    if (!row.plain)
        return row;
    const char16_t* u = reinterpret_cast<const char16_t*>(title.utf16());
    for (qsizetype at = 0; at >= 0;) {
        if (row.words == kHeads) {
            row.moreWords = true;
            break;
        }
        row.at[row.words] = quint16(at);
        for (int k = 0; k < kHeadLength && at + k < title.size(); ++k)
            row.heads[row.words][k] = u[at + k];
        ++row.words;
        const qsizetype blank = QStringView(title).indexOf(u' ', at);
        at = blank < 0 ? -1 : blank + 1;
    }
    return row;
}

void TitleIndex::Sync(const std::vector<EntryRow>& rows, int count) {
    const auto title = [&rows](int i) -> const QString& { return rows[std::size_t(i)][0]; };
    const int known = int(rows_.size());
    // Titles edited in place: described anew where they stand (rows removed
    // from the end are forgotten).
    bool inPlace = known >= count;
    for (int i = 0; inPlace && i < count; ++i) {
        if (Describes(rows_[std::size_t(i)], title(i)))
            continue;
        if (i + 1 < count && !Describes(rows_[std::size_t(i + 1)], title(i + 1)))
            inPlace = false;
        else
            rows_[std::size_t(i)] = Describe(title(i));
    }
    if (inPlace) {
        rows_.erase(rows_.begin() + count, rows_.end());
        return;
    }
    // Rows moved, added or removed: the descriptions follow their titles.
    std::vector<Row> synced;
    synced.reserve(std::size_t(count));
    int j = 0;
    for (int i = 0; i < count; ++i) {
        const QString& t = title(i);
        if (j + 1 < known && !Describes(rows_[std::size_t(j)], t) && Describes(rows_[std::size_t(j + 1)], t))
            ++j;  // the row described at j is gone
        if (j < known && Describes(rows_[std::size_t(j)], t)) {
            synced.push_back(std::move(rows_[std::size_t(j++)]));
            continue;
        }
        synced.push_back(Describe(t));
        // A row put in before the one described at j leaves that one for the next row.
        if (j < known && !(i + 1 < count && Describes(rows_[std::size_t(j)], title(i + 1))))
            ++j;
    }
    rows_ = std::move(synced);
}

void TitleIndex::Move(const std::vector<int>& order, int first, int last) {
    // Rows not described yet are left to Sync.
    if (last < int(rows_.size()))
        MoveAlongOrder(rows_, order, first, last);
}

void TitleIndex::Remove(int row) {
    if (row >= 0 && row < int(rows_.size()))
        rows_.erase(rows_.begin() + row);
}

void TitleIndex::Append(const QString& title) {
    rows_.push_back(Describe(title));
    const int last = int(rows_.size()) - 1;
    if (last > 0)
        Compare(last - 1, last);
}

void TitleIndex::LearnOrder() {
    for (int i = 1; i < int(rows_.size()); ++i)
        Compare(i - 1, i);
}

bool TitleIndex::InOrder() {
    for (int i = 1; i < int(rows_.size()); ++i)
        if (Compare(i - 1, i) > 0)
            return false;
    return true;
}

int TitleIndex::Compare(int a, int b) {
    if (a == b)
        return 0;
    if (a - b == 1 || b - a == 1) {
        const Row& above = rows_[std::size_t(std::min(a, b))];
        Row& below = rows_[std::size_t(std::max(a, b))];
        if (below.above != above.serial) {
            below.order = qint8(StrComp(above.title, below.title));
            below.above = above.serial;
        }
        return a < b ? below.order : -below.order;
    }
    return StrComp(rows_[std::size_t(a)].title, rows_[std::size_t(b)].title);
}

bool TitleIndex::SameTitle(int a, int b) {
    if (a - b == 1 || b - a == 1) {
        const Row& below = rows_[std::size_t(std::max(a, b))];
        if (below.above == rows_[std::size_t(std::min(a, b))].serial)
            return below.order == 0;
    }
    return rows_[std::size_t(a)].title == rows_[std::size_t(b)].title;
}

bool TitleIndex::Found(int row, WordStartSearch& search) const {
    if (!search.Valid())
        return false;
    const Row& r = rows_[std::size_t(row)];
    if (!r.plain)
        return search.FoundByPattern(r.title);
    for (int word = 0; word < r.words; ++word)
        if (FoundAt(r, word, search))
            return true;
    if (!r.moreWords)
        return false;
    // Words past those described: the title itself is read.
    for (qsizetype at = r.at[kHeads - 1]; (at = QStringView(r.title).indexOf(u' ', at)) >= 0;)
        if (search.FoundAt(r.title, ++at))
            return true;
    return false;
}

bool TitleIndex::FoundAt(const Row& row, int word, const WordStartSearch& search) const {
    const std::vector<char32_t>& typed = search.Typed();
    const int at = row.at[word];
    if (row.title.size() - at < qsizetype(typed.size()))
        return false;
    const std::size_t inHead = std::min<std::size_t>(typed.size(), kHeadLength);
    for (std::size_t k = 0; k < inHead; ++k)
        if (!search.SameLetter(typed[k], row.heads[word][k]))
            return false;
    return inHead == typed.size() || search.FoundAt(row.title, at, kHeadLength);
}
