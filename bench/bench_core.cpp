// Benchmarks of the rules, the saved-game file and the high-score store.
#include "BrightmooseConcentrationModule.h"
#include "Game.h"
#include "HighScores.h"
#include "RandomSource.h"
#include "SavedGame.h"
#include "SavedGameFile.h"
#include "SqliteRegistryStore.h"

#include <benchmark/benchmark.h>

#include <filesystem>

#include <unistd.h>

namespace {

using namespace bmd;

// A window that shows nothing: what is left is the cost of the rules.
class NullWindow final : public GameWindow {
public:
    void ShowTable(const CardsOnTable& onTable) override { benchmark::DoNotOptimize(onTable.data()); }
    void ShowFace(int, std::int16_t face) override { benchmark::DoNotOptimize(face); }
    void ShowBack(int) override {}
    void RemovePair(int, int) override {}
    void CountersChanged(std::int16_t tries, std::int16_t) override { benchmark::DoNotOptimize(tries); }
    void SaveAvailabilityChanged(bool) override {}
    void StartTurnTimer() override {}
    void StopTurnTimer() override {}
    void GameOver() override {}
    void OfferHighScore(std::int16_t) override {}
};

// A scratch folder for the file benchmarks, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() : path_(std::filesystem::temp_directory_path() / ("bmd-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

void BM_NewGame(benchmark::State& state)
{
    NullWindow window;
    ClockSeededRandom random;
    Game game(window, random);
    for (auto _ : state) {
        game.NewGame();
        benchmark::DoNotOptimize(game.OnTable().data());
    }
}
BENCHMARK(BM_NewGame);

// A deal and a perfect game to the 27th pair.
void BM_WholeGame(benchmark::State& state)
{
    NullWindow window;
    ClockSeededRandom random;
    Game game(window, random);
    for (auto _ : state) {
        game.NewGame();
        std::array<int, kCardCount + 1> positionOf{};
        const auto faces = game.RecordToSave().CardFace;
        for (int i = 0; i < kCardCount; ++i) {
            positionOf[faces[i]] = i;
        }
        for (std::int16_t face = 1; face <= 27; ++face) {
            const std::int16_t first = face <= 26 ? face : std::int16_t(53);
            game.TurnCard(positionOf[first]);
            game.TurnCard(positionOf[PartnerFace(first)]);
            game.EndTurn();
        }
        benchmark::DoNotOptimize(game.CanSave());
    }
}
BENCHMARK(BM_WholeGame);

SavedGame SampleRecord()
{
    NullWindow window;
    ClockSeededRandom random;
    Game game(window, random);
    game.NewGame();
    return game.RecordToSave();
}

void BM_EncodeSavedGame(benchmark::State& state)
{
    const SavedGame record = SampleRecord();
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeSavedGame(record));
    }
}
BENCHMARK(BM_EncodeSavedGame);

void BM_DecodeAndValidateSavedGame(benchmark::State& state)
{
    const SavedGameSlot slot = EncodeSavedGame(SampleRecord());
    for (auto _ : state) {
        const auto record = DecodeSavedGame(slot);
        benchmark::DoNotOptimize(ValidateSavedGame(*record).Ok());
    }
}
BENCHMARK(BM_DecodeAndValidateSavedGame);

void BM_WriteSavedGameFile(benchmark::State& state)
{
    ScratchFolder folder;
    const SavedGame record = SampleRecord();
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteSavedGameFile(folder / "game.bcx", record).Ok());
    }
}
BENCHMARK(BM_WriteSavedGameFile)->Unit(benchmark::kMicrosecond);

void BM_ReadSavedGameFile(benchmark::State& state)
{
    ScratchFolder folder;
    WriteSavedGameFile(folder / "game.bcx", SampleRecord());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadSavedGameFile(folder / "game.bcx").status.Ok());
    }
}
BENCHMARK(BM_ReadSavedGameFile)->Unit(benchmark::kMicrosecond);

void BM_SeedHighScoresEmptyStore(benchmark::State& state)
{
    ScratchFolder folder;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto file = folder / ("empty-" + std::to_string(run++) + ".sqlite");
        state.ResumeTiming();
        HighScores scores(std::make_unique<SqliteRegistryStore>(file));
        scores.SeedHighScores();
    }
}
BENCHMARK(BM_SeedHighScoresEmptyStore)->Unit(benchmark::kMillisecond);

void BM_SeedHighScoresFullStore(benchmark::State& state)
{
    ScratchFolder folder;
    const auto file = folder / "full.sqlite";
    HighScores(std::make_unique<SqliteRegistryStore>(file)).SeedHighScores();
    for (auto _ : state) {
        HighScores scores(std::make_unique<SqliteRegistryStore>(file));
        scores.SeedHighScores();
    }
}
BENCHMARK(BM_SeedHighScoresFullStore)->Unit(benchmark::kMillisecond);

// A finished game's score placed and the twenty values written in one transaction.
void BM_SaveNewScore(benchmark::State& state)
{
    ScratchFolder folder;
    HighScores scores(std::make_unique<SqliteRegistryStore>(folder / "store.sqlite"));
    scores.SeedHighScores();
    for (auto _ : state) {
        state.PauseTiming();
        scores.ResetHighScores();
        state.ResumeTiming();
        benchmark::DoNotOptimize(scores.SaveNewScore(40, "Fast Player"));
    }
}
BENCHMARK(BM_SaveNewScore)->Unit(benchmark::kMillisecond);

void BM_ReadRegistryValue(benchmark::State& state)
{
    ScratchFolder folder;
    HighScores scores(std::make_unique<SqliteRegistryStore>(folder / "read.sqlite"));
    scores.SeedHighScores();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BrightmooseConcentrationModule::ReadRegistryValue(scores.Store(), HighScores::kRoot,
                                                                                   HighScores::kKeyPath, "Score7"));
    }
}
BENCHMARK(BM_ReadRegistryValue)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
