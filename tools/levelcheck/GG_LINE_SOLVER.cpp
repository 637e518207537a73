#include "tools/levelcheck/GG_LINE_SOLVER.h"

#include <algorithm>

#include "tools/levelcheck/GG_PICTURE.h"

namespace game
{
void GG_LINE_SOLVER::fSetClues(const std::vector<std::vector<int>>& rowClues,
                               const std::vector<std::vector<int>>& columnClues)
{
    rows = int(rowClues.size());
    columns = int(columnClues.size());
    clues = rowClues;
    clues.insert(clues.end(), columnClues.begin(), columnClues.end());
    // A run of 0 is how the clue of an empty line is often written: it places nothing
    // (nor does a negative one, which no picture gives).
    for (auto& clue : clues)
        clue.erase(std::remove_if(clue.begin(), clue.end(), [](int run) { return run <= 0; }), clue.end());
    cells.assign(size_t(rows) * size_t(columns), UNKNOWN);

    size_t longest = size_t(std::max(rows, columns));
    size_t mostClues = 0;
    for (const auto& clue : clues)
        mostClues = std::max(mostClues, clue.size());
    const size_t table = (mostClues + 1) * (longest + 1);
    lineBuffer.assign(longest, UNKNOWN);
    prefix.assign(table, 0);
    suffix.assign(table, 0);
    emptyBefore.assign(longest + 1, 0);
    cover.assign(longest + 1, 0);
    canEmpty.assign(longest, 0);
    queue.assign(size_t(rows + columns), 0);
    queueHead = 0;
    queueSize = 0;
    queued.assign(size_t(rows + columns), 0);
}

void GG_LINE_SOLVER::fSetPicture(const GG_PICTURE& picture)
{
    std::vector<std::vector<int>> rowClues;
    std::vector<std::vector<int>> columnClues;
    for (int row = 0; row < picture.fGetRows(); ++row)
        rowClues.push_back(picture.fRowClue(row));
    for (int column = 0; column < picture.fGetColumns(); ++column)
        columnClues.push_back(picture.fColumnClue(column));
    fSetClues(rowClues, columnClues);
}

int GG_LINE_SOLVER::fCountUnknown() const
{
    return int(std::count(cells.begin(), cells.end(), uint8_t(UNKNOWN)));
}

// prefix[j][i]: the first i cells can hold exactly the first j runs. suffix[j][i]: cells
// i..n-1 can hold runs j..k-1. A cell can be empty when some j joins a prefix before it to a
// suffix after it; it can be filled when some placement of a run over it is joined on both
// sides. Both tables and the run test cost O(n × k): no placement is ever listed.
bool GG_LINE_SOLVER::fSolveLine(const int* clue, int clueCount, uint8_t* line, int length)
{
    const int n = length;
    const int k = clueCount;
    const int stride = n + 1;
    // Sized for the puzzle's lines; a line from elsewhere may need more.
    const size_t table = size_t(k + 1) * size_t(stride);
    if (prefix.size() < table)
    {
        prefix.resize(table);
        suffix.resize(table);
    }
    if (cover.size() < size_t(stride))
    {
        emptyBefore.resize(size_t(stride));
        cover.resize(size_t(stride));
        canEmpty.resize(size_t(n));
    }
    auto P = [&](int j, int i) -> uint8_t& { return prefix[size_t(j * stride + i)]; };
    auto S = [&](int j, int i) -> uint8_t& { return suffix[size_t(j * stride + i)]; };

    emptyBefore[0] = 0;
    for (int i = 0; i < n; ++i)
        emptyBefore[size_t(i + 1)] = emptyBefore[size_t(i)] + (line[i] == EMPTY ? 1 : 0);
    auto clear = [&](int from, int to) { return emptyBefore[size_t(to)] == emptyBefore[size_t(from)]; };

    for (int j = 0; j <= k; ++j)
        P(j, 0) = j == 0;
    for (int i = 1; i <= n; ++i)
    {
        for (int j = 0; j <= k; ++j)
        {
            uint8_t fits = line[i - 1] != FILLED && P(j, i - 1);
            if (!fits && j > 0)
            {
                const int start = i - clue[j - 1];
                if (start >= 0 && clear(start, i))
                {
                    if (start == 0)
                        fits = j == 1;
                    else
                        fits = line[start - 1] != FILLED && P(j - 1, start - 1);
                }
            }
            P(j, i) = fits;
        }
    }
    if (!P(k, n))
        return false;

    for (int j = 0; j <= k; ++j)
        S(j, n) = j == k;
    for (int i = n - 1; i >= 0; --i)
    {
        for (int j = 0; j <= k; ++j)
        {
            uint8_t fits = line[i] != FILLED && S(j, i + 1);
            if (!fits && j < k)
            {
                const int end = i + clue[j];
                if (end <= n && clear(i, end))
                {
                    if (end == n)
                        fits = j == k - 1;
                    else
                        fits = line[end] != FILLED && S(j + 1, end + 1);
                }
            }
            S(j, i) = fits;
        }
    }

    std::fill(cover.begin(), cover.begin() + n + 1, 0);
    for (int j = 0; j < k; ++j)
    {
        const int run = clue[j];
        for (int start = 0; start + run <= n; ++start)
        {
            const int end = start + run;
            if (!clear(start, end))
                continue;
            const bool before = start == 0 ? j == 0 : (line[start - 1] != FILLED && P(j, start - 1));
            if (!before)
                continue;
            const bool after = end == n ? j == k - 1 : (line[end] != FILLED && S(j + 1, end + 1));
            if (!after)
                continue;
            ++cover[size_t(start)];
            --cover[size_t(end)];
        }
    }
    for (int i = 0; i < n; ++i)
    {
        uint8_t empty = 0;
        if (line[i] != FILLED)
            for (int j = 0; j <= k && !empty; ++j)
                empty = P(j, i) && S(j, i + 1);
        canEmpty[size_t(i)] = empty;
    }

    int covered = 0;
    for (int i = 0; i < n; ++i)
    {
        covered += cover[size_t(i)];
        const bool fill = covered > 0;
        const bool empty = canEmpty[size_t(i)] != 0;
        if (fill && !empty)
            line[i] = FILLED;
        else if (empty && !fill)
            line[i] = EMPTY;
    }
    return true;
}

void GG_LINE_SOLVER::fQueueLine(int line)
{
    if (!queued[size_t(line)])
    {
        queued[size_t(line)] = 1;
        queue[(queueHead + queueSize) % queue.size()] = line;
        ++queueSize;
    }
}

GG_LINE_SOLVER::RESULT GG_LINE_SOLVER::fPropagate()
{
    // Lines are looked at again in the order they changed: a line waits while others add
    // to what is known about it, which halves the line passes against taking the newest first.
    while (queueSize > 0)
    {
        const int line = queue[queueHead];
        queueHead = (queueHead + 1) % queue.size();
        --queueSize;
        queued[size_t(line)] = 0;
        const std::vector<int>& clue = clues[size_t(line)];
        const bool isRow = line < rows;
        const int length = isRow ? columns : rows;
        const int index = isRow ? line : line - rows;
        const int first = isRow ? index * columns : index;
        const int step = isRow ? 1 : columns;

        uint8_t* buffer = lineBuffer.data();
        for (int i = 0; i < length; ++i)
            buffer[i] = cells[size_t(first + i * step)];
        if (!fSolveLine(clue.data(), int(clue.size()), buffer, length))
        {
            for (; queueSize > 0; --queueSize, queueHead = (queueHead + 1) % queue.size())
                queued[size_t(queue[queueHead])] = 0;
            return CONTRADICTION;
        }
        for (int i = 0; i < length; ++i)
        {
            uint8_t& cell = cells[size_t(first + i * step)];
            if (cell == buffer[i])
                continue;
            cell = buffer[i];
            fQueueLine(isRow ? rows + i : i);
        }
    }
    return fCountUnknown() == 0 ? SOLVED : STUCK;
}

GG_LINE_SOLVER::RESULT GG_LINE_SOLVER::fSolve()
{
    std::fill(cells.begin(), cells.end(), uint8_t(UNKNOWN));
    for (int line = 0; line < rows + columns; ++line)
        fQueueLine(line);
    return fPropagate();
}

int GG_LINE_SOLVER::fSearch(int limit, long nodeLimit, long* nodes)
{
    const RESULT result = fPropagate();
    if (result == CONTRADICTION)
        return 0;
    if (result == SOLVED)
        return 1;
    if (++*nodes > nodeLimit)
        return -1;
    const size_t open = size_t(std::find(cells.begin(), cells.end(), uint8_t(UNKNOWN)) - cells.begin());
    const std::vector<uint8_t> saved = cells;
    int found = 0;
    for (const uint8_t value : {FILLED, EMPTY})
    {
        cells = saved;
        cells[open] = value;
        fQueueLine(int(open) / columns);
        fQueueLine(rows + int(open) % columns);
        const int more = fSearch(limit - found, nodeLimit, nodes);
        if (more < 0)
            return -1;
        found += more;
        if (found >= limit)
            break;
    }
    return found;
}

GG_LINE_SOLVER::VERDICT GG_LINE_SOLVER::fJudge(long nodeLimit)
{
    const RESULT result = fSolve();
    if (result == SOLVED)
        return LINE_SOLVABLE;
    if (result == CONTRADICTION)
        return NO_SOLUTION;
    const std::vector<uint8_t> lineLogic = cells;
    long nodes = 0;
    const int found = fSearch(2, nodeLimit, &nodes);
    cells = lineLogic;
    if (found < 0)
        return UNDECIDED;
    if (found == 0)
        return NO_SOLUTION;
    return found == 1 ? NEEDS_GUESSING : SEVERAL_SOLUTIONS;
}

const char* GG_LINE_SOLVER::fDescribe(VERDICT verdict)
{
    switch (verdict)
    {
    case LINE_SOLVABLE:
        return "unique, solved by line logic";
    case NEEDS_GUESSING:
        return "needs guessing (one solution, but line logic stops short of it)";
    case SEVERAL_SOLUTIONS:
        return "needs guessing: two or more solutions";
    case NO_SOLUTION:
        return "contradiction: no solution";
    case UNDECIDED:
        return "needs guessing (the search gave up before telling one solution from several)";
    }
    return "?";
}
}
