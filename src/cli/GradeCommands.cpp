// grade: judges a class's programs on one challenge, in parallel, and writes the teacher's reports.
#include "cli/CliLibrary.h"
#include "cli/CliSupport.h"

#include "challenges/ChallengeFile.h"
#include "challenges/GradeReport.h"
#include "challenges/ProgramImage.h"
#include "challenges/ReportWords.h"
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/TextFile.h"
#include "model/TextUtil.h"

#include <CLI/CLI.hpp>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <thread>

namespace tarvel::cli {

namespace {

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;

struct GradeArgs {
    std::string challenge, worlds, csv, html, lang = "es";
    std::vector<std::string> programs;
    bool json = false;
    int jobs = 0;
    LibraryOption lib;
};

bool isProgramName(const fs::path& p)
{
    return upperCase(p.extension().string()) == ".GTF";
}

// Where the challenge's world names are looked up: --worlds, the worlds/ beside the challenge's
// folder (the application folder's layout), or the shipped ones.
fs::path worldsFolder(const GradeArgs& args)
{
    if (!args.worlds.empty())
        return args.worlds;
    std::error_code ec;
    const fs::path beside = fs::absolute(args.challenge, ec).parent_path().parent_path() / "worlds";
    if (fs::is_directory(beside, ec))
        return beside;
    return fs::path(shippedLibraryPath()).parent_path() / "worlds";
}

// The programs named: files as they are, folders as the programs (.gtf) they hold, by name.
bool programList(const GradeArgs& args, std::vector<std::string>& out, std::string& error)
{
    for (const std::string& name : args.programs) {
        std::error_code ec;
        if (!fs::is_directory(name, ec)) {
            out.push_back(name);
            continue;
        }
        std::vector<std::string> inside;
        for (fs::directory_iterator it(name, ec), end; !ec && it != end; it.increment(ec))
            if (isProgramName(it->path()) && it->is_regular_file(ec))
                inside.push_back(it->path().string());
        if (inside.empty()) {
            error = "La carpeta " + name + " no tiene programas (.gtf)";
            return false;
        }
        std::sort(inside.begin(), inside.end());
        out.insert(out.end(), inside.begin(), inside.end());
    }
    return true;
}

GradeEntry judgeOne(const Challenge& challenge, const CompilationLibrary& library, const std::string& path,
                    const std::string& bytes)
{
    GradeEntry entry;
    entry.program = path;
    entry.student = fs::path(path).stem().string();
    ProgramStore store;
    store.setElementSizes(library.elementSizeTable);
    const FileOutcome opened =
        loadProgram(store, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    if (!opened.ok) {
        const std::string error = opened.error.spanish();
        entry.message = Text::literal(error.substr(0, error.find("\r\n")));
        return entry;
    }
    const ProgramImage built = buildProgramImage(store, library);
    if (!built.ok) {
        entry.message = built.message;
        return entry;
    }
    entry.built = true;
    entry.verdict = judgeProgram(challenge, built);
    return entry;
}

// A bar on the terminal while the programs are judged; nothing when the output goes to a file.
class Progress {
public:
    explicit Progress(std::size_t total)
        : total_(total)
        , shown_(::isatty(STDERR_FILENO) == 1)
    {
    }
    void done()
    {
        std::lock_guard lock(mutex_);
        ++done_;
        changed_.notify_one();
    }
    // Draws until every program was judged.
    void show()
    {
        std::unique_lock lock(mutex_);
        while (done_ < total_) {
            if (shown_)
                draw();
            changed_.wait_for(lock, std::chrono::milliseconds(100));
        }
        if (shown_)
            std::cerr << '\r' << std::string(60, ' ') << '\r' << std::flush;
    }

private:
    void draw() const
    {
        constexpr std::size_t width = 30;
        const std::size_t filled = total_ ? done_ * width / total_ : width;
        std::cerr << "\rJuzgando [" << std::string(filled, '#') << std::string(width - filled, '.') << "] " << done_
                  << "/" << total_ << std::flush;
    }

    std::size_t total_, done_ = 0;
    bool shown_;
    std::mutex mutex_;
    std::condition_variable changed_;
};

int failed(const GradeArgs& args, const std::string& message)
{
    if (args.json)
        printJson({{"ok", false}, {"error", message}});
    return fail(message);
}

void run(const GradeArgs& args, int& exitCode)
{
    if (!args.csv.empty() && !args.html.empty() && sameFile(args.csv, args.html)) {
        exitCode = usage("--csv y --html no pueden ser el mismo archivo");
        return;
    }
    if (args.jobs < 0 || args.jobs > 256) {
        exitCode = usage("--jobs va de 1 a 256 (0: uno por procesador)");
        return;
    }
    // The reports' words, and the teacher's names of the places, in the language asked for.
    const bool english = args.lang == "en";
    const ReportWords words = english ? ReportWords(englishWords) : ReportWords(spanishWords);
    ChallengeLoad load = loadChallengeFile(args.challenge, worldsFolder(args));
    if (!load.challenge) {
        exitCode = failed(args, words(load.error));
        return;
    }
    const Challenge challenge = english ? inEnglish(std::move(*load.challenge)) : std::move(*load.challenge);
    std::vector<std::string> paths;
    if (std::string error; !programList(args, paths, error)) {
        exitCode = failed(args, error);
        return;
    }
    // Every file is read first: a name that is no file stops the command before any work.
    std::vector<std::string> bytes(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i)
        if (const std::string error = readInput(paths[i], kProgramFileMaxBytes, bytes[i]); !error.empty()) {
            exitCode = failed(args, error);
            return;
        }
    CompilationLibrary library;
    if (!args.lib.load(library, true)) {
        exitCode = failed(args, "No se pudo usar la libreria de compilacion");
        return;
    }

    std::vector<GradeEntry> entries(paths.size());
    std::atomic<std::size_t> next{0};
    Progress progress(paths.size());
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t workers = std::min<std::size_t>(args.jobs > 0 ? unsigned(args.jobs) : cores, paths.size());
    std::vector<std::thread> threads;
    for (std::size_t w = 0; w < workers; ++w)
        threads.emplace_back([&] {
            for (std::size_t i = next++; i < paths.size(); i = next++) {
                entries[i] = judgeOne(challenge, library, paths[i], bytes[i]);
                progress.done();
            }
        });
    progress.show();
    for (auto& t : threads)
        t.join();

    std::vector<std::pair<std::string, std::string>> outputs;
    if (!args.csv.empty())
        outputs.emplace_back(args.csv, gradeCsv(challenge, entries, words));
    if (!args.html.empty())
        outputs.emplace_back(args.html, gradeHtml(challenge, entries, words));
    if (const std::string error = writeOutputs(outputs); !error.empty()) {
        exitCode = failed(args, error);
        return;
    }
    if (args.json) {
        std::cout << gradeJson(challenge, entries, words);
        return;
    }
    std::cout << utf8(challenge.title) << '\n';
    for (const GradeEntry& e : entries)
        std::cout << "  " << gradeLine(e, words) << '\n';
}

} // namespace

void addGradeCommands(CLI::App& app, int& exitCode)
{
    auto args = std::make_shared<GradeArgs>();
    auto* grade = app.add_subcommand("grade", "Juzga los programas de una clase en un reto y escribe los informes");
    grade->add_option("CHALLENGE", args->challenge, "Reto (.json)")->required();
    grade->add_option("PROGRAMS", args->programs, "Programas (.gtf), o carpetas de programas")->required();
    args->lib.add(*grade);
    grade->add_option("--worlds", args->worlds, "Carpeta de los mundos que nombra el reto");
    grade->add_option("--csv", args->csv, "Escribe una tabla CSV con una fila por programa");
    grade->add_option("--html", args->html, "Escribe un informe HTML con los objetivos y el recorrido de cada uno");
    grade->add_option("--jobs", args->jobs, "Programas juzgados a la vez (0: uno por procesador)");
    grade->add_option("--lang", args->lang, "Idioma de los informes y del resumen: es (castellano) o en (ingles)")
        ->check(CLI::IsMember({"es", "en"}))
        ->default_str("es");
    grade->add_flag("--json", args->json, "Salida JSON");
    grade->callback([args, &exitCode] { run(*args, exitCode); });
}

} // namespace tarvel::cli
