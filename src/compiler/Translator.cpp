#include "compiler/Translator.h"

#include "compiler/CompilationLibrary.h"
#include "compiler/NextToken.h"
#include "model/NumberText.h"
#include "model/ProgramStore.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

constexpr int kMaxPathSteps = 20;
constexpr int kMaxMelodyNotes = 16; // the 64-byte text holds 16 notes of 4 bytes
const char* const kLineEnd = "\r\n";

bool inElementRange(int code) { return code >= 10 && code <= 26; }

// Floor division; a division by zero gives 0 so that a template can never fail the build.
long long floorDiv(long long a, long long b)
{
    if (b == 0)
        return 0;
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// A result "_AUTOLABEL" + digits names the automatic label of that template slot.
bool autoLabelSlot(const std::string& text, int& slot)
{
    static const std::string prefix = "_AUTOLABEL";
    if (text.size() <= prefix.size() || upperCase(text.substr(0, prefix.size())) != prefix)
        return false;
    const char next = text[prefix.size()];
    if (next < '0' || next > '9')
        return false;
    slot = int(leadingDigits(std::string_view(text).substr(prefix.size())) & 127);
    return true;
}

std::string stripLineEnds(std::string line)
{
    while (!line.empty() && (line.front() == '\r' || line.front() == '\n'))
        line.erase(0, 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    return line;
}

} // namespace

std::string VariableSourceName(int n)
{
    static const char* const names[] = {"VRoja", "VAzul", "VVerde", "VRosa", "VNaranja"};
    return n >= 1 && n <= 5 ? names[n - 1] : signedNumber(n);
}

std::string sourceFileName(const std::string& programName, bool storeSourceFiles)
{
    if (!storeSourceFiles)
        return "SysTemp.src";
    const std::string upper = upperCase(programName);
    if (upper.size() >= 4 && upper.compare(upper.size() - 4, 4, ".GTF") == 0)
        return programName.substr(0, programName.size() - 4) + ".src";
    return programName + ".src";
}

void Translator::startBuild(const CompilationLibrary& library, const ProgramSettings& settings)
{
    library_ = &library;
    settings_ = settings;
    elementCounter = 0;
    autoLabelCounter = 0;
    memoryUsed = 0;
    subroutineBalance = 0;
}

std::string Translator::TranslateProgram(const ProgramStore& store, const CompilationLibrary& library)
{
    startBuild(library, store.programSettings);
    std::string text;
    elementSpans.clear();
    int line = 1;
    for (int seq = 0; seq <= kSubroutines; ++seq)
        for (int i = 0; i < ProgramStore::sequenceSlots(seq) && !store.recordAt(seq, i).empty(); ++i) {
            const std::string part = TranslateElement(store.recordAt(seq, i), seq);
            const int lines = int(std::count(part.begin(), part.end(), '\n'));
            elementSpans.push_back({seq, i, line, lines});
            line += lines;
            text += part;
        }
    text += std::string(kLineEnd) + "            END" + kLineEnd;
    generatedSource = text;
    return text;
}

Translation translateProgram(const ProgramStore& store, const CompilationLibrary& library, TemplateMemory& memory)
{
    Translator translator;
    translator.memory = memory;
    translator.TranslateProgram(store, library);
    memory = translator.memory;
    return {std::move(translator.generatedSource), std::move(translator.elementSpans), translator.memoryUsed,
            translator.subroutineBalance};
}

std::string Translator::TranslateElement(const InstructionRecord& r, int sequence)
{
    const CompilationLibrary& lib = *library_;
    std::string text;
    if (elementCounter == 0) {
        memoryUsed = lib.elementSizeTable.at(family::LibraryReserved, library::Templates, kFixHeadOption);
        if (lib.hasTemplate(family::LibraryReserved, library::Templates, kFixHeadOption))
            text = expandKey(family::LibraryReserved, library::Templates, kFixHeadOption, r, sequence) + kLineEnd;
        ++elementCounter;
    }

    if (r.is(family::Structure, structure::SubroutineStart))
        ++subroutineBalance;
    else if (r.is(family::Structure, structure::SubroutineEnd))
        subroutineBalance = std::abs(subroutineBalance - 1);

    const bool melody = r.is(family::Outputs, outputs::Sound, outputs::Melody);
    if (inElementRange(r.family) && inElementRange(r.subtype) && inElementRange(r.option) && !melody) {
        if (lib.hasTemplate(r.family, r.subtype, r.option)) {
            if (!r.description.empty())
                text += ";" + r.description + kLineEnd;
            int f = r.family, s = r.subtype, o = r.option;
            if (r.is(family::Waits, waits::Light) && (o == waits::While || o == waits::Until) &&
                settings_.lightThreshold >= 246)
                o -= 2;
            else if ((f == family::Decisions || f == family::DecisionsInverted) && s == decisions::Light)
                o = settings_.lightThreshold <= 245 ? decisions::FixedThreshold : decisions::VariableThreshold;
            text += expandKey(f, s, o, r, sequence);
            memoryUsed += lib.elementSizeTable.at(f, s, o);
        } else {
            text += noCodeLine(r) + defaultCode(r, sequence);
        }
    }
    if (r.is(family::Motors, motors::Path) && r.arg1 > 0)
        text += translatePath(r, sequence);
    if (melody && r.arg1 >= 1)
        text += translateMelody(r, sequence);

    ++elementCounter;
    return text + kLineEnd;
}

std::string Translator::noCodeLine(const InstructionRecord& r) const
{
    return ";No Code for: " + signedNumber(r.family) + ", " + signedNumber(r.subtype) + ", " + signedNumber(r.option) +
           "  (" + trimBlanks(r.description) + ")" + kLineEnd;
}

std::string Translator::defaultCode(const InstructionRecord& r, int sequence)
{
    if (!library_->hasTemplate(family::LibraryReserved, library::Templates, kDefaultOption))
        return {};
    memoryUsed += library_->elementSizeTable.at(family::LibraryReserved, library::Templates, kDefaultOption);
    return expandKey(family::LibraryReserved, library::Templates, kDefaultOption, r, sequence);
}

std::string Translator::expandKey(int f, int s, int o, const InstructionRecord& r, int sequence)
{
    return ExpandTemplate(library_->templateOffsetTable.at(f, s, o), r, sequence);
}

std::string Translator::translatePath(const InstructionRecord& r, int sequence)
{
    std::string text;
    const int steps = std::min<int>(r.arg1, kMaxPathSteps);
    const int mode = r.text[0];
    const int stepFamily = settings_.directionMode == 1 ? family::PathStepSteering : family::PathStep;
    InstructionRecord step = r;
    for (int s = 0; s < steps; ++s) {
        const int v = r.text[std::size_t(3 * s + 1)];
        const int stepSubtype = r.text[std::size_t(3 * s + 2)];
        const int stepOption = r.text[std::size_t(3 * s + 3)] & 15;
        switch (mode) {
        case 0: step.arg2 = std::int16_t(v); break;
        case 1: step.arg2 = std::int16_t(roundHalfEven(v * 1.5)); break;
        case 2: step.arg2 = std::int16_t(2 * v); break;
        default: break;
        }
        if (library_->hasTemplate(stepFamily, stepSubtype, stepOption)) {
            text += expandKey(stepFamily, stepSubtype, stepOption, step, sequence);
            memoryUsed += library_->elementSizeTable.at(stepFamily, stepSubtype, stepOption);
        } else {
            text += ";No Code for: TrueTour," + signedNumber(stepSubtype) + ", " + signedNumber(stepOption) + ", " +
                    kLineEnd + defaultCode(step, sequence);
        }
    }
    return text + expandKey(family::Motors, motors::Stop, motors::BothMotors, r, sequence);
}

std::string Translator::translateMelody(const InstructionRecord& r, int sequence)
{
    std::string text;
    if (!r.description.empty())
        text += ";" + r.description + kLineEnd;
    const int notes = std::min<int>(r.arg1, kMaxMelodyNotes);
    for (int k = 0; k < notes; ++k) {
        for (int b = 0; b < 4; ++b)
            memory.noteBytes[std::size_t(b)] = r.text[std::size_t(4 * k + b)];
        if (library_->hasTemplate(family::Outputs, outputs::Sound, outputs::Melody)) {
            text += expandKey(family::Outputs, outputs::Sound, outputs::Melody, r, sequence);
            memoryUsed += library_->elementSizeTable.at(family::Outputs, outputs::Sound, outputs::Melody);
        } else {
            text += noCodeLine(r) + defaultCode(r, sequence);
        }
    }
    return text;
}

std::string Translator::ExpandTemplate(std::int32_t position, const InstructionRecord& r, int sequence)
{
    if (position <= 0)
        return {};
    const std::string& bytes = library_->fileBytes;
    std::string out, raw, pendingIndent;
    bool firstLine = true;
    for (std::size_t i = std::size_t(position - 1); i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '}')
            break;
        if (c != '\r') {
            raw += c;
            continue;
        }
        if (firstLine && !raw.empty() && raw[0] == ';')
            return {};
        firstLine = false;
        std::string line = stripLineEnds(raw.substr(0, raw.find(';')));
        raw.clear();
        if (line.empty() || line == "}")
            continue;

        std::size_t pos = 0;
        const std::string word = NextToken(line, pos, ' ');
        const std::string upper = upperCase(word);
        const std::size_t lead = line.find_first_not_of(' ') == std::string::npos ? line.size() : line.find_first_not_of(' ');
        const std::string indent = lead > 0 ? std::string(lead + 1, ' ') : std::string();

        std::string text;
        if (upper == "NEW_AUTOLABEL") {
            ++autoLabelCounter;
            memory.autoLabelMap[std::size_t(leadingDigits(NextToken(line, pos, ' ')) & 127)] = autoLabelCounter;
            pendingIndent += indent;
            continue;
        }
        if (upper == "_PLACELABEL:") {
            text = r.name + ":";
        } else if (upper == "_PLACECLABEL:") {
            text = "C" + plainNumber(sequence) + "_" + r.name + ":";
        } else if (upper == "_AUTOLABEL:") {
            const auto slot = std::size_t(leadingDigits(NextToken(line, pos, ' ')) & 127);
            text = "_AutoLabel" + plainNumber(memory.autoLabelMap[slot]) + ":";
        } else if (upper.rfind("_?", 0) == 0) {
            if (upper.size() >= 3) {
                const int index = upper[2] - 'A';
                if (index >= 0 && index < int(memory.templateLocals.size()))
                    memory.templateLocals[std::size_t(index)] = std::int32_t(signedLeadingNumber(std::string_view(word).substr(3)));
            }
        } else {
            text = word + " ";
        }
        text = pendingIndent + indent + text;
        pendingIndent.clear();

        std::string rest = line.substr(std::min(pos, line.size()));
        while (!rest.empty() && rest.back() == ' ')
            rest.pop_back();
        std::size_t p = 0;
        for (int n = 0; n < 8; ++n) {
            std::string operand = SubstituteOperand(NextToken(rest, p, ','), r, sequence);
            int slot = 0;
            if (autoLabelSlot(operand, slot))
                operand = "_AutoLabel" + plainNumber(memory.autoLabelMap[std::size_t(slot)]);
            if (operand.empty()) {
                if (!text.empty() && text.back() == ',')
                    text.pop_back();
                break;
            }
            text += operand;
            if (lead > 0)
                text += ",";
        }
        out += text + kLineEnd;
    }
    return out;
}

std::string Translator::SubstituteOperand(const std::string& operand, const InstructionRecord& r, int sequence) const
{
    const std::string u = upperCase(operand);
    const ProgramSettings& g = settings_;
    auto bounded = [](double value) { return plainNumber(std::min<long long>(roundHalfEven(value), 255)); };

    if (u == "_CST1") return signedNumber(r.arg1);
    if (u == "_CST2") return signedNumber(r.arg2);
    if (u == "_HCST1") return signedNumber(std::uint16_t(r.arg1) >> 8);
    if (u == "_HCST2") return signedNumber(std::uint16_t(r.arg2) >> 8);
    if (u == "_LCST1") return signedNumber(std::uint16_t(r.arg1) & 0xFF);
    if (u == "_LCST2") return signedNumber(std::uint16_t(r.arg2) & 0xFF);
    if (u == "_NOTCST1") return signedNumber(std::int16_t(~r.arg1));
    if (u == "_NOTCST2") return signedNumber(std::int16_t(~r.arg2));
    if (u == "_VAR1") return VariableSourceName(r.arg1);
    if (u == "_VAR2") return VariableSourceName(r.arg2);
    if (u == "_RSLT") return VariableSourceName(r.arg3);
    if (u == "_LABEL") return r.name;
    if (u == "_CLABEL") return "C" + plainNumber(sequence) + "_" + r.name;
    if (u == "_LABEL_ABC" || u == "_LABEL_NOTABC") {
        auto at = [&](std::size_t i, char letter) {
            return r.name.size() > i && (r.name[i] == letter || r.name[i] == letter + 32);
        };
        const int abc = (at(0, 'A') ? 4 : 0) + (at(1, 'B') ? 2 : 0) + (at(2, 'C') ? 1 : 0);
        return signedNumber(u == "_LABEL_ABC" ? abc : 7 - abc);
    }
    if (u == "_GLOBAL_LUZ")
        return g.lightThreshold > 244 ? VariableSourceName(g.lightThreshold - 245) : plainNumber(g.lightThreshold);
    if (u == "_GLOBAL_SENSE100_TO") return bounded(g.senseTimeout / 100.0);
    if (u == "_GLOBAL_COUNT100_TO") return bounded(g.countTimeout / 100.0);
    if (u == "_GLOBAL_SENSE10_TO") return bounded(g.senseTimeout / 10.0);
    if (u == "_GLOBAL_COUNT10_TO") return bounded(g.countTimeout / 10.0);
    if (u == "_GLOBAL_MOTTIME") return bounded(g.motorTime / 10.0);
    if (u == "_GLOBAL_DIRMODE") return plainNumber(g.directionMode);
    if (u == "_GLOBAL_APPID") return plainNumber(g.appId | 192);
    if (u.rfind("_GLOBAL_SPIN_", 0) == 0) {
        static const char* const angles[] = {"45", "90", "135", "180", "225", "270", "315"};
        for (int k = 0; k < 7; ++k)
            if (u.substr(13) == angles[k])
                return plainReal(g.motorSpin / 100.0 * (k + 1));
    }
    if (u.size() == 7 && u.rfind("_TOUR_", 0) == 0 && u[6] >= '1' && u[6] <= '6')
        return signedNumber(r.text[std::size_t(u[6] - '1')]);
    if (u.size() == 6 && u.rfind("_XCST", 0) == 0 && u[5] >= '1' && u[5] <= '6')
        return signedNumber(memory.noteBytes[std::size_t(u[5] - '1')]);

    bool matched = false;
    std::string value = arithmetic(u, r, matched);
    return matched ? value : operand;
}

std::string Translator::arithmetic(const std::string& u, const InstructionRecord& r, bool& matched) const
{
    matched = false;
    if (u.size() < 7)
        return {};
    long long local = 0;
    if (u.size() >= 8) {
        const int index = u[7] - 'A';
        if (index >= 0 && index < int(memory.templateLocals.size()))
            local = memory.templateLocals[std::size_t(index)];
    }
    const long long a1 = r.arg1, a2 = r.arg2, L = local;
    const std::string form = u.substr(0, 7);
    long long v = 0;
    matched = true;
    if (form == "_CST1-?") v = a1 - L;
    else if (form == "_CST1+?") v = a1 + L;
    else if (form == "_CST1*?") v = (a1 * L) & 255;
    else if (form == "_CST1/?") v = floorDiv(a1, L);
    else if (form == "_-CST2?") v = a2 - L;
    else if (form == "_+CST2?") v = a2 + L;
    else if (form == "_*CST2?") v = (a2 * L) & 255;
    else if (form == "_/CST2?") v = floorDiv(a2, L);
    else if (form == "_?-CST1") v = L - a1;
    else if (form == "_?+CST1") v = L + a1;
    else if (form == "_?*CST1") v = (a1 * L) & 255;
    else if (form == "_/CST1?") v = floorDiv(L, a1);
    else if (form == "_?-CST2") v = L - a2;
    else if (form == "_?+CST2") v = L + a2;
    else if (form == "_?*CST2") v = (a2 * L) & 255;
    else if (form == "_?/CST2") v = floorDiv(L, a2);
    else matched = false;
    return signedNumber(v);
}

} // namespace tarvel
