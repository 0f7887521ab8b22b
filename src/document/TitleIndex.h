#pragma once

#include <QString>
#include <vector>

#include "document/format/EntryRow.h"

class WordStartSearch;

// What the document window has learnt about its titles, so that sorting and
// type-to-search need not read every title again on every key: for each row,
// where its words start and how they begin, and how its title compares with the
// one above. Each row's description holds the very title text it describes;
// Sync describes anew the rows whose title is no longer that text (edited,
// moved, added) and follows rows moved up or down by one, so nothing else has
// to keep it in step.
class TitleIndex {
public:
    // Brings the descriptions in line with the first count rows.
    void Sync(const std::vector<EntryRow>& rows, int count);
    // The descriptions follow rows moved as MoveAlongOrder moves them.
    void Move(const std::vector<int>& order, int first, int last);
    // The description of a row removed goes, those below move up by one.
    void Remove(int row);
    // Describes the title of a row put after the last one described (a table
    // being read), and compares it with the one above.
    void Append(const QString& title);
    // Compares every row with the one above that it was not yet compared with.
    void LearnOrder();

    // Whether no title sorts before the one above it.
    bool InOrder();
    // StrComp of the titles of rows a and b; remembered for neighbours.
    int Compare(int a, int b);
    // Whether rows a and b have the same title.
    bool SameTitle(int a, int b);
    // Whether a word of row's title starts with the typed text.
    bool Found(int row, WordStartSearch& search) const;

private:
    static constexpr int kHeads = 4;
    static constexpr int kHeadLength = 4;

    struct Row {
        QString title;
        // This description's number, never given twice.
        quint64 serial = 0;
        // StrComp(title above, title), learnt when the row above had the description numbered above.
        quint64 above = 0;
        qint8 order = 0;
        // No normalisation changes the title, and no character is half a pair.
        bool plain = false;
        // Where the first words start (at most kHeads), their first characters, and whether more follow.
        bool moreWords = false;
        quint8 words = 0;
        quint16 at[kHeads] = {};
        char16_t heads[kHeads][kHeadLength] = {};
    };

    static Row Describe(const QString& title);
    static bool Describes(const Row& row, const QString& title);
    bool FoundAt(const Row& row, int word, const WordStartSearch& search) const;

    std::vector<Row> rows_;
};
