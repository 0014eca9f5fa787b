#pragma once
// A class's programs judged on one challenge, and the reports a teacher reads: JSON for scripts,
// CSV for a spreadsheet, HTML with each student's goals, stars, time and a small picture of the
// robot's trail. The words come from a renderer, so that the same report is written in the
// language of whoever asks for it.
#include "challenges/Judge.h"

#include <functional>
#include <string>
#include <vector>

namespace tarvel {

struct GradeEntry {
    std::string program; // the file as it was named (UTF-8)
    std::string student; // its name without folder and extension (UTF-8)
    bool built = false;  // false: it could not be opened or built, and `message` says why
    Text message;
    Verdict verdict;
};

// A text of the core in the report's language, as UTF-8.
using ReportWords = std::function<std::string(const Text&)>;
// The Spanish words, as the command line prints them.
std::string spanishWords(const Text& text);

std::string gradeJson(const Challenge& challenge, const std::vector<GradeEntry>& entries, const ReportWords& words);
std::string gradeCsv(const Challenge& challenge, const std::vector<GradeEntry>& entries, const ReportWords& words);
std::string gradeHtml(const Challenge& challenge, const std::vector<GradeEntry>& entries, const ReportWords& words);

// The world from above with the goals' regions and the trail, as an SVG element of `widthPx` pixels.
std::string trailSvg(const Challenge& challenge, const std::vector<WorldPoint>& trail, int widthPx);

// One line for a terminal: "Ana: 3 estrellas, 12,3 s" or why not.
std::string gradeLine(const GradeEntry& entry, const ReportWords& words);

} // namespace tarvel
