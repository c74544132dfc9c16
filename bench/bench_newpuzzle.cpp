// New Puzzle on the shipped word list: the game's own search against a plain
// word-by-word transcription of the algorithm, over the same seeds. Each
// repetition is one puzzle of the next seed, so the median and p99 are per
// puzzle (thread CPU time). After the run both sides' letters, potential words (in order) and
// pass counts are compared seed by seed; any difference fails the program.
#include "game/DataFiles.h"
#include "game/LetterPools.h"
#include "game/WordGame.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <time.h>

#ifndef LUMORA_SOURCE_DIR
#define LUMORA_SOURCE_DIR "."
#endif

namespace {

constexpr int kPuzzles = 1000;

// ---- In-memory controls ---------------------------------------------------

class RowStore : public game::IRowStore {
public:
    int RowCount() const override { return static_cast<int>(rows.size()); }
    void SetRowCount(int n) override { rows.resize(static_cast<std::size_t>(std::max(n, 0))); }
    std::string Cell(int r) const override { return rows[static_cast<std::size_t>(r)]; }
    void SetCell(int r, const std::string& t) override { rows[static_cast<std::size_t>(r)] = t; }
    std::vector<std::string> rows;
};

class Label : public game::ILabel {
public:
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& t) override { caption = t; }
    std::string caption;
};

class Button : public game::ILetterButton {
public:
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& t) override { caption = t; }
    bool Down() const override { return down; }
    void SetDown(bool d) override { down = d; }
    std::string caption;
    bool down = false;
};

struct Quiet : game::IGameDialogs, game::ISoundPlayer, game::ISoundSwitch, game::IListView {
    bool Confirm(const std::string&) override { return true; }
    void ScrollRowIntoView(int) override {}
    void ShowFirstRow() override {}
    void Inform(const std::string&) override {}
    void Play(const std::string&) override {}
    bool Checked() const override { return false; }
};

class SeededRandom : public game::IRandomSource {
public:
    void Seed(unsigned seed) { m_engine.seed(seed); }
    int Next(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }

private:
    std::mt19937 m_engine;
};

struct Controls {
    RowStore wordsGrid, possibleWordsGrid, guessedWordsGrid;
    Label label1, lettersLabel, label2, possibleWordsLabel, potentialWordsLabel, numWordsLabel,
        scoreLabel, currentWordLabel;
    std::array<Button, 9> buttons;
};

struct Outcome {
    std::string letters;
    std::vector<std::string> words;
    std::string passes;
    bool operator==(const Outcome&) const = default;
};

Outcome Read(const Controls& c)
{
    return { c.lettersLabel.caption, c.possibleWordsGrid.rows, c.label2.caption };
}

std::vector<std::string> ShippedWords()
{
    return game::ReadWordListLines(std::string(LUMORA_SOURCE_DIR) + "/resources/biblewords.txt");
}

// ---- The plain transcription ----------------------------------------------

bool PlainWordFitsLetters(const std::string& word, const std::string& letters)
{
    bool result = word.find(letters[0]) != std::string::npos;
    std::string pool = letters;
    if (result && !word.empty()) {
        for (std::size_t i = 0; i < word.size(); ++i) {
            const std::size_t at = pool.find(word[i]);
            if (at == std::string::npos)
                result = false;
            else
                pool[at] = ' ';
        }
    }
    return result;
}

void PlainNewPuzzle(Controls& c, game::IRandomSource& random)
{
    int passes = 0;
    int count = 0;
    do {
        ++passes;
        for (std::size_t b = 0; b < 9; ++b) {
            const std::string_view pool = game::kLetterPools[b];
            c.buttons[b].SetCaption(std::string(1, pool[static_cast<std::size_t>(random.Next(static_cast<int>(pool.size())))]));
        }
        std::string letters;
        for (const Button& b : c.buttons)
            letters += b.Caption();
        c.lettersLabel.SetCaption(letters);
        count = 0;
        for (int r = 0; r < c.wordsGrid.RowCount(); ++r) {
            const std::string word = c.wordsGrid.Cell(r);
            if (PlainWordFitsLetters(word, letters)) {
                c.possibleWordsGrid.SetRowCount(count + 1);
                c.possibleWordsGrid.SetCell(count, word);
                ++count;
            }
        }
        c.possibleWordsLabel.SetCaption("Possible Words: " + std::to_string(c.possibleWordsGrid.RowCount()));
        c.potentialWordsLabel.SetCaption(std::to_string(c.possibleWordsGrid.RowCount()));
    } while (count < 35);
    c.label2.SetCaption("Passes: " + std::to_string(passes));

    bool exchanged;
    do {
        exchanged = false;
        for (int r = 0; r + 1 < c.possibleWordsGrid.RowCount(); ++r) {
            const std::string a = c.possibleWordsGrid.Cell(r);
            const std::string b = c.possibleWordsGrid.Cell(r + 1);
            if (b.size() > a.size()) {
                c.possibleWordsGrid.SetCell(r, b);
                c.possibleWordsGrid.SetCell(r + 1, a);
                exchanged = true;
            }
        }
    } while (exchanged);

    c.guessedWordsGrid.SetRowCount(c.possibleWordsGrid.RowCount());
    for (int r = 0; r < c.possibleWordsGrid.RowCount(); ++r)
        c.guessedWordsGrid.SetCell(r, std::string("***************").substr(0, c.possibleWordsGrid.Cell(r).size()));
}

// ---- Benchmarks -----------------------------------------------------------

std::map<unsigned, Outcome> g_fast, g_plain;

// The machine is shared with other work, so each puzzle is timed by the CPU
// time of this thread rather than by the wall clock.
double ThreadSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_NewPuzzle(benchmark::State& state)
{
    static Controls c;
    static Quiet quiet;
    static SeededRandom random;
    static game::TWordGame game(
        game::GameControls {
            .wordsGrid = c.wordsGrid,
            .possibleWordsGrid = c.possibleWordsGrid,
            .guessedWordsGrid = c.guessedWordsGrid,
            .guessedWordsView = quiet,
            .label1 = c.label1,
            .lettersLabel = c.lettersLabel,
            .label2 = c.label2,
            .possibleWordsLabel = c.possibleWordsLabel,
            .potentialWordsLabel = c.potentialWordsLabel,
            .numWordsLabel = c.numWordsLabel,
            .scoreLabel = c.scoreLabel,
            .currentWordLabel = c.currentWordLabel,
            .crossButtons = { &c.buttons[0], &c.buttons[1], &c.buttons[2], &c.buttons[3], &c.buttons[4],
                &c.buttons[5], &c.buttons[6], &c.buttons[7], &c.buttons[8] },
            .soundCheckBox = quiet,
        },
        game::GameServices { .dialogs = quiet, .sound = quiet, .random = random },
        std::string(LUMORA_SOURCE_DIR) + "/resources/");
    static bool loaded = false;
    if (!loaded) {
        game.LoadWordList(); // the store and its summaries, as at start-up
        loaded = true;
    }
    static unsigned seed = 0;
    for (auto _ : state) {
        game.Quit(); // so that no question is asked
        random.Seed(seed);
        const double start = ThreadSeconds();
        game.NewPuzzle();
        state.SetIterationTime(ThreadSeconds() - start);
    }
    g_fast[seed++] = Read(c);
}

void BM_NewPuzzlePlain(benchmark::State& state)
{
    static Controls c;
    static SeededRandom random;
    if (c.wordsGrid.rows.empty())
        c.wordsGrid.rows = ShippedWords();
    static unsigned seed = 0;
    for (auto _ : state) {
        random.Seed(seed);
        const double start = ThreadSeconds();
        PlainNewPuzzle(c, random);
        state.SetIterationTime(ThreadSeconds() - start);
    }
    g_plain[seed++] = Read(c);
}

double P99(const std::vector<double>& v)
{
    std::vector<double> s(v);
    std::sort(s.begin(), s.end());
    const std::size_t at = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(s.size())));
    return s[at == 0 ? 0 : at - 1];
}

// Each repetition is one puzzle, timed by hand; the median and the 99th
// percentile over kPuzzles of them are reported.
void OnePuzzlePerRepetition(benchmark::internal::Benchmark* b)
{
    b->Iterations(1)
        ->Repetitions(kPuzzles)
        ->UseManualTime()
        ->ComputeStatistics("p99", P99)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_NewPuzzle)->Apply(OnePuzzlePerRepetition);
BENCHMARK(BM_NewPuzzlePlain)->Apply(OnePuzzlePerRepetition);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // Both sides must have made the same puzzle for every seed they share.
    int compared = 0;
    for (const auto& [seed, fast] : g_fast) {
        const auto plain = g_plain.find(seed);
        if (plain == g_plain.end())
            continue;
        ++compared;
        if (!(plain->second == fast)) {
            std::fprintf(stderr, "seed %u: %s (%s, %zu words) but plainly %s (%s, %zu words)\n", seed,
                fast.letters.c_str(), fast.passes.c_str(), fast.words.size(), plain->second.letters.c_str(),
                plain->second.passes.c_str(), plain->second.words.size());
            return 1;
        }
    }
    if (compared > 0)
        std::printf("Identical letters, potential words, order and passes for %d seeds.\n", compared);
    return 0;
}
